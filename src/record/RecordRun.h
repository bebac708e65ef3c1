#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/Calculate.h"
#include "calc/FireExplorer.h"
#include "model/FloorModel.h"
#include "record/DataProvenance.h"
#include "thermal/TempDataFiles.h"

namespace fd9 {

// A block of a data file as the record plots it: the temperatures against depth at the
// design fire that the calculation's searches read.
struct RecordProfile {
    std::string file;      // bare name
    std::string part;      // "rib", "flange", "beam" or "slab"
    float widthLimit = 0;  // mm, the width the search was made with; 0 for a slab
    TemperatureBlock block;
};

struct RecordDataFile {
    std::string name;
    std::optional<DataFileInfo> info;  // empty when the file could not be read
    bool readByCalculation = false;    // searched by this member's CALCULATE
    bool readByExplorer = false;       // by the explorer's runs of it
};

// Everything the record shows that is computed: one CALCULATE and the explorer, each on its
// own copy of the model with its own data context, and the data they rest on.
struct RecordRun {
    FloorModel input;  // as given, before the run
    FloorModel model;  // as CALCULATE left it
    CalculationOutcome outcome;
    ExplorerResult explorer;
    UnconfirmedInput unconfirmed = UnconfirmedInput::None;
    std::string coverWarning;               // empty when the cover rule holds or was not checked
    std::vector<RecordProfile> profiles;    // the member's, then a flange's; none unless completed
    std::vector<RecordDataFile> dataFiles;  // the seven of the data set
    std::string dataSet;                    // DataSetIdentifier; empty when a file is missing

    bool completed() const { return outcome.completed; }
    bool continuous() const { return IsContinuous(input); }
    bool standardFire() const { return input.Selected.DesignFire == DesignFire::Standard; }
};

RecordRun RunForRecord(const FloorModel& model, const std::string& dataDir);

// Where a bar's centre lies from the nearest fire-exposed face, as CALCULATE measures it, and
// its clear cover to the bar's face. Units: mm.
float BarCover(const FloorModel& model, bool positive, int row);
float ClearCover(const FloorModel& model, bool positive, int row);

}  // namespace fd9
