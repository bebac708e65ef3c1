#pragma once

#include <QAction>
#include <QString>
#include <QStringList>

#include "model/FloorModel.h"
#include "shell/frmMenu.h"
#include "support/FakeDialogHost.h"
#include "support/FakePlatform.h"

class QLineEdit;

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

}  // namespace fd9
