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

// A main window after a reset with the given floor type checked, no boxes recorded yet.
struct Rig : MenuRig {
    using MenuRig::MenuRig;

    int checkMarks() const {
        int marks = 0;
        for (QAction* a : menu.mnuFloor) {
            marks += a->isChecked() ? 1 : 0;
        }
        return marks;
    }

    const DrawingStep* lastRedLine() const {
        const auto& steps = menu.picFloorCrossSection->drawing().steps();
        for (auto it = steps.rbegin(); it != steps.rend(); ++it) {
            if (it->kind == DrawingStep::Kind::Line && it->pen == Red) {
                return &*it;
            }
        }
        return nullptr;
    }
};

const QString SlabAdvice = QStringLiteral("You should treat the beam as a slab.");

}  // namespace

class tst_frmSectionDimensions : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void tabOrderFollowsTheFields() {
        Rig rig(FloorType::Slab);
        frmTeeBeamDimensions& tb = rig.menu.teeBeamDimensions();
        QVERIFY(Activate(tb));
        QCOMPARE(QApplication::focusWidget(), tb.txtTeeBeamDepth);
        QList<QWidget*> order;
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget();
        }
        QCOMPARE(order, (QList<QWidget*>{tb.txtTeeBeamRibDepth, tb.txtTeeBeamWidth,
                                         tb.txtTeeBeamRibWidthBot, tb.txtTeeBeamRibWidthTop,
                                         tb.cmdOK, tb.cmdCancel}));
        tb.hide();
    }

    void beamDepthEnter_data() {
        QTest::addColumn<QString>("depth");
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("message");
        QTest::addColumn<float>("stored");
        QTest::newRow("deeper than wide") << "600"
                                          << "300" << QString() << 600.0f;
        QTest::newRow("square") << "300"
                                << "300" << QString() << 300.0f;
        QTest::newRow("wide shallow") << "200"
                                      << "400" << SlabAdvice << 500.0f;
        QTest::newRow("narrow shallow") << "200"
                                        << "250"
                                        << "Beam Depth is invalid!" << 500.0f;
        QTest::newRow("300 is not wide") << "200"
                                         << "300"
                                         << "Beam Depth is invalid!" << 500.0f;
        QTest::newRow("zero") << "0"
                              << "0"
                              << "Beam Depth is invalid!" << 500.0f;
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
        QCOMPARE(rig.checkMarks(), 1);
        QVERIFY(rig.menu.mnuFloor[int(FloorType::Beam)]->isChecked());
        if (!message.isEmpty()) {
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
        QTest::newRow("narrow shallow") << "250"
                                        << "200" << false;
        QTest::newRow("300 is not wide") << "300"
                                         << "200" << false;
        QTest::newRow("zero") << "0"
                              << "200" << false;
        QTest::newRow("negative") << "-20"
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
            if (leaving) {
                Leave(beam.txtBeamWidth);
            } else {
                PressEnter(beam.txtBeamWidth);
            }
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
        const auto& steps = rig.menu.picFloorCrossSection->drawing().steps();
        QVERIFY(!steps.empty() && steps[0].kind == DrawingStep::Kind::Scale);
        QCOMPARE(steps[0].x2, 450.0);

        struct Refusal {
            const char* width;
            const char* depth;
            QString message;
        };
        const Refusal refusals[] = {
            {"400", "200", SlabAdvice},
            {"400", "0", SlabAdvice},
            {"250", "200", QStringLiteral("Invalid Dimensions!")},
            {"300", "200", QStringLiteral("Invalid Dimensions!")},
            {"0", "0", QStringLiteral("Invalid Dimensions!")},
        };
        for (const Refusal& r : refusals) {
            beam.txtBeamWidth->setText(QString::fromLatin1(r.width));
            rig.focusInto(beam.txtBeamDepth);
            Type(beam.txtBeamDepth, QString::fromLatin1(r.depth));
            Leave(beam.txtBeamDepth);
            QCOMPARE(rig.boxes(), QStringList{r.message});
            QCOMPARE(beam.txtBeamDepth->text(), QString::fromLatin1(r.depth));
            QVERIFY(beam.cmdOK->hasFocus());  // the refused text stays, focus moves on
        }
        QCOMPARE(rig.model.SectionDepth, 500.0f);
        beam.hide();
    }

    void beamEnterRedrawsFromTheFields() {
        Rig rig(FloorType::Beam);
        frmBeamDimensions& beam = rig.menu.beamDimensions();
        Type(beam.txtBeamDepth, QStringLiteral("400"));
        PressEnter(beam.txtBeamDepth);
        const auto& steps = rig.menu.picFloorCrossSection->drawing().steps();
        QCOMPARE(steps[0].x2, 400.0);
        QCOMPARE(steps[1].x2, 300.0);
        QCOMPARE(steps[1].y2, 400.0);
    }

    void okStoresWhatTheFieldsHoldRefusedOrNot() {
        Rig rig(FloorType::Slab);
        frmBeamDimensions& beam = rig.menu.beamDimensions();
        beam.showOrRaise();
        Type(beam.txtBeamWidth, QStringLiteral("400"));
        Type(beam.txtBeamDepth, QStringLiteral("200"));
        PressEnter(beam.txtBeamDepth);
        QCOMPARE(rig.boxes(), QStringList{SlabAdvice});
        // The advice moves no check mark.
        QCOMPARE(rig.checkMarks(), 1);
        QVERIFY(rig.menu.mnuFloor[int(FloorType::Slab)]->isChecked());
        QTest::mouseClick(beam.cmdOK, Qt::LeftButton);
        QCOMPARE(rig.model.SectionWidth, 400.0f);
        QCOMPARE(rig.model.SectionDepth, 200.0f);
        QCOMPARE(rig.model.Selected.FloorType, FloorType::Beam);
        QCOMPARE(rig.checkMarks(), 1);
        QVERIFY(rig.menu.mnuFloor[int(FloorType::Beam)]->isChecked());
        QVERIFY(!beam.isVisible());
        const auto& steps = rig.menu.picFloorCrossSection->drawing().steps();
        QVERIFY(steps.size() >= 2 && steps[1].kind == DrawingStep::Kind::Rectangle);
        QCOMPARE(steps[1].x2, 400.0);
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
            QVERIFY(rig.menu.mnuFloor[int(FloorType::Slab)]->isChecked());
            QCOMPARE(rig.checkMarks(), 1);
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
        const auto& steps = rig.menu.picFloorCrossSection->drawing().steps();
        QCOMPARE(steps[1].y2, 20.0);

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
        QCOMPARE(rig.model.SectionDepth, -5.0f);
        QVERIFY(slab.txtSlabDepth->hasFocus());

        Type(slab.txtSlabDepth, QStringLiteral("180"));
        rig.platform.clear();
        Leave(slab.txtSlabDepth);
        QVERIFY(rig.boxes().isEmpty());
        QCOMPARE(rig.model.SectionDepth, 180.0f);
        slab.hide();
    }

    void slabOkSetsTheStripAndAResetReturnsTo150() {
        Rig rig(FloorType::Beam);
        frmSlabDimensions& slab = rig.menu.slabDimensions();
        slab.txtSlabDepth->setText(QStringLiteral("220"));
        rig.model.SectionWidth = 300;
        slab.cmdOK->click();
        QCOMPARE(rig.model.SectionWidth, 1000.0f);
        QCOMPARE(rig.model.SectionDepth, 220.0f);
        QVERIFY(rig.menu.mnuFloor[int(FloorType::Slab)]->isChecked());
        QCOMPARE(rig.checkMarks(), 1);
        rig.menu.ResetModel();
        QCOMPARE(rig.model.SectionDepth, 150.0f);
        QCOMPARE(rig.menu.slabDimensions().txtSlabDepth->text(), QStringLiteral("150"));
    }

    void doubleTeeLimits_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("enterMessage");
        QTest::addColumn<QString>("leaveMessage");
        using F = frmDoubleTeeDimensions;
        const QString rib = QStringLiteral("Rib Depth is invalid!");
        const QString ribWidth = QStringLiteral("Rib Width is invalid!");
        QTest::newRow("depth ok") << int(F::OverallDepth) << "600" << QString() << QString();
        QTest::newRow("depth empty") << int(F::OverallDepth) << ""
                                     << "Beam Depth is invalid!"
                                     << "Beam Depth is invalid!";
        QTest::newRow("width zero") << int(F::OverallWidth) << "0"
                                    << "Width is invalid!"
                                    << "Beam Width is invalid!";
        QTest::newRow("rib depth below depth")
            << int(F::RibDepth) << "479" << QString() << QString();
        QTest::newRow("rib depth equals depth") << int(F::RibDepth) << "480" << rib << rib;
        QTest::newRow("rib bot below half")
            << int(F::RibWidthBot) << "1199" << QString() << QString();
        QTest::newRow("rib bot half width")
            << int(F::RibWidthBot) << "1200" << ribWidth << ribWidth;
        QTest::newRow("rib top half width")
            << int(F::RibWidthTop) << "1200" << ribWidth << ribWidth;
        QTest::newRow("rib top negative") << int(F::RibWidthTop) << "-1" << ribWidth << ribWidth;
        // Wider at the soffit than at the top is not refused.
        QTest::newRow("rib bot above top")
            << int(F::RibWidthBot) << "300" << QString() << QString();
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
            if (leaving) {
                Leave(edit);
            } else {
                PressEnter(edit);
            }
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
        QCOMPARE(rig.model.OverallDepth, 480.0f);
        QCOMPARE(rig.model.RibDepth, 350.0f);

        // An accepted value redraws the double-tee, once it is the checked type.
        Type(dt.txtDoubleTeeRibWidthTop, QStringLiteral("200"));
        PressEnter(dt.txtDoubleTeeRibWidthTop);
        QCOMPARE(rig.model.RibWidthTop, 200.0f);
        dt.cmdOK->click();
        QCOMPARE(rig.model.OverallDepth, 300.0f);
        QCOMPARE(rig.model.RibDepth, 320.0f);  // refused on Enter, stored by OK
        QVERIFY(rig.menu.mnuFloor[int(FloorType::DoubleTee)]->isChecked());
        const auto& steps = rig.menu.picFloorCrossSection->drawing().steps();
        QCOMPARE(steps[0].x2, 700.0);
        QCOMPARE(steps[0].y2, 400.0);
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
        // The first showing focuses the depth field.
        const DrawingStep* red = rig.lastRedLine();
        QVERIFY(red);
        QVERIFY(red->x1 == 1250 && red->y1 == 50 && red->x2 == 1250 && red->y2 == 530);

        rig.focusInto(tb.txtTeeBeamWidth);
        red = rig.lastRedLine();
        QVERIFY(red && red->x1 == 50 && red->y1 == 50 && red->x2 == 2450 && red->y2 == 50);
        // One marker at a time: the view was cleared and redrawn first.
        int redLines = 0;
        for (const DrawingStep& step : rig.menu.picFloorCrossSection->drawing().steps()) {
            redLines += step.kind == DrawingStep::Kind::Line && step.pen == Red ? 1 : 0;
        }
        QCOMPARE(redLines, 1);

        // The marker uses the model, not the text in the field.
        tb.txtTeeBeamRibWidthTop->setText(QStringLiteral("400"));
        rig.focusInto(tb.txtTeeBeamRibWidthTop);
        red = rig.lastRedLine();
        QVERIFY(red && red->x1 == 1337.5 && red->x2 == 1162.5 && red->y1 == 180);
        tb.hide();
    }

    void teeBeamOkChecksTheTeeBeam() {
        Rig rig(FloorType::Slab);
        frmTeeBeamDimensions& tb = rig.menu.teeBeamDimensions();
        tb.txtTeeBeamDepth->setText(QStringLiteral("500"));
        tb.txtTeeBeamWidth->setText(QStringLiteral("-3"));
        tb.cmdOK->click();
        QCOMPARE(rig.model.OverallDepth, 500.0f);
        QCOMPARE(rig.model.OverallWidth, -3.0f);
        QCOMPARE(rig.model.RibDepth, 350.0f);
        QVERIFY(rig.menu.mnuFloor[int(FloorType::TeeBeam)]->isChecked());
        QCOMPARE(rig.checkMarks(), 1);
    }

    void fillFromModelShowsTheLoadedSection() {
        Rig rig(FloorType::Beam);
        rig.model.SectionWidth = 250.5f;
        rig.model.SectionDepth = 0.4f;
        rig.model.OverallDepth = 610;
        frmBeamDimensions& beam = rig.menu.beamDimensions();
        beam.FillFromModel();
        QCOMPARE(beam.txtBeamWidth->text(), QStringLiteral(" 250.5"));
        QCOMPARE(beam.txtBeamDepth->text(), QStringLiteral(" .4"));
        rig.menu.slabDimensions().FillFromModel();
        QCOMPARE(rig.menu.slabDimensions().txtSlabDepth->text(), QStringLiteral(" .4"));
        rig.menu.teeBeamDimensions().FillFromModel();
        QCOMPARE(rig.menu.teeBeamDimensions().txtTeeBeamDepth->text(), QStringLiteral(" 610"));
        rig.menu.doubleTeeDimensions().FillFromModel();
        QCOMPARE(rig.menu.doubleTeeDimensions().txtDoubleTeeOverallDepth->text(),
                 QStringLiteral(" 610"));
    }
};

QTEST_MAIN(tst_frmSectionDimensions)
#include "tst_frmSectionDimensions.moc"
