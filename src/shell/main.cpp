#include <QApplication>

#include "model/FloorModel.h"
#include "shell/QtPlatform.h"
#include "shell/frmMenu.h"
#include "shell/frmStartup.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    fd9::FloorModel model;
    fd9::QtPlatform platform;
    fd9::frmMenu menu(model, platform);
    fd9::frmStartup startup(menu, 3000);
    startup.show();
    return app.exec();
}
