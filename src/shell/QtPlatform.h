#pragma once

#include <QPointer>

#include "platform/Platform.h"

class QPrintDialog;
class QWidget;

namespace fd9 {

class HelpWindow;

class QtPlatform : public Platform {
public:
    MsgAnswer messageBox(const QString& text, const QString& title, MsgIcon icon,
                         MsgButtons buttons) override;
    void beep() override;
    void setBusy(bool busy) override;
    std::optional<QString> openFileName(const FileDialogRequest& request) override;
    std::optional<QString> saveFileName(const FileDialogRequest& request) override;
    bool printDialog(QPrinter& printer) override;
    bool runModal(QDialog& dialog) override;
    void showHelp(const QString& helpFile, int contextId) override;
    void quitHelp() override;
    QString programDirectory() override;
    QDate today() override;

private:
    int busyDepth_ = 0;
    QPointer<HelpWindow> help_;  // closed and deleted by quitHelp or its close box
};

// Copies and printer only: no page range, selection or current page.
void LimitPrintDialog(QPrintDialog& dialog);

// "Data Files (*.dat)|*.dat|All Files (*.*)|*.*" to Qt's "Data Files (*.dat);;All Files (*)".
QString QtFileFilter(const QString& pipeFilter);
// The Qt filter string of the 1-based entry of a pipe filter list.
QString QtSelectedFilter(const QString& pipeFilter, int filterIndex);

}  // namespace fd9
