#pragma once

#include <QDialog>

#include "model/RecordDetails.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace fd9 {

// Who and what a calculation record is for, asked before each record. Unlike the input
// dialogs it is modal and writes nothing: the window reads it once it was accepted.
class frmRecordDetails : public QDialog {
    Q_OBJECT

public:
    explicit frmRecordDetails(QWidget* parent = nullptr);

    void showDetails(const RecordDetails& details, bool letterPage);
    // Blanks around every field dropped, as the details file drops them, so that a record
    // made from the file equals the one made here.
    RecordDetails details() const;
    bool letterPage() const;

    QLineEdit* txtProject = nullptr;
    QLineEdit* txtJob = nullptr;
    QLineEdit* txtMember = nullptr;  // member or location
    QLineEdit* txtEngineer = nullptr;
    QLineEdit* txtChecker = nullptr;
    QLineEdit* txtOrganisation = nullptr;
    QLineEdit* txtRevision = nullptr;
    QPlainTextEdit* txtNote = nullptr;
    QRadioButton* optA4 = nullptr;
    QRadioButton* optLetter = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
};

}  // namespace fd9
