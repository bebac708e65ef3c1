#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/FloorModel.h"
#include "thermal/SectionTemperatures.h"

namespace fd9 {

// The fourteen value labels of the two result panels, in the order the panels list them.
enum class ResultLabel {
    EffectiveCover,
    SteelTemp,
    SteelArea,
    ReducedDepth,
    ReducedWidth,
    ConcTemp,
    AvailMomCapacity,
    AppliedMom,
    ReqNegMomEndBay,
    ReqNegMomIntBay,
    AvailNegMom,
    FailureMode,
    InflectionEndBay,
    InflectionIntBay,
};
inline constexpr int ResultLabelCount = 14;

// The result's name, "SteelTemp"; a front end derives the names of its own controls from it.
const char* ResultLabelName(ResultLabel label);

// A message box of a run. Every one has an OK button only and no title of its own; the cover
// warning and a stopped run carry the exclamation icon, the verdicts none.
struct CalculationBox {
    std::string text;
    bool exclamation = false;
};

enum class ResultPanel { SimplySupported = 0, Continuity = 1 };

// Everything one CALCULATE shows, for the window (or any other front end) to apply. An empty
// optional means the run did not reach that item, so the window keeps what it showed before;
// labels are the exception: every run that happened gives each one, blank where it computed
// nothing, so that neither panel keeps a number of an earlier run.
struct CalculationOutcome {
    // No positive-moment bar: nothing at all happened, not even the checks.
    bool nothingHappened = false;
    // All verdicts were given. False when the run stopped on an error (see stopMessage).
    bool completed = false;
    // The boxes in the order they appear; when the run stopped, the last one says why.
    std::vector<CalculationBox> boxes;
    // Text of each value label, formatted, indexed by ResultLabel; empty only when nothing
    // happened.
    std::array<std::optional<std::string>, ResultLabelCount> labels;
    // The message area; lines are separated by "\r".
    std::optional<std::string> messages;
    // Colour of the failure-mode label: red for a compressive failure, black otherwise.
    std::optional<bool> failureModeRed;
    std::optional<ResultPanel> panel;
    // The verdicts given: stability of a simply-supported member, or of the end and
    // intermediate spans of a continuous one; insulation under the standard fire (not a beam).
    std::optional<bool> stability;
    std::optional<bool> endSpans;
    std::optional<bool> intermediateSpans;
    std::optional<bool> insulation;
    // Why the run stopped; empty when it completed or nothing happened.
    std::string stopMessage;
    // Passes of the compression-zone iteration of a continuous member, each one more
    // concrete-temperature search; also for a run that the bound on passes stopped.
    int compressionZonePasses = 0;

    const std::optional<std::string>& label(ResultLabel which) const {
        return labels[static_cast<int>(which)];
    }
};

// An input the engineer never confirmed: CALCULATE stops before its first step.
enum class UnconfirmedInput { None, Loads, NonStandardFire, Rating };
UnconfirmedInput FindUnconfirmedInput(const FloorModel& model);

// One CALCULATE on the model and its current selections: writes every result field of the
// model in place and the data file last chosen into context.TempDataFile. Never throws for a
// fault of the inputs or the data files; such a run stops with a box and no verdict.
CalculationOutcome Calculate(FloorModel& model, TempDataContext& context);

}  // namespace fd9
