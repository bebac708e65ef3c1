#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <optional>

#include "dialogs/frmRecordDetails.h"
#include "files/RecordDetailsFile.h"
#include "files/ResultsReport.h"
#include "platform/Platform.h"
#include "record/CalculationRecord.h"
#include "shell/SaveFile.h"
#include "shell/ShippedFiles.h"
#include "shell/frmMenu.h"

namespace fd9 {

namespace {

const char* const RecordFilter = "PDF Files (*.pdf)|*.pdf|All Files (*.*)|*.*";
// A details file holds a few lines; a larger one is not one, and reading it whole would hold
// the window up. Units: bytes.
constexpr qint64 MaxDetailsFileBytes = 64 * 1024;

// The user's own part of the details and the page size, kept between runs.
const char* const EngineerKey = "CalculationRecord/engineer";
const char* const OrganisationKey = "CalculationRecord/organisation";
const char* const LetterPageKey = "CalculationRecord/letterPage";

struct UserChoices {
    std::string engineer;
    std::string organisation;
    bool letterPage = false;
};

// The user's settings file, on Linux ~/.config/ORVAN/FD9.conf.
const char* const SettingsOrganisation = "ORVAN";
const char* const SettingsApplication = "FD9";

UserChoices ReadUserChoices() {
    const QSettings settings(QString::fromLatin1(SettingsOrganisation),
                             QString::fromLatin1(SettingsApplication));
    return {settings.value(QString::fromLatin1(EngineerKey)).toString().toStdString(),
            settings.value(QString::fromLatin1(OrganisationKey)).toString().toStdString(),
            settings.value(QString::fromLatin1(LetterPageKey), false).toBool()};
}

void KeepUserChoices(const RecordDetails& details, bool letterPage) {
    QSettings settings(QString::fromLatin1(SettingsOrganisation),
                       QString::fromLatin1(SettingsApplication));
    settings.setValue(QString::fromLatin1(EngineerKey), QString::fromStdString(details.engineer));
    settings.setValue(QString::fromLatin1(OrganisationKey),
                      QString::fromStdString(details.organisation));
    settings.setValue(QString::fromLatin1(LetterPageKey), letterPage);
}

RecordDetails ProjectFields(RecordDetails details) {
    details.engineer.clear();
    details.organisation.clear();
    return details;
}

QString DetailsPathFor(const QString& modelFile) {
    return QString::fromStdString(RecordDetailsPathFor(modelFile.toStdString()));
}

// "beam.dat" gives "beam.pdf" beside it.
QString RecordFileNameFor(const QString& modelFile) {
    if (modelFile.isEmpty()) {
        return QStringLiteral("Calculation Record.pdf");
    }
    const QFileInfo info(modelFile);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".pdf"));
}

// The file's bytes, or nothing when there is no regular file that can be read.
std::optional<QByteArray> ReadSmallFile(const QString& path, bool& tooLarge) {
    const QFileInfo info(path);
    tooLarge = info.isFile() && info.size() > MaxDetailsFileBytes;
    QFile file(path);
    // A pipe or a device of that name would hold the window up.
    if (!info.isFile() || tooLarge || !file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QByteArray data = file.read(MaxDetailsFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return data;
}

}  // namespace

void frmMenu::mnuExportRecord_Click() {
    const UserChoices user = ReadUserChoices();
    RecordDetails details = projectDetails_;
    details.engineer = user.engineer;
    details.organisation = user.organisation;
    frmRecordDetails dialog(this);
    dialog.showDetails(details, user.letterPage);
    if (!platform_.runModal(dialog)) {
        return;
    }
    details = dialog.details();
    const bool letterPage = dialog.letterPage();

    FileDialogRequest request;
    request.title = QStringLiteral("Export Calculation Record");
    request.filter = QString::fromLatin1(RecordFilter);
    request.defaultExtension = QStringLiteral("pdf");
    request.fileName = RecordFileNameFor(modelFile_);
    const std::optional<QString> path = platform_.saveFileName(request);
    if (!path) {
        return;
    }
    KeepUserChoices(details, letterPage);

    std::string failure;
    {
        BusyPointer busy(platform_);
        const QDate today = platform_.today();
        // A copy: the record calculates on its own, and what the window shows stays as the last
        // CALCULATE left it.
        const RecordInput input{model_,
                                ShippedTempData(platform_).folder,
                                QFileInfo(modelFile_).fileName().toStdString(),
                                ReportDate(today.year(), today.month(), today.day()),
                                details,
                                letterPage ? RecordPageSize::Letter : RecordPageSize::A4};
        failure = WriteCalculationRecord(input, *path);
    }
    if (!failure.empty()) {
        platform_.messageBox(QStringLiteral("The calculation record could not be written to %1."
                                            "\n\n%2")
                                 .arg(*path, QString::fromStdString(failure)),
                             QString::fromLatin1(AppTitle), MsgIcon::Exclamation, MsgButtons::OK);
    }
    // The details the user confirmed are kept even when the record failed, so that trying
    // again elsewhere does not mean typing them again.
    keepRecordDetails(details);
}

// Beside the model file, in the format that fd9-cli --details reads, so that the command line
// gives the same record. Nothing is written for a model without a file, nor a file of blanks.
void frmMenu::keepRecordDetails(const RecordDetails& details) {
    projectDetails_ = ProjectFields(details);
    if (modelFile_.isEmpty()) {
        return;
    }
    const QString path = DetailsPathFor(modelFile_);
    const std::string text = RecordDetailsText(details);
    bool tooLarge = false;
    const std::optional<QByteArray> kept = ReadSmallFile(path, tooLarge);
    if (kept ? kept->toStdString() == text
             : !QFileInfo::exists(path) && projectDetails_ == RecordDetails{}) {
        return;
    }
    SaveFile(platform_, path, text, QStringLiteral("record details"));
}

void frmMenu::modelFileOpened(const QString& name) {
    modelFile_ = name;
    projectDetails_ = {};
    // None kept, or none that can be read, leaves the fields blank: the model opened is whole.
    const QString path = DetailsPathFor(name);
    bool tooLarge = false;
    const std::optional<QByteArray> data = ReadSmallFile(path, tooLarge);
    std::string fault = tooLarge ? "it is larger than 64 KiB" : "";
    if (data) {
        const RecordDetailsRead read = ReadRecordDetails(data->toStdString());
        fault = read.error;
        if (fault.empty()) {
            projectDetails_ = ProjectFields(read.details);
        }
    }
    // A file someone wrote by hand and got wrong is named, because the next record would
    // replace it.
    if (!fault.empty()) {
        platform_.messageBox(
            QStringLiteral("The record details kept beside the model, %1, were not read: %2. "
                           "The calculation record starts with blank details, and the file is "
                           "replaced when the next record is exported.")
                .arg(path, QString::fromStdString(fault)),
            QString::fromLatin1(AppTitle), MsgIcon::Exclamation, MsgButtons::OK);
    }
}

}  // namespace fd9
