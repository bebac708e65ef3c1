#include "support/FakeDialogHost.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace fd9 {

void Type(QLineEdit* field, const QString& text) {
    field->clear();
    QTest::keyClicks(field, text);
}

void PressEnter(QWidget* widget) {
    QTest::keyClick(widget, Qt::Key_Return);
}

void FocusInto(QLineEdit* field) {
    field->setFocus(Qt::MouseFocusReason);
    QVERIFY(field->hasFocus());
}

bool Activate(QWidget& dialog) {
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    return QTest::qWaitForWindowActive(&dialog);
}

}  // namespace fd9
