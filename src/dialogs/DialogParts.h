#pragma once

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <initializer_list>

namespace fd9 {

// Controls carry their own names as object names, so tests and tools find them by name.
template <typename Control>
Control* Named(Control* control, const char* name) {
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

// The builders of every dialog. A control built with its parent takes its place in the tab
// order at once; one without takes it when a layout adopts it.
inline QLineEdit* NewField(const char* name, const char* text = "", QWidget* parent = nullptr) {
    return Named(new QLineEdit(QString::fromLatin1(text), parent), name);
}

inline QPushButton* NewButton(const char* name, const char* caption, QWidget* parent = nullptr) {
    return Named(new QPushButton(QString::fromLatin1(caption), parent), name);
}

inline QRadioButton* NewOption(const char* name, const char* caption, QWidget* parent = nullptr) {
    return Named(new QRadioButton(QString::fromLatin1(caption), parent), name);
}

inline QLabel* NewLabel(const char* text, QWidget* parent = nullptr) {
    return new QLabel(QString::fromLatin1(text), parent);
}

// Where a dialog's row of buttons stands: at its right, each button as wide as its caption, or
// across the whole row, sharing its width.
enum class ButtonRow { Right, FullWidth };

inline QHBoxLayout* NewButtonRow(ButtonRow place, std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    if (place == ButtonRow::Right) {
        row->addStretch();
    }
    for (QPushButton* button : buttons) {
        row->addWidget(button);
    }
    return row;
}

// The row the user has selected, or -1; a current row without a selection does not count.
inline int SelectedRow(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

// Makes the options one exclusive group.
inline QButtonGroup* NewGroup(QObject* parent, std::initializer_list<QRadioButton*> options) {
    auto* group = new QButtonGroup(parent);
    for (QRadioButton* option : options) {
        group->addButton(option);
    }
    return group;
}

// Checks the one option of an exclusive group, or none when nothing matches.
inline void CheckOnly(QButtonGroup* group, QRadioButton* chosen) {
    if (chosen) {
        chosen->setChecked(true);
        return;
    }
    group->setExclusive(false);
    for (QAbstractButton* option : group->buttons()) {
        option->setChecked(false);
    }
    group->setExclusive(true);
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
