#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <cmath>

#include "calc/ExampleMembers.h"
#include "dialogs/frmBeamDimensions.h"
#include "dialogs/frmSlabDimensions.h"
#include "model/ResetModel.h"
#include "support/DialogRig.h"
#include "view/CrossSectionWidget.h"
#include "view/RecordedDrawing.h"
#include "view/SectionDrawing.h"

using namespace fd9;
using examples::AddBar;
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

bool Near(double a, double b) {
    return std::abs(a - b) <= 1e-9 * std::max(1.0, std::abs(b));
}

bool Is(const DrawingStep& s, double x1, double y1, double x2, double y2) {
    return Near(s.x1, x1) && Near(s.y1, y1) && Near(s.x2, x2) && Near(s.y2, y2);
}

// The lines of the drawing walk through the points in turn.
bool Walks(const RecordedDrawing& d, const QList<double>& xy) {
    const auto l = Steps(d, Kind::Line);
    bool walks = 2 * (qsizetype(l.size()) + 1) == xy.size();
    for (size_t i = 0; walks && i < l.size(); ++i) {
        walks = Is(l[i], xy[2 * i], xy[2 * i + 1], xy[2 * i + 2], xy[2 * i + 3]);
    }
    return walks;
}

}  // namespace

class tst_CrossSection : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void beamAndSlabFromTheFieldsAreFilledOverASquare() {
        MenuRig rig(FloorType::Beam);
        rig.menu.beamDimensions().txtBeamDepth->setText(QStringLiteral("400"));
        rig.menu.beamDimensions().txtBeamWidth->setText(QStringLiteral("250"));
        AddBar(rig.model.PosSteel, rig.model.PosSteelCount, 50, 350, 20);
        rig.menu.DrawCrossSection();
        const RecordedDrawing& d = rig.menu.picFloorCrossSection->drawing();
        const auto& s = d.steps();
        QCOMPARE(s.size(), size_t(3));
        QVERIFY(s[0].kind == Kind::Scale && Is(s[0], 0, 0, 400, 400));
        QVERIFY(s[1].kind == Kind::Rectangle && Is(s[1], 0, 0, 250, 400));
        QVERIFY(s[1].filled && s[1].fill == Cyan);
        QVERIFY(s[2].kind == Kind::Circle && Is(s[2], 50, 350, 10, 0) && s[2].fill == Cyan);
        QCOMPARE(rig.model.SectionDepth, 500.0f);  // the fields are drawn, not stored

