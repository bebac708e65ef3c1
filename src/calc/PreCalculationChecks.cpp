#include "calc/PreCalculationChecks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "thermal/SectionTemperatures.h"

namespace fd9 {
namespace {

// Nearer side face or soffit of a rectangular section; a tie goes to the soffit.
float RectangleCover(const FloorModel& model, float x, float y) {
    const float halfWidth = static_cast<float>(model.SectionWidth / 2.0);
    const double side =
        x < halfWidth ? static_cast<double>(x) : static_cast<double>(model.SectionWidth) - x;
    const double bottom = static_cast<double>(model.SectionDepth) - y;
    return static_cast<float>(side < bottom ? side : bottom);
}

// Perpendicular distance to the nearer sloping face of the rib, or to the soffit if nearer.
float RibCover(const FloorModel& model, float x, float y) {
    double centre = model.OverallWidth / 2.0;
    if (model.Selected.FloorType == FloorType::DoubleTee) {
        centre = x <= model.OverallWidth / 2.0 ? model.OverallWidth / 4.0
                                               : 3.0 * model.OverallWidth / 4.0;
    }
    const double top = model.RibWidthTop;
    const double width = RibWidthAt(model, y);
    double s = (x - (centre - top / 2.0)) - (top - width) / 2.0;
    if (s > width / 2.0) {
        s = width - s;
    }
    double toFace = s;
    if (model.RibWidthBot != model.RibWidthTop) {
        toFace = s * std::cos(std::atan((top - model.RibWidthBot) / (2.0 * model.RibDepth)));
    }
    const double toSoffit = static_cast<double>(model.OverallDepth) - y;
    return static_cast<float>(toFace < toSoffit ? toFace : toSoffit);
}

// NZS 3101 Table 5.5: minimum cover (mm) in each strength band; 0 where the class minimum
// strength already refuses the band.
constexpr std::array<float, 7> BandLimits = {20, 25, 30, 40, 50, 60, 70};

struct ExposureRow {
    float minimumStrength;
    const char* strengthMessage;
    std::array<int, 8> covers;  // the bands of BandLimits, then f'c >= 70
};

const char* const AtLeast17_5 = "Specified concrete strength must be at least 17.5 MPa";

ExposureRow RowOf(ExposureClass exposure) {
    switch (exposure) {
        case ExposureClass::A1:
            return {17.5f, AtLeast17_5, {30, 25, 25, 20, 20, 20, 15, 15}};
        case ExposureClass::A2:
            return {17.5f, AtLeast17_5, {50, 40, 35, 30, 25, 25, 20, 20}};
        case ExposureClass::B1:
            return {17.5f, AtLeast17_5, {65, 50, 40, 35, 30, 30, 25, 25}};
        case ExposureClass::B2:
            return {25.0f,
                    "Specified concrete strength must be at least 25 MPa",
                    {0, 0, 50, 45, 40, 35, 30, 30}};
        case ExposureClass::C:
            break;
    }
    return {
        50.0f, "Specified concrete strength must be at least 50 MPa", {0, 0, 0, 0, 0, 70, 65, 60}};
}

std::string CoverMessage(int cover) {
    return "NZS 3101 Table 5.5 requires at least " + std::to_string(cover) +
           " mm cover to the face of the bar";
}

// Beams and slabs measure the cover of top and bottom bars alike; empty for a ribbed member,
// whose two steels lie in different parts of the section.
std::optional<float> SolidSectionCover(const FloorModel& model, float x, float y) {
    switch (model.Selected.FloorType) {
        case FloorType::Beam:
            return RectangleCover(model, x, y);
        case FloorType::Slab:
            return static_cast<float>(static_cast<double>(model.SectionDepth) - y);
        case FloorType::DoubleTee:
        case FloorType::TeeBeam:
            break;
    }
    return std::nullopt;
}

}  // namespace

float PosBarCover(const FloorModel& model, float x, float y) {
    if (const std::optional<float> cover = SolidSectionCover(model, x, y)) {
        return *cover;
    }
    return RibCover(model, x, y);
}

float NegBarCover(const FloorModel& model, float x, float y) {
    if (const std::optional<float> cover = SolidSectionCover(model, x, y)) {
        return *cover;
    }
    // The negative steel of a ribbed member is in the flange, heated from its underside.
    return static_cast<float>(static_cast<double>(model.OverallDepth) - model.RibDepth - y);
}

std::string CoverRuleMessage(const FloorModel& model, float minClearCover) {
    const ExposureRow row = RowOf(model.Selected.Exposure);
    const float strength = model.ConcreteStrength;
    if (strength < row.minimumStrength) {
        return row.strengthMessage;
    }
    for (std::size_t band = 0; band < BandLimits.size(); ++band) {
        const int cover = row.covers[band];
        if (cover != 0 && strength < BandLimits[band] &&
            minClearCover < static_cast<float>(cover)) {
            return CoverMessage(cover);
        }
    }
    const int strongest = row.covers.back();
    if (strength >= BandLimits.back() && minClearCover < static_cast<float>(strongest)) {
        // The short wording of this one cell is what users have always seen.
        if (model.Selected.Exposure == ExposureClass::B1) {
            return "NZS 3101 Table 5.5 requires at least 25 mm cover";
        }
        return CoverMessage(strongest);
    }
    return " ";
}

std::string RunPreCalculationChecks(FloorModel& model) {
    float minClearCover = 1000;
    const auto fillCovers = [&](SteelTable& table, int rows, auto coverOf) {
        for (int i = 0; i < rows; ++i) {
            auto& bar = table[i];
            bar[SteelCover] = coverOf(model, bar[SteelX], bar[SteelY]);
            const double clear = bar[SteelCover] - bar[SteelDiameter] / 2.0;
            if (clear < minClearCover) {
                minClearCover = static_cast<float>(clear);
            }
        }
    };
    fillCovers(model.PosSteel, RowsInUse(model.PosSteelCount), PosBarCover);
    // Negative bars count even for a simply supported member.
    fillCovers(model.NegSteel, RowsInUse(model.NegSteelCount), NegBarCover);
    const std::string message = CoverRuleMessage(model, minClearCover);
    return message == " " ? std::string() : message;
}

}  // namespace fd9
