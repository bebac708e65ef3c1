#include "shell/HelpWindow.h"

#include <QFileInfo>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace fd9 {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("ORVAN FD9 Help"));
    browser = new QTextBrowser;
    browser->setObjectName(QStringLiteral("browser"));
    browser->setOpenExternalLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    resize(720, 640);
}

QString HelpWindow::anchorFor(int contextId) {
    if (contextId == CalculationRecordHelpContext) {
        return QStringLiteral("calculation-record");
    }
    return contextId == 0 ? QString() : QStringLiteral("context%1").arg(contextId);
}

void HelpWindow::showTopic(const QString& helpFile, int contextId) {
    if (!QFileInfo(helpFile).isFile()) {
        loaded_.clear();
        browser->setHtml(QStringLiteral("<h2>Help is not available</h2><p>The help file <b>") +
                         helpFile.toHtmlEscaped() +
                         QStringLiteral("</b> was not found. It belongs in the folder that holds "
                                        "the program.</p>"));
    } else {
        if (loaded_ != helpFile) {
            browser->setSource(QUrl::fromLocalFile(helpFile));
            loaded_ = helpFile;
        }
        const QString anchor = anchorFor(contextId);
        if (anchor.isEmpty()) {
            browser->verticalScrollBar()->setValue(0);
        } else {
            browser->scrollToAnchor(anchor);
        }
    }
    show();
    raise();
    activateWindow();
}

}  // namespace fd9
