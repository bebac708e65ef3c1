#include "dialogs/frmRecordDetails.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/DialogParts.h"

namespace fd9 {

namespace {

using LineField = QLineEdit* frmRecordDetails::*;
using TextField = std::string RecordDetails::*;
const struct {
    LineField field;
    TextField text;
    const char* name;
    const char* caption;
} Lines[] = {
    {&frmRecordDetails::txtProject, &RecordDetails::project, "txtProject", "&Project"},
    {&frmRecordDetails::txtJob, &RecordDetails::job, "txtJob", "&Job number"},
    {&frmRecordDetails::txtMember, &RecordDetails::member, "txtMember", "&Member or location"},
    {&frmRecordDetails::txtEngineer, &RecordDetails::engineer, "txtEngineer", "&Engineer"},
    {&frmRecordDetails::txtChecker, &RecordDetails::checker, "txtChecker", "C&hecker"},
    {&frmRecordDetails::txtOrganisation, &RecordDetails::organisation, "txtOrganisation",
     "&Organisation"},
    {&frmRecordDetails::txtRevision, &RecordDetails::revision, "txtRevision", "&Revision"},
};

QString Shown(const std::string& text) {
    return QString::fromStdString(text);
}

std::string Kept(const QString& text) {
    return text.trimmed().toStdString();
}

}  // namespace

frmRecordDetails::frmRecordDetails(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmRecordDetails"));
    setWindowTitle(QStringLiteral("Calculation Record Details"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    for (const auto& line : Lines) {
        QLineEdit* field = NewField(line.name, "", this);
        this->*line.field = field;
        auto* label = NewLabel(line.caption, this);
        label->setBuddy(field);
        form->addRow(label, field);
    }
    txtNote = Named(new QPlainTextEdit(this), "txtNote");
    txtNote->setTabChangesFocus(true);
    auto* noteLabel = NewLabel("&Note", this);
    noteLabel->setBuddy(txtNote);
    form->addRow(noteLabel, txtNote);

    auto* page = Named(new QGroupBox(QStringLiteral("Page size"), this), "fraPageSize");
    optA4 = NewOption("optA4", "A&4", page);
    optLetter = NewOption("optLetter", "&Letter", page);
    NewGroup(this, {optA4, optLetter});
    optA4->setChecked(true);
    auto* pageRow = new QHBoxLayout(page);
    pageRow->addWidget(optA4);
    pageRow->addWidget(optLetter);
    pageRow->addStretch();
    layout->addWidget(page);

    auto* hint =
        NewLabel("A field left blank is printed as an empty box, to be filled in by hand.", this);
    hint->setWordWrap(true);
    layout->addWidget(hint);

    cmdOK = NewButton("cmdOK", "OK", this);
    cmdCancel = NewButton("cmdCancel", "Cancel", this);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(cmdOK, QDialogButtonBox::AcceptRole);
    buttons->addButton(cmdCancel, QDialogButtonBox::RejectRole);
    cmdOK->setDefault(true);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void frmRecordDetails::showDetails(const RecordDetails& details, bool letterPage) {
    for (const auto& line : Lines) {
        (this->*line.field)->setText(Shown(details.*line.text));
    }
    txtNote->setPlainText(Shown(details.note));
    (letterPage ? optLetter : optA4)->setChecked(true);
}

RecordDetails frmRecordDetails::details() const {
    RecordDetails details;
    for (const auto& line : Lines) {
        details.*line.text = Kept((this->*line.field)->text());
    }
    details.note = Kept(txtNote->toPlainText());
    return details;
}

bool frmRecordDetails::letterPage() const {
    return optLetter->isChecked();
}

}  // namespace fd9
