#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QLineEdit;

namespace fd9 {

class frmMenu;
class Platform;
struct FloorModel;

// Common ground of the twelve input dialogs: modeless, centred on the screen when first
// shown, hidden rather than closed, and the field checks that run on Enter and on leaving.
class InputDialog : public QDialog {
    Q_OBJECT

public:
    explicit InputDialog(frmMenu& menu);

    // Show modeless, or bring forward with its current contents.
    void showOrRaise();

protected:
    frmMenu& menu() { return menu_; }
    FloorModel& model();
    Platform& platform();

    // A refused value: the field's fixed message, OK only, no icon, the application title.
    void refuse(const QString& message, bool beepFirst = false);

    // onEnter runs when Enter is pressed in the field, before any default button sees the key.
    // onLostFocus runs when focus moves to another control of this dialog; a message box
    // taking focus away does not count, or a refusal would refuse again.
    void watchField(QLineEdit* field, std::function<void()> onEnter,
                    std::function<void()> onLostFocus = {});

    // Puts the focus back on a control after a refusal. The control that loses it then runs
    // no lost-focus check of its own, or one refusal would set off the next.
    void returnFocus(QWidget* control);

    // The number a field's text gives, read the way every field is read.
    static double fieldNumber(const QLineEdit* field);
    // A model value written back into a field as fields show numbers (a blank before a
    // value that is not negative).
    static void setFieldNumber(QLineEdit* field, float value);
    static void setFieldNumber(QLineEdit* field, std::int16_t value);
    // The value as a model float, or empty when a float cannot hold it (too large, or so
    // small it would turn into 0): such input must be refused, never stored as inf or 0.
    static std::optional<float> modelFloat(double value);

    // The Cancel button's handler, run by Esc and the close box; without one Esc does nothing.
    void setEscapeHandler(std::function<void()> handler) { escape_ = std::move(handler); }

    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct Watch {
        QLineEdit* field;
        std::function<void()> onEnter;
        std::function<void()> onLostFocus;
    };
    frmMenu& menu_;
    std::vector<Watch> watches_;
    std::function<void()> escape_;
    bool centred_ = false;
    bool returningFocus_ = false;
};

}  // namespace fd9
