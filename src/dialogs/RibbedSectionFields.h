#pragma once

#include <QPushButton>
#include <array>

#include "dialogs/InputDialog.h"
#include "model/FloorModel.h"

class QLineEdit;

namespace fd9 {

// What the double-tee and tee-beam dialogs share: five dimensions of a ribbed section in tab
// order, each checked on Enter and on leaving, then OK and Cancel.
class RibbedSectionFields : public InputDialog {
    Q_OBJECT

public:
    static constexpr int FieldCount = 5;

    struct FieldRule {
        const char* name;
        const char* label;
        const char* text;
        float FloorModel::*target;
        const char* enterMessage;
        const char* leaveMessage;
    };
    using FieldRules = std::array<FieldRule, FieldCount>;

    // The fields show the model's ribbed section, as after opening a model file.
    void showModelValues() override;

    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

protected:
    // rules must outlive the dialog; OK makes floorType the checked floor type.
    RibbedSectionFields(DialogHost& host, const FieldRules& rules, FloorType floorType);

    // Sends the fields, OK, Cancel and Esc to the dialog's own handlers.
    template <typename Dialog>
    void connectHandlers(Dialog* dialog) {
        for (int i = 0; i < FieldCount; ++i) {
            const auto field = static_cast<typename Dialog::Field>(i);
            watchField(
                fields_[i], [dialog, field] { dialog->Field_KeyPress(field, Qt::Key_Return); },
                [dialog, field] { dialog->Field_LostFocus(field); });
        }
        connect(cmdOK, &QPushButton::clicked, dialog, &Dialog::cmdOK_Click);
        connect(cmdCancel, &QPushButton::clicked, dialog, &Dialog::cmdCancel_Click);
        setButtons({cmdOK, cmdCancel}, nullptr, [dialog] { dialog->cmdCancel_Click(); });
    }

    // Stores the field's number and redraws, or refuses it with its Enter or leaving message.
    void check(int field, bool leaving);
    void keyPress(int field, int key);
    // Stores every field as typed, unchecked, and shows the section.
    void storeAll();

    std::array<QLineEdit*, FieldCount> fields_{};

private:
    // Whether the field may take value; by default any positive number.
    virtual bool accepts(int field, double value) const;

    const FieldRules& rules_;
    FloorType floorType_;
};

}  // namespace fd9
