// fd9-cli: checks and batch studies with the same core as the program.
#include <QFile>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "CliRecord.h"
#include "CliRunner.h"
#include "files/ModelFile.h"
#include "record/VersionText.h"
#include "record/WriteWholeFile.h"
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
    "       fd9-cli --record FILE.pdf [--details FILE] [--paper a4|letter] [--exposure ...]\n"
    "               [--data-dir DIR] [--date D-MMMM-YYYY] MODEL.dat\n"
    "       fd9-cli --record-dir DIR [--details FILE] [--paper a4|letter] ... MODEL.dat...\n"
    "Opens each model file, runs CALCULATE with the file's settings and writes its results\n"
    "report (to standard output unless --output or --output-dir is given). Message boxes go\n"
    "to standard error as lines beginning \"BOX: \".\n"
    "--explore runs the fire resistance explorer instead: each model under the six standard\n"
    "ratings and the fifteen non-standard fires, as CSV rows (one header line) or a JSON array.\n"
    "A fire whose calculation stopped shows why in its row.\n"
    "--record writes the calculation record of one model as a PDF; --record-dir one PDF per\n"
    "model into DIR, named after the model file (beam.dat gives beam.pdf). The record details\n"
    "(project, job, member, engineer, checker, organisation, revision, note) come from\n"
    "--details FILE, a text file of \"key = value\" lines, or else from MODEL.dat.details\n"
    "beside the model when there is one. A calculation that stops still gives a record, which\n"
    "says why and gives no verdict. Paper is A4 unless --paper letter.\n"
    "Exit status: 0 every calculation completed, 1 one could not complete (or, exploring, one\n"
    "fire's run stopped or a model had no positive-moment bar), 2 bad usage, a\n"
    "model file that could not be read or a file that could not be written.\n"
    "--version prints the version and the identifier of the data set found. The data are looked\n"
    "for beside the program, then in ../share/fd9 from there, then where FD9 was installed;\n"
    "--data-dir names their folder instead.\n";

int BadUsage(const std::string& why) {
    std::cerr << "fd9-cli: " << why << "\n" << Usage;
    return ExitUnreadable;
}

// The window's checked write, so a failed write never leaves half a report where an older one
// was.
bool WriteWhole(const fs::path& path, const std::string& text) {
    return !fd9::WriteWholeFile(QFile::decodeName(path.c_str()),
                                QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
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

// Everything the command line asks for.
struct Request {
    Options options;
    std::string output;
    std::string outputDir;
    std::vector<std::string> models;
    bool explore = false;
    std::optional<ExploreFormat> format;
    RecordRequest record;
    bool paperGiven = false;
    bool recording = false;
    bool help = false;
    bool version = false;
};

// The options that take a file or folder: empty when arg is none of them, else what is wrong
// with its value (nothing, when it has one).
template <typename Value>
std::optional<std::string> PathOption(const std::string& arg, const Value& value, Request& r) {
    const std::pair<const char*, std::string*> options[] = {
        {"--data-dir", &r.options.dataDir}, {"--output", &r.output},
        {"--output-dir", &r.outputDir},     {"--record", &r.record.file},
        {"--record-dir", &r.record.dir},    {"--details", &r.record.detailsFile}};
    for (const auto& [name, target] : options) {
        if (arg == name) {
            const bool folder = std::string(name).ends_with("dir");
            return value(*target) ? std::string()
                                  : arg + (folder ? " takes a folder" : " takes a file name");
        }
    }
    return std::nullopt;
}

// Reads the arguments into request; empty, or what is wrong with them.
std::string ParseArguments(int argc, char* argv[], Request& r) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        std::string text;
        const auto value = [&](std::string& target) {
            if (i + 1 >= argc) {
                return false;
            }
            target = argv[++i];
            return true;
        };
        if (arg == "--help" || arg == "-h") {
            r.help = true;
            return {};
        } else if (arg == "--version") {
            r.version = true;
            return {};
        } else if (arg == "--explore") {
            r.explore = true;
        } else if (arg == "--format") {
            if (!value(text) || (text != "csv" && text != "json")) {
                return "--format takes csv or json";
            }
            r.format = text == "csv" ? ExploreFormat::Csv : ExploreFormat::Json;
        } else if (arg == "--exposure") {
            if (!value(text) || !ParseExposure(text)) {
                return "--exposure takes A1, A2, B1, B2 or C";
            }
            r.options.exposure = *ParseExposure(text);
        } else if (arg == "--date") {
            if (!value(text) || !IsReportDate(text)) {
                return "--date takes a date such as 6-December-2026";
            }
            r.options.date = text;
        } else if (arg == "--paper") {
            if (!value(text) || (text != "a4" && text != "letter")) {
                return "--paper takes a4 or letter";
            }
            r.record.pageSize =
                text == "a4" ? fd9::RecordPageSize::A4 : fd9::RecordPageSize::Letter;
            r.paperGiven = true;
        } else if (const std::optional<std::string> path = PathOption(arg, value, r)) {
            if (!path->empty()) {
                return *path;
            }
            if (arg == "--data-dir") {
                r.options.dataNotFoundIn.clear();
            }
        } else if (arg.size() > 1 && arg[0] == '-') {
            return "unknown option " + arg;
        } else {
            r.models.push_back(arg);
        }
    }
    return {};
}

