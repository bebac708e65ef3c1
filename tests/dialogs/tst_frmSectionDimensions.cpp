#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "dialogs/frmBeamDimensions.h"
#include "dialogs/frmDoubleTeeDimensions.h"
#include "dialogs/frmSlabDimensions.h"
#include "dialogs/frmTeeBeamDimensions.h"
#include "support/FakeDialogHost.h"

using namespace fd9;

namespace {

const QString SlabAdvice = QStringLiteral("You should treat the beam as a slab.");

void EnterOrLeave(QLineEdit* field, bool leaving) {
    if (leaving) {
        Leave(field);
    } else {
        PressEnter(field);
    }
}

}  // namespace

class tst_frmSectionDimensions : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void beamDepthEnter_data() {
        QTest::addColumn<QString>("depth");
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("message");
        QTest::addColumn<float>("stored");
        const QString invalid = QStringLiteral("Beam Depth is invalid!");
        QTest::newRow("deeper than wide") << "600"
                                          << "300" << QString() << 600.0f;
        QTest::newRow("wide shallow") << "200"
                                      << "400" << SlabAdvice << 500.0f;
        QTest::newRow("narrow shallow") << "200"
                                        << "250" << invalid << 500.0f;
        QTest::newRow("300 is not wide") << "200"
                                         << "300" << invalid << 500.0f;
        QTest::newRow("text after number") << "450mm"
                                           << "300" << QString() << 450.0f;
    }

    void beamDepthEnter() {
        QFETCH(QString, depth);
        QFETCH(QString, width);
        QFETCH(QString, message);
        QFETCH(float, stored);
        HostRig<frmBeamDimensions> rig(FloorType::Beam);
        frmBeamDimensions& beam = rig.dialog;
        Type(beam.txtBeamWidth, width);
        Type(beam.txtBeamDepth, depth);
        PressEnter(beam.txtBeamDepth);
        QCOMPARE(rig.boxes(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(rig.model.SectionDepth, stored);
        QCOMPARE(rig.model.SectionWidth, 300.0f);
        QCOMPARE(beam.txtBeamDepth->text(), depth);
        QCOMPARE(rig.model.Selected.FloorType, FloorType::Beam);
        if (message.isEmpty()) {
            QVERIFY(rig.host.redraws > 0);
        } else {
            const FakePlatform::Box& box = rig.platform.boxes[0];
            QCOMPARE(box.title, QStringLiteral("ORVAN FD9"));
            QCOMPARE(box.icon, MsgIcon::None);
            QCOMPARE(box.buttons, MsgButtons::OK);
        }
    }

    void beamWidthEnterAndLeaving_data() {
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("depth");
        QTest::addColumn<bool>("advice");
        QTest::newRow("narrower than deep") << "200"
                                            << "500" << false;
        QTest::newRow("wide shallow") << "400"
                                      << "200" << true;
        QTest::newRow("300 is not wide, stored unchecked") << "300"
                                                           << "200" << false;
    }

    void beamWidthEnterAndLeaving() {
        QFETCH(QString, width);
        QFETCH(QString, depth);
        QFETCH(bool, advice);
        for (const bool leaving : {false, true}) {
            HostRig<frmBeamDimensions> rig(FloorType::Beam);
            frmBeamDimensions& beam = rig.dialog;
            QVERIFY(Activate(beam));
            Type(beam.txtBeamDepth, depth);
            rig.focusInto(beam.txtBeamWidth);
            Type(beam.txtBeamWidth, width);
            EnterOrLeave(beam.txtBeamWidth, leaving);
            QCOMPARE(rig.boxes(), advice ? QStringList{SlabAdvice} : QStringList());
            QCOMPARE(rig.model.SectionWidth, advice ? 300.0f : width.toFloat());
            QCOMPARE(rig.model.SectionDepth, 500.0f);
            beam.hide();
        }
    }

    void leavingTheBeamDepthTidiesItsTextButStoresNothing() {
        HostRig<frmBeamDimensions> rig(FloorType::Beam);
        frmBeamDimensions& beam = rig.dialog;
        QVERIFY(Activate(beam));
        rig.focusInto(beam.txtBeamDepth);
        Type(beam.txtBeamDepth, QStringLiteral("450abc"));
        Leave(beam.txtBeamDepth);
        QCOMPARE(beam.txtBeamDepth->text(), QStringLiteral(" 450"));
        QCOMPARE(rig.model.SectionDepth, 500.0f);
        QVERIFY(rig.boxes().isEmpty());
        QVERIFY(rig.host.redraws > 0);  // the view follows the field, not the model

        const std::pair<const char*, QString> refusals[] = {
            // width, depth 200 or 0
            {"400", SlabAdvice},
            {"300", QStringLiteral("Invalid Dimensions!")}};
        for (const auto& [width, message] : refusals) {
            for (const char* depth : {"200", "0"}) {
                beam.txtBeamWidth->setText(QString::fromLatin1(width));
                rig.focusInto(beam.txtBeamDepth);
                Type(beam.txtBeamDepth, QString::fromLatin1(depth));
                Leave(beam.txtBeamDepth);
                QCOMPARE(rig.boxes(), QStringList{message});
                QCOMPARE(beam.txtBeamDepth->text(), QString::fromLatin1(depth));
                QVERIFY(beam.cmdOK->hasFocus());  // the refused text stays, focus moves on
            }
        }
        QCOMPARE(rig.model.SectionDepth, 500.0f);
        beam.hide();
    }

    void okStoresWhatTheFieldsHoldRefusedOrNot() {
        HostRig<frmBeamDimensions> rig(FloorType::Slab);
        frmBeamDimensions& beam = rig.shown();
        Type(beam.txtBeamWidth, QStringLiteral("400"));
        Type(beam.txtBeamDepth, QStringLiteral("200"));
        PressEnter(beam.txtBeamDepth);
        QCOMPARE(rig.boxes(), QStringList{SlabAdvice});
        QCOMPARE(rig.model.Selected.FloorType, FloorType::Slab);  // the advice chooses nothing
        QTest::mouseClick(beam.cmdOK, Qt::LeftButton);
        QCOMPARE(rig.model.SectionWidth, 400.0f);
        QCOMPARE(rig.model.SectionDepth, 200.0f);
        QCOMPARE(rig.model.Selected.FloorType, FloorType::Beam);
        QVERIFY(!beam.isVisible());
        QVERIFY(rig.host.redraws > 0);
    }

    void cancelAndEscStoreNothingAndKeepTheTexts() {
        HostRig<frmDoubleTeeDimensions> rig(FloorType::Slab);
        frmDoubleTeeDimensions& dt = rig.dialog;
        const float depth = rig.model.OverallDepth;
        for (const bool esc : {false, true}) {
            QVERIFY(Activate(dt));
            dt.txtDoubleTeeOverallDepth->setText(QStringLiteral("600"));
            if (esc) {
                QTest::keyClick(&dt, Qt::Key_Escape);
            } else {
                dt.cmdCancel->click();
            }
            QVERIFY(!dt.isVisible());
            QCOMPARE(rig.model.OverallDepth, depth);
            QCOMPARE(rig.model.Selected.FloorType, FloorType::Slab);
            dt.showOrRaise();
            QCOMPARE(dt.txtDoubleTeeOverallDepth->text(), QStringLiteral("600"));
            dt.hide();
        }
    }

    void slabStoresEveryKeyBeforeChecking() {
        HostRig<frmSlabDimensions> rig(FloorType::Slab);
        frmSlabDimensions& slab = rig.dialog;
        slab.txtSlabDepth->clear();
        QTest::keyClick(slab.txtSlabDepth, Qt::Key_2);
        QCOMPARE(rig.model.SectionDepth, 0.0f);
        QTest::keyClick(slab.txtSlabDepth, Qt::Key_0);
        QCOMPARE(rig.model.SectionDepth, 2.0f);
        PressEnter(slab.txtSlabDepth);
        QCOMPARE(rig.model.SectionDepth, 20.0f);
        QVERIFY(rig.boxes().isEmpty());
        QVERIFY(rig.host.redraws > 0);

        slab.txtSlabDepth->setText(QStringLiteral("0"));
        PressEnter(slab.txtSlabDepth);
        QCOMPARE(rig.boxes(), QStringList{QStringLiteral("Slab Depth is Invalid!")});
        QCOMPARE(rig.model.SectionDepth, 0.0f);  // stored although refused
    }

    void leavingTheSlabDepthRefusedKeepsTheFocus() {
        HostRig<frmSlabDimensions> rig(FloorType::Slab);
        frmSlabDimensions& slab = rig.dialog;
        QVERIFY(Activate(slab));
        rig.focusInto(slab.txtSlabDepth);
        Type(slab.txtSlabDepth, QStringLiteral("-5"));
        QTest::keyClick(slab.txtSlabDepth, Qt::Key_Tab);
        QCOMPARE(rig.boxes(), QStringList{QStringLiteral("Slab Depth is Invalid!")});
        QVERIFY(slab.txtSlabDepth->hasFocus());
        Type(slab.txtSlabDepth, QStringLiteral("180"));
        rig.platform.clear();
        Leave(slab.txtSlabDepth);
        QVERIFY(rig.boxes().isEmpty());
        QCOMPARE(rig.model.SectionDepth, 180.0f);
        slab.hide();
    }

    void okChecksItsFloorTypeAndStoresUnchecked() {
        HostRig<frmSlabDimensions> rig(FloorType::Beam);
        frmSlabDimensions& slab = rig.dialog;
        slab.txtSlabDepth->setText(QStringLiteral("220"));
        rig.model.SectionWidth = 300;
        slab.cmdOK->click();
        QCOMPARE(rig.model.SectionWidth, 1000.0f);  // a one-metre strip
        QCOMPARE(rig.model.SectionDepth, 220.0f);
        QCOMPARE(rig.model.Selected.FloorType, FloorType::Slab);

        HostRig<frmTeeBeamDimensions> teeBeam(FloorType::Slab);
        frmTeeBeamDimensions& tb = teeBeam.dialog;
        tb.txtTeeBeamDepth->setText(QStringLiteral("500"));
        tb.txtTeeBeamWidth->setText(QStringLiteral("-3"));
        tb.cmdOK->click();
        QCOMPARE(teeBeam.model.OverallDepth, 500.0f);
        QCOMPARE(teeBeam.model.OverallWidth, -3.0f);
        QCOMPARE(teeBeam.model.Selected.FloorType, FloorType::TeeBeam);
    }

    void doubleTeeLimits_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("enterMessage");
        QTest::addColumn<QString>("leaveMessage");
        using F = frmDoubleTeeDimensions;
        const QString rib = QStringLiteral("Rib Depth is invalid!");
        const QString ribWidth = QStringLiteral("Rib Width is invalid!");
        const QString depth = QStringLiteral("Beam Depth is invalid!");
        QTest::newRow("depth empty") << int(F::OverallDepth) << "" << depth << depth;
        QTest::newRow("width zero") << int(F::OverallWidth) << "0"
                                    << "Width is invalid!"
                                    << "Beam Width is invalid!";
        QTest::newRow("rib depth below depth") << int(F::RibDepth) << "479"
                                               << ""
                                               << "";
        QTest::newRow("rib depth equals depth") << int(F::RibDepth) << "480" << rib << rib;
        QTest::newRow("rib bot below half") << int(F::RibWidthBot) << "1199"
                                            << ""
                                            << "";
        QTest::newRow("rib bot half width")
            << int(F::RibWidthBot) << "1200" << ribWidth << ribWidth;
        QTest::newRow("rib top negative") << int(F::RibWidthTop) << "-1" << ribWidth << ribWidth;
        // Wider at the soffit than at the top is not refused.
        QTest::newRow("rib bot above top") << int(F::RibWidthBot) << "300"
                                           << ""
                                           << "";
    }

    void doubleTeeLimits() {
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(QString, enterMessage);
        QFETCH(QString, leaveMessage);
        for (const bool leaving : {false, true}) {
            HostRig<frmDoubleTeeDimensions> rig(FloorType::DoubleTee);
            frmDoubleTeeDimensions& dt = rig.dialog;
            QLineEdit* fields[] = {dt.txtDoubleTeeOverallDepth, dt.txtDoubleTeeRibDepth,
                                   dt.txtDoubleTeeOverallWidth, dt.txtDoubleTeeRibWidthBot,
                                   dt.txtDoubleTeeRibWidthTop};
            float FloorModel::*targets[] = {&FloorModel::OverallDepth, &FloorModel::RibDepth,
                                            &FloorModel::OverallWidth, &FloorModel::RibWidthBot,
                                            &FloorModel::RibWidthTop};
            QLineEdit* edit = fields[field];
            const float before = rig.model.*targets[field];
            QVERIFY(Activate(dt));
            rig.focusInto(edit);
            Type(edit, text);
            EnterOrLeave(edit, leaving);
            const QString message = leaving ? leaveMessage : enterMessage;
            QCOMPARE(rig.boxes(), message.isEmpty() ? QStringList() : QStringList{message});
            QCOMPARE(rig.model.*targets[field], message.isEmpty() ? text.toFloat() : before);
            QCOMPARE(edit->text(), text);
            dt.hide();
        }
    }

    void doubleTeeRibLimitsReadTheFieldsNotTheModel() {
        HostRig<frmDoubleTeeDimensions> rig(FloorType::DoubleTee);
        frmDoubleTeeDimensions& dt = rig.dialog;
        dt.txtDoubleTeeOverallDepth->setText(QStringLiteral("300"));
        dt.txtDoubleTeeOverallWidth->setText(QStringLiteral("600"));
        Type(dt.txtDoubleTeeRibDepth, QStringLiteral("320"));
        PressEnter(dt.txtDoubleTeeRibDepth);
        Type(dt.txtDoubleTeeRibWidthTop, QStringLiteral("300"));
        PressEnter(dt.txtDoubleTeeRibWidthTop);
        QCOMPARE(rig.boxes(), (QStringList{QStringLiteral("Rib Depth is invalid!"),
                                           QStringLiteral("Rib Width is invalid!")}));
        QCOMPARE(rig.model.RibDepth, 350.0f);

        Type(dt.txtDoubleTeeRibWidthTop, QStringLiteral("200"));
        PressEnter(dt.txtDoubleTeeRibWidthTop);
        QCOMPARE(rig.model.RibWidthTop, 200.0f);
        dt.cmdOK->click();
        QCOMPARE(rig.model.OverallDepth, 300.0f);
        QCOMPARE(rig.model.RibDepth, 320.0f);  // refused on Enter, stored by OK
        QCOMPARE(rig.model.Selected.FloorType, FloorType::DoubleTee);
        QVERIFY(rig.host.redraws > 0);
    }

    void teeBeamMessagesDifferOnlyForTheRibDepth() {
        HostRig<frmTeeBeamDimensions> rig(FloorType::TeeBeam);
        frmTeeBeamDimensions& tb = rig.dialog;
        QVERIFY(Activate(tb));
        rig.focusInto(tb.txtTeeBeamRibDepth);
        Type(tb.txtTeeBeamRibDepth, QStringLiteral("0"));
        PressEnter(tb.txtTeeBeamRibDepth);
        Leave(tb.txtTeeBeamRibDepth);
        QCOMPARE(rig.boxes(), (QStringList{QStringLiteral("Rib Depth is invalid!"),
                                           QStringLiteral("Depth is invalid!")}));
        QCOMPARE(rig.model.RibDepth, 350.0f);

        // Unlike the double-tee, nothing compares the rib with the overall size.
        rig.focusInto(tb.txtTeeBeamRibWidthBot);
        Type(tb.txtTeeBeamRibWidthBot, QStringLiteral("5000"));
        PressEnter(tb.txtTeeBeamRibWidthBot);
        QVERIFY(rig.boxes().isEmpty());
        QCOMPARE(rig.model.RibWidthBot, 5000.0f);
        Type(tb.txtTeeBeamRibWidthBot, QString());
        PressEnter(tb.txtTeeBeamRibWidthBot);
        QCOMPARE(rig.boxes(), QStringList{QStringLiteral("Width is invalid!")});
        tb.hide();
    }

    void teeBeamFieldGainingFocusMarksItsDimension() {
        HostRig<frmTeeBeamDimensions> rig(FloorType::TeeBeam);
        frmTeeBeamDimensions& tb = rig.dialog;
        QVERIFY(Activate(tb));
        rig.focusInto(tb.txtTeeBeamWidth);
        QCOMPARE(rig.host.marked.back(), TeeBeamDimension::Width);
        rig.focusInto(tb.txtTeeBeamRibWidthTop);
        QCOMPARE(rig.host.marked.back(), TeeBeamDimension::RibWidthTop);
        tb.hide();
    }
};

QTEST_MAIN(tst_frmSectionDimensions)
#include "tst_frmSectionDimensions.moc"
