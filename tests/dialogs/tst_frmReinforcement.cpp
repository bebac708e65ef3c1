#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "dialogs/frmAddSteel.h"
#include "dialogs/frmRemoveSteel.h"
#include "support/FakeDialogHost.h"

using namespace fd9;

Q_DECLARE_METATYPE(fd9::FloorType)

namespace {

// The bar lists follow the model as the main window's do.
struct BarHost : FakeDialogHost {
    using FakeDialogHost::FakeDialogHost;
    frmRemoveSteel* lists = nullptr;
    void refreshBarLists() override {
        FakeDialogHost::refreshBarLists();
        lists->FollowSteelLists();
    }
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

const QString BadX = QStringLiteral("X Coordinate is invalid!");
const QString BadTeeBeamX = QStringLiteral(" X Coordinate is invalid!");
const QString BadY = QStringLiteral("Y Coordinate is invalid!");
const QString BadDiameter = QStringLiteral("Steel Diameter is invalid!");

}  // namespace

class tst_frmReinforcement : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void fieldChecks_data() {
        QTest::addColumn<FloorType>("type");
        QTest::addColumn<bool>("positive");
        QTest::addColumn<char>("field");  // x, y or d
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");  // empty when accepted
        const FloorType slab = FloorType::Slab, beam = FloorType::Beam;
        const FloorType dt = FloorType::DoubleTee, tb = FloorType::TeeBeam;
        auto row = [](const char* name, FloorType t, bool pos, char f, const char* text,
                      const QString& message) {
            QTest::newRow(name) << t << pos << f << QString::fromLatin1(text) << message;
        };
        row("slab x at the edge", slab, true, 'x', "1000", {});
        row("slab x 0", slab, true, 'x', "0", BadX);
        row("slab x beyond", slab, false, 'x', "1000.5", BadX);
        row("slab y at the soffit", slab, false, 'y', "150", {});
        row("slab y 0", slab, true, 'y', "0", BadY);
        row("beam x at the width", beam, true, 'x', "300", {});
        row("beam x beyond", beam, true, 'x', "301", BadX);
        row("beam y beyond", beam, false, 'y', "501", BadY);
        row("dt pos x left rib centre", dt, true, 'x', "600", {});
        row("dt pos x right rib", dt, true, 'x', "1880", {});
        row("dt pos x between ribs", dt, true, 'x', "1200", BadX);
        row("dt pos x on rib edge", dt, true, 'x', "512.5", BadX);
        row("dt pos x inside rib edge", dt, true, 'x', "513", {});
        row("dt pos y in rib", dt, true, 'y', "450", {});
        row("dt pos y at flange underside", dt, true, 'y', "130", BadY);
        row("dt pos y at soffit", dt, true, 'y', "480", BadY);
        row("dt neg x 0", dt, false, 'x', "0", {});
        row("dt neg x beyond", dt, false, 'x', "2401", BadX);
        row("dt neg y in flange", dt, false, 'y', "100", {});
        row("dt neg y at flange underside", dt, false, 'y', "130", BadY);
        row("dt neg y in rib", dt, false, 'y', "200", BadY);
        row("tb pos x centre", tb, true, 'x', "1200", {});
        row("tb pos x on rib edge", tb, true, 'x', "1287.5", BadTeeBeamX);
        row("tb neg x beyond", tb, false, 'x', "-1", BadX);
        row("tb neg y in flange", tb, false, 'y', "129", {});
        row("tb pos y in rib", tb, true, 'y', "131", {});
        row("diameter 0", slab, true, 'd', "0", BadDiameter);
        row("diameter", tb, true, 'd', "12.7", {});
    }

