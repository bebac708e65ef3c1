#include "shell/HelpWindow.h"

#include <QFileInfo>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "thermal/DataFolders.h"

namespace fd9 {

namespace {

// A help file that was found nowhere is named beside the program, the first place searched.
QString SearchedForHelp(const QString& helpFile) {
    const QString folder = QFileInfo(helpFile).absolutePath();
    return QString::fromStdString(FolderList(DataSearchFolders(folder.toStdString())));
}

}  // namespace

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
        return QStringLiteral("record");
    }
    return contextId == 0 ? QString() : QStringLiteral("context%1").arg(contextId);
}

void HelpWindow::showTopic(const QString& helpFile, int contextId) {
    if (!QFileInfo(helpFile).isFile()) {
        loaded_.clear();
        browser->setHtml(QStringLiteral("<h2>Help is not available</h2><p>The help file <b>") +
                         QFileInfo(helpFile).fileName().toHtmlEscaped() +
                         QStringLiteral("</b> was not found in ") +
                         SearchedForHelp(helpFile).toHtmlEscaped() + QStringLiteral(".</p>"));
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
