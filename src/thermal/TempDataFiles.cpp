#include "thermal/TempDataFiles.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <string_view>
#include <system_error>

#include "model/DecimalText.h"
#include "model/WholeNumber.h"

namespace fd9 {
namespace {

// 750 degC is where concrete counts as fire-damaged; compared as a float like the file values.
constexpr float DamageTemperature = 750.0f;

struct FileAndFolder {
    std::string name;
    std::string folder;
};

FileAndFolder SplitPath(const std::string& path) {
    const std::filesystem::path p(path);
    FileAndFolder parts{p.filename().string(), p.parent_path().string()};
    if (parts.folder.empty()) {
        parts.folder = ".";
    }
    return parts;
}

std::string FileInFolder(const std::string& path) {
    const FileAndFolder parts = SplitPath(path);
    return "The temperature data file \"" + parts.name + "\" in the folder \"" + parts.folder +
           "\"";
}

[[noreturn]] void ThrowUnusable(const std::string& path, const std::string& why) {
    throw TempDataError(FileInFolder(path) + " cannot be used: " + why + ".");
}

bool IsSeparator(char c) {
    return c == ',' || c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

// Whole numbers of up to seven digits are exact in a float; most numbers of a file are such.
std::optional<long> ShortWholeNumber(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    const std::string_view digits = negative ? text.substr(1) : text;
    if (digits.empty() || digits.size() > 7) {
        return std::nullopt;
    }
    long value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

template <typename Real>
std::optional<Real> FileNumber(std::string_view text) {
    if (const std::optional<long> whole = ShortWholeNumber(text)) {
        return static_cast<Real>(*whole);
    }
    const Decimal<Real> number = ParseDecimal<Real>(text, ExponentLetters::E);
    if (number.status != DecimalStatus::Read) {
        return std::nullopt;
    }
    return number.value;
}

// The file as a stream of numbers, five to a record, whatever its line structure.
class RecordReader {
public:
    explicit RecordReader(const std::string& path) : path_(path) {
        std::error_code error;
        const auto status = std::filesystem::status(path, error);
        if (!std::filesystem::exists(status)) {
            const FileAndFolder parts = SplitPath(path);
            throw TempDataError("The temperature data file \"" + parts.name +
                                "\" was not found in the folder \"" + parts.folder + "\".");
        }
        std::ifstream in;
        if (std::filesystem::is_regular_file(status)) {
            const std::uintmax_t size = std::filesystem::file_size(path, error);
            if (!error && size > MaxTempDataFileBytes) {
                throw TempDataError(FileInFolder(path) +
                                    " is larger than 16 MiB, which no temperature data file is.");
            }
            in.open(path, std::ios::binary);
        }
        if (!in.is_open()) {
            throw TempDataError(FileInFolder(path) + " could not be opened.");
        }
        std::ostringstream contents;
        contents << in.rdbuf();
        text_ = std::move(contents).str();
        if (in.bad()) {
            throw TempDataError(FileInFolder(path) + " could not be read.");
        }
    }

    // Checked before each record only, never between the numbers of one record.
    bool AtEnd() {
        SkipSeparators();
        return position_ == text_.size();
    }

    void Read(FloorModel& model) {
        ++record_;
        const std::string_view first = NextToken();
        const std::optional<double> whole = FileNumber<double>(first);
        if (!whole) {
            NotANumber(first);
        }
        const std::optional<std::int16_t> key = RoundToInt16(*whole);
        if (!key) {
            ThrowUnusable(path_, "record " + std::to_string(record_) + " begins with \"" +
                                     std::string(first) +
                                     "\", which is not a whole number from -32768 to 32767");
        }
        model.WorkInt = *key;
        model.RecordValue1 = NextFloat();
        model.RecordValue2 = NextFloat();
        model.RecordValue3 = NextFloat();
        model.RecordValue4 = NextFloat();
    }

    int RecordNumber() const { return record_; }

private:
    void SkipSeparators() {
        while (position_ < text_.size() && IsSeparator(text_[position_])) {
            ++position_;
        }
    }

    std::string_view NextToken() {
        SkipSeparators();
        if (position_ == text_.size()) {
            ThrowUnusable(path_, "its last record has fewer than five numbers");
        }
        const std::size_t start = position_;
        while (position_ < text_.size() && !IsSeparator(text_[position_])) {
            ++position_;
        }
        return std::string_view(text_).substr(start, position_ - start);
    }

    float NextFloat() {
        const std::string_view token = NextToken();
        const std::optional<float> value = FileNumber<float>(token);
        if (!value) {
            NotANumber(token);
        }
        return *value;
    }

    [[noreturn]] void NotANumber(std::string_view token) {
        constexpr std::size_t shown = 40;
        std::string text(token.substr(0, shown));
        if (token.size() > shown) {
            text += "...";
        }
        ThrowUnusable(path_, "record " + std::to_string(record_) + " holds \"" + text +
                                 "\", which is not a number");
    }

    std::string path_;
    std::string text_;
    std::size_t position_ = 0;
    int record_ = 0;
};

// The numbers of the record last read, by what they mean in the layout.
struct RecordView {
    std::int16_t key;
    float width;  // no width key in the slab layout
    float openingFactor;
    float depth;
    float temperature;
};

RecordView ViewRecord(const FloorModel& model, RecordLayout layout) {
    switch (layout) {
        case RecordLayout::NonStandardBeam:
            return {model.WorkInt, model.RecordValue1, model.RecordValue2, model.RecordValue3,
                    model.RecordValue4};
        case RecordLayout::NonStandardSlab:
            return {model.WorkInt, 0.0f, model.RecordValue1, model.RecordValue2,
                    model.RecordValue3};
        case RecordLayout::Standard:
            break;
    }
    return {model.WorkInt, model.RecordValue1, 0.0f, model.RecordValue2, model.RecordValue3};
}

bool SameFireCaseAndWidth(const RecordView& record, RecordLayout layout, std::int16_t key,
                          float widthLimit, float openingFactor) {
    if (record.key != key) {
        return false;
    }
    if (layout != RecordLayout::NonStandardSlab && record.width > widthLimit) {
        return false;
    }
    // Exact float equality: the files carry the dialog's five opening factors verbatim.
    return layout == RecordLayout::Standard || record.openingFactor == openingFactor;
}

bool PreviousUsable(PreviousRecordRule rule, float depth, float temperature) {
    if (rule == PreviousRecordRule::Both) {
        return depth != 0.0f && temperature != 0.0f;
    }
    return depth != 0.0f || temperature != 0.0f;
}

// Records of a damaged file can interpolate to beyond any float; infinity must not pass on
// as a temperature or a depth.
float InterpolatedFloat(double answer, const std::string& path, int record) {
    if (!(std::fabs(answer) <= std::numeric_limits<float>::max())) {
        ThrowUnusable(path, "record " + std::to_string(record) +
                                " and the record read before it interpolate to a number out of "
                                "range");
    }
    return static_cast<float>(answer);
}

}  // namespace

std::string BeamFileName(DesignFire fire) {
    return fire == DesignFire::Standard ? "denbeam.con" : "realbm.con";
}

std::string SlabFileName(DesignFire fire, ConcreteType concrete) {
    if (fire != DesignFire::Standard) {
        return "realslab.con";
    }
    switch (concrete) {
        case ConcreteType::NormalWeight:
        case ConcreteType::LightWeight:
            return "denslab.con";
        case ConcreteType::AlluvialQuartz:
            return "aqslab.con";
        case ConcreteType::Dacite:
            return "dacslab.con";
        case ConcreteType::Pumice:
            return "pumslab.con";
    }
    return {};
}

RecordLayout LayoutOfFile(const std::string& name) {
    const std::string bare = std::filesystem::path(name).filename().string();
    if (bare == "realbm.con") {
        return RecordLayout::NonStandardBeam;
    }
    if (bare == "realslab.con") {
        return RecordLayout::NonStandardSlab;
    }
    return RecordLayout::Standard;
}

std::string ResolveDataFilePath(const std::string& name, const std::string& programDir) {
    return (std::filesystem::path(programDir) / name).string();
}

std::optional<float> FindTempAtDepth(FloorModel& model, const std::string& path,
                                     RecordLayout layout, std::int16_t key, float widthLimit,
                                     float openingFactor, float targetDepth,
                                     PreviousRecordRule rule) {
    RecordReader reader(path);
    while (!reader.AtEnd()) {
        const RecordView previous = ViewRecord(model, layout);
        reader.Read(model);
        const RecordView record = ViewRecord(model, layout);
        if (!SameFireCaseAndWidth(record, layout, key, widthLimit, openingFactor) ||
            record.depth < targetDepth) {
            continue;
        }
        if (record.depth == targetDepth) {
            return record.temperature;
        }
        if (!PreviousUsable(rule, previous.depth, previous.temperature)) {
            continue;
        }
        const double run = static_cast<double>(record.depth) - previous.depth;
        if (run == 0.0) {
            ThrowUnusable(path, "record " + std::to_string(reader.RecordNumber()) +
                                    " and the record read before it have the same depth, so no "
                                    "temperature can be interpolated between them");
        }
        const double answer = record.temperature +
                              (static_cast<double>(record.depth) - targetDepth) *
                                  (static_cast<double>(previous.temperature) - record.temperature) /
                                  run;
        return InterpolatedFloat(answer, path, reader.RecordNumber());
    }
    return std::nullopt;
}

std::optional<float> FindDepthAt750(FloorModel& model, const std::string& path, RecordLayout layout,
                                    std::int16_t key, float widthLimit, float openingFactor) {
    RecordReader reader(path);
    while (!reader.AtEnd()) {
        const RecordView previous = ViewRecord(model, layout);
        reader.Read(model);
        const RecordView record = ViewRecord(model, layout);
        if (record.temperature > DamageTemperature ||
            !SameFireCaseAndWidth(record, layout, key, widthLimit, openingFactor)) {
            continue;
        }
        if (record.temperature == DamageTemperature) {
            return record.depth;
        }
        if (!PreviousUsable(PreviousRecordRule::Either, previous.depth, previous.temperature)) {
            continue;
        }
        const double fall = static_cast<double>(previous.temperature) - record.temperature;
        if (fall == 0.0) {
            ThrowUnusable(path, "record " + std::to_string(reader.RecordNumber()) +
                                    " and the record read before it have the same temperature, "
                                    "so the depth at 750 degrees C cannot be interpolated");
        }
        double answer =
            record.depth - (DamageTemperature - static_cast<double>(record.temperature)) *
                               (static_cast<double>(record.depth) - previous.depth) / fall;
        // Extrapolating towards the surface can overshoot it; damage cannot start above it.
        if (answer <= 0.0) {
            answer = 0.0;
        }
        return InterpolatedFloat(answer, path, reader.RecordNumber());
    }
    return std::nullopt;
}

bool HasFireCaseAndWidth(FloorModel& model, const std::string& path, RecordLayout layout,
                         std::int16_t key, float widthLimit, float openingFactor) {
    RecordReader reader(path);
    while (!reader.AtEnd()) {
        reader.Read(model);
        if (SameFireCaseAndWidth(ViewRecord(model, layout), layout, key, widthLimit,
                                 openingFactor)) {
            return true;
        }
    }
    return false;
}

TemperatureBlock ReadTemperatureBlock(const std::string& path, RecordLayout layout,
                                      std::int16_t key, float widthLimit, float openingFactor) {
    FloorModel scratch;
    RecordReader reader(path);
    TemperatureBlock block;
    while (!reader.AtEnd()) {
        reader.Read(scratch);
        const RecordView record = ViewRecord(scratch, layout);
        const bool qualifies = SameFireCaseAndWidth(record, layout, key, widthLimit, openingFactor);
        // The narrower blocks of the same fire case follow; they qualify too but are met later.
        if (!block.points.empty() && (!qualifies || record.width != block.widthKey ||
                                      !(record.depth > block.points.back().depth))) {
            break;
        }
        if (qualifies) {
            block.widthKey = record.width;
            block.points.push_back({record.depth, record.temperature});
        }
    }
    return block;
}

}  // namespace fd9
