#pragma once

#include <QPushButton>
#include <array>
#include <optional>

#include "dialogs/InputDialog.h"
#include "model/FloorModel.h"
#include "view/SectionDrawing.h"

class QLineEdit;

namespace fd9 {

// What the double-tee and tee-beam dialogs share: five dimensions of a ribbed section in tab
// order, each checked on Enter and on leaving, then OK and Cancel. What differs between the two
// is data, in their tables of field rules.
class RibbedSectionFields : public InputDialog {
    Q_OBJECT

public:
    static constexpr int FieldCount = 5;

    // A field that must stay below a share of another field's number as typed.
    struct Limit {
        int field;
        double share;
    };

    struct FieldRule {
        const char* name;
        const char* label;
        const char* text;
        float FloorModel::*target;
        const char* enterMessage;
        const char* leaveMessage;
        // Without a limit, any positive number passes.
        std::optional<Limit> below;
        // The dimension marked on the cross-section while the field has the focus, if any.
        std::optional<TeeBeamDimension> marker;
    };
    using FieldRules = std::array<FieldRule, FieldCount>;

    // The fields show the model's ribbed section, as after opening a model file.
    void showModelValues() override;

    void cmdOK_Click();
    void cmdCancel_Click();
    // The handlers of the five fields, by their place in tab order; key is the Qt key code.
    void Field_KeyPress(int field, int key);
    void Field_LostFocus(int field);
    void Field_GotFocus(int field);

    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

protected:
    // rules must outlive the dialog; OK makes floorType the checked floor type.
    RibbedSectionFields(DialogHost& host, const FieldRules& rules, FloorType floorType);

    bool eventFilter(QObject* watched, QEvent* event) override;

    std::array<QLineEdit*, FieldCount> fields_{};

private:
    // Stores the field's number and redraws, or refuses it with its Enter or leaving message.
    void check(int field, bool leaving);

    const FieldRules& rules_;
    FloorType floorType_;
};

}  // namespace fd9
