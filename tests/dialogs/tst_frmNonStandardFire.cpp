#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "dialogs/frmNonStandardFire.h"
#include "support/FakeDialogHost.h"

using namespace fd9;

class tst_frmNonStandardFire : public QObject {
    Q_OBJECT

    struct App : HostRig<frmNonStandardFire> {
        App() { shown(); }
    };

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void okWithTheDefaultsMakesTheFireNonStandard() {
        App app;
        frmNonStandardFire& d = app.dialog;
        d.cmdOK->click();
        QCOMPARE(int(app.model.FireLoad), 37);
        QCOMPARE(app.model.OpeningFactor, 0.04f);
        QCOMPARE(app.model.Selected.DesignFire, DesignFire::NonStandard);
        QVERIFY(!d.isVisible());

        // Cancel afterwards changes nothing, whatever was chosen.
        d.showOrRaise();
        d.optHighFireLoad->click();
        d.optOpeningFactor15->click();
        d.cmdCancel->click();
        QCOMPARE(int(app.model.FireLoad), 37);
        QCOMPARE(app.model.OpeningFactor, 0.04f);
        QCOMPARE(app.model.Selected.DesignFire, DesignFire::NonStandard);
        QVERIFY(!d.isVisible());
    }

    void enterPressesOkAndEscCancels() {
        App app;
        frmNonStandardFire& d = app.dialog;
        d.optMedFireLoad->click();
        d.optOpeningFactor08->click();
        QTest::keyClick(&d, Qt::Key_Escape);
        QVERIFY(!d.isVisible());
        QCOMPARE(int(app.model.FireLoad), 0);
        QCOMPARE(app.model.Selected.DesignFire, DesignFire::Standard);

        d.showOrRaise();
        PressEnter(d.optOpeningFactor08);
        QVERIFY(!d.isVisible());
        QCOMPARE(int(app.model.FireLoad), 74);
        QCOMPARE(app.model.OpeningFactor, 0.08f);
        QCOMPARE(app.model.Selected.DesignFire, DesignFire::NonStandard);
    }

    void helpExplainsWhereTheFiresComeFrom() {
        App app;
        app.dialog.hlpNonStandardFire->click();
        QCOMPARE(app.platform.boxes.size(), size_t(1));
        const FakePlatform::Box& box = app.platform.boxes[0];
        QCOMPARE(box.buttons, MsgButtons::OK);
        for (const char* point :
             {"ISO 834", "BS 476", "AS 1530.4", "Lie", "Structural Fire Protection",
              "American Society of Civil Engineers", "New York", "1992", "alluvial quartz",
              "fire load", "opening factor"}) {
            QVERIFY2(box.text.contains(QString::fromLatin1(point)), point);
        }
        QVERIFY(!box.text.contains(QLatin1Char('\n')));
        QVERIFY(app.dialog.isVisible());
    }

    void valuesWithoutAnOptionSelectNoneAndOkKeepsThem() {
        App app;
        frmNonStandardFire& d = app.dialog;
        app.model.FireLoad = 50;
        app.model.OpeningFactor = 0.05f;
        d.showModelValues();
        for (QRadioButton* option : d.findChildren<QRadioButton*>()) {
            QVERIFY2(!option->isChecked(), qPrintable(option->objectName()));
        }
        // With nothing chosen OK keeps the values the file gave.
        d.cmdOK->click();
        QCOMPARE(int(app.model.FireLoad), 50);
        QCOMPARE(app.model.OpeningFactor, 0.05f);
    }
};

QTEST_MAIN(tst_frmNonStandardFire)
#include "tst_frmNonStandardFire.moc"
