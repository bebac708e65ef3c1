#pragma once

#include <QAction>
#include <QString>
#include <QStringList>

#include "model/FloorModel.h"
#include "shell/frmMenu.h"
#include "support/FakePlatform.h"

class QLineEdit;
class QWidget;

namespace fd9 {

// A main window on the recording platform after New: where every dialog test starts.
struct MenuRig {
    FloorModel model;
    FakePlatform platform;
    frmMenu menu{model, platform};

    MenuRig();
    // With the given floor type checked before New, and no boxes recorded yet.
    explicit MenuRig(FloorType type);

    QStringList boxes() const { return platform.boxTexts(); }

    // Chooses the menu item that shows a dialog, as a user would, and hands back that dialog.
    template <class Dialog>
    Dialog* open(QAction* item, Dialog& (frmMenu::*dialog)()) {
        item->trigger();
        return &(menu.*dialog)();
    }

    // Moves the focus into field (running whatever the field that had it does on leaving),
    // then forgets the boxes that produced.
    void focusInto(QLineEdit* field);
};

// Replaces the field's text by typing, as a user would.
void Type(QLineEdit* field, const QString& text);
void PressEnter(QWidget* widget);
// Tabs out of field, which must then have lost the focus.
void Leave(QLineEdit* field);
// Shows the dialog as the active window: focus only moves between its fields for a user (and
// leaving checks only run) once it is active, even offscreen.
bool Activate(QWidget& dialog);

}  // namespace fd9
