#include "calc/FireExplorer.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <thread>

#include "calc/Calculate.h"
#include "model/ResultFormat.h"
#include "model/Verdicts.h"
#include "thermal/SectionTemperatures.h"

namespace fd9 {

namespace {

ExplorerPoint RunOne(const FloorModel& model, const ExplorerFire& fire,
                     const std::string& programDir,
                     const std::vector<std::string>& dataNotFoundIn) {
    // CALCULATE writes working values (rib width, previous depths, search state) into the
    // model; every fire starts from the user's model as it stands.
    FloorModel copy = model;
    copy.Selected.DesignFire = fire.fire;
    if (fire.fire == DesignFire::Standard) {
        copy.FRRequired = fire.rating;
    } else {
        copy.FireLoad = fire.fireLoad;
        copy.OpeningFactor = fire.openingFactor;
    }
    TempDataContext context{programDir, {}, dataNotFoundIn};
    const CalculationOutcome outcome = Calculate(copy, context);

    ExplorerPoint point;
    point.fire = fire;
    point.completed = outcome.completed;
    if (!outcome.completed) {
        point.stopReason = outcome.stopMessage;
        return point;
    }
    const bool continuous = IsContinuous(copy);
    point.posCapacity = copy.PosMomentCapacity;
    point.appliedMoment = copy.AppliedMoment;
    if (continuous) {
        point.negCapacity = copy.NegMomentCapacity;
        point.reqNegEndBay = copy.ReqNegMomEndBay;
        point.reqNegIntBay = copy.ReqNegMomIntBay;
        point.compressiveFailure = outcome.failureModeRed.value_or(false);
    }
    point.stability = outcome.stability;
    point.endSpans = outcome.endSpans;
    point.intermediateSpans = outcome.intermediateSpans;
    point.insulation = outcome.insulation;
    if (outcome.insulation) {
        point.insulationRating = copy.InsulationRating;
    }
    return point;
}

// The highest rating up to which every run achieved what achieved(point) asks.
template <typename Achieved>
std::optional<std::int16_t> RatingReached(const std::vector<ExplorerPoint>& points,
                                          Achieved achieved) {
    std::optional<std::int16_t> reached;
    for (const ExplorerPoint& point : points) {
        if (!point.completed || !achieved(point)) {
            break;
        }
        reached = point.fire.rating;
    }
    return reached;
}

// The report's own number text, so that a checker finds the report's value in the row; an
// empty field where no number was computed.
std::string Number(double value, const char* pattern) {
    return std::isfinite(value) ? FormatResult(value, pattern) : std::string();
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') {
            quoted += '"';
        }
        quoted += (c == '\r' || c == '\n') ? ' ' : c;
    }
    return quoted + "\"";
}

std::string OptionalBool(const std::optional<bool>& value) {
    return value ? (*value ? "yes" : "no") : "";
}

}  // namespace

ExplorerResult ExploreFireResistance(const FloorModel& model, const std::string& programDir,
                                     const std::vector<std::string>& dataNotFoundIn) {
    ExplorerResult result;
    result.floorType = model.Selected.FloorType;
    result.continuous = IsContinuous(model);
    if (model.PosSteelCount <= 0) {
        result.nothingToCalculate = true;
        return result;
    }
    std::vector<ExplorerFire> fires;
    for (std::int16_t rating : StandardRatings) {
        fires.push_back({DesignFire::Standard, rating, 0, 0});
    }
    for (std::int16_t load : FireLoads) {
        for (float factor : OpeningFactors) {
            fires.push_back({DesignFire::NonStandard, 0, load, factor});
        }
    }
    // The runs share nothing, so they are spread over the cores; each point lands in its own
    // slot and the order of the results never depends on which finished first.
    std::vector<ExplorerPoint> points(fires.size());
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i = next++; i < fires.size(); i = next++) {
            points[i] = RunOne(model, fires[i], programDir, dataNotFoundIn);
        }
    };
    const unsigned workers = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
    std::vector<std::jthread> threads;
    for (unsigned i = 1; i < workers; ++i) {
        threads.emplace_back(work);
    }
    work();
    threads.clear();
    result.standard.assign(points.begin(), points.begin() + StandardRatings.size());
    result.nonStandard.assign(points.begin() + StandardRatings.size(), points.end());
    if (result.continuous) {
        result.endSpanRating = RatingReached(
            result.standard, [](const ExplorerPoint& p) { return p.endSpans.value_or(false); });
        result.intermediateSpanRating = RatingReached(result.standard, [](const ExplorerPoint& p) {
            return p.intermediateSpans.value_or(false);
        });
    } else {
        result.stabilityRating = RatingReached(
            result.standard, [](const ExplorerPoint& p) { return p.stability.value_or(false); });
    }
    if (result.floorType != FloorType::Beam) {
        result.insulationRating = RatingReached(
            result.standard, [](const ExplorerPoint& p) { return p.insulation.value_or(false); });
    }
    return result;
}

