#include "shell/CommandLine.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>
#include <cstring>

#include "record/VersionText.h"
#include "shell/QtPlatform.h"
#include "shell/ShippedFiles.h"

namespace fd9 {

std::optional<int> AnswerOnTerminal(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(Usage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            QCoreApplication app(argc, argv);
            QtPlatform platform;
            const DataLocation data = ShippedTempData(platform);
            std::fputs(VersionText("fd9", data).c_str(), stdout);
            return data.notFoundIn.empty() ? 0 : 1;
        }
    }
    return std::nullopt;
}

CommandLine ParseCommandLine(const QStringList& arguments) {
    CommandLine command;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument.startsWith(QLatin1Char('-'))) {
            command.error = QStringLiteral("unknown option ") + argument;
        } else if (!command.modelFile.isEmpty()) {
            command.error = QStringLiteral("one model file at a time");
        } else {
            command.modelFile = QFileInfo(argument).absoluteFilePath();
        }
    }
    return command;
}

}  // namespace fd9
