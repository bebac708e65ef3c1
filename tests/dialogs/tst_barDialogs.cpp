#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "dialogs/frmAddSteel.h"
#include "dialogs/frmRemoveSteel.h"
#include "support/FakeDialogHost.h"

using namespace fd9;

namespace {

// The bar lists follow the model as the main window's do.
struct BarHost : FakeDialogHost {
    using FakeDialogHost::FakeDialogHost;
    frmRemoveSteel* lists = nullptr;
    void refreshBarLists() override { lists->FollowSteelLists(); }
};

// Both bar dialogs on a model reset with the given floor type (1000 x 150 slab, 300 x 500 beam,
// or the default double-tee and tee-beam).
struct Rig {
    FloorModel model;
    FakePlatform platform;
    BarHost host{model, platform};
    frmAddSteel& add;
    frmRemoveSteel& remove;

    explicit Rig(FloorType type)
        : model(NewModel(type)), add(*new frmAddSteel(host)), remove(*new frmRemoveSteel(host)) {
        host.lists = &remove;
    }
    QStringList boxes() const { return platform.boxTexts(); }

    void addBar(const char* x, const char* y, const char* diameter, bool positive = true) {
        (positive ? add.optAddPosMomentReinforcement : add.optAddNegMomentReinforcement)
            ->setChecked(true);
        add.txtXcoordinate->setText(QString::fromLatin1(x));
        add.txtYcoordinate->setText(QString::fromLatin1(y));
        add.txtSteelDiameter->setText(QString::fromLatin1(diameter));
        add.cmdAddSteel->click();
    }
};

QStringList Items(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) {
        items << list->item(i)->text();
    }
    return items;
}

QString Added(const char* group, int n) {
    return QStringLiteral("%1 Moment Steel Bar/Strand  %2 has been added.")
        .arg(QLatin1String(group))
        .arg(n);
}

}  // namespace

