#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/FloorModel.h"

namespace fd9::cli {

struct Options {
    ExposureClass exposure = ExposureClass::A1;
    std::string dataDir;  // where the temperature data files are
    // Every folder searched when none held the data set: each run then stops, naming them.
    std::vector<std::string> dataNotFoundIn;
    std::string date;  // "6-December-2026", as the report writes it
};

enum class RunStatus { Completed, NotCompleted, Unreadable };

struct RunResult {
    RunStatus status = RunStatus::Unreadable;
    // The results text file, CR LF lines; empty unless the calculation completed, so that no
    // verdict of a run that stopped is ever written.
    std::string report;
    // Every message box of the run, one line each, and why a file or a run failed.
    std::vector<std::string> boxes;
    std::string error;
};

// The model as File > Open leaves it, with the file's stored codes as the current selections,
// or why the text is not a model file.
std::optional<std::string> OpenModel(const std::string& fileText, const Options& options,
                                     FloorModel& model);

// One model file's text: read as File > Open reads it, calculated with the file's stored codes
// as the current selections, reported.
RunResult RunModel(const std::string& fileText, const Options& options);

enum class ExploreFormat { Csv, Json };

// The fire resistance explorer of one model file: its rows (CSV, after ExploreCsvHeader) or
// its JSON object. Completed when every fire's run gave a verdict; NotCompleted when one
// stopped (its row says why) or there was nothing to calculate.
struct ExploreResult {
    RunStatus status = RunStatus::Unreadable;
    std::string text;
    std::string error;
};
ExploreResult ExploreModel(const std::string& fileText, const std::string& modelName,
                           const Options& options, ExploreFormat format);
std::string ExploreCsvHeader();
// The JSON objects of the models, as one array.
std::string ExploreJsonArray(const std::vector<std::string>& objects);

std::optional<ExposureClass> ParseExposure(const std::string& text);
// True for "D-MMMM-YYYY" with a real day of an English month name.
bool IsReportDate(const std::string& text);
std::string TodayReportDate();
// The folder of the running program.
std::string ProgramDirectory(const char* argv0);

}  // namespace fd9::cli
