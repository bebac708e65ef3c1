// CALCULATE for every floor type, support condition and design fire, beside the bare scans of
// the data files that the same run must read: nothing is cached, so those scans are the floor.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "BenchMembers.h"
#include "calc/Calculate.h"
#include "calc/Continuity.h"
#include "calc/FireExplorer.h"
#include "thermal/TempDataFiles.h"

using namespace fd9;
using namespace fd9::bench;
namespace fs = std::filesystem;

namespace {

// The data files one run reads, one entry per search, in the order the steps search them.
std::vector<std::string> FilesSearched(const FloorModel& model, int passes) {
    const DesignFire fire = model.Selected.DesignFire;
    const std::string beam = BeamFileName(fire);
    const std::string slab = SlabFileName(fire, model.Selected.ConcreteType);
    const FloorType floor = model.Selected.FloorType;
    const bool continuous = model.Selected.SupportCondition == SupportCondition::Continuous;
    const bool flanged = floor == FloorType::DoubleTee || floor == FloorType::TeeBeam;
    const std::string member = floor == FloorType::Slab ? slab : beam;
    std::vector<std::string> files{member};  // positive steel
    if (continuous) {
        files.push_back(flanged ? slab : member);  // negative steel
    }
    files.push_back(member);  // damaged depth
    if (continuous && floor == FloorType::DoubleTee) {
        files.push_back(slab);
    }
    const int concreteSteps = continuous ? 1 + passes : 1;
    for (int step = 0; step < concreteSteps; ++step) {
        if (floor == FloorType::Beam) {
            files.push_back(beam);
        }
        if (continuous) {
            files.push_back(flanged ? beam : member);
        }
    }
    return files;
}

// Open, read and convert every number, as any search that reaches the end must.
double ScanFile(const std::string& path) {
    std::string text;
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
        char buffer[16384];
        std::size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
            text.append(buffer, got);
        }
        std::fclose(file);
    }
    double sum = 0;
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end) {
        if (*p == ',' || *p == ' ' || *p == '\n' || *p == '\r' || *p == '\t') {
            ++p;
            continue;
        }
        float value = 0;
        const auto result = std::from_chars(p, end, value);
        if (result.ec != std::errc()) {
            ++p;
            continue;
        }
        sum += value;
        p = result.ptr;
    }
    return sum;
}

struct Case {
    std::string name;
    FloorModel model;
    std::string dir;
};

void BM_Calculate(benchmark::State& state, const Case& c) {
    for (auto _ : state) {
        FloorModel model = c.model;
        TempDataContext context{c.dir, {}};
        CalculationOutcome outcome = Calculate(model, context);
        benchmark::DoNotOptimize(outcome);
    }
}

// The fire resistance explorer: CALCULATE for all 21 fires of one member.
void BM_Explore(benchmark::State& state, const Case& c) {
    for (auto _ : state) {
        ExplorerResult result = ExploreFireResistance(c.model, c.dir);
        benchmark::DoNotOptimize(result);
    }
}

void BM_FileScanFloor(benchmark::State& state, const std::vector<std::string>& paths) {
    for (auto _ : state) {
        for (const std::string& path : paths) {
            benchmark::DoNotOptimize(ScanFile(path));
        }
    }
    state.counters["files"] = static_cast<double>(paths.size());
}

bool HasAllFiles(const fs::path& dir) {
    for (const char* name : {"denbeam.con", "realbm.con", "denslab.con", "aqslab.con",
                             "dacslab.con", "pumslab.con", "realslab.con"}) {
        if (!fs::exists(dir / name)) {
            return false;
        }
    }
    return true;
}

// The slowest member: a continuous beam, which searches the most files per run.
void RegisterExplorer(const std::string& set, const std::string& dir) {
    const Case c{set + "/Beam/Continuous",
                 BenchMember(FloorType::Beam, SupportCondition::Continuous, DesignFire::Standard),
                 dir};
    benchmark::RegisterBenchmark(("Explore/" + c.name).c_str(), BM_Explore, c)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(9)
        ->ReportAggregatesOnly(true);
}

void RegisterCases(const std::string& set, const std::string& dir) {
    const char* floorNames[] = {"Beam", "Slab", "DoubleTee", "TeeBeam"};
    for (FloorType floor :
         {FloorType::Beam, FloorType::Slab, FloorType::DoubleTee, FloorType::TeeBeam}) {
        for (SupportCondition support :
             {SupportCondition::SimplySupported, SupportCondition::Continuous}) {
            for (DesignFire fire : {DesignFire::Standard, DesignFire::NonStandard}) {
                Case c{set + "/" + floorNames[static_cast<int>(floor)] +
                           (support == SupportCondition::Continuous ? "/Continuous"
                                                                    : "/SimplySupported") +
                           (fire == DesignFire::Standard ? "/Standard" : "/NonStandard"),
                       BenchMember(floor, support, fire), dir};
                FloorModel probe = c.model;
                TempDataContext context{dir, {}};
                const CalculationOutcome outcome = Calculate(probe, context);
                // A run stopped by the bound on the compression-zone iteration has searched
                // on every pass and stays in; one stopped for want of data is left out.
                if (!outcome.completed) {
                    std::cerr << c.name << " stopped: " << outcome.stopMessage << "\n";
                    if (outcome.compressionZonePasses < MaxCompressionZonePasses) {
                        continue;
                    }
                    c.name += "/NotSettled";
                }
                std::vector<std::string> paths;
                for (const std::string& name :
                     FilesSearched(c.model, outcome.compressionZonePasses)) {
                    paths.push_back(ResolveDataFilePath(name, dir));
                }
                benchmark::RegisterBenchmark(("Calculate/" + c.name).c_str(), BM_Calculate, c)
                    ->Unit(benchmark::kMicrosecond);
                benchmark::RegisterBenchmark(("FileScanFloor/" + c.name).c_str(), BM_FileScanFloor,
                                             paths)
                    ->Unit(benchmark::kMicrosecond);
            }
        }
    }
}

const char* const Usage =
    "usage: fd9_bench [--data=DIR]... [Google Benchmark flags]\n"
    "  --data=DIR  also run on the data files in DIR (all seven); the shipped ones are used when\n"
    "              all seven are in data/\n";

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> given;
    std::vector<char*> rest{argv[0]};
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument.rfind("--data=", 0) == 0) {
            given.push_back(argument.substr(7));
        } else {
            rest.push_back(argv[i]);
            if (argument == "--help" || argument == "-h") {
                std::fputs(Usage, stdout);  // then Google Benchmark's own, and it exits
            }
        }
    }
    int restCount = static_cast<int>(rest.size());
    benchmark::Initialize(&restCount, rest.data());
    if (restCount > 1) {
        std::fprintf(stderr, "fd9_bench: unknown option %s\n%s", rest[1], Usage);
        return 2;
    }
    const fs::path synthetic = WriteSyntheticTables("fd9-bench-");
    RegisterCases("Synthetic", synthetic.string());
    RegisterExplorer("Synthetic", synthetic.string());
    if (HasAllFiles(FD9_DATA_DIR)) {
        RegisterCases("Shipped", FD9_DATA_DIR);
        RegisterExplorer("Shipped", FD9_DATA_DIR);
    }
    for (const std::string& dir : given) {
        if (HasAllFiles(dir)) {
            RegisterCases("Given", dir);
            RegisterExplorer("Given", dir);
        }
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fs::remove_all(synthetic);
    return 0;
}
