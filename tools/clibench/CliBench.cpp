// Model files per second through fd9-cli's runner in one process: read, calculate, report.
// Usage: fd9_clibench [--data-dir DIR] [--seconds S]. Without a folder it writes temperature
// tables of a realistic size (every fire case, five width blocks, 10 mm steps to 300 mm).
#include <charconv>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "CliRunner.h"
#include "bench/BenchMembers.h"
#include "files/ModelFile.h"
#include "files/ResultsReport.h"

using namespace fd9;
namespace fs = std::filesystem;

namespace {

// One model file of each floor type, support and design fire.
std::vector<std::string> ModelFiles() {
    std::vector<std::string> files;
    for (FloorType floor :
         {FloorType::Beam, FloorType::Slab, FloorType::DoubleTee, FloorType::TeeBeam}) {
        for (SupportCondition support :
             {SupportCondition::SimplySupported, SupportCondition::Continuous}) {
            for (DesignFire fire : {DesignFire::Standard, DesignFire::NonStandard}) {
                files.push_back(bench::BenchModelFile(bench::BenchMember(floor, support, fire)));
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
        dataDir = bench::WriteSyntheticTables("fd9-clibench-").string();
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
            opened += OpenModelText(file, m).status == ModelFileStatus::Read;
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
