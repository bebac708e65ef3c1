#include "dialogs/InputDialog.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <cmath>
#include <limits>

#include "dialogs/DialogParts.h"
#include "dialogs/FieldNumber.h"
#include "platform/Platform.h"

namespace fd9 {

InputDialog::InputDialog(DialogHost& host) : QDialog(host.dialogParent()), host_(host) {
    setModal(false);
}

FloorModel& InputDialog::model() {
    return host_.model();
}

Platform& InputDialog::platform() {
    return host_.platform();
}

void InputDialog::showOrRaise() {
    if (!centred_) {
        adjustSize();
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
        centred_ = true;
    }
    show();
    raise();
    activateWindow();
}

void InputDialog::refuse(const QString& message, bool beepFirst) {
    if (beepFirst) {
        platform().beep();
    }
    platform().messageBox(message, QString::fromLatin1(AppTitle), MsgIcon::None, MsgButtons::OK);
}

void InputDialog::setButtons(std::initializer_list<QPushButton*> buttons,
                             QPushButton* defaultButton, std::function<void()> cancel) {
    for (QPushButton* button : buttons) {
        button->setAutoDefault(false);
    }
    if (defaultButton) {
        defaultButton->setDefault(true);
    }
    escape_ = std::move(cancel);
}

void InputDialog::setOkCancel(QPushButton* ok, std::function<void()> onOk, QPushButton* cancel,
                              std::function<void()> onCancel) {
    connect(ok, &QPushButton::clicked, this, std::move(onOk));
    connect(cancel, &QPushButton::clicked, this, onCancel);
    setButtons({ok, cancel}, nullptr, std::move(onCancel));
}

std::optional<float> InputDialog::storable(QLineEdit* field, const QString& message) {
    const std::optional<float> value = ModelFloat(FieldNumber(field));
    if (!value) {
        refuse(message);
        returnFocus(field);
    }
    return value;
}

bool InputDialog::refusedForComma(QLineEdit* field) {
    const std::string text = field->text().toStdString();
    if (!StopsAtDecimalComma(text)) {
        return false;
    }
    // The label laid out just before the field, as the user reads it.
    QString caption = field->objectName().mid(3);
    for (const QLayout* layout : findChildren<QLayout*>()) {
        const int at = layout->indexOf(field);
        if (auto* label =
                at > 0 ? qobject_cast<QLabel*>(layout->itemAt(at - 1)->widget()) : nullptr) {
            caption = label->text();
        }
    }
    refuse(caption + QStringLiteral(": use a decimal point, not a comma (\"") + field->text() +
           QStringLiteral("\" reads as ") +
           QString::fromStdString(NumberText(ParseLeadingNumber(text))).trimmed() +
           QStringLiteral(")."));
    returnFocus(field);
    return true;
}

bool InputDialog::decimalPointsOnly() {
    for (const Watch& watch : watches_) {
        if (watch.field->isEnabled() && refusedForComma(watch.field)) {
            return false;
        }
    }
    return true;
}

void InputDialog::returnFocus(QWidget* control) {
    const bool outer = returningFocus_;
    returningFocus_ = true;
    control->setFocus(Qt::OtherFocusReason);
    returningFocus_ = outer;
}

// Fields are read and written in one place for the dialogs and the drawing alike.
double InputDialog::fieldNumber(const QLineEdit* field) {
    return FieldNumber(field);
}

void InputDialog::setFieldNumber(QLineEdit* field, float value) {
    field->setText(NumberQText(value));
}

void InputDialog::setFieldNumber(QLineEdit* field, std::int16_t value) {
    field->setText(NumberQText(value));
}

void InputDialog::watchField(QLineEdit* field, std::function<void()> onEnter,
                             std::function<void()> onLostFocus) {
    field->installEventFilter(this);
    watches_.push_back({field, std::move(onEnter), std::move(onLostFocus)});
}

bool InputDialog::eventFilter(QObject* watched, QEvent* event) {
    for (const Watch& watch : watches_) {
        if (watch.field != watched) {
            continue;
        }
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && watch.onEnter) {
                if (!refusedForComma(watch.field)) {
                    watch.onEnter();
                }
                return true;
            }
        } else if (event->type() == QEvent::FocusOut && watch.onLostFocus && !returningFocus_) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
                !refusedForComma(watch.field)) {
                watch.onLostFocus();
            }
        }
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void InputDialog::keyPressEvent(QKeyEvent* event) {
    // Esc is the Cancel button; a dialog without one must be left by its own button, or Esc
    // would skip the checks that button makes.
    if (event->key() == Qt::Key_Escape) {
        if (escape_) {
            escape_();
        }
        return;
    }
    // A focused button answers Enter itself in every dialog, never the default button behind it.
    if (IsEnterKey(event->key())) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget());
            button && button->isEnabled()) {
            button->click();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

void InputDialog::closeEvent(QCloseEvent* event) {
    // The close box hides, so the fields keep what the user left in them; where there is a
    // Cancel button it is that button, so that nothing left unconfirmed stays in effect.
    event->ignore();
    if (escape_) {
        escape_();
    } else {
        hide();
    }
}

}  // namespace fd9
