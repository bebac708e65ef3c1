#pragma once

#include <QLineEdit>
#include <QString>

#include "model/NumberText.h"
#include "model/ParseLeadingNumber.h"

namespace fd9 {

// The number a field's text gives, as every check and drawing reads it.
inline double FieldNumber(const QLineEdit* field) {
    return ParseLeadingNumber(field->text().toStdString());
}

inline QString NumberQText(double value) {
    return QString::fromStdString(NumberText(value));
}

inline QString NumberQText(float value) {
    return QString::fromStdString(NumberText(value));
}

}  // namespace fd9
