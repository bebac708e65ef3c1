#include "shell/QtPlatform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QDialog>
#include <QEvent>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>

#include "shell/HelpWindow.h"

namespace fd9 {

namespace {

class PageRangeHider : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            if (auto* range = watched->findChild<QWidget*>(QStringLiteral("gbPrintRange"))) {
                range->hide();
            }
        }
        return false;
    }
};

QMessageBox::Icon ToQtIcon(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Exclamation:
            return QMessageBox::Warning;
        case MsgIcon::Critical:
            return QMessageBox::Critical;
        case MsgIcon::Information:
            return QMessageBox::Information;
        case MsgIcon::Question:
            return QMessageBox::Question;
        case MsgIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQtButtons(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case MsgButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case MsgButtons::AbortRetryIgnore:
            return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
        case MsgButtons::OK:
            break;
    }
    return QMessageBox::Ok;
}

MsgAnswer FromQtButton(int button) {
    switch (button) {
        case QMessageBox::Yes:
            return MsgAnswer::Yes;
        case QMessageBox::No:
            return MsgAnswer::No;
        case QMessageBox::Cancel:
            return MsgAnswer::Cancel;
        case QMessageBox::Abort:
            return MsgAnswer::Abort;
        case QMessageBox::Retry:
            return MsgAnswer::Retry;
        case QMessageBox::Ignore:
            return MsgAnswer::Ignore;
        default:
            return MsgAnswer::OK;
    }
}

}  // namespace

QString QtFileFilter(const QString& pipeFilter) {
    const QStringList parts = pipeFilter.split(QLatin1Char('|'));
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        // Qt treats "*.*" as "names with a dot"; the user meant every file.
        description.replace(QStringLiteral("(*.*)"), QStringLiteral("(*)"));
        entries << description;
    }
    return entries.join(QStringLiteral(";;"));
}

QString QtSelectedFilter(const QString& pipeFilter, int filterIndex) {
    const QStringList entries = QtFileFilter(pipeFilter).split(QStringLiteral(";;"));
    if (filterIndex < 1 || filterIndex > entries.size()) {
        return entries.value(0);
    }
    return entries[filterIndex - 1];
}

MsgAnswer QtPlatform::messageBox(const QString& text, const QString& title, MsgIcon icon,
                                 MsgButtons buttons) {
    QMessageBox box(ToQtIcon(icon), title, text, ToQtButtons(buttons),
                    QApplication::activeWindow());
    return FromQtButton(box.exec());
}

void QtPlatform::beep() {
    QApplication::beep();
}

void QtPlatform::setBusy(bool busy) {
    if (busy) {
        if (busyDepth_++ == 0) {
            QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        }
    } else if (busyDepth_ > 0 && --busyDepth_ == 0) {
        QApplication::restoreOverrideCursor();
    }
}

static std::optional<QString> RunFileDialog(const FileDialogRequest& request,
                                            QFileDialog::AcceptMode mode) {
    QFileDialog dialog(QApplication::activeWindow(), request.title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilter(QtFileFilter(request.filter));
    dialog.selectNameFilter(QtSelectedFilter(request.filter, request.filterIndex));
    dialog.setDefaultSuffix(request.defaultExtension);
    if (!request.fileName.isEmpty()) {
        dialog.selectFile(request.fileName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtPlatform::openFileName(const FileDialogRequest& request) {
    return RunFileDialog(request, QFileDialog::AcceptOpen);
}

std::optional<QString> QtPlatform::saveFileName(const FileDialogRequest& request) {
    return RunFileDialog(request, QFileDialog::AcceptSave);
}

void LimitPrintDialog(QPrintDialog& dialog) {
    // The report is printed whole, copy after copy: a page range, a selection or a current page
    // would be offered and then ignored.
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.printer()->setPrintRange(QPrinter::AllPages);
    // Qt 6.4 still shows its page-range group with "Pages from" enabled, and lays the dialog out
    // again each time it is shown, so the group is hidden on every show.
    auto* hider = new PageRangeHider(&dialog);
    dialog.installEventFilter(hider);
}

bool QtPlatform::printDialog(QPrinter& printer) {
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    LimitPrintDialog(dialog);
    return dialog.exec() == QDialog::Accepted;
}

bool QtPlatform::runModal(QDialog& dialog) {
    return dialog.exec() == QDialog::Accepted;
}

void QtPlatform::showHelp(const QString& helpFile, int contextId) {
    if (!help_) {
        help_ = new HelpWindow;
        help_->setAttribute(Qt::WA_DeleteOnClose);
    }
    help_->showTopic(helpFile, contextId);
}

void QtPlatform::quitHelp() {
    if (help_) {
        help_->close();
    }
}

QString QtPlatform::programDirectory() {
    return QCoreApplication::applicationDirPath();
}

QDate QtPlatform::today() {
    return QDate::currentDate();
}

}  // namespace fd9
