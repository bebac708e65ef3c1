#include "files/ModelFile.h"

#include <cfloat>
#include <cmath>
#include <istream>
#include <optional>
#include <ostream>
#include <sstream>
#include <string_view>

#include "model/DecimalText.h"
#include "model/NumberText.h"
#include "model/ResetModel.h"
#include "model/WholeNumber.h"

namespace fd9 {

namespace {

constexpr const char* LineEnd = "\r\n";

using M = FloorModel;

constexpr ModelFileField Real(StoredKind kind, const char* name, float M::*member,
                              bool endsRecord = false) {
    return {name, kind, member, nullptr, 0, endsRecord};
}
constexpr ModelFileField Int(StoredKind kind, const char* name, std::int16_t M::*member,
                             std::int16_t highest = 0, bool endsRecord = false) {
    return {name, kind, nullptr, member, highest, endsRecord};
}

constexpr bool EndsRecord = true;

using enum StoredKind;

constexpr ModelFileField Fields[] = {
    Real(Input, "SectionWidth", &M::SectionWidth),
    Real(Input, "SectionDepth", &M::SectionDepth),
    Int(Count, "PosSteelCount", &M::PosSteelCount),
    Real(Input, "PosSteelStrength", &M::PosSteelStrength),
    Real(Input, "NegSteelStrength", &M::NegSteelStrength),
    Real(Input, "ConcreteStrength", &M::ConcreteStrength),
    Int(Whole, "FRRequired", &M::FRRequired),
    Int(Code, "FloorTypeCode", &M::FloorTypeCode, 3),
    Int(Code, "SupportCondition", &M::SupportCondition, 1),
    Int(Code, "load combination", nullptr, 1, EndsRecord),

    Int(Count, "NegSteelCount", &M::NegSteelCount),
    Real(Result, "NegSteelArea", &M::NegSteelArea),
    Real(Result, "NegEffectiveCover", &M::NegEffectiveCover),
    Real(Result, "NegCentroid", &M::NegCentroid),
    Real(Input, "OverallWidth", &M::OverallWidth),
    Real(Input, "OverallDepth", &M::OverallDepth),
    Real(Input, "RibDepth", &M::RibDepth),
    Real(Input, "RibWidthBot", &M::RibWidthBot),
    Real(Input, "RibWidthTop", &M::RibWidthTop, EndsRecord),

    Real(Result, "PosSteelArea", &M::PosSteelArea),
    Real(Result, "PosEffectiveCover", &M::PosEffectiveCover),
    Real(Result, "PosCentroid", &M::PosCentroid),
    Int(Whole, "PosSteelType", &M::PosSteelType),
    Int(Whole, "NegSteelType", &M::NegSteelType),
    Int(Code, "ConcreteType", &M::ConcreteType, 4),
    Real(Input, "DeadLoad", &M::DeadLoad),
    Real(Input, "LiveLoad", &M::LiveLoad),
    Real(Input, "DeadLoadFactor", &M::DeadLoadFactor),
    Real(Input, "LiveLoadFactor", &M::LiveLoadFactor),
    Real(Input, "Span", &M::Span),
    Int(Code, "FireTypeCode", &M::FireTypeCode, 1),
    Int(Whole, "FireLoad", &M::FireLoad),
    Real(Input, "OpeningFactor", &M::OpeningFactor, EndsRecord),
};

std::optional<double> ParseFileNumber(std::string_view text);

// Joins fields with commas into one record.
class RecordWriter {
public:
    explicit RecordWriter(std::ostream& out) : out_(out) {}
    // The seven-digit text "1E+28" reads back as the float below it, which writes
    // "9.999999E+27": the text written is the one that float gives, so that opening a file and
    // saving it again never changes it.
    RecordWriter& operator<<(float value) {
        std::string text = FileNumberText(value);
        if (const std::optional<double> back = ParseFileNumber(text);
            back && std::isfinite(*back)) {
            text = FileNumberText(static_cast<float>(*back));
        }
        return field(text);
    }
    RecordWriter& operator<<(std::int16_t value) { return field(FileNumberText(value)); }
    void end() {
        out_ << LineEnd;
        first_ = true;
    }

private:
    RecordWriter& field(const std::string& text) {
        if (!first_) {
            out_ << ',';
        }
        out_ << text;
        first_ = false;
        return *this;
    }
    std::ostream& out_;
    bool first_ = true;
};

struct Field {
    std::string text;
    int line = 0;
};

// Splits the stream into fields: a field ends at a comma or a line end; blanks around it and
// empty lines between fields are skipped; a quoted field runs to its closing quote.
class FieldReader {
public:
    explicit FieldReader(std::istream& in) : in_(in) {}

