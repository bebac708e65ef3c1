#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <map>

#include "dialogs/frmDesignLoads.h"
#include "support/DialogRig.h"

using namespace fd9;

class tst_frmDesignLoads : public QObject {
    Q_OBJECT

    struct App : MenuRig {
        frmDesignLoads* dialog = open(menu.mnuLoads, &frmMenu::designLoads);
    };

    QLineEdit* fieldNamed(frmDesignLoads& d, const QString& name) {
        return d.findChild<QLineEdit*>(name);
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void newDialogHasEveryFactorControlEnabled() {
        App app;
        frmDesignLoads& d = *app.dialog;
        QVERIFY(d.optNZS4203->isChecked());
        for (QWidget* w : std::initializer_list<QWidget*>{
                 d.txtDeadLoadReduction, d.txtLiveLoadReduction, d.lblDeadLoadReduction,
                 d.lblLiveLoadReduction, d.optRoofs, d.optDomesticFloors, d.optStorageFloors}) {
            QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
        }
    }

    void enterChecksEachField_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");  // empty: accepted
        QTest::addColumn<QString>("resetText");
        const QString dead = QStringLiteral("Dead Load is invalid!");
        const QString live = QStringLiteral("Live Load is invalid!");
        const QString value = QStringLiteral("Value is invalid!");
        QTest::newRow("dead 0") << "txtDeadLoad"
                                << "0" << dead << " 0";
        QTest::newRow("dead 4.5") << "txtDeadLoad"
                                  << "4.5" << QString() << QString();
        QTest::newRow("live 0") << "txtLiveLoad"
                                << "0" << QString() << QString();
        QTest::newRow("live -1") << "txtLiveLoad"
                                 << "-1" << live << " 0";
        QTest::newRow("span 0.5") << "txtSpan"
                                  << "0.5" << QString() << QString();
        QTest::newRow("span 0") << "txtSpan"
                                << "0" << QStringLiteral("Span is invalid!") << " 5";
        QTest::newRow("dead factor 0") << "txtDeadLoadReduction"
                                       << "0" << QString() << QString();
        QTest::newRow("dead factor -0.1") << "txtDeadLoadReduction"
                                          << "-0.1" << value << " 1";
        QTest::newRow("live factor 1") << "txtLiveLoadReduction"
                                       << "1" << QString() << QString();
        QTest::newRow("live factor 1.2") << "txtLiveLoadReduction"
                                         << "1.2" << value << " .4";
        QTest::newRow("dead beyond float") << "txtDeadLoad"
                                           << "1E39" << dead << " 0";
    }
    void enterChecksEachField() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, resetText);
        App app;
        frmDesignLoads& d = *app.dialog;
        QVERIFY(Activate(*app.dialog));
        QLineEdit* f = fieldNamed(d, field);
        QVERIFY(f);
        f->setFocus();
        const FloorModel before = app.model;
        Type(f, typed);
        PressEnter(f);
        QCOMPARE(app.platform.beeps, 0);
        QCOMPARE(QApplication::focusWidget(), f);
        if (message.isEmpty()) {
            QVERIFY(app.platform.boxes.empty());
            QCOMPARE(f->text(), typed);
            const std::map<QString, float> stored = {
                {QStringLiteral("txtDeadLoad"), app.model.DeadLoad},
                {QStringLiteral("txtLiveLoad"), app.model.LiveLoad},
                {QStringLiteral("txtSpan"), app.model.Span},
                {QStringLiteral("txtDeadLoadReduction"), app.model.DeadLoadFactor},
                {QStringLiteral("txtLiveLoadReduction"), app.model.LiveLoadFactor}};
            QCOMPARE(stored.at(field), typed.toFloat());
        } else {
            QCOMPARE(app.platform.boxTexts(), QStringList{message});
            QCOMPARE(f->text(), resetText);
            QCOMPARE(app.model.DeadLoad, before.DeadLoad);
            QCOMPARE(app.model.LiveLoad, before.LiveLoad);
            QCOMPARE(app.model.Span, before.Span);
            QCOMPARE(app.model.DeadLoadFactor, before.DeadLoadFactor);
            QCOMPARE(app.model.LiveLoadFactor, before.LiveLoadFactor);
        }
    }

    void shortSpanPassesEnterButNotLeaving() {
        App app;
        frmDesignLoads& d = *app.dialog;
        QVERIFY(Activate(*app.dialog));
        d.txtSpan->setFocus();
        Type(d.txtSpan, QStringLiteral("0.5"));
        PressEnter(d.txtSpan);
        QCOMPARE(app.model.Span, 0.5f);
        QVERIFY(app.platform.boxes.empty());

        // Leaving for a field that is itself wrong must not refuse that one too.
        d.txtDeadLoad->setText(QStringLiteral("0"));
        d.txtDeadLoad->setFocus(Qt::MouseFocusReason);
        QCOMPARE(app.platform.boxTexts(), QStringList{QStringLiteral("Span is invalid!")});
        QCOMPARE(d.txtSpan->text(), QStringLiteral(" 5"));
        QCOMPARE(QApplication::focusWidget(), d.txtSpan);
        QCOMPARE(app.model.Span, 0.5f);

        // The reset text is stored only once it is checked again.
        app.platform.clear();
        QTest::keyClick(d.txtSpan, Qt::Key_Tab);
        QVERIFY(app.platform.boxes.empty());
        QCOMPARE(app.model.Span, 5.0f);
    }

    void leavingTheDeadFactorBeepsBeforeItsMessage() {
        App app;
        frmDesignLoads& d = *app.dialog;
        QVERIFY(Activate(*app.dialog));
        d.txtDeadLoadReduction->setFocus();
        Type(d.txtDeadLoadReduction, QStringLiteral("-2"));
        d.txtLiveLoadReduction->setFocus(Qt::TabFocusReason);
        QCOMPARE(app.platform.boxTexts(), QStringList{QStringLiteral("Value is invalid!")});
        QCOMPARE(app.platform.beeps, 1);
        QCOMPARE(d.txtDeadLoadReduction->text(), QStringLiteral(" 1"));
        QCOMPARE(QApplication::focusWidget(), d.txtDeadLoadReduction);
    }

    void roofsOkStoresTheirFactorsWhateverTheFieldsHold() {
        App app;
        frmDesignLoads& d = *app.dialog;
        app.model.LiveLoadFactor = 0.7f;
        app.model.DeadLoadFactor = 0.2f;
        d.optRoofs->click();
        QCOMPARE(d.txtLiveLoadReduction->text(), QStringLiteral("0"));
        QCOMPARE(app.model.LiveLoadFactor, 0.7f);
        d.txtDeadLoadReduction->setText(QStringLiteral("5"));
        d.txtLiveLoadReduction->setText(QStringLiteral("9"));
        d.cmdOK->click();
        QVERIFY(app.platform.boxes.empty());
        QCOMPARE(app.model.LiveLoadFactor, 0.0f);
        QCOMPARE(app.model.DeadLoadFactor, 1.0f);
        QCOMPARE(d.txtDeadLoadReduction->text(), QStringLiteral("5"));
        // OK also stores the three load fields it checks.
        QCOMPARE(app.model.DeadLoad, 6.0f);
        QCOMPARE(app.model.LiveLoad, 16.0f);
        QCOMPARE(app.model.Span, 12.0f);
        QVERIFY(!d.isVisible());
    }

    void categoriesWriteTheirFactorText() {
        App app;
        frmDesignLoads& d = *app.dialog;
        const std::pair<QRadioButton*, QString> cases[] = {
            {d.optStorageFloors, QStringLiteral("0.6")},
            {d.optRoofs, QStringLiteral("0")},
            {d.optDomesticFloors, QStringLiteral("0.4")},
        };
        for (const auto& [option, text] : cases) {
            d.txtLiveLoadReduction->setText(QStringLiteral("x"));
            option->click();
            QCOMPARE(d.txtLiveLoadReduction->text(), text);
        }
        d.optStorageFloors->click();
        d.cmdOK->click();
        QCOMPARE(app.model.LiveLoadFactor, 0.6f);
    }

    void factorOptionsSwitchWhatIsEnabled() {
        App app;
        frmDesignLoads& d = *app.dialog;
        d.optUserSpecified->click();
        QVERIFY(d.txtLiveLoadReduction->isEnabled());
        QVERIFY(d.lblDeadLoadReduction->isEnabled());
        QVERIFY(!d.optRoofs->isEnabled());
        d.optNZS4203->click();
        QVERIFY(!d.txtLiveLoadReduction->isEnabled());
        QVERIFY(!d.txtDeadLoadReduction->isEnabled());
        QVERIFY(!d.lblLiveLoadReduction->isEnabled());
        QVERIFY(d.optRoofs->isEnabled());
        QVERIFY(d.optStorageFloors->isEnabled());
    }

    void bothUserFactorsZeroIsRefusedThenASecondOkCloses() {
        App app;
        frmDesignLoads& d = *app.dialog;
        app.model.SupportCondition = 0;
        d.optUserSpecified->click();
        d.optContinuous->click();
        Type(d.txtDeadLoadReduction, QStringLiteral("0"));
        Type(d.txtLiveLoadReduction, QStringLiteral("0"));
        d.cmdOK->click();
        QCOMPARE(app.platform.boxTexts(),
                 QStringList{QStringLiteral(
                     "Both Dead Load and Live Load Reduction Factors cannot be zero.")});
        QCOMPARE(d.txtDeadLoadReduction->text(), QStringLiteral(" 1"));
        QCOMPARE(d.txtLiveLoadReduction->text(), QStringLiteral(" .4"));
        QCOMPARE(app.model.DeadLoadFactor, 1.0f);
        QCOMPARE(app.model.LiveLoadFactor, 0.4f);
        QCOMPARE(app.model.SupportCondition, 0);
        QVERIFY(d.isVisible());

        app.platform.clear();
        d.cmdOK->click();
        QVERIFY(app.platform.boxes.empty());
        QCOMPARE(app.model.DeadLoadFactor, 1.0f);
        QCOMPARE(app.model.LiveLoadFactor, 0.4f);
        QCOMPARE(app.model.SupportCondition, 1);
        QVERIFY(!d.isVisible());
    }

    void okGoesOnAfterARefusedLoad() {
        App app;
        frmDesignLoads& d = *app.dialog;
        app.model.DeadLoad = 3;
        Type(d.txtDeadLoad, QStringLiteral("0"));
        Type(d.txtSpan, QStringLiteral("-1"));
        d.cmdOK->click();
        QCOMPARE(app.platform.boxTexts(), (QStringList{QStringLiteral("Span is invalid!"),
                                                       QStringLiteral("Dead Load is invalid!")}));
        QCOMPARE(app.model.DeadLoad, 3.0f);
        QCOMPARE(d.txtDeadLoad->text(), QStringLiteral(" 0"));
        QVERIFY(!d.isVisible());
    }

    void supportChoiceCountsAtOnceAndIsStoredByOk() {
        App app;
        frmDesignLoads& d = *app.dialog;
        d.optContinuous->click();
        QCOMPARE(app.model.Selected.SupportCondition, SupportCondition::Continuous);
        QCOMPARE(app.model.SupportCondition, 0);
        d.cmdOK->click();
        QCOMPARE(app.model.SupportCondition, 1);
        app.menu.mnuLoads->trigger();
        d.optSimplySupported->click();
        QCOMPARE(app.model.Selected.SupportCondition, SupportCondition::SimplySupported);
        QCOMPARE(app.model.SupportCondition, 1);
    }

    void showModelValuesBringsTheDialogInLine() {
        App app;
        frmDesignLoads& d = *app.dialog;
        app.model.DeadLoad = 7.5f;
        app.model.LiveLoad = 3;
        app.model.Span = 8;
        app.model.SupportCondition = 1;
        app.model.LiveLoadFactor = 0.6f;
        d.showModelValues(0);
        QCOMPARE(d.txtDeadLoad->text(), QStringLiteral(" 7.5"));
        QCOMPARE(d.txtSpan->text(), QStringLiteral(" 8"));
        QVERIFY(d.optContinuous->isChecked());
        QCOMPARE(app.model.Selected.SupportCondition, SupportCondition::Continuous);
        QVERIFY(d.optNZS4203->isChecked());
        QVERIFY(d.optStorageFloors->isChecked());
        QVERIFY(!d.txtLiveLoadReduction->isEnabled());

        app.model.DeadLoadFactor = 0.9f;
        app.model.LiveLoadFactor = 0.25f;
        d.showModelValues(1);
        QVERIFY(d.optUserSpecified->isChecked());
        QCOMPARE(d.txtDeadLoadReduction->text(), QStringLiteral(" .9"));
        QCOMPARE(d.txtLiveLoadReduction->text(), QStringLiteral(" .25"));
        QVERIFY(d.txtLiveLoadReduction->isEnabled());
        QVERIFY(!d.optRoofs->isEnabled());
    }
};

QTEST_MAIN(tst_frmDesignLoads)
#include "tst_frmDesignLoads.moc"
