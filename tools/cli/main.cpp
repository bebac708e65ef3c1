// fd9-cli: checks and batch studies with the same core as the program.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "CliRunner.h"
#include "files/ModelFile.h"
#include "record/VersionText.h"
#include "thermal/DataFolders.h"

namespace fs = std::filesystem;
using namespace fd9::cli;

namespace {

constexpr int ExitCompleted = 0;
constexpr int ExitNotCompleted = 1;
constexpr int ExitUnreadable = 2;

const char* const Usage =
    "usage: fd9-cli [--exposure A1|A2|B1|B2|C] [--data-dir DIR] [--date D-MMMM-YYYY]\n"
    "               [--output FILE | --output-dir DIR] MODEL.dat...\n"
    "       fd9-cli --explore [--format csv|json] [--exposure A1|A2|B1|B2|C] [--data-dir DIR]\n"
    "               [--output FILE] MODEL.dat...\n"
    "Opens each model file, runs CALCULATE with the file's settings and writes its results\n"
    "report (to standard output unless --output or --output-dir is given). Message boxes go\n"
    "to standard error as lines beginning \"BOX: \".\n"
    "--explore runs the fire resistance explorer instead: each model under the six standard\n"
    "ratings and the fifteen non-standard fires, as CSV rows (one header line) or a JSON array.\n"
    "A fire whose calculation stopped shows why in its row.\n"
    "Exit status: 0 every calculation completed, 1 one could not complete (or, exploring, one\n"
    "fire's run stopped or a model had no positive-moment bar), 2 bad usage or a\n"
    "model file that could not be read.\n"
    "--version prints the version and the identifier of the data set found. The data are looked\n"
    "for beside the program, then in ../share/fd9 from there, then where FD9 was installed;\n"
    "--data-dir names their folder instead.\n";

int BadUsage(const std::string& why) {
    std::cerr << "fd9-cli: " << why << "\n" << Usage;
    return ExitUnreadable;
}

// Written beside the target and renamed into place, so a failed write never leaves half a
// report where an older one was.
bool WriteWhole(const fs::path& path, const std::string& text) {
    const fs::path temporary = path.string() + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.flush();
        if (!out) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    fs::rename(temporary, path, error);
    if (error) {
        fs::remove(temporary, error);
        return false;
    }
    return true;
}

// The whole of a model file, or why not. Only regular files of a model's size are read: a
// folder, a device such as /dev/zero or a pipe would fail, never end, or wait forever.
std::string ReadModelText(const std::string& name, std::string& text) {
    std::error_code error;
    const fs::file_status status = fs::status(name, error);
    if (!fs::exists(status)) {
        return "cannot be read: no such file";
    }
    if (!fs::is_regular_file(status)) {
        return "cannot be read: not a regular file";
    }
    const std::uintmax_t size = fs::file_size(name, error);
    if (error) {
        return "cannot be read";
    }
    if (size > fd9::MaxModelFileBytes) {
        return "cannot be read: larger than 1 MiB, which no model file is";
    }
    std::ifstream in(name, std::ios::binary);
    if (!in) {
        return "cannot be read";
    }
    // Bounded even if the file grows while it is read.
    text.resize(static_cast<std::size_t>(fd9::MaxModelFileBytes) + 1);
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad()) {
        return "cannot be read";
    }
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (text.size() > fd9::MaxModelFileBytes) {
        return "cannot be read: larger than 1 MiB, which no model file is";
    }
    return {};
}

// The data set looked for from the program's folder, until --data-dir names another.
void UseShippedData(Options& options, const char* argv0) {
    const fd9::DataLocation data = fd9::LocateTempData(ProgramDirectory(argv0));
    options.dataDir = data.folder;
    options.dataNotFoundIn = data.notFoundIn;
}

int PrintVersion(const Options& options) {
    std::cout << fd9::VersionText("fd9-cli", {options.dataDir, options.dataNotFoundIn});
    return options.dataNotFoundIn.empty() ? ExitCompleted : ExitNotCompleted;
}

}  // namespace

