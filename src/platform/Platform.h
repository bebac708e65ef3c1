#pragma once

#include <QDate>
#include <QString>
#include <optional>

#include "model/MessageBox.h"

class QDialog;
class QPrinter;

namespace fd9 {

// The title of the program's windows and of its message boxes.
inline const char* const AppTitle = "ORVAN FD9";

struct FileDialogRequest {
    QString title;
    QString filter;            // "Text (*.txt)|*.txt|All Files (*.*)|*.*"
    int filterIndex = 1;       // 1-based, as in the filter list
    QString defaultExtension;  // without the dot
    QString fileName;          // initial name
};

// Everything the program asks of the desktop. The Qt implementation talks to the real desktop;
// tests use a recording fake, so no test ever blocks on a modal box.
class Platform {
public:
    virtual ~Platform() = default;

    virtual MsgAnswer messageBox(const QString& text, const QString& title, MsgIcon icon,
                                 MsgButtons buttons) = 0;
    virtual void beep() = 0;

    // Nested requests count; prefer BusyPointer, which restores on every return path.
    virtual void setBusy(bool busy) = 0;

    // Empty when the user cancels.
    virtual std::optional<QString> openFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> saveFileName(const FileDialogRequest& request) = 0;

    // Lets the user choose printer and copies; false when cancelled.
    virtual bool printDialog(QPrinter& printer) = 0;
    // Runs one of the program's own modal dialogs; true when it was accepted.
    virtual bool runModal(QDialog& dialog) = 0;

    // contextId 0 opens the help at its contents.
    virtual void showHelp(const QString& helpFile, int contextId) = 0;
    virtual void quitHelp() = 0;

    virtual QString programDirectory() = 0;
    virtual QDate today() = 0;
};

// Shows the busy pointer for its lifetime.
class BusyPointer {
public:
    explicit BusyPointer(Platform& platform) : platform_(platform) { platform_.setBusy(true); }
    ~BusyPointer() { platform_.setBusy(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    Platform& platform_;
};

}  // namespace fd9
