#include "CliRunner.h"

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <sstream>

#include "calc/Calculate.h"
#include "files/ModelFile.h"
#include "files/ResultsReport.h"
#include "model/ResetModel.h"
#include "thermal/SectionTemperatures.h"

namespace fd9::cli {

namespace {

std::string OneLine(std::string text) {
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            line += ' ';
        } else {
            line += text[i];
        }
    }
    return line;
}

std::string Describe(const ModelFileResult& r) {
    switch (r.status) {
        case ModelFileStatus::NotModelFile:
            return "not a valid FD9 data file";
        case ModelFileStatus::EndOfFile:
            return "the file ends before its last bar (" + r.field + ")";
        case ModelFileStatus::NotANumber:
            return "line " + std::to_string(r.line) + " holds \"" + r.text + "\" where a number (" +
                   r.field + ") belongs";
        case ModelFileStatus::TooManyBars:
            return "it gives " + r.text + " bars for one reinforcement group (" + r.field +
                   "); a group holds 0 to 30";
        case ModelFileStatus::BadCode:
            return "line " + std::to_string(r.line) + " holds the code " + r.text + " for " +
                   r.field + ", which no setting has";
        case ModelFileStatus::Read:
            break;
    }
    return {};
}

}  // namespace

RunResult RunModel(const std::string& fileText, const Options& options) {
    RunResult result;
    FloorModel model;
    ResetModelData(model);
    std::istringstream in(fileText);
    const ModelFileResult read = ReadModelFile(in, model);
    if (read.status != ModelFileStatus::Read) {
        result.error = Describe(read);
        return result;
    }
    SelectStoredCodes(model);
    model.Selected.Exposure = options.exposure;

    TempDataContext context{options.dataDir, {}};
    const CalculationOutcome outcome = Calculate(model, context);
    for (const CalculationBox& box : outcome.boxes) {
        result.boxes.push_back(OneLine(box.text));
    }
    if (outcome.nothingHappened) {
        result.status = RunStatus::NotCompleted;
        result.error = "no positive-moment bar: nothing to calculate";
        return result;
    }
    if (!outcome.completed) {
        result.status = RunStatus::NotCompleted;
        result.error = OneLine(outcome.stopMessage);
        return result;
    }
    result.status = RunStatus::Completed;
    result.report = ResultsFileText(model, options.date);
    return result;
}

std::optional<ExposureClass> ParseExposure(const std::string& text) {
    const std::pair<const char*, ExposureClass> classes[] = {{"A1", ExposureClass::A1},
                                                             {"A2", ExposureClass::A2},
                                                             {"B1", ExposureClass::B1},
                                                             {"B2", ExposureClass::B2},
                                                             {"C", ExposureClass::C}};
    for (const auto& [name, value] : classes) {
        if (text == name) {
            return value;
        }
    }
    return std::nullopt;
}

bool IsReportDate(const std::string& text) {
    const std::size_t first = text.find('-');
    const std::size_t second = text.find('-', first == std::string::npos ? first : first + 1);
    if (first == std::string::npos || second == std::string::npos || first == 0 || first > 2) {
        return false;
    }
    const std::string day = text.substr(0, first);
    const std::string year = text.substr(second + 1);
    if (year.size() != 4 || year.find_first_not_of("0123456789") != std::string::npos ||
        day.find_first_not_of("0123456789") != std::string::npos || day[0] == '0') {
        return false;
    }
    const int y = std::stoi(year);
    const int d = std::stoi(day);
    for (int m = 1; m <= 12; ++m) {
        if (ReportDate(y, m, d) == text) {
            const std::chrono::year_month_day date{std::chrono::year(y),
                                                   std::chrono::month(static_cast<unsigned>(m)),
                                                   std::chrono::day(static_cast<unsigned>(d))};
            return date.ok();
        }
    }
    return false;
}

std::string TodayReportDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return ReportDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

std::string ProgramDirectory(const char* argv0) {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        return self.parent_path().string();
    }
    const std::filesystem::path given = std::filesystem::absolute(argv0, error);
    return error ? std::string(".") : given.parent_path().string();
}

}  // namespace fd9::cli
