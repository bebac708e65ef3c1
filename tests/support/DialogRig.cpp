#include "support/DialogRig.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace fd9 {

MenuRig::MenuRig() {
    menu.ResetModel();
}

MenuRig::MenuRig(FloorType type) {
    menu.setFloorType(type);
    menu.ResetModel();
    platform.clear();
}

void MenuRig::focusInto(QLineEdit* field) {
    field->setFocus(Qt::MouseFocusReason);
    QVERIFY(field->hasFocus());
    platform.clear();
}

void Type(QLineEdit* field, const QString& text) {
    field->clear();
    QTest::keyClicks(field, text);
}

void PressEnter(QWidget* widget) {
    QTest::keyClick(widget, Qt::Key_Return);
}

void Leave(QLineEdit* field) {
    QTest::keyClick(field, Qt::Key_Tab);
    QVERIFY(!field->hasFocus());
}

bool Activate(QWidget& dialog) {
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    return QTest::qWaitForWindowActive(&dialog);
}

}  // namespace fd9
