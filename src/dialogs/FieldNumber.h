#pragma once

#include <QLineEdit>
#include <QString>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "model/NumberText.h"
#include "model/ParseLeadingNumber.h"

namespace fd9 {

// The number a field's text gives, as every check and drawing reads it. A number no float can
// hold reads as NaN, so it fails every "positive" or range rule with the field's own message:
// too large ("1E39", "9E999") infinity would pass "> 0", and too small ("1E-50") the float 0
// would reach the model as a dimension nobody typed.
inline double FieldNumber(const QLineEdit* field) {
    const double value = ParseLeadingNumber(field->text().toStdString());
    const bool fits = std::fabs(value) <= std::numeric_limits<float>::max() &&
                      (value == 0 || static_cast<float>(value) != 0);
    return fits ? value : std::numeric_limits<double>::quiet_NaN();
}

// The one rule by which a field's number reaches the model: as a float, or not at all when a
// float cannot hold it (too large, or so small it would turn into 0). Such input is refused with
// the field's message, never stored as inf or as a 0 nobody typed.
inline std::optional<float> ModelFloat(double value) {
    if (!std::isfinite(value) || std::abs(value) > std::numeric_limits<float>::max()) {
        return std::nullopt;
    }
    const auto stored = static_cast<float>(value);
    if (value != 0 && stored == 0) {
        return std::nullopt;
    }
    return stored;
}

// Stores a field's number where no check of its own guards the store; a number no float can
// hold leaves the model as it was.
inline void StoreFieldNumber(float& target, double value) {
    if (const std::optional<float> stored = ModelFloat(value)) {
        target = *stored;
    }
}

inline QString NumberQText(double value) {
    return QString::fromStdString(NumberText(value));
}

inline QString NumberQText(float value) {
    return QString::fromStdString(NumberText(value));
}

inline QString NumberQText(std::int16_t value) {
    return QString::fromStdString(NumberText(value));
}

}  // namespace fd9