// Empty when the options go together; otherwise why not.
std::string CheckCombination(Request& r) {
    r.recording = !r.record.file.empty() || !r.record.dir.empty();
    const std::pair<bool, const char*> faults[] = {
        {r.models.empty(), "no model file given"},
        {!r.output.empty() && !r.outputDir.empty(), "give --output or --output-dir, not both"},
        {r.format && !r.explore, "--format goes with --explore"},
        {r.explore && !r.outputDir.empty(),
         "--explore writes to standard output or --output, not --output-dir"},
        {!r.record.file.empty() && !r.record.dir.empty(),
         "give --record or --record-dir, not both"},
        {r.recording && (r.explore || !r.output.empty() || !r.outputDir.empty()),
         "--record and --record-dir go with no --explore, --output or --output-dir"},
        {!r.record.file.empty() && r.models.size() > 1,
         "--record takes one model file; use --record-dir for several"},
        {!r.recording && !r.record.detailsFile.empty(), "--details goes with --record"},
        {!r.recording && r.paperGiven, "--paper goes with --record"},
    };
    for (const auto& [fault, why] : faults) {
        if (fault) {
            return why;
        }
    }
    for (const std::string* dir : {&r.outputDir, &r.record.dir}) {
        if (!dir->empty() && !fs::is_directory(*dir)) {
            return "no folder " + *dir;
        }
    }
    return {};
}

void Worsen(int& status, int s) {
    status = std::max(status, s);
}

// One model's results report: to its own file, appended to combined, or to standard output.
int Report(const Request& r, const std::string& name, const std::string& text,
           std::string& combined) {
    const RunResult result = RunModel(text, r.options);
    for (const std::string& box : result.boxes) {
        std::cerr << "BOX: " << box << "\n";
    }
    if (result.status == RunStatus::Unreadable) {
        std::cerr << "fd9-cli: " << name << ": " << result.error << "\n";
        return ExitUnreadable;
    }
    if (result.status == RunStatus::NotCompleted) {
        std::cerr << "fd9-cli: " << name << ": no report: " << result.error << "\n";
        return ExitNotCompleted;
    }
    if (!r.outputDir.empty()) {
        const fs::path target =
            fs::path(r.outputDir) / fs::path(name).filename().replace_extension(".txt");
        if (!WriteWhole(target, result.report)) {
            std::cerr << "fd9-cli: " << target.string() << ": cannot be written\n";
            return ExitUnreadable;
        }
    } else if (!r.output.empty()) {
        combined += result.report;
    } else {
        std::cout << result.report << std::flush;
    }
    return ExitCompleted;
}

// The explorer's tables of every model read, as one CSV table or one JSON array.
std::string Explored(const Request& r, const std::vector<std::string>& explored) {
    if (r.format.value_or(ExploreFormat::Csv) == ExploreFormat::Json) {
        return ExploreJsonArray(explored);
    }
    std::string combined = ExploreCsvHeader();
    for (const std::string& rows : explored) {
        combined += rows;
    }
    return combined;
}

// The results reports, or the explorer's tables.
int RunModels(const Request& r) {
    int status = ExitCompleted;
    std::string combined;
    std::vector<std::string> explored;
    for (const std::string& name : r.models) {
        std::string text;
        if (const std::string why = ReadModelText(name, text); !why.empty()) {
            std::cerr << "fd9-cli: " << name << ": " << why << "\n";
            Worsen(status, ExitUnreadable);
            continue;
        }
        if (r.explore) {
            const ExploreResult result =
                ExploreModel(text, name, r.options, r.format.value_or(ExploreFormat::Csv));
            if (result.status != RunStatus::Completed) {
                std::cerr << "fd9-cli: " << name << ": " << result.error << "\n";
                Worsen(status,
                       result.status == RunStatus::Unreadable ? ExitUnreadable : ExitNotCompleted);
            }
            if (result.status != RunStatus::Unreadable) {
                explored.push_back(result.text);
            }
            continue;
        }
        Worsen(status, Report(r, name, text, combined));
    }
    if (r.explore) {
        combined = Explored(r, explored);
        if (r.output.empty()) {
            std::cout << combined << std::flush;
        }
    }
    if (!r.output.empty() && !WriteWhole(r.output, combined)) {
        std::cerr << "fd9-cli: " << r.output << ": cannot be written\n";
        Worsen(status, ExitUnreadable);
    }
    return status;
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
    Request request;
    UseShippedData(request.options, argv[0]);
    request.options.date = TodayReportDate();
    if (const std::string why = ParseArguments(argc, argv, request); !why.empty()) {
        return BadUsage(why);
    }
    if (request.help) {
        std::cout << Usage;
        return ExitCompleted;
    }
    if (request.version) {
        return PrintVersion(request.options);
    }
    if (const std::string why = CheckCombination(request); !why.empty()) {
        return BadUsage(why);
    }
    if (request.recording) {
        return WriteRecords(request.record, request.models, request.options, ReadModelText, argc,
                            argv);
    }
    return RunModels(request);
}
