#include "files/ModelFile.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <istream>
#include <optional>
#include <ostream>
#include <string_view>
#include <system_error>

#include "model/NumberText.h"
#include "model/WholeNumber.h"

namespace fd9 {

namespace {

constexpr const char* LineEnd = "\r\n";

float NzsLiveLoadFactor(Occupancy occupancy) {
    switch (occupancy) {
        case Occupancy::Roofs:
            return 0.0f;
        case Occupancy::StorageFloors:
            return 0.6f;
        case Occupancy::DomesticFloors:
            break;
    }
    return 0.4f;
}

// Joins fields with commas into one record.
class RecordWriter {
public:
    explicit RecordWriter(std::ostream& out) : out_(out) {}
    RecordWriter& operator<<(float value) { return field(FileNumberText(value)); }
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
    bool quoted = false;
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
            field.quoted = true;
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
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    auto skipDigits = [&] {
        std::size_t n = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            ++i;
            ++n;
        }
        return n;
    };
    digits += skipDigits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        digits += skipDigits();
    }
    if (digits == 0) {
        return std::nullopt;
    }
    std::string normal(text.substr(0, i));
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        normal.push_back('e');
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            normal.push_back(text[i++]);
        }
        const std::size_t start = i;
        if (skipDigits() == 0) {
            return std::nullopt;
        }
        normal.append(text.substr(start, i - start));
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    double value = 0;
    // from_chars never reads the locale's decimal comma; it takes no leading '+'.
    const char* begin = normal.data() + (normal[0] == '+' ? 1 : 0);
    const auto parsed = std::from_chars(begin, normal.data() + normal.size(), value);
    if (parsed.ec == std::errc::result_out_of_range) {
        // Too small for a double reads as zero; too large is no number the file could hold.
        return normal.find("e-") != std::string::npos ? std::optional<double>(0.0) : std::nullopt;
    }
    if (parsed.ec != std::errc() || parsed.ptr != normal.data() + normal.size()) {
        return std::nullopt;
    }
    return value;
}

class ModelReader {
public:
    ModelReader(std::istream& in, ModelFileResult& result) : fields_(in), result_(result) {}

    // An input the dialogs wrote: NAN or INF there is damage, and would reach the calculation.
    bool readFloat(float& target, const char* name) { return readFloat(target, name, false); }
    // A calculated value that a stopped run may have left as NAN or INF; the next CALCULATE
    // writes it afresh, so the file still opens.
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
        target = static_cast<float>(*value);
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
    record << m.SectionWidth << m.SectionDepth << m.PosSteelCount << m.PosSteelStrength
           << m.NegSteelStrength << m.ConcreteStrength << m.FRRequired << m.FloorTypeCode
           << m.SupportCondition << static_cast<std::int16_t>(combination);
    record.end();
    record << m.NegSteelCount << m.NegSteelArea << m.NegEffectiveCover << m.NegCentroid
           << m.OverallWidth << m.OverallDepth << m.RibDepth << m.RibWidthBot << m.RibWidthTop;
    record.end();
    record << m.PosSteelArea << m.PosEffectiveCover << m.PosCentroid << m.PosSteelType
           << m.NegSteelType << m.ConcreteType << m.DeadLoad << m.LiveLoad << m.DeadLoadFactor
           << m.LiveLoadFactor << m.Span << m.FireTypeCode << m.FireLoad << m.OpeningFactor;
    record.end();
    const auto bars = [&](const SteelTable& table, int count) {
        for (int row = 0; row < count && row < MaxSteelRows; ++row) {
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
    const bool read =
        r.readFloat(m.SectionWidth, "SectionWidth") &&
        r.readFloat(m.SectionDepth, "SectionDepth") &&
        r.readCount(m.PosSteelCount, "PosSteelCount") &&
        r.readFloat(m.PosSteelStrength, "PosSteelStrength") &&
        r.readFloat(m.NegSteelStrength, "NegSteelStrength") &&
        r.readFloat(m.ConcreteStrength, "ConcreteStrength") &&
        r.readInt(m.FRRequired, "FRRequired") && r.readCode(m.FloorTypeCode, "FloorTypeCode", 3) &&
        r.readCode(m.SupportCondition, "SupportCondition", 1) &&
        r.readCode(combination, "load combination", 1) &&
        r.readCount(m.NegSteelCount, "NegSteelCount") &&
        r.readResult(m.NegSteelArea, "NegSteelArea") &&
        r.readResult(m.NegEffectiveCover, "NegEffectiveCover") &&
        r.readResult(m.NegCentroid, "NegCentroid") && r.readFloat(m.OverallWidth, "OverallWidth") &&
        r.readFloat(m.OverallDepth, "OverallDepth") && r.readFloat(m.RibDepth, "RibDepth") &&
        r.readFloat(m.RibWidthBot, "RibWidthBot") && r.readFloat(m.RibWidthTop, "RibWidthTop") &&
        r.readResult(m.PosSteelArea, "PosSteelArea") &&
        r.readResult(m.PosEffectiveCover, "PosEffectiveCover") &&
        r.readResult(m.PosCentroid, "PosCentroid") && r.readInt(m.PosSteelType, "PosSteelType") &&
        r.readInt(m.NegSteelType, "NegSteelType") &&
        r.readCode(m.ConcreteType, "ConcreteType", 4) && r.readFloat(m.DeadLoad, "DeadLoad") &&
        r.readFloat(m.LiveLoad, "LiveLoad") && r.readFloat(m.DeadLoadFactor, "DeadLoadFactor") &&
        r.readFloat(m.LiveLoadFactor, "LiveLoadFactor") && r.readFloat(m.Span, "Span") &&
        r.readCode(m.FireTypeCode, "FireTypeCode", 1) && r.readInt(m.FireLoad, "FireLoad") &&
        r.readFloat(m.OpeningFactor, "OpeningFactor") &&
        ReadBars(r, m.PosSteel, m.PosSteelCount, "PosSteel") &&
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

}  // namespace fd9
