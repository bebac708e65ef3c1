#pragma once

#include <QWidget>

class QLabel;
class QTimer;

namespace fd9 {

class frmMenu;

// The start-up window: title and author, then after the pause the main window, the
// disclaimer and the first reset.
class frmStartup : public QWidget {
    Q_OBJECT

public:
    // pauseMs is the delay before the main window appears (3000 in the program).
    frmStartup(frmMenu& menu, int pauseMs, QWidget* parent = nullptr);

    QLabel* lblTitle = nullptr;
    QLabel* lblAuthor = nullptr;
    QTimer* tmrPause = nullptr;

    // A model file to open once the disclaimer has been shown.
    void openAfterStart(const QString& fileName) { modelFile_ = fileName; }

    void tmrPause_Timer();

private:
    frmMenu& menu_;
    QString modelFile_;
};

}  // namespace fd9
