#pragma once

#include <QString>
#include <deque>
#include <functional>
#include <vector>

#include "platform/Platform.h"

namespace fd9 {

// Records every request and answers from a script, so tests never block on a modal box.
class FakePlatform : public Platform {
public:
    struct Box {
        QString text;
        QString title;
        MsgIcon icon;
        MsgButtons buttons;
    };
    struct FileRequest {
        bool save;
        FileDialogRequest request;
    };
    struct HelpRequest {
        QString file;
        int contextId;
    };

    // Answers for the coming boxes, in order; when they run out a box answers OK, or No for
    // Yes/No boxes and Cancel for Yes/No/Cancel boxes.
    std::deque<MsgAnswer> answers;
    // Answers for the coming file dialogs; an empty optional is a cancel. When they run out
    // the dialog is cancelled.
    std::deque<std::optional<QString>> fileNames;
    // What the user does in the coming modal dialogs, in order: each is given the dialog on
    // screen and may fill it and press its buttons. When they run out the dialog is cancelled.
    std::deque<std::function<void(QDialog&)>> dialogActions;
    QString programDir = QStringLiteral("/opt/fd9");
    QDate date = QDate(2026, 12, 6);

    std::vector<Box> boxes;
    std::vector<FileRequest> fileRequests;
    std::vector<HelpRequest> helpRequests;
    int beeps = 0;
    int busyDepth = 0;
    int maxBusyDepth = 0;
    int helpQuits = 0;
    int printDialogs = 0;  // each is cancelled
    int modalDialogs = 0;

    MsgAnswer messageBox(const QString& text, const QString& title, MsgIcon icon,
                         MsgButtons buttons) override;
    void beep() override { ++beeps; }
    void setBusy(bool busy) override;
    std::optional<QString> openFileName(const FileDialogRequest& request) override;
    std::optional<QString> saveFileName(const FileDialogRequest& request) override;
    bool printDialog(QPrinter&) override {
        ++printDialogs;
        return false;
    }
    bool runModal(QDialog& dialog) override;
    void showHelp(const QString& helpFile, int contextId) override {
        helpRequests.push_back({helpFile, contextId});
    }
    void quitHelp() override { ++helpQuits; }
    QString programDirectory() override { return programDir; }
    QDate today() override { return date; }

    // Texts of the boxes shown so far, in order.
    QStringList boxTexts() const;
    void clear();
};

}  // namespace fd9
