#include "record/SectionFigure.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <algorithm>
#include <cmath>

#include "model/NumberText.h"
#include "record/RecordFigures.h"
#include "view/RecordedDrawing.h"
#include "view/SectionDrawing.h"

namespace fd9 {

namespace {

// Room around the section for the dimension lines, the legend and the scale bar. Units: mm.
constexpr double LeftRoom = 14;
constexpr double RightRoom = 14;
constexpr double TopRoom = 8;
constexpr double BottomRoom = 17;
constexpr double MaxWidth = 170;
constexpr double MaxDrawingHeight = 42;

// The section's outline size and where the drawing code puts its top-left corner. Units: mm.
struct Extent {
    double origin, width, depth;
};

Extent ExtentOf(const FloorModel& m) {
    if (IsRibbed(m)) {
        return {RibbedSectionMargin, m.OverallWidth, m.OverallDepth};
    }
    return {0, m.SectionWidth, m.SectionDepth};
}

// Drawing millimetres to page millimetres.
double ScaleOf(const Extent& e) {
    if (!(e.width > 0) || !(e.depth > 0)) {
        return 0;
    }
    return std::min((MaxWidth - LeftRoom - RightRoom) / e.width, MaxDrawingHeight / e.depth);
}

RecordedDrawing DrawnSection(const FloorModel& m) {
    RecordedDrawing drawing;
    switch (m.Selected.FloorType) {
        case FloorType::Beam:
            DrawBeamSection(drawing, m, m.SectionDepth, m.SectionWidth);
            break;
        case FloorType::Slab:
            DrawSlabSection(drawing, m, m.SectionDepth);
            break;
        case FloorType::DoubleTee:
            DrawDoubleTeeSection(drawing, m);
            break;
        case FloorType::TeeBeam:
            // The window's tee-beam takes the fill last given; the double-tee's, here.
            drawing.setFillStyle(FillStyle::Solid);
            drawing.setFillColor(Red);
            DrawTeeBeamSection(drawing, m);
            break;
    }
    return drawing;
}

QColor ToQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

class Page {
public:
    Page(QPainter& painter, const QRectF& area, const Extent& extent, double scale)
        : p_(painter), extent_(extent), mm_(area.width() / MaxWidth), scale_(scale) {
        left_ = area.left() + (area.width() - (extent.width * scale) * mm_) / 2;
        top_ = area.top() + TopRoom * mm_;
    }
    QPointF at(double x, double y) const {
        return {left_ + (x - extent_.origin) * scale_ * mm_,
                top_ + (y - extent_.origin) * scale_ * mm_};
    }
    double mm(double v) const { return v * mm_; }
    double drawing(double v) const { return v * scale_ * mm_; }
    QPainter& painter() { return p_; }

private:
    QPainter& p_;
    Extent extent_;
    double mm_;
    double scale_;
    double left_ = 0;
    double top_ = 0;
};

const QColor PositiveBar(0, 0, 0);
const QColor NegativeBar(0, 80, 200);
const QColor ExposedFace(230, 90, 0);

// The section's fill is lightened for print; the bars, which the window draws in the fill
// colour of the section or of the view, are filled by group so that a checker tells them apart.
void PaintSteps(Page& page, const RecordedDrawing& drawing, const FloorModel& m) {
    QPainter& p = page.painter();
    int bar = 0;
    for (const DrawingStep& step : drawing.steps()) {
        p.setPen(QPen(ToQColor(step.pen), page.mm(0.2 * step.width)));
        p.setBrush(step.filled ? QBrush(ToQColor(step.fill)) : QBrush(Qt::NoBrush));
        switch (step.kind) {
            case DrawingStep::Kind::Scale:
                break;
            case DrawingStep::Kind::Line:
                p.drawLine(page.at(step.x1, step.y1), page.at(step.x2, step.y2));
                break;
            case DrawingStep::Kind::Rectangle:
                if (step.filled) {
                    p.setBrush(ToQColor(step.fill).lighter(160));
                }
                p.drawRect(QRectF(page.at(step.x1, step.y1), page.at(step.x2, step.y2)));
                break;
            case DrawingStep::Kind::Circle: {
                const double r = page.drawing(step.x2);
                const QColor fill = bar++ < RowsInUse(m.PosSteelCount) ? PositiveBar : NegativeBar;
                p.setPen(QPen(fill, page.mm(0.1)));
                p.setBrush(fill);
                p.drawEllipse(page.at(step.x1, step.y1), r, r);
                break;
            }
        }
    }
}

// Faces the fire reaches: every outline edge but the top face and, for a ribbed member, the
// flange ends that meet the next unit. Drawn just outside the face.
void PaintExposedFaces(Page& page, const RecordedDrawing& drawing, const FloorModel& m,
                       const Extent& e) {
    QPainter& p = page.painter();
    p.setPen(QPen(ExposedFace, page.mm(0.9), Qt::SolidLine, Qt::FlatCap));
    const double offset = page.mm(0.7);
    const auto face = [&](double x1, double y1, double x2, double y2) {
        const QPointF a = page.at(x1, y1);
        const QPointF b = page.at(x2, y2);
        const QPointF d = b - a;
        const double length = std::hypot(d.x(), d.y());
        if (length <= 0) {
            return;
        }
        // The outlines run clockwise on the page, so outward is to the left of travel.
        const QPointF out(d.y() / length * offset, -d.x() / length * offset);
        p.drawLine(a + out, b + out);
    };
    const double right = e.origin + e.width;
    const double bottom = e.origin + e.depth;
    if (!IsRibbed(m)) {
        face(right, bottom, e.origin, bottom);
        if (m.Selected.FloorType == FloorType::Beam) {
            face(e.origin, bottom, e.origin, e.origin);
            face(right, e.origin, right, bottom);
        }
        return;
    }
    for (const DrawingStep& s : drawing.steps()) {
        const bool top = s.y1 == e.origin && s.y2 == e.origin;
        const bool end = s.x1 == s.x2 && (s.x1 == e.origin || s.x1 == right);
        if (s.kind == DrawingStep::Kind::Line && !top && !end) {
            face(s.x1, s.y1, s.x2, s.y2);
        }
    }
}

// A dimension line from a to b (page units) with end ticks and its length in mm as text.
void Dimension(Page& page, QPointF a, QPointF b, double length, bool vertical) {
    QPainter& p = page.painter();
    p.setPen(QPen(Qt::black, page.mm(0.15)));
    p.drawLine(a, b);
    const double tick = page.mm(1.2);
    const QPointF across = vertical ? QPointF(tick, 0) : QPointF(0, tick);
    const QPointF slant(tick * 0.7, -tick * 0.7);
    for (const QPointF& end : {a, b}) {
        p.drawLine(end - across, end + across);
        p.drawLine(end - slant, end + slant);
    }
    p.setFont(RecordFont(7));
    const QString text = QString::fromStdString(FileNumberText(length));
    const QPointF mid = (a + b) / 2;
    p.save();
    p.translate(mid);
    if (vertical) {
        p.rotate(-90);
    }
    const QRectF box(-page.mm(20), -page.mm(4.2), page.mm(40), page.mm(3.5));
    p.fillRect(box.adjusted(page.mm(15), 0, -page.mm(15), 0), Qt::white);
    p.drawText(box, Qt::AlignHCenter | Qt::AlignBottom, text);
    p.restore();
}

void PaintDimensions(Page& page, const FloorModel& m, const Extent& e) {
    const double o = e.origin;
    const double right = o + e.width;
    const double bottom = o + e.depth;
    const QPointF topLeft = page.at(o, o);
    const QPointF topRight = page.at(right, o);
    const QPointF above(0, -page.mm(4));
    Dimension(page, topLeft + above, topRight + above, e.width, false);
    const QPointF leftOf(-page.mm(5), 0);
    Dimension(page, topLeft + leftOf, page.at(o, bottom) + leftOf, e.depth, true);
    if (!IsRibbed(m)) {
        return;
    }
    const QPointF rightOf(page.mm(5), 0);
    Dimension(page, page.at(right, bottom - m.RibDepth) + rightOf, page.at(right, bottom) + rightOf,
              m.RibDepth, true);
    // The (first) rib's width at the soffit, far enough below that its text's white ground
    // leaves the soffit and its fire-exposed mark in sight.
    const double centre =
        o + (m.Selected.FloorType == FloorType::DoubleTee ? e.width / 4 : e.width / 2);
    const QPointF below(0, page.mm(7.5));
    Dimension(page, page.at(centre - m.RibWidthBot / 2.0, bottom) + below,
              page.at(centre + m.RibWidthBot / 2.0, bottom) + below, m.RibWidthBot, false);
}

// A round length near a fifth of the section's width.
double ScaleBarLength(double width) {
    double length = 10;
    for (double candidate : {10.0, 20.0, 25.0, 50.0, 100.0, 200.0, 250.0, 500.0, 1000.0}) {
        if (candidate <= width / 5) {
            length = candidate;
        }
    }
    return length;
}

void PaintLegend(Page& page, const Extent& e, const QRectF& area) {
    QPainter& p = page.painter();
    const double y = area.bottom() - page.mm(4);
    double x = area.left() + page.mm(2);
    const double bar = page.drawing(ScaleBarLength(e.width));
    p.setPen(QPen(Qt::black, page.mm(0.2)));
    p.setBrush(Qt::black);
    p.drawRect(QRectF(x, y - page.mm(0.8), bar / 2, page.mm(0.8)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(x, y - page.mm(0.8), bar, page.mm(0.8)));
    p.setFont(RecordFont(7));
    const QFontMetricsF metrics(p.font(), p.device());
    const auto text = [&](const QString& words) {
        p.setPen(Qt::black);
        p.drawText(QPointF(x, y), words);
        x += metrics.horizontalAdvance(words) + page.mm(4);
    };
    x += bar + page.mm(1.5);
    text(QStringLiteral("%1 mm").arg(
        QString::fromStdString(FileNumberText(ScaleBarLength(e.width)))));
    p.setPen(QPen(ExposedFace, page.mm(0.9), Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(x, y - page.mm(0.4)), QPointF(x + page.mm(6), y - page.mm(0.4)));
    x += page.mm(7.5);
    text(QStringLiteral("fire-exposed face"));
    for (const auto& [colour, name] : {std::pair{PositiveBar, "positive-moment steel"},
                                       std::pair{NegativeBar, "negative-moment steel"}}) {
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawEllipse(QPointF(x + page.mm(1), y - page.mm(0.9)), page.mm(1), page.mm(1));
        x += page.mm(3);
        text(QString::fromLatin1(name));
    }
    text(QStringLiteral("dimensions in mm"));
}

}  // namespace

QSizeF SectionFigureSize(const FloorModel& model) {
    const Extent e = ExtentOf(model);
    return {MaxWidth, e.depth * ScaleOf(e) + TopRoom + BottomRoom};
}

void PaintSectionFigure(QPainter& painter, const QRectF& area, const FloorModel& model) {
    const Extent e = ExtentOf(model);
    const double scale = ScaleOf(e);
    if (scale <= 0) {
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    Page page(painter, area, e, scale);
    const RecordedDrawing drawing = DrawnSection(model);
    PaintSteps(page, drawing, model);
    PaintExposedFaces(page, drawing, model, e);
    PaintDimensions(page, model, e);
    PaintLegend(page, e, area);
}

}  // namespace fd9