int main(int argc, char* argv[]) {
    Options options;
    UseShippedData(options, argv[0]);
    options.date = TodayReportDate();
    std::string output;
    std::string outputDir;
    std::vector<std::string> models;
    bool explore = false;
    std::optional<ExploreFormat> format;

    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto value = [&](std::string& target) {
            if (i + 1 >= argc) {
                return false;
            }
            target = argv[++i];
            return true;
        };
        std::string text;
        if (arg == "--help" || arg == "-h") {
            std::cout << Usage;
            return ExitCompleted;
        } else if (arg == "--version") {
            return PrintVersion(options);
        } else if (arg == "--explore") {
            explore = true;
        } else if (arg == "--format") {
            if (!value(text) || (text != "csv" && text != "json")) {
                return BadUsage("--format takes csv or json");
            }
            format = text == "csv" ? ExploreFormat::Csv : ExploreFormat::Json;
        } else if (arg == "--exposure") {
            if (!value(text) || !ParseExposure(text)) {
                return BadUsage("--exposure takes A1, A2, B1, B2 or C");
            }
            options.exposure = *ParseExposure(text);
        } else if (arg == "--data-dir") {
            if (!value(options.dataDir)) {
                return BadUsage("--data-dir takes a folder");
            }
            options.dataNotFoundIn.clear();
        } else if (arg == "--date") {
            if (!value(text) || !IsReportDate(text)) {
                return BadUsage("--date takes a date such as 6-December-2026");
            }
            options.date = text;
        } else if (arg == "--output") {
            if (!value(output)) {
                return BadUsage("--output takes a file name");
            }
        } else if (arg == "--output-dir") {
            if (!value(outputDir)) {
                return BadUsage("--output-dir takes a folder");
            }
        } else if (arg.size() > 1 && arg[0] == '-') {
            return BadUsage("unknown option " + arg);
        } else {
            models.push_back(arg);
        }
    }
    if (models.empty()) {
        return BadUsage("no model file given");
    }
    if (!output.empty() && !outputDir.empty()) {
        return BadUsage("give --output or --output-dir, not both");
    }
    if (!outputDir.empty() && !fs::is_directory(outputDir)) {
        return BadUsage("no folder " + outputDir);
    }
    if (format && !explore) {
        return BadUsage("--format goes with --explore");
    }
    if (explore && !outputDir.empty()) {
        return BadUsage("--explore writes to standard output or --output, not --output-dir");
    }

    int status = ExitCompleted;
    const auto worsen = [&status](int s) { status = std::max(status, s); };
    std::string combined;
    std::vector<std::string> explored;
    for (const std::string& name : models) {
        std::string text;
        if (const std::string why = ReadModelText(name, text); !why.empty()) {
            std::cerr << "fd9-cli: " << name << ": " << why << "\n";
            worsen(ExitUnreadable);
            continue;
        }
        if (explore) {
            const ExploreResult result =
                ExploreModel(text, name, options, format.value_or(ExploreFormat::Csv));
            if (result.status == RunStatus::Unreadable) {
                std::cerr << "fd9-cli: " << name << ": " << result.error << "\n";
                worsen(ExitUnreadable);
                continue;
            }
            if (result.status == RunStatus::NotCompleted) {
                std::cerr << "fd9-cli: " << name << ": " << result.error << "\n";
                worsen(ExitNotCompleted);
            }
            explored.push_back(result.text);
            continue;
        }
        const RunResult result = RunModel(text, options);
        for (const std::string& box : result.boxes) {
            std::cerr << "BOX: " << box << "\n";
        }
        if (result.status == RunStatus::Unreadable) {
            std::cerr << "fd9-cli: " << name << ": " << result.error << "\n";
            worsen(ExitUnreadable);
            continue;
        }
        if (result.status == RunStatus::NotCompleted) {
            std::cerr << "fd9-cli: " << name << ": no report: " << result.error << "\n";
            worsen(ExitNotCompleted);
            continue;
        }
        if (!outputDir.empty()) {
            const fs::path target =
                fs::path(outputDir) / fs::path(name).filename().replace_extension(".txt");
            if (!WriteWhole(target, result.report)) {
                std::cerr << "fd9-cli: " << target.string() << ": cannot be written\n";
                worsen(ExitUnreadable);
            }
        } else if (!output.empty()) {
            combined += result.report;
        } else {
            std::cout << result.report << std::flush;
        }
    }
    if (explore) {
        if (format.value_or(ExploreFormat::Csv) == ExploreFormat::Csv) {
            combined = ExploreCsvHeader();
            for (const std::string& rows : explored) {
                combined += rows;
            }
        } else {
            combined = ExploreJsonArray(explored);
        }
        if (output.empty()) {
            std::cout << combined << std::flush;
        }
    }
    if (!output.empty() && !WriteWhole(output, combined)) {
        std::cerr << "fd9-cli: " << output << ": cannot be written\n";
        worsen(ExitUnreadable);
    }
    return status;
}
