#include <QApplication>
#include <cstdio>

#include "model/FloorModel.h"
#include "shell/CommandLine.h"
#include "shell/QtPlatform.h"
#include "shell/frmMenu.h"
#include "shell/frmStartup.h"

int main(int argc, char* argv[]) {
    if (const std::optional<int> status = fd9::AnswerOnTerminal(argc, argv)) {
        return *status;
    }
    QApplication app(argc, argv);
    const fd9::CommandLine command = fd9::ParseCommandLine(QCoreApplication::arguments());
    if (!command.error.isEmpty()) {
        std::fprintf(stderr, "fd9: %s\n%s", qPrintable(command.error), fd9::Usage);
        return 2;
    }
    fd9::FloorModel model;
    fd9::QtPlatform platform;
    fd9::frmMenu menu(model, platform);
    fd9::frmStartup startup(menu, 3000);
    startup.openAfterStart(command.modelFile);
    startup.show();
    return app.exec();
}
