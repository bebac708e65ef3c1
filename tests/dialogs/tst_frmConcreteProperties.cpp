#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "dialogs/frmConcreteProperties.h"
#include "support/FakeDialogHost.h"

using namespace fd9;

class tst_frmConcreteProperties : public QObject {
    Q_OBJECT

    struct App : HostRig<frmConcreteProperties> {
        App() { shown(); }
    };

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void enterStoresAsTypedAndOkStoresRounded() {
        App app;
        frmConcreteProperties& d = app.dialog;
        Type(d.txtCompressiveStrength, QStringLiteral("32.6"));
        PressEnter(d.txtCompressiveStrength);
        QCOMPARE(app.model.ConcreteStrength, 32.6f);
        QVERIFY(d.isVisible());
        d.cmdOK->click();
        QCOMPARE(app.model.ConcreteStrength, 33.0f);
        QVERIFY(app.platform.boxes.empty());
        QVERIFY(!d.isVisible());
    }

    void okRoundsHalvesToEven_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<float>("stored");  // 0: refused
        QTest::newRow("2.5 gives 2") << QStringLiteral("2.5") << 2.0f;
        QTest::newRow("3.5 gives 4") << QStringLiteral("3.5") << 4.0f;
        QTest::newRow("0.5 refused") << QStringLiteral("0.5") << 0.0f;
        QTest::newRow("text refused") << QStringLiteral("abc") << 0.0f;
        QTest::newRow("beyond 16 bits refused") << QStringLiteral("40000") << 0.0f;
    }
    void okRoundsHalvesToEven() {
        QFETCH(QString, typed);
        QFETCH(float, stored);
        App app;
        frmConcreteProperties& d = app.dialog;
        Type(d.txtCompressiveStrength, typed);
        d.cmdOK->click();
        if (stored == 0) {
            QCOMPARE(app.platform.boxTexts(),
                     QStringList{QStringLiteral("Concrete Compressive Strength is invalid!")});
            QCOMPARE(app.platform.beeps, 1);
            QCOMPARE(d.txtCompressiveStrength->text(), typed);
            QCOMPARE(app.model.ConcreteStrength, 25.0f);
            QVERIFY(d.isVisible());
        } else {
            QVERIFY(app.platform.boxes.empty());
            QCOMPARE(app.model.ConcreteStrength, stored);
            QVERIFY(!d.isVisible());
        }
    }

    void enterRefusalBeepsResetsAndKeepsFocus() {
        App app;
        frmConcreteProperties& d = app.dialog;
        QVERIFY(Activate(d));
        d.txtCompressiveStrength->setFocus();
        app.model.ConcreteStrength = 30;
        for (const QString& typed : {QStringLiteral("-20"), QString()}) {
            app.platform.clear();
            Type(d.txtCompressiveStrength, typed);
            PressEnter(d.txtCompressiveStrength);
            QCOMPARE(app.platform.boxTexts(),
                     QStringList{QStringLiteral("Concrete Compressive Strength is invalid!")});
            QCOMPARE(app.platform.beeps, 1);
            QCOMPARE(d.txtCompressiveStrength->text(), QStringLiteral(" 30"));
            QCOMPARE(QApplication::focusWidget(), d.txtCompressiveStrength);
            QCOMPARE(app.model.ConcreteStrength, 30.0f);
        }
    }

    void cancelShowsWhatEnterAlreadyStored() {
        App app;
        frmConcreteProperties& d = app.dialog;
        Type(d.txtCompressiveStrength, QStringLiteral("40"));
        PressEnter(d.txtCompressiveStrength);
        Type(d.txtCompressiveStrength, QStringLiteral("55"));
        d.cmdCancel->click();
        QCOMPARE(app.model.ConcreteStrength, 40.0f);
        QCOMPARE(d.txtCompressiveStrength->text(), QStringLiteral(" 40"));
        QVERIFY(!d.isVisible());
    }

    void typeChoiceCountsAtOnceButCancelPutsTheStoredCodeBack() {
        App app;
        frmConcreteProperties& d = app.dialog;
        QCOMPARE(d.cboConcreteType->currentIndex(), 2);
        QCOMPARE(app.model.ConcreteType, 2);
        d.cboConcreteType->setCurrentIndex(4);
        QCOMPARE(app.model.Selected.ConcreteType, ConcreteType::Pumice);
        d.cmdCancel->click();
        QVERIFY(!d.isVisible());
        QCOMPARE(app.model.Selected.ConcreteType, ConcreteType::AlluvialQuartz);
        QCOMPARE(app.model.ConcreteType, 2);
        QCOMPARE(d.cboConcreteType->currentIndex(), 2);

        d.showOrRaise();
        d.cboConcreteType->setCurrentIndex(1);
        d.cmdOK->click();
        QCOMPARE(app.model.ConcreteType, 1);
        QCOMPARE(app.model.Selected.ConcreteType, ConcreteType::LightWeight);
    }
};

QTEST_MAIN(tst_frmConcreteProperties)
#include "tst_frmConcreteProperties.moc"
