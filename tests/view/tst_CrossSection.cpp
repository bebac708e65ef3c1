#include <QAction>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <cmath>

#include "calc/ExampleMembers.h"
#include "dialogs/frmBeamDimensions.h"
#include "dialogs/frmSlabDimensions.h"
#include "support/DialogRig.h"
#include "support/RecordingSurface.h"
#include "view/CrossSectionWidget.h"
#include "view/RecordedDrawing.h"
#include "view/SectionDrawing.h"

using namespace fd9;

Q_DECLARE_METATYPE(fd9::TeeBeamDimension)

namespace {

bool Near(double a, double b) {
    return std::abs(a - b) <= std::max(1e-9, 1e-9 * std::abs(b));
}

bool SameSegment(const RecordingSurface::Segment& s, double x1, double y1, double x2, double y2) {
    return Near(s.x1, x1) && Near(s.y1, y1) && Near(s.x2, x2) && Near(s.y2, y2);
}

void SetRibbedDefaults(FloorModel& m) {
    m.OverallWidth = 2400;
    m.OverallDepth = 480;
    m.RibDepth = 350;
    m.RibWidthTop = 175;
    m.RibWidthBot = 125;
}

using examples::AddBar;

int InkedPixels(const QImage& image) {
    int inked = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != QColor(Qt::white)) {
                ++inked;
            }
        }
    }
    return inked;
}

