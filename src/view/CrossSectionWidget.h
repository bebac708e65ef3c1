#pragma once

#include <QWidget>

#include "view/RecordedDrawing.h"

class QPainter;

namespace fd9 {

// The picture of the cross-section view. It keeps the drawing as recorded steps and paints
// them afresh on every expose or resize, stretched to the current size, so the picture is
// never lost to a covering window.
class CrossSectionWidget : public QWidget, public DrawingSurface {
    Q_OBJECT

public:
    explicit CrossSectionWidget(QWidget* parent = nullptr);

    using DrawingSurface::line;
    using DrawingSurface::lineBy;

    void clear() override;
    bool setScale(double left, double top, double right, double bottom) override;
    void setFillStyle(FillStyle style) override;
    void setFillColor(Rgb color) override;
    void setForeColor(Rgb color) override;
    void setDrawWidth(int pixels) override;
    bool moveTo(double x, double y) override;
    bool line(double x1, double y1, double x2, double y2, std::optional<Rgb> color) override;
    bool lineBy(double dx, double dy, std::optional<Rgb> color) override;
    bool rectangle(double x1, double y1, double x2, double y2) override;
    bool circle(double cx, double cy, double radius) override;

    const RecordedDrawing& drawing() const { return drawing_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool changed(bool drawn);

    RecordedDrawing drawing_;
};

// Paints a recorded drawing into area: white ground, the scale mapped onto the area.
void PaintDrawing(QPainter& painter, const QRect& area, const RecordedDrawing& drawing);

}  // namespace fd9