    std::optional<Field> next() {
        int c = in_.get();
        while (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            countLine(c);
            c = in_.get();
        }
        if (c == EOF) {
            return std::nullopt;
        }
        Field field;
        field.line = line_;
        if (c == '"') {
            for (c = in_.get(); c != EOF && c != '"'; c = in_.get()) {
                field.text.push_back(static_cast<char>(c));
            }
            c = c == EOF ? EOF : in_.get();
            // Whatever follows the closing quote up to the separator is not part of the text.
            while (c != EOF && c != ',' && c != '\r' && c != '\n') {
                c = in_.get();
            }
        } else {
            for (; c != EOF && c != ',' && c != '\r' && c != '\n'; c = in_.get()) {
                field.text.push_back(static_cast<char>(c));
            }
            while (!field.text.empty() && (field.text.back() == ' ' || field.text.back() == '\t')) {
                field.text.pop_back();
            }
        }
        endField(c);
        return field;
    }

private:
    void countLine(int c) {
        if (c == '\n' || (c == '\r' && in_.peek() != '\n')) {
            ++line_;
        }
    }
    void endField(int c) {
        if (c == '\r') {
            if (in_.peek() == '\n') {
                in_.get();
            }
            ++line_;
        } else if (c == '\n') {
            ++line_;
        }
    }

    std::istream& in_;
    int line_ = 1;
};

// A decimal number as the file writes it ("-12.5", ".04", "1E+20", "NAN"), nothing else.
std::optional<double> ParseFileNumber(std::string_view text) {
    if (text == "NAN" || text == "-NAN") {
        return std::nan("");
    }
    if (text == "INF" || text == "-INF") {
        return text[0] == '-' ? -HUGE_VAL : HUGE_VAL;
    }
    const Decimal<double> number = ParseDecimal<double>(text, ExponentLetters::EOrD);
    switch (number.status) {
        case DecimalStatus::Read:
            return number.value;
        case DecimalStatus::TooSmall:
            return 0.0;  // too small for a double reads as zero
        case DecimalStatus::TooLarge:
        case DecimalStatus::NotDecimal:
            break;
    }
    return std::nullopt;
}

class ModelReader {
public:
    ModelReader(std::istream& in, ModelFileResult& result) : fields_(in), result_(result) {}

    // An input the dialogs wrote: NAN or INF there is damage, and would reach the calculation.
    bool readFloat(float& target, const char* name) { return readFloat(target, name, false); }
    // A calculated value that a file may hold as NAN or INF (left by a stopped run of an earlier
    // version): the file still opens, and the value reads as one never calculated, 0, so that
    // no report shows it before the next CALCULATE writes it afresh.
    bool readResult(float& target, const char* name) { return readFloat(target, name, true); }

    bool readFloat(float& target, const char* name, bool nonFiniteAllowed) {
        const std::optional<Field> field = take(name);
        if (!field) {
            return false;
        }
        const std::optional<double> value = ParseFileNumber(field->text);
        if (!value || (std::isfinite(*value) && std::fabs(*value) > FLT_MAX) ||
            (!std::isfinite(*value) && !nonFiniteAllowed)) {
            return fail(ModelFileStatus::NotANumber, *field, name);
        }
        target = std::isfinite(*value) ? static_cast<float>(*value) : 0.0f;
        return true;
    }

    bool readInt(std::int16_t& target, const char* name) {
        const std::optional<Field> field = take(name);
        if (!field) {
            return false;
        }
        const std::optional<double> value = ParseFileNumber(field->text);
        const std::optional<std::int16_t> whole = value ? RoundToInt16(*value) : std::nullopt;
        if (!whole) {
            return fail(ModelFileStatus::NotANumber, *field, name);
        }
        target = *whole;
        return true;
    }

    bool readCode(std::int16_t& target, const char* name, std::int16_t highest) {
        if (!readInt(target, name)) {
            return false;
        }
        if (target < 0 || target > highest) {
            return fail(ModelFileStatus::BadCode, last_, name);
        }
        return true;
    }

    bool readCount(std::int16_t& target, const char* name) {
        if (!readInt(target, name)) {
            return false;
        }
        if (target < 0 || target > MaxSteelRows) {
            return fail(ModelFileStatus::TooManyBars, last_, name);
        }
        return true;
    }

    std::optional<Field> first() {
        std::optional<Field> field = fields_.next();
        if (field) {
            last_ = *field;
        }
        return field;
    }

private:
    std::optional<Field> take(const char* name) {
        std::optional<Field> field = fields_.next();
        if (!field) {
            Field end;
            end.line = last_.line;
            fail(ModelFileStatus::EndOfFile, end, name);
        } else {
            last_ = *field;
        }
        return field;
    }
    bool fail(ModelFileStatus status, const Field& field, const char* name) {
        result_.status = status;
        result_.field = name;
        result_.text = field.text;
        result_.line = field.line;
        return false;
    }