bool InkNear(const QImage& image, QPoint centre) {
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            if (image.pixelColor(centre + QPoint(dx, dy)) != QColor(Qt::white)) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

class tst_CrossSection : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void beamIsFilledOverTheDepthSquare() {
        RecordingSurface s;
        FloorModel m;
        AddBar(m.PosSteel, m.PosSteelCount, 50, 450, 20);
        DrawBeamSection(s, m, 500, 300);
        QVERIFY(s.scale);
        QCOMPARE(s.scale->right, 500.0);
        QCOMPARE(s.scale->bottom, 500.0);
        QCOMPARE(s.rectangles.size(), size_t(1));
        const auto& r = s.rectangles[0];
        QVERIFY(r.x1 == 0 && r.y1 == 0 && r.x2 == 300 && r.y2 == 500);
        QCOMPARE(r.fill, FillStyle::Solid);
        QVERIFY(r.fillColor == Cyan);
        QCOMPARE(s.circles.size(), size_t(1));
        QVERIFY(s.circles[0].x1 == 50 && s.circles[0].y1 == 450 && s.circles[0].x2 == 10);
        QVERIFY(s.circles[0].fillColor == Cyan);
    }

    void zeroDepthEndsTheDrawingSilently() {
        RecordingSurface s;
        FloorModel m;
        AddBar(m.PosSteel, m.PosSteelCount, 50, 450, 20);
        DrawBeamSection(s, m, 0, 300);
        QCOMPARE(s.clears, 1);
        QVERIFY(s.rectangles.empty());
        QVERIFY(s.circles.empty());

        m.SectionWidth = 0;
        DrawSlabSection(s, m, 150);
        QVERIFY(s.rectangles.empty());
        QVERIFY(s.circles.empty());
    }

    void slabFillsTheTopOfASquareOnTheStripWidth() {
        RecordingSurface s;
        FloorModel m;
        m.SectionWidth = 1000;
        AddBar(m.PosSteel, m.PosSteelCount, 100, 120, 16);
        AddBar(m.NegSteel, m.NegSteelCount, 200, 30, 12);
        DrawSlabSection(s, m, 150);
        QVERIFY(s.scale && s.scale->right == 1000 && s.scale->bottom == 1000);
        QCOMPARE(s.rectangles.size(), size_t(1));
        QVERIFY(s.rectangles[0].x2 == 1000 && s.rectangles[0].y2 == 150);
        QCOMPARE(s.circles.size(), size_t(2));
        QVERIFY(s.circles[0].x1 == 100 && s.circles[1].x1 == 200 && s.circles[1].x2 == 6);
    }

    void doubleTeeOutlineHasTheRibCorners() {
        RecordingSurface s;
        FloorModel m;
        SetRibbedDefaults(m);
        AddBar(m.PosSteel, m.PosSteelCount, 600, 450, 12.7f);
        AddBar(m.NegSteel, m.NegSteelCount, 100, 40, 10);
        DrawDoubleTeeSection(s, m);

        QVERIFY(s.scale && s.scale->right == 2500 && s.scale->bottom == 580);
        QCOMPARE(s.segments.size(), size_t(12));
        QVERIFY(SameSegment(s.segments[0], 50, 50, 2450, 50));
        // Right rib: outer face, soffit, inner face.
        QVERIFY(SameSegment(s.segments[3], 1850 + 87.5, 180, 1850 + 62.5, 530));
        QVERIFY(SameSegment(s.segments[4], 1850 + 62.5, 530, 1850 - 62.5, 530));
        QVERIFY(SameSegment(s.segments[5], 1850 - 62.5, 530, 1850 - 87.5, 180));
        // Left rib mirrors it about a quarter of the width.
        QVERIFY(SameSegment(s.segments[7], 650 + 87.5, 180, 650 + 62.5, 530));
        QVERIFY(SameSegment(s.segments[9], 650 - 62.5, 530, 650 - 87.5, 180));
        QVERIFY(SameSegment(s.segments[11], 50, 180, 50, 50));
        QVERIFY(s.rectangles.empty());

        QCOMPARE(s.circles.size(), size_t(2));
        QVERIFY(Near(s.circles[0].x1, 650) && Near(s.circles[0].y1, 500));
        QVERIFY(Near(s.circles[0].x2, 12.7f / 2.0));
        QVERIFY(Near(s.circles[1].x1, 150) && Near(s.circles[1].y1, 90));
        for (const auto& c : s.circles) {
            QCOMPARE(c.fill, FillStyle::Solid);
            QVERIFY(c.fillColor == Red);
        }
    }

    void teeBeamHasOneCentredRibAndKeepsTheLastFill() {
        RecordingSurface s;
        FloorModel m;
        SetRibbedDefaults(m);
        AddBar(m.PosSteel, m.PosSteelCount, 1200, 450, 20);
        DrawTeeBeamSection(s, m);
        QCOMPARE(s.segments.size(), size_t(8));
        QVERIFY(SameSegment(s.segments[3], 1250 + 87.5, 180, 1250 + 62.5, 530));
        QVERIFY(SameSegment(s.segments[4], 1250 + 62.5, 530, 1250 - 62.5, 530));
        QVERIFY(SameSegment(s.segments[7], 50, 180, 50, 50));
        QCOMPARE(s.circles.size(), size_t(1));
        QCOMPARE(s.circles[0].fill, FillStyle::Transparent);

        DrawBeamSection(s, m, 500, 300);
        DrawTeeBeamSection(s, m);
        QVERIFY(s.circles[0].fill == FillStyle::Solid && s.circles[0].fillColor == Cyan);
    }

    void ribbedSectionWithoutSizeDrawsNothing() {
        RecordingSurface s;
        FloorModel m;
        SetRibbedDefaults(m);
        m.OverallWidth = -100;  // OK stores unchecked values
        AddBar(m.PosSteel, m.PosSteelCount, 1200, 450, 20);
        DrawDoubleTeeSection(s, m);
        DrawTeeBeamSection(s, m);
        QVERIFY(s.segments.empty());
        QVERIFY(s.circles.empty());
    }

    void teeBeamMarker_data() {
        QTest::addColumn<TeeBeamDimension>("which");
        QTest::addColumn<bool>("rescales");
        QTest::addColumn<QList<double>>("red");
        QTest::newRow("width") << TeeBeamDimension::Width << true
                               << QList<double>{50, 50, 2450, 50};
        QTest::newRow("depth") << TeeBeamDimension::Depth << true
                               << QList<double>{1250, 50, 1250, 530};
        QTest::newRow("rib depth")
            << TeeBeamDimension::RibDepth << true << QList<double>{1250, 180, 1250, 530};
        QTest::newRow("rib width bot")
            << TeeBeamDimension::RibWidthBot << false << QList<double>{1312.5, 530, 1187.5, 530};
        QTest::newRow("rib width top")
            << TeeBeamDimension::RibWidthTop << false << QList<double>{1337.5, 180, 1162.5, 180};
    }

    void teeBeamMarker() {
        QFETCH(TeeBeamDimension, which);
        QFETCH(bool, rescales);
        QFETCH(QList<double>, red);
        RecordingSurface s;
        FloorModel m;
        SetRibbedDefaults(m);
        m.SectionWidth = 1000;
        DrawSlabSection(s, m, 150);  // whatever the view showed keeps its scale
        DrawTeeBeamMarker(s, m, which);
        QCOMPARE(s.scale->right, rescales ? 2500.0 : 1000.0);
        QVERIFY(!s.segments.empty());
        const auto& last = s.segments.back();
        QVERIFY(last.color == Red);
        QCOMPARE(last.width, 3);
        QCOMPARE(s.drawWidth, 1);  // the outline stays thin for the next drawing
        QVERIFY(SameSegment(last, red[0], red[1], red[2], red[3]));
        // The pen walked the outline from the section's corner to the start of the marker.
        for (size_t i = 0; i + 1 < s.segments.size(); ++i) {
            QVERIFY(!(s.segments[i].color == Red));
            QVERIFY(Near(s.segments[i].x2, s.segments[i + 1].x1));
            QVERIFY(Near(s.segments[i].y2, s.segments[i + 1].y1));
        }
        if (s.segments.size() > 1) {
            QVERIFY(Near(s.segments[0].x1, 50) && Near(s.segments[0].y1, 50));
        }
        if (which == TeeBeamDimension::RibDepth) {
            QVERIFY(s.segments[s.segments.size() - 2].color == White);
        }
    }

    void redrawingGivesTheSamePicture() {
        FloorModel m;
        SetRibbedDefaults(m);
        m.SectionWidth = 1000;
        AddBar(m.PosSteel, m.PosSteelCount, 600, 450, 12);
        AddBar(m.NegSteel, m.NegSteelCount, 80, 40, 10);
        const std::function<void(DrawingSurface&)> drawings[] = {
            [&](DrawingSurface& s) { DrawBeamSection(s, m, 500, 300); },
            [&](DrawingSurface& s) { DrawSlabSection(s, m, 150); },
            [&](DrawingSurface& s) { DrawDoubleTeeSection(s, m); },
            [&](DrawingSurface& s) { DrawTeeBeamSection(s, m); },
        };
        for (const auto& draw : drawings) {
            RecordingSurface calls;
            RecordedDrawing picture;
            draw(calls);
            draw(picture);
            const auto firstCalls = calls.callsSinceClear;
            const auto firstSteps = picture.steps();
            draw(calls);
            draw(picture);
            QVERIFY(!firstCalls.empty());
            QVERIFY(calls.callsSinceClear == firstCalls);
            QVERIFY(picture.steps() == firstSteps);
        }
    }

    void recordedDrawingResolvesPenAndFill() {
        RecordedDrawing d;
        d.setFillStyle(FillStyle::Solid);
        d.setFillColor(Cyan);
        QVERIFY(d.setScale(0, 0, 500, 500));
        d.clear();
        QVERIFY(!d.setScale(0, 0, 0, 0));
        QVERIFY(d.scaleAtClear() && d.scaleAtClear()->right == 500);
        d.moveTo(10, 20);
        QVERIFY(d.lineBy(5, 5));
        QVERIFY(d.circle(1, 2, 3));
        QVERIFY(!d.circle(1, 2, -1));
        QVERIFY(!d.line(0, 0, std::nan(""), 1));
        QCOMPARE(d.steps().size(), size_t(2));
        const DrawingStep& line = d.steps()[0];
        QVERIFY(line.x1 == 10 && line.y1 == 20 && line.x2 == 15 && line.y2 == 25);
        QVERIFY(d.steps()[1].filled && d.steps()[1].fill == Cyan);
    }

    void viewDrawsTheCheckedFloorTypeFromTheFields() {
        MenuRig rig(FloorType::Beam);
        rig.menu.beamDimensions().txtBeamDepth->setText(QStringLiteral("400"));
        rig.menu.beamDimensions().txtBeamWidth->setText(QStringLiteral("250"));
        rig.menu.DrawCrossSection();
        const RecordedDrawing& d = rig.menu.picFloorCrossSection->drawing();
        QCOMPARE(d.steps().size(), size_t(2));
        QVERIFY(d.steps()[0].kind == DrawingStep::Kind::Scale && d.steps()[0].x2 == 400);
        QVERIFY(d.steps()[1].kind == DrawingStep::Kind::Rectangle && d.steps()[1].x2 == 250);
        QCOMPARE(rig.model.SectionDepth, 500.0f);

        rig.menu.setFloorType(FloorType::Slab);
        rig.model.SectionWidth = 1000;
        rig.menu.slabDimensions().txtSlabDepth->setText(QStringLiteral("200abc"));
        rig.menu.DrawCrossSection();
        QVERIFY(d.steps()[1].kind == DrawingStep::Kind::Rectangle && d.steps()[1].y2 == 200);
    }

    void clickingTheViewRedrawsIt() {
        MenuRig rig;
        rig.menu.show();
        rig.menu.ClearCrossSection();
        QVERIFY(rig.menu.picFloorCrossSection->drawing().steps().empty());
        QTest::mouseClick(rig.menu.picFloorCrossSection, Qt::LeftButton);
        QVERIFY(!rig.menu.picFloorCrossSection->drawing().steps().empty());
        rig.menu.ClearCrossSection();
        QTest::mouseDClick(rig.menu.picFloorCrossSection, Qt::LeftButton);
        QVERIFY(!rig.menu.picFloorCrossSection->drawing().steps().empty());
    }

    void pictureOfEveryFloorTypeIsNotBlank_data() {
        QTest::addColumn<FloorType>("type");
        QTest::newRow("beam") << FloorType::Beam;
        QTest::newRow("slab") << FloorType::Slab;
        QTest::newRow("double-tee") << FloorType::DoubleTee;
        QTest::newRow("tee-beam") << FloorType::TeeBeam;
    }

    void pictureOfEveryFloorTypeIsNotBlank() {
        QFETCH(FloorType, type);
        MenuRig rig(type);
        const bool ribbed = type == FloorType::DoubleTee || type == FloorType::TeeBeam;
        AddBar(rig.model.PosSteel, rig.model.PosSteelCount, ribbed ? 1200 : 60, ribbed ? 450 : 100,
               40);
        AddBar(rig.model.NegSteel, rig.model.NegSteelCount, 150, 40, 40);
        rig.menu.DrawCrossSection();

        QImage image(400, 300, QImage::Format_RGB32);
        {
            QPainter painter(&image);
            PaintDrawing(painter, image.rect(), rig.menu.picFloorCrossSection->drawing());
        }
        QVERIFY(InkedPixels(image) > 100);
        // The left edge of the bar nearest the top left shows, filled or not.
        const double scaleX = ribbed ? 400.0 / 2500 : type == FloorType::Beam ? 400.0 / 500 : 0.4;
        const double scaleY = ribbed ? 300.0 / 580 : type == FloorType::Beam ? 300.0 / 500 : 0.3;
        const double offset = ribbed ? 50 : 0;
        const QPoint edge(int((130 + offset) * scaleX), int((40 + offset) * scaleY));
        QVERIFY(InkNear(image, edge));
    }

    void viewKeepsItsPictureWhenResized() {
        FloorModel model;
        CrossSectionWidget view;
        DrawBeamSection(view, model, 500, 300);  // the left 3/5 of the view
        view.show();
        for (const QSize size : {QSize(400, 300), QSize(640, 480)}) {
            view.resize(size);
            const QImage image = view.grab().toImage();
            QCOMPARE(image.size(), size);
            const int y = size.height() / 2;
            QCOMPARE(image.pixelColor(int(size.width() * 0.3), y), QColor(0, 255, 255));
            QCOMPARE(image.pixelColor(int(size.width() * 0.8), y), QColor(Qt::white));
        }
    }
};

QTEST_MAIN(tst_CrossSection)
#include "tst_CrossSection.moc"
