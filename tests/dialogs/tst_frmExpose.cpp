#include <QAction>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "dialogs/frmExpose.h"
#include "shell/frmMenu.h"
#include "support/FakePlatform.h"

using namespace fd9;

class tst_frmExpose : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void theClassChangesAsSoonAsAnOptionIsChosen() {
        FloorModel model;
        FakePlatform platform;
        frmMenu menu(model, platform);
        menu.ResetModel();
        menu.mnuExposure->trigger();
        frmExpose& d = menu.expose();
        QCOMPARE(d.windowTitle(), QStringLiteral("Exposure Conditions "));
        QVERIFY(d.optExposeA1->isChecked());
        const std::pair<QRadioButton*, ExposureClass> cases[] = {
            {d.optExposeB2, ExposureClass::B2}, {d.optExposeC, ExposureClass::C},
            {d.optExposeA2, ExposureClass::A2}, {d.optExposeB1, ExposureClass::B1},
            {d.optExposeA1, ExposureClass::A1},
        };
        for (const auto& [option, exposure] : cases) {
            option->click();
            QCOMPARE(model.Selected.Exposure, exposure);
            QVERIFY(d.isVisible());
        }
        d.optExposeC->click();
        d.cmdOK->click();
        QVERIFY(!d.isVisible());
        QCOMPARE(model.Selected.Exposure, ExposureClass::C);

        // New discards the dialog, so the class is A1 again.
        menu.ResetModel();
        QCOMPARE(model.Selected.Exposure, ExposureClass::A1);
        QVERIFY(menu.expose().optExposeA1->isChecked());
    }
};

QTEST_MAIN(tst_frmExpose)
#include "tst_frmExpose.moc"
