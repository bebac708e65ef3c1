#include "record/RecordRun.h"

#include "calc/PreCalculationChecks.h"
#include "thermal/SectionTemperatures.h"

namespace fd9 {

namespace {

// The cover warning is the exclamation box that is not the stop.
std::string CoverWarning(const CalculationOutcome& outcome) {
    const std::size_t boxes = outcome.boxes.size() - (outcome.stopMessage.empty() ? 0 : 1);
    for (std::size_t i = 0; i < boxes; ++i) {
        if (outcome.boxes[i].exclamation) {
            return outcome.boxes[i].text;
        }
    }
    return {};
}

std::string MemberFile(const FloorModel& model) {
    const CurrentSelection& s = model.Selected;
    return s.FloorType == FloorType::Slab ? SlabFileName(s.DesignFire, s.ConcreteType)
                                          : BeamFileName(s.DesignFire);
}

// The flange of a continuous ribbed member holds the negative steel, read from the slab file.
std::string FlangeFile(const FloorModel& model) {
    const CurrentSelection& s = model.Selected;
    const bool flange = IsRibbed(model) && IsContinuous(model);
    return flange ? SlabFileName(s.DesignFire, s.ConcreteType) : std::string();
}

RecordProfile Profile(const RecordRun& run, const std::string& dataDir, const std::string& file,
                      const std::string& part, float widthLimit) {
    const FloorModel& m = run.input;
    const bool standard = run.standardFire();
    RecordProfile profile{file, part, widthLimit, {}};
    profile.block =
        ReadTemperatureBlock(ResolveDataFilePath(file, dataDir), LayoutOfFile(file),
                             standard ? m.FRRequired : m.FireLoad, widthLimit, m.OpeningFactor);
    return profile;
}

void ReadProfiles(RecordRun& run, const std::string& dataDir) {
    const FloorModel& m = run.model;
    const FloorType floor = m.Selected.FloorType;
    float width = floor == FloorType::Slab ? 0.0f : run.input.SectionWidth;
    std::string part = floor == FloorType::Slab ? "slab" : "beam";
    if (IsRibbed(m)) {
        // The rib's width at the level of the positive steel's centroid, as the steel search.
        width =
            static_cast<float>(RibWidthAt(m, static_cast<double>(m.OverallDepth) - m.PosCentroid));
        part = "rib";
    }
    try {
        run.profiles.push_back(Profile(run, dataDir, MemberFile(m), part, width));
        if (const std::string flange = FlangeFile(m); !flange.empty()) {
            run.profiles.push_back(Profile(run, dataDir, flange, "flange", 0.0f));
        }
    } catch (const TempDataError&) {
        // The run read these files a moment ago; one changed since shows no plot rather than
        // another file's temperatures.
        run.profiles.clear();
    }
}

bool Reads(FloorModel model, std::optional<DesignFire> fire, const std::string& name) {
    if (fire) {
        model.Selected.DesignFire = *fire;
    }
    return name == MemberFile(model) || name == FlangeFile(model);
}

void DescribeData(RecordRun& run, const std::string& dataDir) {
    // A run that stops before its first step reads no file.
    const bool calculated =
        !run.outcome.nothingHappened && run.unconfirmed == UnconfirmedInput::None;
    const bool explored = !run.explorer.nothingToCalculate &&
                          FindUnconfirmedInput(run.input) != UnconfirmedInput::Loads;
    for (const char* name : TempDataFileNames) {
        run.dataFiles.push_back({name, DescribeDataFile(ResolveDataFilePath(name, dataDir)),
                                 calculated && Reads(run.input, std::nullopt, name),
                                 explored && (Reads(run.input, DesignFire::Standard, name) ||
                                              Reads(run.input, DesignFire::NonStandard, name))});
    }
    run.dataSet = DataSetIdentifier(dataDir);
}

}  // namespace

RecordRun RunForRecord(const FloorModel& model, const std::string& dataDir) {
    RecordRun run;
    run.input = model;
    run.model = model;
    run.unconfirmed = FindUnconfirmedInput(model);
    TempDataContext context{dataDir, {}};
    run.outcome = Calculate(run.model, context);
    run.coverWarning = CoverWarning(run.outcome);
    run.explorer = ExploreFireResistance(model, dataDir);
    if (run.completed()) {
        ReadProfiles(run, dataDir);
    }
    DescribeData(run, dataDir);
    return run;
}

float BarCover(const FloorModel& model, bool positive, int row) {
    const auto& bar = positive ? model.PosSteel[row] : model.NegSteel[row];
    return positive ? PosBarCover(model, bar[SteelX], bar[SteelY])
                    : NegBarCover(model, bar[SteelX], bar[SteelY]);
}

float ClearCover(const FloorModel& model, bool positive, int row) {
    const auto& bar = positive ? model.PosSteel[row] : model.NegSteel[row];
    return static_cast<float>(BarCover(model, positive, row) - bar[SteelDiameter] / 2.0);
}

}  // namespace fd9
