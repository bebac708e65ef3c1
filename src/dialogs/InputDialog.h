#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

#include "dialogs/DialogHost.h"

class QLineEdit;
class QPushButton;

namespace fd9 {

// Common ground of the twelve input dialogs: modeless, centred on the screen when first
// shown, hidden rather than closed, and the field checks that run on Enter and on leaving.
class InputDialog : public QDialog {
    Q_OBJECT

public:
    explicit InputDialog(DialogHost& host);

    // Show modeless, or bring forward with its current contents.
    void showOrRaise();
    // Brings the fields and options in line with the values the model holds, as after a model
    // file was read. A dialog that shows none of the model's values has nothing to do.
    virtual void showModelValues() {}

protected:
    DialogHost& host() { return host_; }
    FloorModel& model();
    Platform& platform();

    // A refused value: the field's fixed message, OK only, no icon, the application title.
    void refuse(const QString& message, bool beepFirst = false);

    // onEnter runs when Enter is pressed in the field, before any default button sees the key.
    // onLostFocus runs when focus moves to another control of this dialog; a message box
    // taking focus away does not count, or a refusal would refuse again.
    void watchField(QLineEdit* field, std::function<void()> onEnter,
                    std::function<void()> onLostFocus = {});

    // What a confirming button stores from the field, or nullopt after refusing it with the
    // field's message and the focus back in it: a number no float holds (1E-50, 1E39) is never
    // dropped in silence while the dialog closes.
    std::optional<float> storable(QLineEdit* field, const QString& message);
    // False after refusing the first enabled field whose number runs into a comma ("6,5"), which
    // reading would cut to 6. Confirming buttons ask this first.
    bool decimalPointsOnly();

    // Puts the focus back on a control after a refusal. The control that loses it then runs
    // no lost-focus check of its own, or one refusal would set off the next.
    void returnFocus(QWidget* control);

    // The number a field's text gives, read the way every field is read.
    static double fieldNumber(const QLineEdit* field);
    // A model value written back into a field as fields show numbers (a blank before a
    // value that is not negative).
    static void setFieldNumber(QLineEdit* field, float value);
    static void setFieldNumber(QLineEdit* field, std::int16_t value);

    // The one button policy of every dialog. Enter in a field runs the field's own check and
    // presses defaultButton where the dialog has one; a focused button answers Enter itself;
    // cancel is the Cancel button's handler, run by Esc and the close box, and a dialog without
    // one ignores Esc, so that nothing skips the checks of the button that closes it.
    void setButtons(std::initializer_list<QPushButton*> buttons, QPushButton* defaultButton,
                    std::function<void()> cancel);
    // The policy for OK and Cancel alone: each runs its handler, Esc and the close box Cancel's.
    void setOkCancel(QPushButton* ok, std::function<void()> onOk, QPushButton* cancel,
                     std::function<void()> onCancel);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Refuses the field when its number runs into a comma, naming it by its label.
    bool refusedForComma(QLineEdit* field);
    struct Watch {
        QLineEdit* field;
        std::function<void()> onEnter;
        std::function<void()> onLostFocus;
    };
    DialogHost& host_;
    std::vector<Watch> watches_;
    std::function<void()> escape_;
    bool centred_ = false;
    bool returningFocus_ = false;
};

}  // namespace fd9