double MarginKnm(float available, float required) {
    return double(available) - required;
}

std::optional<double> MarginPercent(float available, float required) {
    if (required == 0 || !std::isfinite(required)) {
        return std::nullopt;
    }
    return MarginKnm(available, required) / std::fabs(double(required)) * 100;
}

std::string VerdictText(const ExplorerPoint& point) {
    if (!point.completed) {
        std::string reason;
        for (char c : point.stopReason) {
            reason += (c == '\r' || c == '\n') ? ' ' : c;
        }
        return "STOPPED: " + reason;
    }
    if (point.stability) {
        return *point.stability ? "ACHIEVED" : "NOT ACHIEVED";
    }
    const auto span = [](const char* which, const std::optional<bool>& achieved) {
        return std::string(which) + (achieved.value_or(false) ? " ACHIEVED" : " NOT ACHIEVED");
    };
    return span("END SPANS", point.endSpans) + "; " +
           span("INTERMEDIATE SPANS", point.intermediateSpans);
}

std::string RatingText(const std::optional<std::int16_t>& rating, bool rated) {
    if (!rated) {
        return "not rated";
    }
    return rating ? std::to_string(*rating) + " minutes" : "none of the ratings";
}

std::string ExplorerCsvHeader(bool withModel) {
    return std::string(withModel ? "model," : "") +
           "fire,rating_min,fire_load_kg_m2,opening_factor,pos_capacity_kNm,applied_kNm,"
           "margin_kNm,margin_pct,neg_capacity_kNm,req_end_bay_kNm,req_int_bay_kNm,"
           "end_margin_kNm,end_margin_pct,int_margin_kNm,int_margin_pct,failure_mode,"
           "insulation_rating_min,stability,end_spans,intermediate_spans,insulation,verdict\n";
}

std::string ExplorerCsvRows(const ExplorerResult& result, const std::string& modelName,
                            bool withModel) {
    std::string text;
    const auto percent = [](float available, float required) {
        const std::optional<double> p = MarginPercent(available, required);
        return p ? Number(*p, "0.0") : std::string();
    };
    const auto row = [&](const ExplorerPoint& p) {
        const bool standard = p.fire.fire == DesignFire::Standard;
        std::string line = withModel ? CsvField(modelName) + "," : std::string();
        line += standard ? "standard," + std::to_string(p.fire.rating) + ",,"
                         : "non-standard,," + std::to_string(p.fire.fireLoad) + "," +
                               Number(p.fire.openingFactor, "0.00");
        line += ",";
        if (p.completed) {
            line += Number(p.posCapacity, "0.00") + "," + Number(p.appliedMoment, "0.00") + "," +
                    Number(MarginKnm(p.posCapacity, p.appliedMoment), "0.00") + "," +
                    percent(p.posCapacity, p.appliedMoment) + ",";
            if (result.continuous) {
                line += Number(p.negCapacity, "0.000") + "," + Number(p.reqNegEndBay, "0.000") +
                        "," + Number(p.reqNegIntBay, "0.000") + "," +
                        Number(MarginKnm(p.negCapacity, p.reqNegEndBay), "0.000") + "," +
                        percent(p.negCapacity, p.reqNegEndBay) + "," +
                        Number(MarginKnm(p.negCapacity, p.reqNegIntBay), "0.000") + "," +
                        percent(p.negCapacity, p.reqNegIntBay) + "," +
                        FailureModeText(p.compressiveFailure) + ",";
            } else {
                line += ",,,,,,,,";
            }
            line +=
                (p.insulationRating ? std::to_string(*p.insulationRating) : std::string()) + ",";
        } else {
            line += ",,,,,,,,,,,,,";
        }
        line += OptionalBool(p.stability) + "," + OptionalBool(p.endSpans) + "," +
                OptionalBool(p.intermediateSpans) + "," + OptionalBool(p.insulation) + "," +
                CsvField(VerdictText(p)) + "\n";
        text += line;
    };
    for (const ExplorerPoint& p : result.standard) {
        row(p);
    }
    for (const ExplorerPoint& p : result.nonStandard) {
        row(p);
    }
    return text;
}

}  // namespace fd9
