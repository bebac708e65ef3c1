#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "dialogs/frmBeamDimensions.h"
#include "dialogs/frmDoubleTeeDimensions.h"
#include "dialogs/frmSlabDimensions.h"
#include "dialogs/frmTeeBeamDimensions.h"
#include "support/DialogRig.h"
#include "view/CrossSectionWidget.h"

using namespace fd9;

namespace {

struct Rig : MenuRig {
    using MenuRig::MenuRig;

    // Exactly one floor type is checked, and it is this one.
    bool onlyChecked(FloorType type) const {
        int marks = 0;
        for (QAction* a : menu.mnuFloor) {
            marks += a->isChecked() ? 1 : 0;
        }
        return marks == 1 && menu.mnuFloor[int(type)]->isChecked();
    }
    const std::vector<DrawingStep>& steps() const {
        return menu.picFloorCrossSection->drawing().steps();
    }
    std::vector<DrawingStep> redLines() const {
        std::vector<DrawingStep> red;
        for (const DrawingStep& step : steps()) {
            if (step.kind == DrawingStep::Kind::Line && step.pen == Red) {
                red.push_back(step);
            }
        }
        return red;
    }
};

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
        Rig rig(FloorType::Beam);
        frmBeamDimensions& beam = rig.menu.beamDimensions();
        Type(beam.txtBeamWidth, width);
        Type(beam.txtBeamDepth, depth);
        rig.platform.clear();
        PressEnter(beam.txtBeamDepth);
        QCOMPARE(rig.boxes(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(rig.model.SectionDepth, stored);
        QCOMPARE(rig.model.SectionWidth, 300.0f);
        QCOMPARE(beam.txtBeamDepth->text(), depth);
        QVERIFY(rig.onlyChecked(FloorType::Beam));
        if (message.isEmpty()) {
            QCOMPARE(rig.steps()[0].x2, double(stored));  // redrawn from the field
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
            Rig rig(FloorType::Beam);
            frmBeamDimensions& beam = rig.menu.beamDimensions();
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
        Rig rig(FloorType::Beam);
        frmBeamDimensions& beam = rig.menu.beamDimensions();
        QVERIFY(Activate(beam));
        rig.focusInto(beam.txtBeamDepth);
        Type(beam.txtBeamDepth, QStringLiteral("450abc"));
        Leave(beam.txtBeamDepth);
        QCOMPARE(beam.txtBeamDepth->text(), QStringLiteral(" 450"));
        QCOMPARE(rig.model.SectionDepth, 500.0f);
        QVERIFY(rig.boxes().isEmpty());
        // The view follows the field, not the model.
        QVERIFY(rig.steps()[0].kind == DrawingStep::Kind::Scale && rig.steps()[0].x2 == 450.0);

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
        Rig rig(FloorType::Slab);
        frmBeamDimensions& beam = rig.menu.beamDimensions();
        beam.showOrRaise();
        Type(beam.txtBeamWidth, QStringLiteral("400"));
        Type(beam.txtBeamDepth, QStringLiteral("200"));
        PressEnter(beam.txtBeamDepth);
        QCOMPARE(rig.boxes(), QStringList{SlabAdvice});
        QVERIFY(rig.onlyChecked(FloorType::Slab));  // the advice moves no check mark
        QTest::mouseClick(beam.cmdOK, Qt::LeftButton);
        QCOMPARE(rig.model.SectionWidth, 400.0f);
        QCOMPARE(rig.model.SectionDepth, 200.0f);
        QCOMPARE(rig.model.Selected.FloorType, FloorType::Beam);
        QVERIFY(rig.onlyChecked(FloorType::Beam));
        QVERIFY(!beam.isVisible());
        QVERIFY(rig.steps()[1].kind == DrawingStep::Kind::Rectangle && rig.steps()[1].x2 == 400);
    }

    void cancelAndEscStoreNothingAndKeepTheTexts() {
        Rig rig(FloorType::Slab);
        frmDoubleTeeDimensions& dt = rig.menu.doubleTeeDimensions();
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
            QVERIFY(rig.onlyChecked(FloorType::Slab));
            dt.showOrRaise();
            QCOMPARE(dt.txtDoubleTeeOverallDepth->text(), QStringLiteral("600"));
            dt.hide();
        }
        QPointer<QDialog> old = &dt;
        rig.menu.ResetModel();
        QVERIFY(old.isNull());
        QCOMPARE(rig.menu.doubleTeeDimensions().txtDoubleTeeOverallDepth->text(),
                 QStringLiteral("480"));
    }

    void slabStoresEveryKeyBeforeChecking() {
        Rig rig(FloorType::Slab);
        frmSlabDimensions& slab = rig.menu.slabDimensions();
        slab.txtSlabDepth->clear();
        QTest::keyClick(slab.txtSlabDepth, Qt::Key_2);
        QCOMPARE(rig.model.SectionDepth, 0.0f);
        QTest::keyClick(slab.txtSlabDepth, Qt::Key_0);
        QCOMPARE(rig.model.SectionDepth, 2.0f);
        PressEnter(slab.txtSlabDepth);
        QCOMPARE(rig.model.SectionDepth, 20.0f);
        QVERIFY(rig.boxes().isEmpty());
        QCOMPARE(rig.steps()[1].y2, 20.0);

        slab.txtSlabDepth->setText(QStringLiteral("0"));
        PressEnter(slab.txtSlabDepth);
        QCOMPARE(rig.boxes(), QStringList{QStringLiteral("Slab Depth is Invalid!")});
        QCOMPARE(rig.model.SectionDepth, 0.0f);  // stored although refused
    }

    void leavingTheSlabDepthRefusedKeepsTheFocus() {
        Rig rig(FloorType::Slab);
        frmSlabDimensions& slab = rig.menu.slabDimensions();
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
        Rig rig(FloorType::Beam);
        frmSlabDimensions& slab = rig.menu.slabDimensions();
        slab.txtSlabDepth->setText(QStringLiteral("220"));
        rig.model.SectionWidth = 300;
        slab.cmdOK->click();
        QCOMPARE(rig.model.SectionWidth, 1000.0f);  // a one-metre strip
        QCOMPARE(rig.model.SectionDepth, 220.0f);
        QVERIFY(rig.onlyChecked(FloorType::Slab));
        rig.menu.ResetModel();
        QCOMPARE(rig.model.SectionDepth, 150.0f);
        QCOMPARE(rig.menu.slabDimensions().txtSlabDepth->text(), QStringLiteral("150"));

        frmTeeBeamDimensions& tb = rig.menu.teeBeamDimensions();
        tb.txtTeeBeamDepth->setText(QStringLiteral("500"));
        tb.txtTeeBeamWidth->setText(QStringLiteral("-3"));
        tb.cmdOK->click();
        QCOMPARE(rig.model.OverallDepth, 500.0f);
        QCOMPARE(rig.model.OverallWidth, -3.0f);
        QVERIFY(rig.onlyChecked(FloorType::TeeBeam));
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
            Rig rig(FloorType::DoubleTee);
            frmDoubleTeeDimensions& dt = rig.menu.doubleTeeDimensions();
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
        Rig rig(FloorType::DoubleTee);
        frmDoubleTeeDimensions& dt = rig.menu.doubleTeeDimensions();
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
        QVERIFY(rig.onlyChecked(FloorType::DoubleTee));
        QCOMPARE(rig.steps()[0].x2, 700.0);
        QCOMPARE(rig.steps()[0].y2, 400.0);
    }

    void teeBeamMessagesDifferOnlyForTheRibDepth() {
        Rig rig(FloorType::TeeBeam);
        frmTeeBeamDimensions& tb = rig.menu.teeBeamDimensions();
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
        Rig rig(FloorType::TeeBeam);
        frmTeeBeamDimensions& tb = rig.menu.teeBeamDimensions();
        QVERIFY(Activate(tb));
        rig.focusInto(tb.txtTeeBeamWidth);
        // One marker at a time: the view was cleared and redrawn first.
        QCOMPARE(rig.redLines().size(), size_t(1));
        const DrawingStep width = rig.redLines()[0];
        QVERIFY(width.x1 == 50 && width.y1 == 50 && width.x2 == 2450 && width.y2 == 50);

        // The marker uses the model, not the text in the field.
        tb.txtTeeBeamRibWidthTop->setText(QStringLiteral("400"));
        rig.focusInto(tb.txtTeeBeamRibWidthTop);
        QCOMPARE(rig.redLines().size(), size_t(1));
        const DrawingStep top = rig.redLines()[0];
        QVERIFY(top.x1 == 1337.5 && top.x2 == 1162.5 && top.y1 == 180);
        tb.hide();
    }
};

QTEST_MAIN(tst_frmSectionDimensions)
#include "tst_frmSectionDimensions.moc"