    FieldReader fields_;
    ModelFileResult& result_;
    Field last_;
};

bool ReadField(ModelReader& r, const ModelFileField& f, FloorModel& m, std::int16_t& combination) {
    std::int16_t& whole = f.whole ? m.*f.whole : combination;
    switch (f.kind) {
        case StoredKind::Input:
            return r.readFloat(m.*f.real, f.name);
        case StoredKind::Result:
            return r.readResult(m.*f.real, f.name);
        case StoredKind::Whole:
            return r.readInt(whole, f.name);
        case StoredKind::Code:
            return r.readCode(whole, f.name, f.highest);
        case StoredKind::Count:
            break;
    }
    return r.readCount(whole, f.name);
}

bool ReadBars(ModelReader& reader, SteelTable& table, std::int16_t count, const char* name) {
    for (int row = 0; row < count; ++row) {
        for (int column = 0; column < 4; ++column) {
            float& value = table[row][column];
            const bool read = column == SteelCover ? reader.readResult(value, name)
                                                   : reader.readFloat(value, name);
            if (!read) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

std::span<const ModelFileField> ModelFileFields() {
    return Fields;
}

void RefreshStoredCodes(FloorModel& model, LoadCombination combination,
                        std::optional<Occupancy> occupancy) {
    model.SupportCondition = static_cast<std::int16_t>(model.Selected.SupportCondition);
    if (combination == LoadCombination::NZS4203 && occupancy) {
        model.LiveLoadFactor = NzsLiveLoadFactor(*occupancy);
    }
    model.FireTypeCode = model.Selected.DesignFire == DesignFire::Standard ? 0 : 1;
    model.FloorTypeCode = FloorTypeToCode(model.Selected.FloorType);
}

void WriteModelFile(std::ostream& out, const FloorModel& m, LoadCombination combination) {
    out << '"' << ModelFileTag << '"' << LineEnd;
    RecordWriter record(out);
    for (const ModelFileField& field : Fields) {
        if (field.real) {
            record << m.*field.real;
        } else {
            record << (field.whole ? m.*field.whole : static_cast<std::int16_t>(combination));
        }
        if (field.endsRecord) {
            record.end();
        }
    }
    const auto bars = [&](const SteelTable& table, int count) {
        for (int row = 0; row < RowsInUse(count); ++row) {
            for (float value : table[row]) {
                record << value;
                record.end();
            }
        }
    };
    bars(m.PosSteel, m.PosSteelCount);
    bars(m.NegSteel, m.NegSteelCount);
}

ModelFileResult ReadModelFile(std::istream& in, FloorModel& m) {
    ModelFileResult result;
    ModelReader r(in, result);
    const std::optional<Field> tag = r.first();
    // Case matters: the tag is the one sign that the file is ours.
    if (!tag || tag->text != ModelFileTag) {
        result.status = ModelFileStatus::NotModelFile;
        if (tag) {
            result.text = tag->text;
            result.line = tag->line;
        }
        return result;
    }
    std::int16_t combination = 0;
    for (const ModelFileField& field : Fields) {
        if (!ReadField(r, field, m, combination)) {
            return result;
        }
    }
    const bool read = ReadBars(r, m.PosSteel, m.PosSteelCount, "PosSteel") &&
                      ReadBars(r, m.NegSteel, m.NegSteelCount, "NegSteel");
    if (read) {
        result.combination = static_cast<LoadCombination>(combination);
    }
    return result;
}

void SelectStoredCodes(FloorModel& m) {
    m.Selected.FloorType = FloorTypeFromCode(m.FloorTypeCode);
    m.Selected.DesignFire = m.FireTypeCode == 0 ? DesignFire::Standard : DesignFire::NonStandard;
    m.Selected.SupportCondition =
        m.SupportCondition == 0 ? SupportCondition::SimplySupported : SupportCondition::Continuous;
    m.Selected.PosSteelType = SteelTypeFromCode(m.PosSteelType);
    m.Selected.NegSteelType = SteelTypeFromCode(m.NegSteelType);
    if (m.ConcreteType >= 0 && m.ConcreteType <= 4) {
        m.Selected.ConcreteType = static_cast<ConcreteType>(m.ConcreteType);
    }
}

ModelFileResult OpenModelText(const std::string& text, FloorModel& model) {
    FloorModel candidate = model;
    ResetModelData(candidate);
    std::istringstream in(text);
    const ModelFileResult result = ReadModelFile(in, candidate);
    if (result.status == ModelFileStatus::Read) {
        SelectStoredCodes(candidate);
        model = candidate;
    }
    return result;
}

std::string DescribeModelFileResult(const ModelFileResult& r) {
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
                   "); a group holds 0 to " + std::to_string(MaxSteelRows);
        case ModelFileStatus::BadCode:
            return "line " + std::to_string(r.line) + " holds the code " + r.text + " for " +
                   r.field + ", which no setting has";
        case ModelFileStatus::Read:
            break;
    }
    return {};
}

}  // namespace fd9