    void fieldChecks() {
        QFETCH(FloorType, type);
        QFETCH(bool, positive);
        QFETCH(char, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        Rig rig(type);
        frmAddSteel& add = rig.add;
        (positive ? add.optAddPosMomentReinforcement : add.optAddNegMomentReinforcement)
            ->setChecked(true);
        QLineEdit* edit = field == 'x'   ? add.txtXcoordinate
                          : field == 'y' ? add.txtYcoordinate
                                         : add.txtSteelDiameter;
        add.txtXcoordinate->setFocus();
        QTest::keyClicks(edit, text);
        PressEnter(edit);
        QCOMPARE(rig.boxes(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(edit->text(), message.isEmpty() ? text : QString());
        if (!message.isEmpty()) {
            QCOMPARE(add.focusWidget(), edit);
        }
        QCOMPARE(rig.model.PosSteelCount + rig.model.NegSteelCount, 0);
    }

    void addWithEmptyFieldsAddsNothing_data() {
        QTest::addColumn<FloorType>("type");
        QTest::addColumn<bool>("positive");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("slab") << FloorType::Slab << true << QStringList{BadDiameter, BadX, BadY};
        QTest::newRow("beam negative")
            << FloorType::Beam << false << QStringList{BadDiameter, BadX, BadY};
        // An empty x is a valid flange position, yet the bar is still not added.
        QTest::newRow("double-tee negative")
            << FloorType::DoubleTee << false << QStringList{BadDiameter, BadY};
        QTest::newRow("tee-beam positive")
            << FloorType::TeeBeam << true << QStringList{BadDiameter, BadTeeBeamX, BadY};
    }

    void addWithEmptyFieldsAddsNothing() {
        QFETCH(FloorType, type);
        QFETCH(bool, positive);
        QFETCH(QStringList, messages);
        Rig rig(type);
        rig.addBar("", "", "", positive);
        QCOMPARE(rig.boxes(), messages);
        QCOMPARE(rig.model.PosSteelCount, 0);
        QCOMPARE(rig.model.NegSteelCount, 0);
        QCOMPARE(rig.remove.lstSteelPos->count() + rig.remove.lstSteelNeg->count(), 0);
        QCOMPARE(rig.add.focusWidget(), rig.add.txtYcoordinate);
    }

    void addRefusesOnlyTheBadFieldsAndKeepsTheGoodOnes() {
        Rig rig(FloorType::Slab);
        rig.addBar("50", "400", "16");
        QCOMPARE(rig.boxes(), QStringList{BadY});
        QCOMPARE(rig.add.txtXcoordinate->text(), QStringLiteral("50"));
        QCOMPARE(rig.add.txtSteelDiameter->text(), QStringLiteral("16"));
        QVERIFY(rig.add.txtYcoordinate->text().isEmpty());
        QCOMPARE(rig.model.PosSteelCount, 0);
    }

    void addAppendsTheBarItsListItemAndTellsTheCount() {
        Rig rig(FloorType::Slab);
        rig.addBar("50", "100", "16");
        QCOMPARE(
            rig.boxes(),
            QStringList{QStringLiteral("Positive Moment Steel Bar/Strand  1 has been added.")});
        QCOMPARE(rig.platform.boxes[0].title, QStringLiteral("ORVAN FD9"));
        QCOMPARE(rig.platform.boxes[0].icon, MsgIcon::None);
        QCOMPARE(rig.model.PosSteelCount, 1);
        QVERIFY(rig.model.PosSteel[0][SteelX] == 50 && rig.model.PosSteel[0][SteelY] == 100 &&
                rig.model.PosSteel[0][SteelDiameter] == 16);
        // The fields keep their texts, so Add again adds the same bar again.
        rig.addBar("50", "100", "16");
        QCOMPARE(rig.model.PosSteelCount, 2);
        QCOMPARE(rig.boxes().last(),
                 QStringLiteral("Positive Moment Steel Bar/Strand  2 has been added."));
        rig.addBar("900", "20", "12", false);
        QCOMPARE(rig.boxes().last(),
                 QStringLiteral("Negative Moment Steel Bar/Strand  1 has been added."));
        QCOMPARE(rig.model.NegSteelCount, 1);

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
        QCOMPARE(rig.model.PosSteelCount, 30);
        QCOMPARE(rig.boxes().last(),
                 QStringLiteral("Positive Moment Steel Bar/Strand  30 has been added."));
        const FloorModel before = rig.model;
        rig.platform.clear();
        rig.addBar("100", "450", "20");
        QCOMPARE(rig.boxes(),
                 QStringList{QStringLiteral("The positive moment reinforcement already holds 30 "
                                            "bars/strands; no more can be added.")});
        QCOMPARE(rig.model.PosSteelCount, 30);
        QVERIFY(rig.model.PosSteel == before.PosSteel);
        QCOMPARE(rig.remove.lstSteelPos->count(), 30);
        // The other group is not affected.
        rig.addBar("100", "50", "12", false);
        QCOMPARE(rig.model.NegSteelCount, 1);
    }

    void removingTheMiddleBarClosesTheGap() {
        Rig rig(FloorType::Slab);
        rig.addBar("100", "120", "10");
        rig.addBar("200", "120", "12");
        rig.addBar("300", "120", "16");
        frmRemoveSteel& remove = rig.remove;
        remove.showOrRaise();
        const QRect second = remove.lstSteelPos->visualItemRect(remove.lstSteelPos->item(1));
        QTest::mouseClick(remove.lstSteelPos->viewport(), Qt::LeftButton, {}, second.center());
        QCOMPARE(remove.lstSteelPos->selectedItems().size(), 1);
        rig.platform.clear();
        rig.host.redraws = 0;
        remove.cmdRemoveSteel->click();
        QVERIFY(rig.boxes().isEmpty());
        QCOMPARE(rig.model.PosSteelCount, 2);
        QCOMPARE(rig.model.PosSteel[0][SteelX], 100.0f);
        QCOMPARE(rig.model.PosSteel[1][SteelX], 300.0f);
        QCOMPARE(rig.model.PosSteel[1][SteelDiameter], 16.0f);
        QCOMPARE(Items(remove.lstSteelPos),
                 (QStringList{QStringLiteral("x= 100 mm  y= 120 mm  dia= 10 mm"),
                              QStringLiteral("x= 300 mm  y= 120 mm  dia= 16 mm")}));
        QCOMPARE(rig.host.redraws, 1);

        // Nothing selected: nothing removed.
        QVERIFY(remove.lstSteelPos->selectedItems().isEmpty());
        remove.cmdRemoveSteel->click();
        QCOMPARE(rig.model.PosSteelCount, 2);
        QCOMPARE(remove.lstSteelPos->count(), 2);
        remove.hide();
    }

    void optionsChooseTheGroupThatIsShownAndRemoved() {
        Rig rig(FloorType::Slab);
        rig.addBar("100", "120", "10");
        rig.addBar("200", "30", "12", false);
        rig.addBar("300", "30", "12", false);
        frmRemoveSteel& remove = rig.remove;
        remove.showOrRaise();
        QVERIFY(remove.lstSteelPos->isVisible() && remove.lstSteelPos->isEnabled());
        QVERIFY(!remove.lstSteelNeg->isVisible() && !remove.lstSteelNeg->isEnabled());
        QTest::mouseClick(remove.optRemoveNegSteel, Qt::LeftButton);
        QVERIFY(remove.optRemoveNegSteel->isChecked());
        QVERIFY(!remove.lstSteelPos->isVisible() && !remove.lstSteelPos->isEnabled());
        QVERIFY(remove.lstSteelNeg->isVisible() && remove.lstSteelNeg->isEnabled());

        remove.lstSteelNeg->item(0)->setSelected(true);
        remove.cmdRemoveSteel->click();
        QCOMPARE(rig.model.NegSteelCount, 1);
        QCOMPARE(rig.model.NegSteel[0][SteelX], 300.0f);
        QCOMPARE(rig.model.PosSteelCount, 1);

        remove.cmdRemoveAllSteel->click();
        QCOMPARE(rig.model.NegSteelCount, 0);
        QCOMPARE(remove.lstSteelNeg->count(), 0);
        QCOMPARE(rig.model.PosSteelCount, 1);
        QCOMPARE(remove.lstSteelPos->count(), 1);
        rig.platform.clear();
        rig.host.redraws = 0;
        remove.cmdRemoveAllSteel->click();  // an empty group stays empty, silently
        QCOMPARE(rig.model.NegSteelCount, 0);
        QVERIFY(rig.boxes().isEmpty());
        QCOMPARE(rig.host.redraws, 1);
        remove.hide();
    }

    void finishedHidesAndRedraws() {
        Rig rig(FloorType::Slab);
        rig.addBar("100", "120", "10");
        frmAddSteel& add = rig.add;
        add.showOrRaise();
        rig.host.redraws = 0;
        add.cmdFinished->click();
        QVERIFY(!add.isVisible());
        QCOMPARE(rig.host.redraws, 1);

        // Enter presses the remove dialog's default button.
        frmRemoveSteel& remove = rig.remove;
        QVERIFY(Activate(remove));
        rig.host.redraws = 0;
        remove.lstSteelPos->setFocus();
        PressEnter(remove.lstSteelPos);
        QVERIFY(!remove.isVisible());
        QCOMPARE(rig.host.redraws, 1);
    }
};

QTEST_MAIN(tst_frmReinforcement)
#include "tst_frmReinforcement.moc"
