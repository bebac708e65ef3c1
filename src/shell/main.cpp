#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

#include "model/FloorModel.h"
#include "shell/QtPlatform.h"
#include "shell/frmMenu.h"
#include "shell/frmStartup.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The program takes no options of its own; a mistyped one is answered, not ignored.
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("FD9: fire design of concrete floors. It starts with a new model; open "
                       "model files from its File menu."));
    parser.addHelpOption();
    const bool parsed = parser.parse(app.arguments());
    if (!parsed || parser.isSet(QStringLiteral("help"))) {
        const QString text =
            parsed ? parser.helpText() : parser.errorText() + u'\n' + parser.helpText();
        std::fputs(text.toLocal8Bit().constData(), parsed ? stdout : stderr);
        return parsed ? 0 : 2;
    }
    fd9::FloorModel model;
    fd9::QtPlatform platform;
    fd9::frmMenu menu(model, platform);
    fd9::frmStartup startup(menu, 3000);
    startup.show();
    return app.exec();
}
