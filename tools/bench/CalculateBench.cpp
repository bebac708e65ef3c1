// CALCULATE for every floor type, support condition and design fire, beside the bare scans of
// the data files that the same run must read: nothing is cached, so those scans are the floor.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "calc/Calculate.h"
#include "calc/Continuity.h"
#include "calc/FireExplorer.h"
#include "model/FireRatings.h"
#include "model/LoadCombinations.h"
#include "model/ResultFormat.h"
#include "thermal/TempDataFiles.h"

using namespace fd9;
namespace fs = std::filesystem;

namespace {

// Tables of a realistic size: every fire case, five width blocks for beams, 10 mm steps
// to 300 mm. The searched cases are the last in their files, so each search reads nearly all.
void WriteBlock(std::ostream& out, const std::string& keys, double surface, double decay,
                bool fifthUnused) {
    for (int depth = 0; depth <= 300; depth += 10) {
        const double temp = 20 + (surface - 20) * std::exp(-depth / decay);
        out << keys << ", " << depth << ", " << static_cast<double>(std::lround(temp * 10)) / 10.0;
        out << (fifthUnused ? ", 0\n" : "\n");
    }
}

fs::path WriteSyntheticData() {
    const fs::path dir = fs::temp_directory_path() / ("fd9-bench-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const int widths[] = {400, 300, 200, 150, 100};  // widest first: the first qualifying wins

    std::ofstream beam(dir / "denbeam.con");
    for (int rating : StandardRatings) {
        for (int width : widths) {
            WriteBlock(beam, std::to_string(rating) + ", " + std::to_string(width),
                       1000 + rating / 2.0 + (400 - width) / 4.0, 20 + rating / 8.0, true);
        }
    }
    for (const char* name : {"denslab.con", "aqslab.con", "dacslab.con", "pumslab.con"}) {
        std::ofstream slab(dir / name);
        for (int rating : StandardRatings) {
            WriteBlock(slab, std::to_string(rating) + ", 100", 980 + rating / 2.0,
                       18 + rating / 8.0, true);
        }
    }
    std::ofstream realBeam(dir / "realbm.con");
    std::ofstream realSlab(dir / "realslab.con");
    for (int load : FireLoads) {
        for (const float openingFactor : OpeningFactors) {
            const std::string factor = FormatResult(openingFactor, "0.00");
            const double surface = 900 + load * 1.5 + std::stod(factor) * 400;
            for (int width : widths) {
                WriteBlock(realBeam,
                           std::to_string(load) + ", " + std::to_string(width) + ", " + factor,
                           surface + (400 - width) / 4.0, 15 + load / 5.0, false);
            }
            WriteBlock(realSlab, std::to_string(load) + ", " + factor, surface - 20,
                       14 + load / 5.0, true);
        }
    }
    return dir;
}

void Bar(SteelTable& table, std::int16_t& count, float x, float y, float diameter) {
    table[count] = {x, y, diameter, 0};
    ++count;
}

FloorModel Member(FloorType floor, SupportCondition support, DesignFire fire) {
    FloorModel model;
    model.Selected.FloorType = floor;
    model.Selected.SupportCondition = support;
    model.Selected.DesignFire = fire;
    model.Selected.ConcreteType = ConcreteType::NormalWeight;
    model.FRRequired = 120;
    model.FireLoad = FireLoads.back();
    model.OpeningFactor = OpeningFactors.back();
    model.ConcreteStrength = 40;
    model.PosSteelStrength = 500;
    model.NegSteelStrength = 500;
    model.DeadLoad = 10;
    model.LiveLoad = 6;
    model.DeadLoadFactor = NzsDeadLoadFactor;
    model.LiveLoadFactor = NzsLiveLoadFactor(Occupancy::DomesticFloors);
    model.Span = 8;
    switch (floor) {
        case FloorType::Beam:
            model.SectionWidth = 300;
            model.SectionDepth = 600;
            for (float x : {70.f, 150.f, 230.f}) {
                Bar(model.PosSteel, model.PosSteelCount, x, 530, 25);
                Bar(model.NegSteel, model.NegSteelCount, x, 60, 16);
            }
            break;
        case FloorType::Slab:
            model.SectionWidth = 1000;
            model.SectionDepth = 200;
            for (float x : {100.f, 300.f, 500.f, 700.f, 900.f}) {
                Bar(model.PosSteel, model.PosSteelCount, x, 160, 12);
                Bar(model.NegSteel, model.NegSteelCount, x, 40, 12);
            }
            break;
        case FloorType::DoubleTee:
        case FloorType::TeeBeam: {
            model.OverallDepth = 480;
            model.OverallWidth = 2400;
            model.RibDepth = 350;
            model.RibWidthBot = 125;
            model.RibWidthTop = 175;
            const bool tee = floor == FloorType::TeeBeam;
            for (float centre : tee ? std::vector<float>{1200} : std::vector<float>{600, 1800}) {
                Bar(model.PosSteel, model.PosSteelCount, centre, 420, 20);
            }
            for (float x : {300.f, 900.f, 1500.f, 2100.f}) {
                Bar(model.NegSteel, model.NegSteelCount, x, 50, 12);
            }
            break;
        }
    }
    return model;
}

// The data files one run reads, one entry per search, in the order the steps search them.
std::vector<std::string> FilesSearched(const FloorModel& model, int passes) {
    const DesignFire fire = model.Selected.DesignFire;
    const std::string beam = BeamFileName(fire);
    const std::string slab = SlabFileName(fire, model.Selected.ConcreteType);
    const FloorType floor = model.Selected.FloorType;
    const bool continuous = IsContinuous(model);
    const bool flanged = IsRibbed(model);
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
                 Member(FloorType::Beam, SupportCondition::Continuous, DesignFire::Standard), dir};
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
                       Member(floor, support, fire), dir};
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
    const fs::path synthetic = WriteSyntheticData();
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
