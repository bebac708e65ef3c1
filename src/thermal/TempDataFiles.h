#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/CalculationError.h"
#include "model/FloorModel.h"

namespace fd9 {

enum class RecordLayout { Standard, NonStandardBeam, NonStandardSlab };
// Whether the record read before may be used for interpolation: Both needs its depth and its
// temperature non-zero, Either one of them.
enum class PreviousRecordRule { Both, Either };

// A data file that is missing, unreadable or malformed; the message names the file and the
// folder it was looked for in.
class TempDataError : public CalculationError {
public:
    using CalculationError::CalculationError;
};

// The largest temperature data file read; the shipped ones are a small fraction of it.
// Units: bytes.
inline constexpr std::uintmax_t MaxTempDataFileBytes = 16 * 1024 * 1024;

// The seven files of the data set, beams first.
inline constexpr std::array<const char*, 7> TempDataFileNames = {
    "denbeam.con", "realbm.con",  "denslab.con", "aqslab.con",
    "dacslab.con", "pumslab.con", "realslab.con"};

// The standard-fire and non-standard-fire files of a beam (or rib) and of a slab.
std::string BeamFileName(DesignFire fire);
// Empty for a concrete code that has no slab file: the caller keeps the file it had.
std::string SlabFileName(DesignFire fire, ConcreteType concrete);
RecordLayout LayoutOfFile(const std::string& name);

// An absolute path stays as it is; otherwise the program's directory and the name.
std::string ResolveDataFilePath(const std::string& name, const std::string& programDir);

// The searches read the file at path from its start, carrying the previous record's values in
// model.RecordValue2..4 between records and between searches. Empty when no record qualifies.
// Units: mm, degC. Throw TempDataError for a file that cannot be read or is malformed.
// A 750 degC depth extrapolated to above the exposed surface is 0.
std::optional<float> FindTempAtDepth(FloorModel& model, const std::string& path,
                                     RecordLayout layout, std::int16_t key, float widthLimit,
                                     float openingFactor, float targetDepth,
                                     PreviousRecordRule rule);
std::optional<float> FindDepthAt750(FloorModel& model, const std::string& path, RecordLayout layout,
                                    std::int16_t key, float widthLimit, float openingFactor);
// Whether any record is of this fire case and width: when one is but FindDepthAt750 finds no
// depth, the whole width is hotter than 750 degC. Overwrites the model's record fields.
bool HasFireCaseAndWidth(FloorModel& model, const std::string& path, RecordLayout layout,
                         std::int16_t key, float widthLimit, float openingFactor);

// One record of a block. Units: mm below the exposed surface, degC.
struct ProfilePoint {
    float depth = 0;
    float temperature = 0;
};
struct TemperatureBlock {
    float widthKey = 0;  // mm; 0 in the slab files
    std::vector<ProfilePoint> points;
};
// The block that the searches meet first for this fire case and width: the temperatures
// against depth that a search at any depth within it interpolates. No points when no record
// qualifies. Throws TempDataError as the searches do.
TemperatureBlock ReadTemperatureBlock(const std::string& path, RecordLayout layout,
                                      std::int16_t key, float widthLimit, float openingFactor);

}  // namespace fd9
