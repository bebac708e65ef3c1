#pragma once

#include <QLineEdit>
#include <QString>
#include <cmath>
#include <cstdint>
#include <limits>

#include "model/NumberText.h"
#include "model/ParseLeadingNumber.h"

namespace fd9 {

// The number a field's text gives, as every check and drawing reads it. A number no float can
// hold ("1E39", "9E999") reads as NaN: it fails every "positive" or range rule, where infinity
// would pass "> 0" and reach the model.
inline double FieldNumber(const QLineEdit* field) {
    const double value = ParseLeadingNumber(field->text().toStdString());
    return std::fabs(value) <= std::numeric_limits<float>::max()
               ? value
               : std::numeric_limits<double>::quiet_NaN();
}

// Stores a field's number where no rule guards the store; a number no float can hold leaves the
// model as it was.
inline void StoreFieldNumber(float& target, double value) {
    if (std::isfinite(value)) {
        target = static_cast<float>(value);
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
