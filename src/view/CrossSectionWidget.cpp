#include "view/CrossSectionWidget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace fd9 {

namespace {

QColor ToQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

// Maps user units onto the pixels of an area, as the last scale step set it.
class Mapping {
public:
    Mapping(const QRect& area, const std::optional<UserScale>& scale) : area_(area) {
        if (scale) {
            set(*scale);
        }
    }
    void set(const UserScale& s) {
        left_ = s.left;
        top_ = s.top;
        sx_ = area_.width() / (s.right - s.left);
        sy_ = area_.height() / (s.bottom - s.top);
    }
    QPointF point(double x, double y) const {
        return {area_.left() + (x - left_) * sx_, area_.top() + (y - top_) * sy_};
    }
    double radius(double r) const { return r * std::abs(sx_); }

private:
    QRect area_;
    double left_ = 0;
    double top_ = 0;
    double sx_ = 1;
    double sy_ = 1;
};

// Far outside any window; the raster engine is not asked to handle such coordinates.
bool Paintable(const QPointF& p) {
    constexpr double Limit = 1e6;
    return std::abs(p.x()) < Limit && std::abs(p.y()) < Limit;
}

}  // namespace

void PaintDrawing(QPainter& painter, const QRect& area, const RecordedDrawing& drawing) {
    painter.save();
    painter.fillRect(area, Qt::white);
    painter.setClipRect(area);
    painter.setRenderHint(QPainter::Antialiasing);
    Mapping map(area, drawing.scaleAtClear());
    for (const DrawingStep& step : drawing.steps()) {
        QPen pen(ToQColor(step.pen), step.width);
        pen.setCosmetic(true);
        painter.setPen(pen);
        painter.setBrush(step.filled ? QBrush(ToQColor(step.fill)) : QBrush(Qt::NoBrush));
        switch (step.kind) {
            case DrawingStep::Kind::Scale:
                map.set({step.x1, step.y1, step.x2, step.y2});
                break;
            case DrawingStep::Kind::Line: {
                const QPointF a = map.point(step.x1, step.y1);
                const QPointF b = map.point(step.x2, step.y2);
                if (Paintable(a) && Paintable(b)) {
                    painter.drawLine(a, b);
                }
                break;
            }
            case DrawingStep::Kind::Rectangle: {
                const QPointF a = map.point(step.x1, step.y1);
                const QPointF b = map.point(step.x2, step.y2);
                if (Paintable(a) && Paintable(b)) {
                    painter.drawRect(QRectF(a, b).normalized());
                }
                break;
            }
            case DrawingStep::Kind::Circle: {
                const QPointF c = map.point(step.x1, step.y1);
                const double r = map.radius(step.x2);
                if (Paintable(c) && r < 1e6) {
                    painter.drawEllipse(c, r, r);
                }
                break;
            }
        }
    }
    painter.restore();
}

CrossSectionWidget::CrossSectionWidget(QWidget* parent) : QWidget(parent) {
    // Small enough that the main window still fits a laptop screen enlarged by half.
    setMinimumSize(240, 180);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool CrossSectionWidget::changed(bool drawn) {
    if (drawn) {
        update();
    }
    return drawn;
}

void CrossSectionWidget::clear() {
    drawing_.clear();
    update();
}

bool CrossSectionWidget::setScale(double left, double top, double right, double bottom) {
    return changed(drawing_.setScale(left, top, right, bottom));
}

void CrossSectionWidget::setFillStyle(FillStyle style) {
    drawing_.setFillStyle(style);
}

void CrossSectionWidget::setFillColor(Rgb color) {
    drawing_.setFillColor(color);
}

void CrossSectionWidget::setForeColor(Rgb color) {
    drawing_.setForeColor(color);
}

void CrossSectionWidget::setDrawWidth(int pixels) {
    drawing_.setDrawWidth(pixels);
}

bool CrossSectionWidget::moveTo(double x, double y) {
    return drawing_.moveTo(x, y);
}

bool CrossSectionWidget::line(double x1, double y1, double x2, double y2,
                              std::optional<Rgb> color) {
    return changed(drawing_.line(x1, y1, x2, y2, color));
}

bool CrossSectionWidget::lineBy(double dx, double dy, std::optional<Rgb> color) {
    return changed(drawing_.lineBy(dx, dy, color));
}

bool CrossSectionWidget::rectangle(double x1, double y1, double x2, double y2) {
    return changed(drawing_.rectangle(x1, y1, x2, y2));
}

bool CrossSectionWidget::circle(double cx, double cy, double radius) {
    return changed(drawing_.circle(cx, cy, radius));
}

void CrossSectionWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintDrawing(painter, rect(), drawing_);
}

void CrossSectionWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit clicked();
    }
    QWidget::mousePressEvent(event);
}

void CrossSectionWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit clicked();
    }
    QWidget::mouseDoubleClickEvent(event);
}

}  // namespace fd9
