#pragma once

#include <QString>

#include "dialogs/InputDialog.h"
#include "model/FloorModel.h"

class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace fd9 {

// The text of one reinforcement list item: "x= 50 mm  y= 400 mm  dia= 20 mm".
QString SteelListItem(float x, float y, float diameter);
QString SteelListItem(const SteelTable& table, int row);

// Lists both reinforcement groups bar by bar and removes one bar or a whole group. The two
// lists are the only display of the bars' coordinates and mirror the steel tables row by
// row; they live here whether or not the dialog has been shown.
class frmRemoveSteel : public InputDialog {
    Q_OBJECT

public:
    explicit frmRemoveSteel(DialogHost& host);

    // Both lists rebuilt from the steel tables, as after opening a model file.
    void FillSteelLists();
    void showModelValues() override { FillSteelLists(); }
    // Appends the bars added to the model since the lists were filled.
    void FollowSteelLists();

    void cmdRemoveSteel_Click();
    void cmdRemoveAllSteel_Click();
    void cmdFinished_Click();
    void optRemovePosSteel_Click();
    void optRemoveNegSteel_Click();

    QPushButton* cmdRemoveSteel = nullptr;
    QPushButton* cmdRemoveAllSteel = nullptr;
    QPushButton* cmdFinished = nullptr;
    QRadioButton* optRemovePosSteel = nullptr;
    QRadioButton* optRemoveNegSteel = nullptr;
    QListWidget* lstSteelPos = nullptr;
    QListWidget* lstSteelNeg = nullptr;
    QLabel* lblInstructions = nullptr;

private:
    void showGroup(bool positive);
};

}  // namespace fd9
