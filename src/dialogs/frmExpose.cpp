#include "dialogs/frmExpose.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/DialogParts.h"
#include "model/FloorModel.h"

namespace fd9 {

frmExpose::frmExpose(DialogHost& host) : InputDialog(host) {
    setObjectName(QStringLiteral("frmExpose"));
    // The trailing blank is part of the caption.
    setWindowTitle(QStringLiteral("Exposure Conditions "));

    Frame1 =
        Named(new QGroupBox(QStringLiteral("Exposure Classification to NZS 3101"), this), "Frame1");
    const struct {
        QRadioButton*& option;
        const char* name;
        const char* caption;
        ExposureClass exposure;
    } options[] = {
        {optExposeA1, "optExposeA1", "A1 (Least Corrosive)", ExposureClass::A1},
        {optExposeA2, "optExposeA2", "A2", ExposureClass::A2},
        {optExposeB1, "optExposeB1", "B1", ExposureClass::B1},
        {optExposeB2, "optExposeB2", "B2", ExposureClass::B2},
        {optExposeC, "optExposeC", "C (Most Corrosive)", ExposureClass::C},
    };
    auto* frame = new QVBoxLayout(Frame1);
    auto* group = new QButtonGroup(this);
    for (const auto& choice : options) {
        choice.option = NewOption(choice.name, choice.caption, Frame1);
        choice.option->setChecked(model().Selected.Exposure == choice.exposure);
        group->addButton(choice.option);
        frame->addWidget(choice.option);
        const ExposureClass exposure = choice.exposure;
        connect(choice.option, &QRadioButton::toggled, this, [this, exposure](bool checked) {
            if (checked) {
                model().Selected.Exposure = exposure;
            }
        });
    }
    Label1 = Named(NewLabel("(Refer NZS 3101 Section 5.4)", Frame1), "Label1");
    frame->addWidget(Label1);

    cmdOK = NewButton("cmdOK", "OK", this);
    setButtons({cmdOK}, nullptr, {});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(NewButtonRow(ButtonRow::Right, {cmdOK}));

    connect(cmdOK, &QPushButton::clicked, this, &frmExpose::cmdOK_Click);
}

void frmExpose::cmdOK_Click() {
    hide();
}

}  // namespace fd9