        rig.menu.setFloorType(FloorType::Slab);
        rig.model.SectionWidth = 1000;
        AddBar(rig.model.NegSteel, rig.model.NegSteelCount, 200, 30, 12);
        rig.menu.slabDimensions().txtSlabDepth->setText(QStringLiteral("150abc"));
        rig.menu.DrawCrossSection();
        QCOMPARE(s.size(), size_t(4));
        QVERIFY(Is(s[0], 0, 0, 1000, 1000) && Is(s[1], 0, 0, 1000, 150));
        QVERIFY(s[3].kind == Kind::Circle && Is(s[3], 200, 30, 6, 0));
    }

    void ribbedOutlinesHaveTheRibCorners() {
        RecordedDrawing s;
        FloorModel m;
        m.Selected.FloorType = FloorType::TeeBeam;
        ResetModelData(m);  // the 2400 x 480 section with 350 mm ribs, 175 to 125 mm wide
        AddBar(m.PosSteel, m.PosSteelCount, 600, 450, 12.7f);
        AddBar(m.NegSteel, m.NegSteelCount, 100, 40, 10);
        DrawDoubleTeeSection(s, m);
        QVERIFY(Is(Steps(s, Kind::Scale).at(0), 0, 0, 2500, 580));
        // Both ribs: outer face, soffit, inner face.
        QVERIFY(Walks(s, {50,    50,     2450,  50,     2450, 180,   1937.5, 180,   1912.5,
                          530,   1787.5, 530,   1762.5, 180,  737.5, 180,    712.5, 530,
                          587.5, 530,    562.5, 180,    50,   180,   50,     50}));
        QVERIFY(Steps(s, Kind::Rectangle).empty());
        const auto c = Steps(s, Kind::Circle);
        QCOMPARE(c.size(), size_t(2));
        QVERIFY(Is(c[0], 650, 500, 12.7f / 2.0, 0) && Is(c[1], 150, 90, 5, 0));
        QVERIFY(c[0].filled && c[0].fill == Red && c[1].filled && c[1].fill == Red);

        // The tee beam has one centred rib, and its bars keep whatever fill was last given.
        RecordedDrawing t;
        m.NegSteelCount = 0;
        m.PosSteel[0][SteelX] = 1200;
        DrawTeeBeamSection(t, m);
        QVERIFY(Walks(t, {50, 50, 2450, 50, 2450, 180, 1337.5, 180, 1312.5, 530, 1187.5, 530,
                          1162.5, 180, 50, 180, 50, 50}));
        QVERIFY(Steps(t, Kind::Circle).size() == 1 && !Steps(t, Kind::Circle)[0].filled);
        DrawBeamSection(t, m, 500, 300);
        DrawTeeBeamSection(t, m);
        const DrawingStep bar = Steps(t, Kind::Circle).at(0);
        QVERIFY(bar.filled && bar.fill == Cyan);
    }

    void teeBeamMarker_data() {
        QTest::addColumn<TeeBeamDimension>("which");
        QTest::addColumn<bool>("rescales");
        QTest::addColumn<QList<double>>("path");
        using D = TeeBeamDimension;
        const QList<double> ribTop = {50, 50, 2450, 50, 2450, 180, 1337.5, 180};
        QTest::newRow("width") << D::Width << true << QList<double>{50, 50, 2450, 50};
        QTest::newRow("depth") << D::Depth << true << QList<double>{50, 50, 1250, 50, 1250, 530};
        QTest::newRow("rib depth")
            << D::RibDepth << true << ribTop + QList{1250.0, 180.0, 1250.0, 530.0};
        QTest::newRow("bot") << D::RibWidthBot << false
                             << ribTop + QList{1312.5, 530.0, 1187.5, 530.0};
        QTest::newRow("top") << D::RibWidthTop << false << ribTop + QList{1162.5, 180.0};
    }

    void teeBeamMarker() {
        QFETCH(TeeBeamDimension, which);
        QFETCH(bool, rescales);
        QFETCH(QList<double>, path);
        RecordedDrawing s;
        FloorModel m;
        m.Selected.FloorType = FloorType::TeeBeam;
        ResetModelData(m);
        m.SectionWidth = 1000;
        DrawSlabSection(s, m, 150);  // whatever the view showed keeps its scale
        DrawTeeBeamMarker(s, m, which);
        QCOMPARE(Steps(s, Kind::Scale).back().x2, rescales ? 2500.0 : 1000.0);
        // The pen walks the outline from the section's corner to a thick red marker.
        QVERIFY(Walks(s, path));
        const auto l = Steps(s, Kind::Line);
        QVERIFY(l.back().pen == Red && l.back().width == 3);
        for (size_t i = 0; i + 1 < l.size(); ++i) {
            QVERIFY(!(l[i].pen == Red));
        }
        QVERIFY(which != TeeBeamDimension::RibDepth || l[l.size() - 2].pen == White);
        // The outline stays thin for the next drawing.
        DrawTeeBeamSection(s, m);
        for (const DrawingStep& line : Steps(s, Kind::Line)) {
            QCOMPARE(line.width, 1);
        }
    }

    void recordedDrawingRefusesWhatItCannotDrawAndKeepsTheFill() {
        RecordedDrawing d;
        d.setFillStyle(FillStyle::Solid);
        d.setFillColor(Cyan);
        QVERIFY(d.setScale(0, 0, 500, 500));
        d.clear();
        QVERIFY(!d.setScale(0, 0, 0, 0) && d.scaleAtClear() && d.scaleAtClear()->right == 500);
        d.moveTo(10, 20);
        QVERIFY(d.lineBy(5, 5) && d.circle(1, 2, 3));
        QVERIFY(!d.circle(1, 2, -1) && !d.line(0, 0, std::nan(""), 1));
        QCOMPARE(d.steps().size(), size_t(2));
        QVERIFY(Is(d.steps()[0], 10, 20, 15, 25));
        QVERIFY(d.steps()[1].filled && d.steps()[1].fill == Cyan);
    }

    void everyFloorTypeShowsItsBarsAndNothingWithoutASize_data() {
        QTest::addColumn<FloorType>("type");
        QTest::addColumn<QPoint>("barEdge");  // in a 400 x 300 picture
        QTest::newRow("beam") << FloorType::Beam << QPoint(104, 24);
        QTest::newRow("slab") << FloorType::Slab << QPoint(52, 12);
        QTest::newRow("double-tee") << FloorType::DoubleTee << QPoint(28, 46);
        QTest::newRow("tee-beam") << FloorType::TeeBeam << QPoint(28, 46);
    }

    void everyFloorTypeShowsItsBarsAndNothingWithoutASize() {
        QFETCH(FloorType, type);
        QFETCH(QPoint, barEdge);
        MenuRig rig(type);
        const bool ribbed = type == FloorType::DoubleTee || type == FloorType::TeeBeam;
        AddBar(rig.model.PosSteel, rig.model.PosSteelCount, ribbed ? 1200 : 60, ribbed ? 450 : 100,
               40);
        AddBar(rig.model.NegSteel, rig.model.NegSteelCount, 150, 40, 40);
        rig.menu.DrawCrossSection();
        const RecordedDrawing& d = rig.menu.picFloorCrossSection->drawing();
        const auto first = d.steps();
        rig.menu.DrawCrossSection();
        QVERIFY(!first.empty());
        QVERIFY(d.steps() == first);
        // A click or double click on the view draws it again.
        rig.menu.show();
        for (const bool twice : {false, true}) {
            rig.menu.ClearCrossSection();
            QVERIFY(d.steps().empty());
            if (twice) {
                QTest::mouseDClick(rig.menu.picFloorCrossSection, Qt::LeftButton);
            } else {
                QTest::mouseClick(rig.menu.picFloorCrossSection, Qt::LeftButton);
            }
            QVERIFY(d.steps() == first);
        }

        QImage image(400, 300, QImage::Format_RGB32);
        {
            QPainter painter(&image);
            PaintDrawing(painter, image.rect(), d);
        }
        // The left edge of the bar nearest the top left shows, filled or not; not simply all ink.
        QImage white(5, 5, QImage::Format_RGB32);
        white.fill(Qt::white);
        QVERIFY(image.copy(QRect(barEdge - QPoint(2, 2), QSize(5, 5))) != white);
        QVERIFY(image.copy(QRect(395, 295, 5, 5)) == white);

        // Values OK stores unchecked end the drawing silently, an earlier picture cleared.
        rig.menu.beamDimensions().txtBeamDepth->setText(QStringLiteral("0"));
        rig.model.SectionWidth = 0;
        rig.model.OverallWidth = -100;
        rig.menu.DrawCrossSection();
        QVERIFY(d.steps().empty());
    }

    void viewKeepsItsPictureWhenResized() {
        CrossSectionWidget view;
        DrawBeamSection(view, FloorModel{}, 500, 300);  // the left 3/5 of the view
        view.show();
        for (const QSize size : {QSize(400, 300), QSize(640, 480)}) {
            view.resize(size);
            const QImage image = view.grab().toImage();
            QCOMPARE(image.size(), size);
            QCOMPARE(image.pixelColor(size.width() * 3 / 10, size.height() / 2), QColor(Qt::cyan));
            QCOMPARE(image.pixelColor(size.width() * 8 / 10, size.height() / 2), QColor(Qt::white));
        }
    }
};

QTEST_MAIN(tst_CrossSection)
#include "tst_CrossSection.moc"
