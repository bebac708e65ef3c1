#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "dialogs/frmDesignLoads.h"
#include "support/FakeDialogHost.h"

using namespace fd9;

namespace {

struct App : HostRig<frmDesignLoads> {
    frmDesignLoads& d = shown();

    QList<float> stored() const {
        return {model.DeadLoad, model.LiveLoad, model.Span, model.DeadLoadFactor,
                model.LiveLoadFactor};
    }
};

}  // namespace

class tst_frmDesignLoads : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void enterChecksEachField_data() {
        QTest::addColumn<int>("field");  // in the order of App::stored
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");  // empty: accepted
        QTest::addColumn<QString>("resetText");
        const QString dead = QStringLiteral("Dead Load is invalid!");
        const QString value = QStringLiteral("Value is invalid!");
        QTest::newRow("dead 0") << 0 << "0" << dead << " 0";
        QTest::newRow("dead 4.5") << 0 << "4.5" << QString() << QString();
        QTest::newRow("dead beyond float") << 0 << "1E39" << dead << " 0";
        QTest::newRow("live 0") << 1 << "0" << QString() << QString();
        QTest::newRow("live -1") << 1 << "-1" << QStringLiteral("Live Load is invalid!") << " 0";
        QTest::newRow("span 0") << 2 << "0" << QStringLiteral("Span is invalid!") << " 5";
        QTest::newRow("dead factor -0.1") << 3 << "-0.1" << value << " 1";
        QTest::newRow("live factor 1") << 4 << "1" << QString() << QString();
        QTest::newRow("live factor 1.2") << 4 << "1.2" << value << " .4";
    }
    void enterChecksEachField() {
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, resetText);
        App app;
        QVERIFY(Activate(app.d));
        QLineEdit* fields[] = {app.d.txtDeadLoad, app.d.txtLiveLoad, app.d.txtSpan,
                               app.d.txtDeadLoadReduction, app.d.txtLiveLoadReduction};
        QLineEdit* f = fields[field];
        f->setFocus();
        QList<float> expected = app.stored();
        Type(f, typed);
        PressEnter(f);
        QCOMPARE(app.platform.beeps, 0);
        QCOMPARE(QApplication::focusWidget(), f);
        QCOMPARE(app.boxes(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(f->text(), message.isEmpty() ? typed : resetText);
        if (message.isEmpty()) {
            expected[field] = typed.toFloat();
        }
        QCOMPARE(app.stored(), expected);
    }

    void shortSpanPassesEnterButNotLeaving() {
        App app;
        frmDesignLoads& d = app.d;
        QVERIFY(Activate(d));
        d.txtSpan->setFocus();
        Type(d.txtSpan, QStringLiteral("0.5"));
        PressEnter(d.txtSpan);
        QCOMPARE(app.model.Span, 0.5f);
        QVERIFY(app.platform.boxes.empty());

        // Leaving for a field that is itself wrong must not refuse that one too.
        d.txtDeadLoad->setText(QStringLiteral("0"));
        d.txtDeadLoad->setFocus(Qt::MouseFocusReason);
        QCOMPARE(app.boxes(), QStringList{QStringLiteral("Span is invalid!")});
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
        frmDesignLoads& d = app.d;
        QVERIFY(Activate(d));
        d.txtDeadLoadReduction->setFocus();
        Type(d.txtDeadLoadReduction, QStringLiteral("-2"));
        d.txtLiveLoadReduction->setFocus(Qt::TabFocusReason);
        QCOMPARE(app.boxes(), QStringList{QStringLiteral("Value is invalid!")});
        QCOMPARE(app.platform.beeps, 1);
        QCOMPARE(d.txtDeadLoadReduction->text(), QStringLiteral(" 1"));
        QCOMPARE(QApplication::focusWidget(), d.txtDeadLoadReduction);
    }

    void categoriesWriteTheirFactorAndOkStoresItWhateverTheFieldsHold() {
        App app;
        frmDesignLoads& d = app.d;
        app.model.LiveLoadFactor = 0.7f;
        const std::pair<QRadioButton*, QString> cases[] = {
            {d.optStorageFloors, QStringLiteral("0.6")},
            {d.optDomesticFloors, QStringLiteral("0.4")},
            {d.optRoofs, QStringLiteral("0")},
        };
        for (const auto& [option, text] : cases) {
            d.txtLiveLoadReduction->setText(QStringLiteral("x"));
            option->click();
            QCOMPARE(d.txtLiveLoadReduction->text(), text);
        }
        QCOMPARE(app.model.LiveLoadFactor, 0.7f);  // only OK stores
        d.txtDeadLoadReduction->setText(QStringLiteral("5"));
        d.txtLiveLoadReduction->setText(QStringLiteral("9"));
        d.cmdOK->click();
        QVERIFY(app.platform.boxes.empty());
        QCOMPARE(app.model.LiveLoadFactor, 0.0f);
        QCOMPARE(app.model.DeadLoadFactor, 1.0f);
        QCOMPARE(d.txtDeadLoadReduction->text(), QStringLiteral("5"));
        // OK also stores the three load fields it checks.
        QCOMPARE(app.stored().mid(0, 3), (QList<float>{6, 16, 12}));
        QVERIFY(!d.isVisible());
    }

    void factorOptionsSwitchWhatIsEnabled() {
        App app;
        frmDesignLoads& d = app.d;
        // A new dialog leaves everything enabled until an option is clicked.
        QVERIFY(d.optNZS4203->isChecked() && d.txtLiveLoadReduction->isEnabled());
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
        frmDesignLoads& d = app.d;
        d.optUserSpecified->click();
        d.optContinuous->click();
        Type(d.txtDeadLoadReduction, QStringLiteral("0"));
        Type(d.txtLiveLoadReduction, QStringLiteral("0"));
        d.cmdOK->click();
        QCOMPARE(app.boxes(),
                 QStringList{QStringLiteral(
                     "Both Dead Load and Live Load Reduction Factors cannot be zero.")});
        QCOMPARE(d.txtDeadLoadReduction->text(), QStringLiteral(" 1"));
        QCOMPARE(d.txtLiveLoadReduction->text(), QStringLiteral(" .4"));
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
        frmDesignLoads& d = app.d;
        app.model.DeadLoad = 3;
        Type(d.txtDeadLoad, QStringLiteral("0"));
        Type(d.txtSpan, QStringLiteral("-1"));
        d.cmdOK->click();
        QCOMPARE(app.boxes(), (QStringList{QStringLiteral("Span is invalid!"),
                                           QStringLiteral("Dead Load is invalid!")}));
        QCOMPARE(app.model.DeadLoad, 3.0f);
        QCOMPARE(d.txtDeadLoad->text(), QStringLiteral(" 0"));
        QVERIFY(!d.isVisible());
    }

    void supportChoiceCountsAtOnceAndIsStoredByOk() {
        App app;
        frmDesignLoads& d = app.d;
        d.optContinuous->click();
        QCOMPARE(app.model.Selected.SupportCondition, SupportCondition::Continuous);
        QCOMPARE(app.model.SupportCondition, 0);
        d.cmdOK->click();
        QCOMPARE(app.model.SupportCondition, 1);
        d.showOrRaise();
        d.optSimplySupported->click();
        QCOMPARE(app.model.Selected.SupportCondition, SupportCondition::SimplySupported);
        QCOMPARE(app.model.SupportCondition, 1);
    }
};

QTEST_MAIN(tst_frmDesignLoads)
#include "tst_frmDesignLoads.moc"
