#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QPushButton>
#include <sstream>

#include "dialogs/frmBeamDimensions.h"
#include "dialogs/frmConcreteProperties.h"
#include "dialogs/frmDesignLoads.h"
#include "dialogs/frmDoubleTeeDimensions.h"
#include "dialogs/frmNonStandardFire.h"
#include "dialogs/frmRemoveSteel.h"
#include "dialogs/frmSlabDimensions.h"
#include "dialogs/frmStandardFire.h"
#include "dialogs/frmSteelProperties.h"
#include "dialogs/frmTeeBeamDimensions.h"
#include "files/FileErrors.h"
#include "files/ModelFile.h"
#include "files/ResultsReport.h"
#include "platform/Platform.h"
#include "shell/ReportFileError.h"
#include "shell/ReportPrinter.h"
#include "shell/SaveFile.h"
#include "shell/frmMenu.h"

namespace fd9 {

namespace {

const char* const DataFilter = "All Files (*.*)|*.*|Data Files (*.dat)|*.dat";
const char* const ResultsFilter = "All Files (*.*)|*.*|Results Files (*.txt)|*.txt";
void Tell(Platform& platform, const QString& text, const char* title = AppTitle) {
    platform.messageBox(text, QString::fromLatin1(title), MsgIcon::Exclamation, MsgButtons::OK);
}

QString Quoted(const std::string& text) {
    return QLatin1Char('"') + QString::fromStdString(text) + QLatin1Char('"');
}

// Says why a file was not opened; the model has not been touched.
void TellUnread(Platform& platform, const QString& name, const ModelFileResult& result) {
    const QString start = QStringLiteral("The file %1 cannot be opened: ").arg(name);
    const QString end = QStringLiteral(" The model is unchanged.");
    switch (result.status) {
        case ModelFileStatus::NotModelFile:
            Tell(platform, QStringLiteral("The file is not a valid FD9 data file."));
            return;
        case ModelFileStatus::EndOfFile:
            // The file is closed already, so every answer ends the command.
            ReportFileError(platform, ErrInputPastEnd);
            return;
        case ModelFileStatus::NotANumber:
            Tell(platform, start +
                               QStringLiteral("line %1 holds %2 where a number belongs.")
                                   .arg(result.line)
                                   .arg(Quoted(result.text)) +
                               end);
            return;
        case ModelFileStatus::TooManyBars:
            Tell(platform, start +
                               QStringLiteral("it gives %1 bars for one reinforcement group, "
                                              "and a group holds 0 to %2 bars.")
                                   .arg(QString::fromStdString(result.text))
                                   .arg(MaxSteelRows) +
                               end);
            return;
        case ModelFileStatus::BadCode:
            Tell(platform, start +
                               QStringLiteral("line %1 holds the code %2, which no setting has.")
                                   .arg(result.line)
                                   .arg(Quoted(result.text)) +
                               end);
            return;
        case ModelFileStatus::Read:
            return;
    }
}

// Reads the whole file at once; the file is closed again before anything is shown.
std::optional<std::string> ReadWholeFile(Platform& platform, const QString& name) {
    for (;;) {
        QFile file(name);
        if (!file.open(QIODevice::ReadOnly)) {
            Tell(platform,
                 QStringLiteral("The file %1 cannot be opened: %2.").arg(name, file.errorString()),
                 FileErrorTitle);
            return std::nullopt;
        }
        const QByteArray data = file.readAll();
        if (file.error() == QFileDevice::NoError) {
            return data.toStdString();
        }
        file.close();
        if (ReportFileError(platform, ErrDeviceIO) != 0) {
            return std::nullopt;
        }
    }
}

// After a model file was read into the model: check marks, every dialog's fields, options and
// lists, and the view follow it.
void BringViewsInLine(frmMenu& menu, LoadCombination combination) {
    const FloorModel& m = menu.model();
    menu.setDesignFire(m.Selected.DesignFire);
    if (m.Selected.DesignFire == DesignFire::NonStandard) {
        menu.nonStandardFire().showModelValues();
    }
    menu.setFloorType(m.Selected.FloorType);
    // The beam and slab drawings read these fields, so they are filled before the redraw.
    switch (m.Selected.FloorType) {
        case FloorType::Beam:
            menu.beamDimensions().showModelValues();
            break;
        case FloorType::Slab:
            menu.slabDimensions().showModelValues();
            break;
        case FloorType::DoubleTee:
            menu.doubleTeeDimensions().showModelValues();
            break;
        case FloorType::TeeBeam:
            menu.teeBeamDimensions().showModelValues();
            break;
    }
    menu.DrawCrossSection();
    menu.removeSteel().FillSteelLists();
    menu.designLoads().setLoadCombination(
        ShownCombination(combination, m.DeadLoadFactor, m.LiveLoadFactor));
    menu.designLoads().showModelValues();
    menu.standardFire().showModelValues();
    menu.concreteProperties().showModelValues();
    menu.steelProperties().showModelValues();
    if (m.PosSteelCount != 0 || m.NegSteelCount != 0) {
        menu.cmdUpdateResults->setVisible(true);
    }
}

// True when the model now holds the file.
bool OpenModelFile(frmMenu& menu, const QString& name) {
    Platform& platform = menu.platform();
    const QFileInfo info(name);
    if (!info.exists()) {
        platform.messageBox(QStringLiteral("The file ") + name + QStringLiteral(" doesn't exist."),
                            QStringLiteral("file message"), MsgIcon::Information, MsgButtons::OK);
        Tell(platform, QStringLiteral("Not a valid file name."));
        return false;
    }
    // Reading a folder, a device or a pipe whole would fail, never end, or wait for a writer
    // with the window frozen; an oversized file is not a model either.
    if (!info.isFile()) {
        Tell(platform,
             QStringLiteral("The file %1 cannot be opened: it is not a regular file. The model is "
                            "unchanged.")
                 .arg(name),
             FileErrorTitle);
        return false;
    }
    if (static_cast<std::uintmax_t>(info.size()) > MaxModelFileBytes) {
        Tell(platform,
             QStringLiteral("The file %1 cannot be opened: it is larger than 1 MiB, which no model "
                            "file is. The model is unchanged.")
                 .arg(name),
             FileErrorTitle);
        return false;
    }
    const std::optional<std::string> data = ReadWholeFile(platform, name);
    if (!data) {
        return false;
    }
    // Opened into a copy, because the views are reset before the model is replaced.
    FloorModel opened = menu.model();
    const ModelFileResult result = OpenModelText(*data, opened);
    if (result.status != ModelFileStatus::Read) {
        TellUnread(platform, name, result);
        return false;
    }
    menu.ResetModel();
    menu.model() = opened;
    BringViewsInLine(menu, result.combination);
    return true;
}

}  // namespace

std::optional<QString> frmMenu::askFileName(bool save, FileDialogRequest request) {
    if (request.fileName.isEmpty()) {
        request.fileName = lastFileName_;
    }
    std::optional<QString> name =
        save ? platform_.saveFileName(request) : platform_.openFileName(request);
    if (name) {
        lastFileName_ = *name;
    }
    return name;
}

void frmMenu::mnuOpen_Click() {
    BusyPointer busy(platform_);
    FileDialogRequest request;
    request.filter = QString::fromLatin1(DataFilter);
    request.filterIndex = 2;
    if (const std::optional<QString> name = askFileName(false, request);
        name && OpenModelFile(*this, *name)) {
        modelFileOpened(*name);
    }
}

void frmMenu::openModelFile(const QString& name) {
    BusyPointer busy(platform_);
    lastFileName_ = name;
    OpenModelFile(*this, name);
}

bool frmMenu::mnuSaveAs_Click() {
    BusyPointer busy(platform_);
    FileDialogRequest request;
    request.title = QStringLiteral("Save Model Data");
    request.filter = QString::fromLatin1(DataFilter);
    request.filterIndex = 2;
    request.defaultExtension = QStringLiteral("DAT");
    const std::optional<QString> name = askFileName(true, request);
    if (!name) {
        return false;
    }
    // A loads dialog not loaded since the last reset gives its initial options.
    const LoadOptions loads = designLoads().options();
    RefreshStoredCodes(model_, loads.combination, loads.occupancy);
    std::ostringstream out;
    WriteModelFile(out, model_, loads.combination);
    if (!SaveFile(platform_, *name, out.str(), QStringLiteral("model"))) {
        return false;
    }
    modelFile_ = *name;
    return true;
}

bool frmMenu::refuseStaleReport() {
    if (lastRunStopped_) {
        platform_.messageBox(QStringLiteral("The last CALCULATE stopped, so there are no results "
                                            "to report. Put right what it asked for and press "
                                            "CALCULATE again."),
                             QString::fromLatin1(AppTitle), MsgIcon::Exclamation, MsgButtons::OK);
    }
    return lastRunStopped_;
}

void frmMenu::mnuSaveResultsFile_Click() {
    if (refuseStaleReport()) {
        return;
    }
    BusyPointer busy(platform_);
    FileDialogRequest request;
    request.title = QStringLiteral("Save Model Results");
    request.filter = QString::fromLatin1(ResultsFilter);
    request.filterIndex = 2;
    request.defaultExtension = QStringLiteral("TXT");
    request.fileName = QStringLiteral("Demo.Txt");
    const std::optional<QString> name = askFileName(true, request);
    if (!name) {
        return;
    }
    const QDate today = platform_.today();
    const std::string date = ReportDate(today.year(), today.month(), today.day());
    SaveFile(platform_, *name, ResultsFileText(model_, date), QStringLiteral("report"));
}

void frmMenu::mnuPrint_Click() {
    if (refuseStaleReport()) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    if (!platform_.printDialog(printer)) {
        return;
    }
    bool printed = false;
    {
        BusyPointer busy(platform_);
        // The copies are painted here, one after another in one job, so the printer must not
        // repeat them.
        const int copies = std::max(1, printer.copyCount());
        printer.setCopyCount(1);
        const QDate today = platform_.today();
        const std::string date = ReportDate(today.year(), today.month(), today.day());
        printed = PrintReport(printer, ReportLines(model_, date, ReportTarget::Printer), copies);
    }
    if (!printed) {
        platform_.messageBox(QStringLiteral("The report could not be printed on %1.")
                                 .arg(printer.printerName().isEmpty() ? printer.outputFileName()
                                                                      : printer.printerName()),
                             QString::fromLatin1(AppTitle), MsgIcon::None, MsgButtons::OK);
        return;
    }
    platform_.messageBox(QStringLiteral("Data and Results Printed"), QString::fromLatin1(AppTitle),
                         MsgIcon::Information, MsgButtons::OK);
}

}  // namespace fd9
