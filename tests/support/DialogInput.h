#pragma once

#include <QString>

class QLineEdit;
class QWidget;

namespace fd9 {

// Replaces the field's text by typing, as a user would.
void Type(QLineEdit* field, const QString& text);
void PressEnter(QWidget* widget);
// Moves the focus into field, running whatever the field that had it does on leaving.
void FocusInto(QLineEdit* field);
// Tabs out of field, which must then have lost the focus.
void Leave(QLineEdit* field);
// Shows the dialog as the active window: focus only moves between its fields for a user (and
// leaving checks only run) once it is active, even offscreen.
bool Activate(QWidget& dialog);

}  // namespace fd9
