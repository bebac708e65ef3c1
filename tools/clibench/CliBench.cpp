// Model files per second through fd9-cli's runner in one process: read, calculate, report.
// Usage: fd9_clibench [--data-dir DIR] [--seconds S]. Without a folder it writes temperature
// tables of a realistic size (every fire case, five width blocks, 10 mm steps to 300 mm).
#include <unistd.h>

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "CliRunner.h"
#include "files/ModelFile.h"
#include "files/ResultsReport.h"
#include "model/FireRatings.h"
#include "model/LoadCombinations.h"
#include "model/ResetModel.h"
#include "model/ResultFormat.h"

using namespace fd9;
namespace fs = std::filesystem;

namespace {

void Block(std::ostream& out, const std::string& keys, double surface, double decay,
           bool fifthUnused) {
    for (int depth = 0; depth <= 300; depth += 10) {
        const double temp = 20 + (surface - 20) * std::exp(-depth / decay);
        out << keys << ", " << depth << ", " << static_cast<double>(std::lround(temp * 10)) / 10.0
            << (fifthUnused ? ", 0\n" : "\n");
    }
}

fs::path WriteTables() {
    const fs::path dir = fs::temp_directory_path() / ("fd9-clibench-" + std::to_string(getpid()));
    fs::create_directories(dir);
    const int widths[] = {400, 300, 200, 150, 100};
    std::ofstream beam(dir / "denbeam.con");
    for (int r : StandardRatings) {
        for (int w : widths) {
            Block(beam, std::to_string(r) + ", " + std::to_string(w),
                  1000 + r / 2.0 + (400 - w) / 4.0, 20 + r / 8.0, true);
        }
    }
    for (const char* name : {"denslab.con", "aqslab.con", "dacslab.con", "pumslab.con"}) {
        std::ofstream slab(dir / name);
        for (int r : StandardRatings) {
            Block(slab, std::to_string(r) + ", 100", 980 + r / 2.0, 18 + r / 8.0, true);
        }
    }
    std::ofstream realBeam(dir / "realbm.con");
    std::ofstream realSlab(dir / "realslab.con");
    for (int load : FireLoads) {
        for (const float factor : OpeningFactors) {
            const std::string f = FormatResult(factor, "0.00");
            const double surface = 900 + load * 1.5 + std::stod(f) * 400;
            for (int w : widths) {
                Block(realBeam, std::to_string(load) + ", " + std::to_string(w) + ", " + f,
                      surface + (400 - w) / 4.0, 15 + load / 5.0, false);
            }
            Block(realSlab, std::to_string(load) + ", " + f, surface - 20, 14 + load / 5.0, true);
        }
    }
    return dir;
}

void Bar(SteelTable& table, std::int16_t& count, float x, float y, float diameter) {
    table[count++] = {x, y, diameter, 0};
}

// One model file of each floor type, support and design fire.
std::vector<std::string> ModelFiles() {
    std::vector<std::string> files;
    for (FloorType floor :
         {FloorType::Beam, FloorType::Slab, FloorType::DoubleTee, FloorType::TeeBeam}) {
        for (SupportCondition support :
             {SupportCondition::SimplySupported, SupportCondition::Continuous}) {
            for (DesignFire fire : {DesignFire::Standard, DesignFire::NonStandard}) {
                FloorModel m;
                m.Selected.FloorType = floor;
                m.Selected.SupportCondition = support;
                m.Selected.DesignFire = fire;
                ResetModelData(m);
                m.FRRequired = 120;
                m.FireLoad = FireLoads.back();
                m.OpeningFactor = OpeningFactors.back();
                m.ConcreteType = 0;
                m.ConcreteStrength = 40;
                m.PosSteelStrength = 500;
                m.NegSteelStrength = 500;
                m.DeadLoad = 10;
                m.LiveLoad = 6;
                m.DeadLoadFactor = NzsDeadLoadFactor;
                m.Span = 8;
                if (floor == FloorType::Beam) {
                    m.SectionWidth = 300;
                    m.SectionDepth = 600;
                    for (float x : {70.f, 150.f, 230.f}) {
                        Bar(m.PosSteel, m.PosSteelCount, x, 530, 25);
                        Bar(m.NegSteel, m.NegSteelCount, x, 60, 16);
                    }
                } else if (floor == FloorType::Slab) {
                    m.SectionDepth = 200;
                    for (float x : {100.f, 300.f, 500.f, 700.f, 900.f}) {
                        Bar(m.PosSteel, m.PosSteelCount, x, 160, 12);
                        Bar(m.NegSteel, m.NegSteelCount, x, 40, 12);
                    }
                } else {
                    const bool tee = floor == FloorType::TeeBeam;
                    for (float centre :
                         tee ? std::vector<float>{1200} : std::vector<float>{600, 1800}) {
                        Bar(m.PosSteel, m.PosSteelCount, centre, 420, 20);
                    }
                    for (float x : {300.f, 900.f, 1500.f, 2100.f}) {
                        Bar(m.NegSteel, m.NegSteelCount, x, 50, 12);
                    }
                }
                RefreshStoredCodes(m, LoadCombination::NZS4203, Occupancy::DomesticFloors);
                std::ostringstream out;
                WriteModelFile(out, m, LoadCombination::NZS4203);
                files.push_back(out.str());
            }
        }
    }
    return files;
}

const char* const Usage =
    "usage: fd9_clibench [--data-dir DIR] [--seconds S]\n"
    "  --data-dir DIR  the temperature data files (default: synthetic tables)\n"
    "  --seconds S     how long to run model files through the runner (default 3)\n";

}  // namespace

