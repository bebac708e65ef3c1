#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace fd9 {

inline const char* const Usage =
    "usage: fd9 [--version] [MODEL.dat]\n"
    "Starts FD9 and, after the disclaimer, opens the model file if one is given.\n";

// --version and --help answer on the terminal before any window, so they need no display.
// Returns the exit status when one of them was asked for.
std::optional<int> AnswerOnTerminal(int argc, char* argv[]);

struct CommandLine {
    QString modelFile;  // absolute, as the open dialog would give it; empty for none
    QString error;      // bad usage
};
// The program's arguments once Qt has taken its own options (-platform, -style) out.
CommandLine ParseCommandLine(const QStringList& arguments);

}  // namespace fd9
