#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>

#include "model/FloorModel.h"
#include "model/LoadCombinations.h"

namespace fd9 {

// The first field of every model file.
inline constexpr const char* ModelFileTag = "fd9data";
// The largest model file read. Thirty bars a group need a few kilobytes, so anything larger is
// not a model file, and reading it whole would hold the program up. Units: bytes.
inline constexpr std::uintmax_t MaxModelFileBytes = 1024 * 1024;

// Brings the stored codes the file keeps in line with the current selections before a save:
// support condition, floor type, design fire, and under NZS 4203 the live load factor of the
// occupancy (none selected keeps the factor). The steel and concrete types keep the codes of
// their dialogs' last OK.
void RefreshStoredCodes(FloorModel& model, LoadCombination combination,
                        std::optional<Occupancy> occupancy);

// How a stored field is checked as it is read.
enum class StoredKind {
    Input,   // a float the dialogs wrote: NAN or INF in the file is damage
    Result,  // a float a calculation wrote; a stopped run may have left NAN or INF
    Whole,   // a 16-bit whole number
    Code,    // a 16-bit code from 0 to `highest`
    Count,   // a bar count from 0 to MaxSteelRows
};

// One field of the three leading records. The load combination is no member of the model: its
// field has neither member pointer.
struct ModelFileField {
    const char* name;
    StoredKind kind;
    float FloorModel::*real = nullptr;
    std::int16_t FloorModel::*whole = nullptr;
    std::int16_t highest = 0;
    bool endsRecord = false;
};

// The leading records in file order. The rows of the positive and then the negative bars
// follow, one value (x, y, diameter, cover) to a record.
std::span<const ModelFileField> ModelFileFields();

// Writes the model as comma-separated records ending in CR LF, numbers without a leading
// blank. The stored codes are written as they stand.
void WriteModelFile(std::ostream& out, const FloorModel& model, LoadCombination combination);

enum class ModelFileStatus {
    Read,
    NotModelFile,  // empty, or a first field other than "fd9data"
    EndOfFile,     // the records end before the counts say they should
    NotANumber,    // a field that is not a number, or one out of its type's range
    TooManyBars,   // a bar count outside 0 to 30
    BadCode,       // a stored code that no dialog can show
};

struct ModelFileResult {
    ModelFileStatus status = ModelFileStatus::Read;
    LoadCombination combination = LoadCombination::NZS4203;
    // For the message: what was found, where (line numbers count from 1).
    std::string field;
    std::string text;
    int line = 0;
};

// Reads a whole model file into model, which the caller has reset. Fields end at a comma or
// at a line end; the line structure plays no other part. Only a result of Read leaves model
// complete: on any other the caller must discard it, so read into a copy.
ModelFileResult ReadModelFile(std::istream& in, FloorModel& model);

// A model just read: the selections the calculation reads follow the stored codes.
void SelectStoredCodes(FloorModel& model);

// Opens a model file's text as File > Open does: read into a copy of model reset as a new model,
// with the stored codes selected. Only a result of Read replaces model; on any other, model is
// as it was, so a file that fails part-way never leaves half a model.
ModelFileResult OpenModelText(const std::string& text, FloorModel& model);

// Why a text was not opened, in one line of words; empty for Read.
std::string DescribeModelFileResult(const ModelFileResult& result);

}  // namespace fd9
