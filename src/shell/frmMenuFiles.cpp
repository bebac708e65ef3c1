#include "shell/Platform.h"
#include "shell/frmMenu.h"

namespace fd9 {

void frmMenu::mnuOpen_Click() {}

bool frmMenu::mnuSaveAs_Click() {
    // Until model files exist, never pretend a save happened.
    platform_.messageBox(QStringLiteral("Saving model files is not available yet."),
                         QString::fromLatin1(AppTitle), MsgIcon::Exclamation, MsgButtons::OK);
    return false;
}

void frmMenu::mnuSaveResultsFile_Click() {}

void frmMenu::mnuPrint_Click() {}

}  // namespace fd9
