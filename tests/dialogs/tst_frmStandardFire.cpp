#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "dialogs/frmStandardFire.h"
#include "support/FakeDialogHost.h"

using namespace fd9;

class tst_frmStandardFire : public QObject {
    Q_OBJECT

    struct App : HostRig<frmStandardFire> {
        App() { shown(); }
    };

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void roundDownFRR_data() {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        const std::pair<int, int> cases[] = {{-5, 0},    {0, 0},     {29, 0},     {30, 30},
                                             {59, 30},   {60, 60},   {89, 60},    {90, 90},
                                             {119, 90},  {120, 120}, {179, 120},  {180, 180},
                                             {239, 180}, {240, 240}, {32767, 240}};
        for (const auto& [before, after] : cases) {
            QTest::addRow("%d", before) << before << after;
        }
    }
    void roundDownFRR() {
        QFETCH(int, before);
        QFETCH(int, after);
        FloorModel model;
        model.FRRequired = static_cast<std::int16_t>(before);
        RoundDownFRR(model);
        QCOMPARE(int(model.FRRequired), after);
    }

    void enterThenOk_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("onEnter");  // -1: refused
        QTest::addColumn<int>("afterOk");
        QTest::newRow("240 stays") << "240" << 240 << 240;
        QTest::newRow("240.5 rounds to even 240") << "240.5" << 240 << 240;
        QTest::newRow("241 refused") << "241" << -1 << 60;
        QTest::newRow("100 gives 90") << "100" << 100 << 90;
        QTest::newRow("30.7 kept as 30") << "30.7" << 30 << 30;
        QTest::newRow("29.7 would leave 0, refused") << "29.7" << -1 << 60;
        QTest::newRow("beyond 16 bits refused") << "40000" << -1 << 60;
        QTest::newRow("text refused") << "two hours" << -1 << 60;
    }
    void enterThenOk() {
        QFETCH(QString, typed);
        QFETCH(int, onEnter);
        QFETCH(int, afterOk);
        HostRig<frmStandardFire> app;
        frmStandardFire& d = app.dialog;
        d.showOrRaise();
        QVERIFY(Activate(d));
        d.txtFRRequired->setFocus();
        app.model.FRRequired = 120;
        Type(d.txtFRRequired, typed);
        PressEnter(d.txtFRRequired);
        if (onEnter < 0) {
            QCOMPARE(app.platform.boxTexts(),
                     QStringList{QStringLiteral("FRR is outside valid range!")});
            QCOMPARE(app.platform.beeps, 1);
            QCOMPARE(d.txtFRRequired->text(), QStringLiteral(" 60"));
            QCOMPARE(QApplication::focusWidget(), d.txtFRRequired);
            QCOMPARE(int(app.model.FRRequired), 120);
        } else {
            QVERIFY(app.platform.boxes.empty());
            QCOMPARE(int(app.model.FRRequired), onEnter);
        }
        app.platform.clear();
        d.cmdOK->click();
        QVERIFY(app.platform.boxes.empty());
        QCOMPARE(int(app.model.FRRequired), afterOk);
        QVERIFY(!d.isVisible());
    }

    void refusedRatingThenOkStores60AndChecksStandard() {
        App app;
        frmStandardFire& d = app.dialog;
        app.host.setDesignFire(DesignFire::NonStandard);
        Type(d.txtFRRequired, QStringLiteral("500"));
        d.cmdOK->click();
        QCOMPARE(app.platform.boxTexts(),
                 QStringList{QStringLiteral("FRR is outside valid range!")});
        QCOMPARE(int(app.model.FRRequired), 60);
        QCOMPARE(app.model.Selected.DesignFire, DesignFire::Standard);
        QVERIFY(!d.isVisible());
    }

    void cancelShowsTheStoredRatingAndKeepsTheFire() {
        App app;
        frmStandardFire& d = app.dialog;
        Type(d.txtFRRequired, QStringLiteral("100"));
        d.cmdOK->click();
        app.host.setDesignFire(DesignFire::NonStandard);
        d.showOrRaise();
        Type(d.txtFRRequired, QStringLiteral("180"));
        QTest::keyClick(&d, Qt::Key_Escape);
        QVERIFY(!d.isVisible());
        QCOMPARE(d.txtFRRequired->text(), QStringLiteral(" 90"));
        QCOMPARE(int(app.model.FRRequired), 90);
        QCOMPARE(app.model.Selected.DesignFire, DesignFire::NonStandard);
    }
};

QTEST_MAIN(tst_frmStandardFire)
#include "tst_frmStandardFire.moc"
