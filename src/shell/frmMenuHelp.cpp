#include "platform/Platform.h"
#include "shell/ShippedFiles.h"
#include "shell/frmMenu.h"

namespace fd9 {

void frmMenu::SetUpHelp() {
    helpFile_ = ShippedHelpFile(platform_);
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
