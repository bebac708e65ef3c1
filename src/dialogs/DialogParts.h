#pragma once

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace fd9 {

// Controls carry their own names as object names, so tests and tools find them by name.
template <typename Control>
Control* Named(Control* control, const char* name) {
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

inline QLineEdit* NewField(const char* name, const char* text = "") {
    return Named(new QLineEdit(QString::fromLatin1(text)), name);
}

inline QPushButton* NewButton(const char* name, const char* caption) {
    return Named(new QPushButton(QString::fromLatin1(caption)), name);
}

inline QRadioButton* NewOption(const char* name, const char* caption) {
    return Named(new QRadioButton(QString::fromLatin1(caption)), name);
}

inline QLabel* NewLabel(const char* text) {
    return new QLabel(QString::fromLatin1(text));
}

// A key that types into the field, as opposed to moving focus, cancelling or a lone
// modifier. Return and Enter count: they are the confirming key.
inline bool IsTypedKey(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return true;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Escape:
            return false;
        default:
            return !event.text().isEmpty();
    }
}

inline bool IsEnterKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace fd9
