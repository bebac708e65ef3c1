#include "dialogs/frmRemoveSteel.h"

#include <QGridLayout>
#include <QListWidget>
#include <QVBoxLayout>

#include "dialogs/DialogParts.h"
#include "dialogs/FieldNumber.h"

namespace fd9 {

QString SteelListItem(float x, float y, float diameter) {
    return QStringLiteral("x=") + NumberQText(x) + QStringLiteral(" mm  y=") + NumberQText(y) +
           QStringLiteral(" mm  dia=") + NumberQText(diameter) + QStringLiteral(" mm");
}

QString SteelListItem(const SteelTable& table, int row) {
    return SteelListItem(table[row][SteelX], table[row][SteelY], table[row][SteelDiameter]);
}

namespace {

void FillList(QListWidget* list, const SteelTable& table, int count) {
    list->clear();
    for (int row = 0; row < RowsInUse(count); ++row) {
        list->addItem(SteelListItem(table, row));
    }
}

}  // namespace

frmRemoveSteel::frmRemoveSteel(DialogHost& host) : InputDialog(host) {
    setObjectName(QStringLiteral("frmRemoveSteel"));
    setWindowTitle(QStringLiteral("Remove Steel Reinforcement"));
    lblInstructions = Named(NewLabel("Select the item you wish to delete and click \"Remove\"."),
                            "lblInstructions");
    lblInstructions->setWordWrap(true);
    lstSteelPos = Named(new QListWidget, "lstSteelPos");
    lstSteelNeg = Named(new QListWidget, "lstSteelNeg");
    optRemovePosSteel = NewOption("optRemovePosSteel", "Positive Moment Reinforcement");
    optRemoveNegSteel = NewOption("optRemoveNegSteel", "Negative Moment Reinforcement");
    cmdRemoveSteel = NewButton("cmdRemoveSteel", "Remove Steel");
    cmdRemoveAllSteel = NewButton("cmdRemoveAllSteel", "Remove All Steel");
    cmdFinished = NewButton("cmdFinished", "Finished");
    setButtons({cmdRemoveSteel, cmdRemoveAllSteel, cmdFinished}, cmdFinished, {});
    optRemovePosSteel->setChecked(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblInstructions);
    // Both lists share one place; only the selected group's list is shown.
    auto* lists = new QGridLayout;
    lists->addWidget(lstSteelPos, 0, 0);
    lists->addWidget(lstSteelNeg, 0, 0);
    layout->addLayout(lists);
    layout->addWidget(optRemovePosSteel);
    layout->addWidget(optRemoveNegSteel);
    layout->addLayout(
        NewButtonRow(ButtonRow::FullWidth, {cmdRemoveSteel, cmdRemoveAllSteel, cmdFinished}));
    for (QListWidget* list : {lstSteelPos, lstSteelNeg}) {
        list->setMinimumWidth(360);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
    }
    showGroup(true);

    connect(cmdRemoveSteel, &QPushButton::clicked, this, &frmRemoveSteel::cmdRemoveSteel_Click);
    connect(cmdRemoveAllSteel, &QPushButton::clicked, this,
            &frmRemoveSteel::cmdRemoveAllSteel_Click);
    connect(cmdFinished, &QPushButton::clicked, this, &frmRemoveSteel::cmdFinished_Click);
    // Also when another part of the program sets the option, the visible list follows.
    connect(optRemovePosSteel, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            optRemovePosSteel_Click();
        }
    });
    connect(optRemoveNegSteel, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            optRemoveNegSteel_Click();
        }
    });
}

void frmRemoveSteel::showGroup(bool positive) {
    lstSteelPos->setVisible(positive);
    lstSteelPos->setEnabled(positive);
    lstSteelNeg->setVisible(!positive);
    lstSteelNeg->setEnabled(!positive);
}

void frmRemoveSteel::FollowSteelLists() {
    const std::pair<QListWidget*, const std::int16_t*> lists[] = {
        {lstSteelPos, &model().PosSteelCount}, {lstSteelNeg, &model().NegSteelCount}};
    for (const auto& [list, count] : lists) {
        const SteelTable& table = list == lstSteelPos ? model().PosSteel : model().NegSteel;
        for (int row = list->count(); row < RowsInUse(*count); ++row) {
            list->addItem(SteelListItem(table, row));
        }
    }
}

void frmRemoveSteel::FillSteelLists() {
    FillList(lstSteelPos, model().PosSteel, model().PosSteelCount);
    FillList(lstSteelNeg, model().NegSteel, model().NegSteelCount);
}

void frmRemoveSteel::optRemovePosSteel_Click() {
    showGroup(true);
}

void frmRemoveSteel::optRemoveNegSteel_Click() {
    showGroup(false);
}

void frmRemoveSteel::cmdRemoveSteel_Click() {
    const bool positive = optRemovePosSteel->isChecked();
    QListWidget* list = positive ? lstSteelPos : lstSteelNeg;
    SteelTable& table = positive ? model().PosSteel : model().NegSteel;
    std::int16_t& count = positive ? model().PosSteelCount : model().NegSteelCount;
    const int index = SelectedRow(list);
    // A list out of step with its table would remove the wrong bar; do nothing instead.
    if (index >= 0 && index < count && count <= MaxSteelRows) {
        for (int row = index; row + 1 < count; ++row) {
            table[row] = table[row + 1];
        }
        --count;
        delete list->takeItem(index);
        list->clearSelection();
        list->setCurrentRow(-1);
    }
    host().DrawCrossSection();
}

void frmRemoveSteel::cmdRemoveAllSteel_Click() {
    if (optRemovePosSteel->isChecked()) {
        model().PosSteelCount = 0;
        lstSteelPos->clear();
    } else {
        model().NegSteelCount = 0;
        lstSteelNeg->clear();
    }
    host().DrawCrossSection();
}

void frmRemoveSteel::cmdFinished_Click() {
    hide();
    host().DrawCrossSection();
}

}  // namespace fd9
