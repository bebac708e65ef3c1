#pragma once

#include <QWidget>

class QTextBrowser;

namespace fd9 {

// Export Calculation Record; its topic has a name rather than a number in the help file.
inline constexpr int CalculationRecordHelpContext = 330;

// The program's own help: one HTML file beside the program, shown in a window of the
// application. Context numbers of the menus are anchors "context320" and so on.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // contextId 0 shows the contents at the top of the file.
    void showTopic(const QString& helpFile, int contextId);

    static QString anchorFor(int contextId);

    QTextBrowser* browser = nullptr;

private:
    QString loaded_;
};

}  // namespace fd9