class tst_barDialogs : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // Add refuses only the bad fields and keeps the good ones; empty fields add nothing.
    void addRefusesEachBadFieldAndAddsNothing() {
        const QString x = QStringLiteral("X Coordinate is invalid!");
        const QString y = QStringLiteral("Y Coordinate is invalid!");
        const QString d = QStringLiteral("Steel Diameter is invalid!");
        const struct {
            FloorType type;
            bool positive;
            const char *x, *y, *diameter;
            QStringList messages;
        } cases[] = {
            // clang-format off
            {FloorType::Slab, true, "", "", "", {d, x, y}},
            // An empty x is a valid flange position, yet the bar is still not added.
            {FloorType::DoubleTee, false, "", "", "", {d, y}},
            {FloorType::TeeBeam, true, "", "", "", {d, QLatin1Char(' ') + x, y}},
            {FloorType::Slab, true, "50", "400", "16", {y}},
            // clang-format on
        };
        for (const auto& c : cases) {
            RowTrace trace{QByteArray::number(int(c.type)) + c.x};
            Rig rig(c.type);
            rig.addBar(c.x, c.y, c.diameter, c.positive);
            QCOMPARE(rig.boxes(), c.messages);
            QCOMPARE(rig.model.PosSteelCount + rig.model.NegSteelCount, 0);
            QCOMPARE(rig.add.focusWidget(), rig.add.txtYcoordinate);
            QCOMPARE(rig.add.txtXcoordinate->text(), QString::fromLatin1(c.x));
            QCOMPARE(rig.add.txtSteelDiameter->text(), QString::fromLatin1(c.diameter));
            QVERIFY(rig.add.txtYcoordinate->text().isEmpty());
        }
    }

    void addAppendsTheBarItsListItemAndTellsTheCount() {
        Rig rig(FloorType::Slab);
        rig.addBar("50", "100", "16");
        QCOMPARE(rig.boxes(), QStringList{Added("Positive", 1)});
        QCOMPARE(std::tuple(rig.platform.boxes[0].title, rig.platform.boxes[0].icon),
                 std::tuple(QStringLiteral("ORVAN FD9"), MsgIcon::None));
        QVERIFY(rig.model.PosSteel[0][SteelX] == 50 && rig.model.PosSteel[0][SteelY] == 100 &&
                rig.model.PosSteel[0][SteelDiameter] == 16);
        // The fields keep their texts, so Add again adds the same bar again.
        rig.addBar("50", "100", "16");
        QCOMPARE(rig.boxes().last(), Added("Positive", 2));
        rig.addBar("900", "20", "12", false);
        QCOMPARE(rig.boxes().last(), Added("Negative", 1));
        // The lists exist, hidden, before the remove dialog was ever opened.
        frmRemoveSteel& remove = rig.remove;
        QVERIFY(!remove.isVisible());
        QCOMPARE(Items(remove.lstSteelPos),
                 (QStringList{QStringLiteral("x= 50 mm  y= 100 mm  dia= 16 mm"),
                              QStringLiteral("x= 50 mm  y= 100 mm  dia= 16 mm")}));
        QCOMPARE(Items(remove.lstSteelNeg),
                 QStringList{QStringLiteral("x= 900 mm  y= 20 mm  dia= 12 mm")});
        QCOMPARE(rig.host.redraws, 3);
    }

    void aGroupHoldsAtMostThirtyBars() {
        Rig rig(FloorType::Beam);
        for (int i = 0; i < MaxSteelRows; ++i) {
            rig.addBar("50", "450", "20");
        }
        QCOMPARE(rig.boxes().last(), Added("Positive", 30));
        const FloorModel before = rig.model;
        rig.platform.clear();
        rig.addBar("100", "450", "20");
        QCOMPARE(rig.boxes(),
                 QStringList{QStringLiteral("The positive moment reinforcement already holds 30 "
                                            "bars/strands; no more can be added.")});
        QCOMPARE(rig.model.PosSteelCount, 30);
        QVERIFY(rig.model.PosSteel == before.PosSteel);
        rig.addBar("100", "50", "12", false);  // the other group is not affected
        QCOMPARE(rig.model.NegSteelCount, 1);
    }

    // Numbers beyond float range pass "> 0" as infinity unless the dialog refuses them.
    void addRefusesDiametersNoFloatHolds() {
        for (const char* diameter : {"1E39", "9E999", "&HFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF"}) {
            Rig rig(FloorType::Slab);
            rig.addBar("500", "100", diameter);
            QCOMPARE(rig.model.PosSteelCount, std::int16_t(0));
            QCOMPARE(rig.boxes(), QStringList{QStringLiteral("Steel Diameter is invalid!")});
        }
    }

    void removeTakesTheSelectedBarOfTheChosenGroup() {
        Rig rig(FloorType::Slab);
        rig.addBar("100", "120", "10");
        rig.addBar("200", "120", "12");
        rig.addBar("300", "120", "16");
        rig.addBar("200", "30", "12", false);
        frmRemoveSteel& remove = rig.remove;
        remove.showOrRaise();
        QVERIFY(remove.lstSteelPos->isVisible() && !remove.lstSteelNeg->isVisible());
        remove.cmdRemoveSteel->click();  // nothing selected: nothing removed
        QCOMPARE(rig.model.PosSteelCount, 3);
        const QRect second = remove.lstSteelPos->visualItemRect(remove.lstSteelPos->item(1));
        QTest::mouseClick(remove.lstSteelPos->viewport(), Qt::LeftButton, {}, second.center());
        rig.platform.clear();
        rig.host.redraws = 0;
        remove.cmdRemoveSteel->click();
        QVERIFY(rig.boxes().isEmpty());
        QCOMPARE(rig.model.PosSteelCount, 2);
        QCOMPARE(rig.model.PosSteel[1][SteelX], 300.0f);
        QCOMPARE(rig.model.PosSteel[1][SteelDiameter], 16.0f);
        QCOMPARE(Items(remove.lstSteelPos),
                 (QStringList{QStringLiteral("x= 100 mm  y= 120 mm  dia= 10 mm"),
                              QStringLiteral("x= 300 mm  y= 120 mm  dia= 16 mm")}));
        QCOMPARE(rig.host.redraws, 1);
        // The option chooses the group shown and removed; an empty group stays empty, silently.
        QTest::mouseClick(remove.optRemoveNegSteel, Qt::LeftButton);
        QVERIFY(!remove.lstSteelPos->isEnabled() && remove.lstSteelNeg->isVisible());
        for (int twice = 0; twice < 2; ++twice) {
            remove.cmdRemoveAllSteel->click();
            QCOMPARE(rig.model.NegSteelCount, 0);
        }
        QVERIFY(rig.boxes().isEmpty() && remove.lstSteelNeg->count() == 0);
        QCOMPARE(rig.model.PosSteelCount, 2);
        QCOMPARE(rig.host.redraws, 3);
        // Finished hides and redraws; Enter presses the remove dialog's default button.
        rig.add.showOrRaise();
        rig.add.cmdFinished->click();
        QVERIFY(!rig.add.isVisible());
        QCOMPARE(rig.host.redraws, 4);
        QVERIFY(Activate(remove));
        remove.lstSteelPos->setFocus();
        PressEnter(remove.lstSteelPos);
        QVERIFY(!remove.isVisible());
        QCOMPARE(rig.host.redraws, 5);
    }
};

QTEST_MAIN(tst_barDialogs)
#include "tst_barDialogs.moc"
