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
#include "view/CrossSectionWidget.h"
#include "view/RecordedDrawing.h"
#include "view/SectionDrawing.h"

using namespace fd9;
using Kind = DrawingStep::Kind;

Q_DECLARE_METATYPE(fd9::TeeBeamDimension)

namespace {

std::vector<DrawingStep> Steps(const RecordedDrawing& d, Kind kind) {
    std::vector<DrawingStep> found;
    for (const DrawingStep& step : d.steps()) {
        if (step.kind == kind) {
            found.push_back(step);
        }
    }
    return found;
}

// The scale the picture is painted at: the last one set, else the one kept from before.
UserScale ScaleOf(const RecordedDrawing& d) {
    const auto scales = Steps(d, Kind::Scale);
    if (scales.empty()) {
        return d.scaleAtClear().value_or(UserScale{});
    }
    return {scales.back().x1, scales.back().y1, scales.back().x2, scales.back().y2};
}

bool Near(double a, double b) {
    return std::abs(a - b) <= 1e-9 * std::max(1.0, std::abs(b));
}

bool Is(const DrawingStep& s, double x1, double y1, double x2, double y2) {
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

    void beamAndSlabAreFilledOverASquare() {
        RecordedDrawing s;
        FloorModel m;
        AddBar(m.PosSteel, m.PosSteelCount, 50, 450, 20);
        DrawBeamSection(s, m, 500, 300);
        QVERIFY(ScaleOf(s) == (UserScale{0, 0, 500, 500}));
        const auto beam = Steps(s, Kind::Rectangle);
        QCOMPARE(beam.size(), size_t(1));
        QVERIFY(Is(beam[0], 0, 0, 300, 500) && beam[0].filled && beam[0].fill == Cyan);
        const auto bar = Steps(s, Kind::Circle);
        QCOMPARE(bar.size(), size_t(1));
        QVERIFY(Is(bar[0], 50, 450, 10, 0) && bar[0].fill == Cyan);

        m.SectionWidth = 1000;
        AddBar(m.NegSteel, m.NegSteelCount, 200, 30, 12);
        DrawSlabSection(s, m, 150);
        QVERIFY(ScaleOf(s) == (UserScale{0, 0, 1000, 1000}));
        QVERIFY(Is(Steps(s, Kind::Rectangle).at(0), 0, 0, 1000, 150));
        const auto bars = Steps(s, Kind::Circle);
        QCOMPARE(bars.size(), size_t(2));
        QVERIFY(Is(bars[1], 200, 30, 6, 0));
    }

    void noSizeEndsTheDrawingSilently() {
        RecordedDrawing s;
        FloorModel m;
        SetRibbedDefaults(m);
        AddBar(m.PosSteel, m.PosSteelCount, 50, 450, 20);
        const std::function<void()> drawings[] = {
            [&] { DrawBeamSection(s, m, 0, 300); },
            [&] { DrawSlabSection(s, m, 150); },  // no strip width
            [&] { DrawDoubleTeeSection(s, m); },  // OK stores unchecked values
            [&] { DrawTeeBeamSection(s, m); },
        };
        m.OverallWidth = -100;
        for (const auto& draw : drawings) {
            s.moveTo(0, 0);
            s.line(0, 0, 1, 1);  // an earlier picture, to be cleared
            draw();
            QVERIFY(Steps(s, Kind::Line).empty());
            QVERIFY(Steps(s, Kind::Rectangle).empty());
            QVERIFY(Steps(s, Kind::Circle).empty());
        }
    }

    void doubleTeeOutlineHasTheRibCorners() {
        RecordedDrawing s;
        FloorModel m;
        SetRibbedDefaults(m);
        AddBar(m.PosSteel, m.PosSteelCount, 600, 450, 12.7f);
        AddBar(m.NegSteel, m.NegSteelCount, 100, 40, 10);
        DrawDoubleTeeSection(s, m);

        QVERIFY(ScaleOf(s) == (UserScale{0, 0, 2500, 580}));
        const auto l = Steps(s, Kind::Line);
        QCOMPARE(l.size(), size_t(12));
        QVERIFY(Is(l[0], 50, 50, 2450, 50));
        // Right rib: outer face, soffit, inner face.
        QVERIFY(Is(l[3], 1850 + 87.5, 180, 1850 + 62.5, 530));
        QVERIFY(Is(l[4], 1850 + 62.5, 530, 1850 - 62.5, 530));
        QVERIFY(Is(l[5], 1850 - 62.5, 530, 1850 - 87.5, 180));
        // Left rib mirrors it about a quarter of the width.
        QVERIFY(Is(l[7], 650 + 87.5, 180, 650 + 62.5, 530));
        QVERIFY(Is(l[9], 650 - 62.5, 530, 650 - 87.5, 180));
        QVERIFY(Is(l[11], 50, 180, 50, 50));
        QVERIFY(Steps(s, Kind::Rectangle).empty());

        const auto c = Steps(s, Kind::Circle);
        QCOMPARE(c.size(), size_t(2));
        QVERIFY(Is(c[0], 650, 500, 12.7f / 2.0, 0));
        QVERIFY(Is(c[1], 150, 90, 5, 0));
        QVERIFY(c[0].filled && c[0].fill == Red && c[1].filled && c[1].fill == Red);
    }

    void teeBeamHasOneCentredRibAndKeepsTheLastFill() {
        RecordedDrawing s;
        FloorModel m;
        SetRibbedDefaults(m);
        AddBar(m.PosSteel, m.PosSteelCount, 1200, 450, 20);
        DrawTeeBeamSection(s, m);
        const auto l = Steps(s, Kind::Line);
        QCOMPARE(l.size(), size_t(8));
        QVERIFY(Is(l[3], 1250 + 87.5, 180, 1250 + 62.5, 530));
        QVERIFY(Is(l[4], 1250 + 62.5, 530, 1250 - 62.5, 530));
        QVERIFY(Is(l[7], 50, 180, 50, 50));
        QCOMPARE(Steps(s, Kind::Circle).size(), size_t(1));
        QVERIFY(!Steps(s, Kind::Circle)[0].filled);

        DrawBeamSection(s, m, 500, 300);
        DrawTeeBeamSection(s, m);
        const DrawingStep bar = Steps(s, Kind::Circle).at(0);
        QVERIFY(bar.filled && bar.fill == Cyan);
    }

    void teeBeamMarker_data() {
        QTest::addColumn<TeeBeamDimension>("which");
        QTest::addColumn<bool>("rescales");
        QTest::addColumn<QList<double>>("red");
        using D = TeeBeamDimension;
        QTest::newRow("width") << D::Width << true << QList<double>{50, 50, 2450, 50};
        QTest::newRow("depth") << D::Depth << true << QList<double>{1250, 50, 1250, 530};
        QTest::newRow("rib depth") << D::RibDepth << true << QList<double>{1250, 180, 1250, 530};
        QTest::newRow("rib width bot")
            << D::RibWidthBot << false << QList<double>{1312.5, 530, 1187.5, 530};
        QTest::newRow("rib width top")
            << D::RibWidthTop << false << QList<double>{1337.5, 180, 1162.5, 180};
    }

    void teeBeamMarker() {
        QFETCH(TeeBeamDimension, which);
        QFETCH(bool, rescales);
        QFETCH(QList<double>, red);
        RecordedDrawing s;
        FloorModel m;
        SetRibbedDefaults(m);
        m.SectionWidth = 1000;
        DrawSlabSection(s, m, 150);  // whatever the view showed keeps its scale
        DrawTeeBeamMarker(s, m, which);
        QCOMPARE(ScaleOf(s).right, rescales ? 2500.0 : 1000.0);
        const auto l = Steps(s, Kind::Line);
        QVERIFY(!l.empty());
        QVERIFY(l.back().pen == Red);
        QCOMPARE(l.back().width, 3);
        QVERIFY(Is(l.back(), red[0], red[1], red[2], red[3]));
        // The pen walked the outline from the section's corner to the start of the marker.
        for (size_t i = 0; i + 1 < l.size(); ++i) {
            QVERIFY(!(l[i].pen == Red));
            QVERIFY(Near(l[i].x2, l[i + 1].x1) && Near(l[i].y2, l[i + 1].y1));
        }
        QVERIFY(l.size() == 1 || (Near(l[0].x1, 50) && Near(l[0].y1, 50)));
        if (which == TeeBeamDimension::RibDepth) {
            QVERIFY(l[l.size() - 2].pen == White);
        }
        // The outline stays thin for the next drawing.
        DrawTeeBeamSection(s, m);
        for (const DrawingStep& line : Steps(s, Kind::Line)) {
            QCOMPARE(line.width, 1);
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
            RecordedDrawing picture;
            draw(picture);
            const auto first = picture.steps();
            draw(picture);
            QVERIFY(!first.empty());
            QVERIFY(picture.steps() == first);
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
        QVERIFY(Is(d.steps()[0], 10, 20, 15, 25));
        QVERIFY(d.steps()[1].filled && d.steps()[1].fill == Cyan);
    }

    void viewDrawsTheCheckedFloorTypeFromTheFields() {
        MenuRig rig(FloorType::Beam);
        rig.menu.beamDimensions().txtBeamDepth->setText(QStringLiteral("400"));
        rig.menu.beamDimensions().txtBeamWidth->setText(QStringLiteral("250"));
        rig.menu.DrawCrossSection();
        const RecordedDrawing& d = rig.menu.picFloorCrossSection->drawing();
        QCOMPARE(d.steps().size(), size_t(2));
        QVERIFY(d.steps()[0].kind == Kind::Scale && d.steps()[0].x2 == 400);
        QVERIFY(d.steps()[1].kind == Kind::Rectangle && d.steps()[1].x2 == 250);
        QCOMPARE(rig.model.SectionDepth, 500.0f);

        rig.menu.setFloorType(FloorType::Slab);
        rig.model.SectionWidth = 1000;
        rig.menu.slabDimensions().txtSlabDepth->setText(QStringLiteral("200abc"));
        rig.menu.DrawCrossSection();
        QVERIFY(d.steps()[1].kind == Kind::Rectangle && d.steps()[1].y2 == 200);

        // A click or double click on the view redraws it.
        rig.menu.show();
        for (const bool twice : {false, true}) {
            rig.menu.ClearCrossSection();
            QVERIFY(d.steps().empty());
            if (twice) {
                QTest::mouseDClick(rig.menu.picFloorCrossSection, Qt::LeftButton);
            } else {
                QTest::mouseClick(rig.menu.picFloorCrossSection, Qt::LeftButton);
            }
            QVERIFY(!d.steps().empty());
        }
    }

    void pictureOfEveryFloorTypeShowsItsBars_data() {
        QTest::addColumn<FloorType>("type");
        QTest::newRow("beam") << FloorType::Beam;
        QTest::newRow("slab") << FloorType::Slab;
        QTest::newRow("double-tee") << FloorType::DoubleTee;
        QTest::newRow("tee-beam") << FloorType::TeeBeam;
    }

    void pictureOfEveryFloorTypeShowsItsBars() {
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
        // The left edge of the bar nearest the top left shows, filled or not.
        const double scaleX = ribbed ? 400.0 / 2500 : type == FloorType::Beam ? 400.0 / 500 : 0.4;
        const double scaleY = ribbed ? 300.0 / 580 : type == FloorType::Beam ? 300.0 / 500 : 0.3;
        const double offset = ribbed ? 50 : 0;
        QVERIFY(InkNear(image, QPoint(int((130 + offset) * scaleX), int((40 + offset) * scaleY))));
        QVERIFY(!InkNear(image, QPoint(397, 297)));  // not simply all ink
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
