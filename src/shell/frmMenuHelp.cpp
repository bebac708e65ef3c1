#include <QDir>

#include "platform/Platform.h"
#include "shell/frmMenu.h"

namespace fd9 {

void frmMenu::SetUpHelp() {
    // QDir joins with one separator, also when the program lives in the root folder.
    helpFile_ = QDir(platform_.programDirectory().trimmed()).filePath(QStringLiteral("FD9.html"));
}

void frmMenu::ShowHelpContents() {
    platform_.showHelp(helpFile_, 0);
}

void frmMenu::ShowHelpContext(int contextId) {
    platform_.showHelp(helpFile_, contextId);
}

void frmMenu::QuitHelp() {
    platform_.quitHelp();
}

}  // namespace fd9
