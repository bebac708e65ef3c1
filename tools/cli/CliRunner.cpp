#include "CliRunner.h"

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <optional>
#include <sstream>
#include <type_traits>

#include "calc/Calculate.h"
#include "calc/FireExplorer.h"
#include "files/ModelFile.h"
#include "files/ResultsReport.h"
#include "model/ResultFormat.h"
#include "model/Verdicts.h"
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

std::string JsonString(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        switch (c) {
            case '"':
                quoted += "\\\"";
                break;
            case '\\':
                quoted += "\\\\";
                break;
            case '\r':
                quoted += "\\r";
                break;
            case '\n':
                quoted += "\\n";
                break;
            case '\t':
                quoted += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    quoted += "\\u00";
                    quoted += "0123456789abcdef"[static_cast<unsigned char>(c) >> 4];
                    quoted += "0123456789abcdef"[c & 0xf];
                } else {
                    quoted += c;
                }
        }
    }
    return quoted + "\"";
}

// With the decimals of the explorer's CSV, which gives at least those of the report.
std::string JsonNumber(double value, const char* pattern = "0.00") {
    return std::isfinite(value) ? FormatResult(value, pattern) : "null";
}

template <typename T>
std::string JsonOptional(const std::optional<T>& value) {
    if (!value) {
        return "null";
    }
    if constexpr (std::is_same_v<T, bool>) {
        return *value ? "true" : "false";
    } else if constexpr (std::is_floating_point_v<T>) {
        return JsonNumber(*value, "0.0");
    } else {
        return std::to_string(*value);
    }
}

std::string JsonPoint(const ExplorerPoint& p, bool continuous) {
    std::ostringstream out;
    out << "{";
    if (p.fire.fire == DesignFire::Standard) {
        out << "\"fire\": \"standard\", \"rating_min\": " << std::to_string(p.fire.rating);
    } else {
        out << "\"fire\": \"non-standard\", \"fire_load_kg_m2\": "
            << std::to_string(p.fire.fireLoad)
            << ", \"opening_factor\": " << JsonNumber(p.fire.openingFactor);
    }
    out << ", \"completed\": " << (p.completed ? "true" : "false");
    if (!p.completed) {
        out << ", \"stop_reason\": " << JsonString(p.stopReason) << "}";
        return out.str();
    }
    out << ", \"pos_capacity_kNm\": " << JsonNumber(p.posCapacity)
        << ", \"applied_kNm\": " << JsonNumber(p.appliedMoment)
        << ", \"margin_kNm\": " << JsonNumber(MarginKnm(p.posCapacity, p.appliedMoment))
        << ", \"margin_pct\": " << JsonOptional(MarginPercent(p.posCapacity, p.appliedMoment));
    if (continuous) {
        out << ", \"neg_capacity_kNm\": " << JsonNumber(p.negCapacity, "0.000")
            << ", \"req_end_bay_kNm\": " << JsonNumber(p.reqNegEndBay, "0.000")
            << ", \"req_int_bay_kNm\": " << JsonNumber(p.reqNegIntBay, "0.000")
            << ", \"failure_mode\": " << JsonString(FailureModeText(p.compressiveFailure));
    }
    out << ", \"insulation_rating_min\": " << JsonOptional(p.insulationRating)
        << ", \"stability\": " << JsonOptional(p.stability)
        << ", \"end_spans\": " << JsonOptional(p.endSpans)
        << ", \"intermediate_spans\": " << JsonOptional(p.intermediateSpans)
        << ", \"insulation\": " << JsonOptional(p.insulation)
        << ", \"verdict\": " << JsonString(VerdictText(p)) << "}";
    return out.str();
}

}  // namespace

std::optional<std::string> OpenModel(const std::string& fileText, const Options& options,
                                     FloorModel& model) {
    const ModelFileResult read = OpenModelText(fileText, model);
    if (read.status != ModelFileStatus::Read) {
        return DescribeModelFileResult(read);
    }
    model.Selected.Exposure = options.exposure;
    return std::nullopt;
}

ExploreResult ExploreModel(const std::string& fileText, const std::string& modelName,
                           const Options& options, ExploreFormat format) {
    ExploreResult result;
    FloorModel model;
    if (std::optional<std::string> error = OpenModel(fileText, options, model)) {
        result.error = *error;
        return result;
    }

    const ExplorerResult explored =
        ExploreFireResistance(model, options.dataDir, options.dataNotFoundIn);
    bool allCompleted = !explored.nothingToCalculate;
    for (const auto* points : {&explored.standard, &explored.nonStandard}) {
        for (const ExplorerPoint& p : *points) {
            allCompleted = allCompleted && p.completed;
        }
    }
    result.status = allCompleted ? RunStatus::Completed : RunStatus::NotCompleted;
    if (explored.nothingToCalculate) {
        result.error = "no positive-moment bar: nothing to calculate";
    } else if (!allCompleted) {
        result.error = "a fire's calculation stopped; its row says why";
    }
    if (format == ExploreFormat::Csv) {
        result.text = ExplorerCsvRows(explored, modelName, true);
        return result;
    }
    std::ostringstream out;
    out << "  {\"model\": " << JsonString(modelName)
        << ", \"continuous\": " << (explored.continuous ? "true" : "false")
        << ", \"nothing_to_calculate\": " << (explored.nothingToCalculate ? "true" : "false")
        << ",\n   \"ratings\": {";
    // Only the ratings the member has; null when not even 30 minutes is reached.
    if (explored.continuous) {
        out << "\"end_spans\": " << JsonOptional(explored.endSpanRating)
            << ", \"intermediate_spans\": " << JsonOptional(explored.intermediateSpanRating);
    } else {
        out << "\"stability\": " << JsonOptional(explored.stabilityRating);
    }
    if (explored.floorType != FloorType::Beam) {
        out << ", \"insulation\": " << JsonOptional(explored.insulationRating);
    }
    out << "},\n   \"fires\": [";
    bool first = true;
    for (const auto* points : {&explored.standard, &explored.nonStandard}) {
        for (const ExplorerPoint& p : *points) {
            out << (first ? "\n    " : ",\n    ") << JsonPoint(p, explored.continuous);
            first = false;
        }
    }
    out << "]}";
    result.text = out.str();
    return result;
}

std::string ExploreCsvHeader() {
    return ExplorerCsvHeader(true);
}

std::string ExploreJsonArray(const std::vector<std::string>& objects) {
    std::string text = "[";
    for (std::size_t i = 0; i < objects.size(); ++i) {
        text += (i == 0 ? "\n" : ",\n") + objects[i];
    }
    return text + "\n]\n";
}

RunResult RunModel(const std::string& fileText, const Options& options) {
    RunResult result;
    FloorModel model;
    if (std::optional<std::string> error = OpenModel(fileText, options, model)) {
        result.error = *error;
        return result;
    }

    TempDataContext context{options.dataDir, {}, options.dataNotFoundIn};
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
