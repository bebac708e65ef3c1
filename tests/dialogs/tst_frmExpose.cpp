#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "dialogs/frmExpose.h"
#include "support/FakeDialogHost.h"

using namespace fd9;

class tst_frmExpose : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void theClassChangesAsSoonAsAnOptionIsChosen() {
        HostRig<frmExpose> rig;
        frmExpose& d = rig.dialog;
        d.showOrRaise();
        QVERIFY(d.optExposeA1->isChecked());
        const std::pair<QRadioButton*, ExposureClass> cases[] = {
            {d.optExposeB2, ExposureClass::B2}, {d.optExposeC, ExposureClass::C},
            {d.optExposeA2, ExposureClass::A2}, {d.optExposeB1, ExposureClass::B1},
            {d.optExposeA1, ExposureClass::A1},
        };
        for (const auto& [option, exposure] : cases) {
            option->click();
            QCOMPARE(rig.model.Selected.Exposure, exposure);
            QVERIFY(d.isVisible());
        }
        d.optExposeC->click();
        d.cmdOK->click();
        QVERIFY(!d.isVisible());
        QCOMPARE(rig.model.Selected.Exposure, ExposureClass::C);
    }
};

QTEST_MAIN(tst_frmExpose)
#include "tst_frmExpose.moc"