int main(int argc, char* argv[]) {
    std::string dataDir;
    double seconds = 3;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const std::string value = i + 1 < argc ? argv[i + 1] : "";
        double number = 0;
        const auto [end, error] =
            std::from_chars(value.data(), value.data() + value.size(), number);
        if (arg == "--help" || arg == "-h") {
            std::fputs(Usage, stdout);
            return 0;
        } else if (arg == "--data-dir" && i + 1 < argc) {
            dataDir = value;
        } else if (arg == "--seconds" && error == std::errc() &&
                   end == value.data() + value.size()) {
            seconds = number;
        } else {
            std::fprintf(stderr, "fd9_clibench: bad option %s\n%s", arg.c_str(), Usage);
            return 2;
        }
        ++i;
    }
    const bool synthetic = dataDir.empty();
    if (synthetic) {
        dataDir = WriteTables().string();
    }
    cli::Options options;
    options.dataDir = dataDir;
    options.date = "6-December-2026";
    const std::vector<std::string> files = ModelFiles();

    long completed = 0;
    long runs = 0;
    std::size_t bytes = 0;
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    double elapsed = 0;
    while (elapsed < seconds) {
        for (const std::string& file : files) {
            const cli::RunResult result = cli::RunModel(file, options);
            completed += result.status == cli::RunStatus::Completed;
            bytes += result.report.size();
            ++runs;
        }
        elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    }
    std::printf(
        "%ld model files in %.2f s: %.0f models per second (%ld completed, %zu report "
        "bytes)\n",
        runs, elapsed, static_cast<double>(runs) / elapsed, completed, bytes);

    // The runner's own share: opening the file and writing the report, without CALCULATE.
    long opened = 0;
    const auto fileStart = Clock::now();
    double fileElapsed = 0;
    while (fileElapsed < seconds / 3) {
        for (const std::string& file : files) {
            FloorModel m;
            ResetModelData(m);
            std::istringstream in(file);
            opened += ReadModelFile(in, m).status == ModelFileStatus::Read;
            SelectStoredCodes(m);
            bytes += ResultsFileText(m, options.date).size();
        }
        fileElapsed = std::chrono::duration<double>(Clock::now() - fileStart).count();
    }
    std::printf("open and report alone: %.0f models per second\n",
                static_cast<double>(opened) / fileElapsed);
    if (synthetic) {
        std::error_code ignored;
        fs::remove_all(dataDir, ignored);
    }
    return completed == runs ? 0 : 1;
}
