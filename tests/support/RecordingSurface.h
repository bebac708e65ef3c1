#pragma once

#include <optional>
#include <string>
#include <vector>

#include "view/DrawingSurface.h"

namespace fd9 {

// Remembers every call a drawing makes, and what has been drawn since the last clear with
// the pen positions worked out, so tests can check figures by their corners.
class RecordingSurface : public DrawingSurface {
public:
    using DrawingSurface::line;
    using DrawingSurface::lineBy;

    struct Call {
        std::string op;
        std::vector<double> args;
        std::optional<Rgb> color;
        friend bool operator==(const Call&, const Call&) = default;
    };
    struct Segment {
        double x1, y1, x2, y2;
        Rgb color;
        int width;
    };
    struct Figure {  // a rectangle (corners) or a circle (centre x1, y1 and radius in x2)
        double x1, y1, x2, y2;
        FillStyle fill;
        Rgb fillColor;
    };
    struct Scale {
        double left, top, right, bottom;
    };

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

    std::vector<Call> calls;
    int clears = 0;
    // Since the last clear.
    std::vector<Call> callsSinceClear;
    std::vector<Segment> segments;
    std::vector<Figure> rectangles;
    std::vector<Figure> circles;
    std::optional<Scale> scale;
    FillStyle fillStyle = FillStyle::Transparent;
    Rgb fillColor = Black;
    Rgb foreColor = Black;
    int drawWidth = 1;
    double penX = 0;
    double penY = 0;

private:
    void record(std::string op, std::vector<double> args, std::optional<Rgb> color = {});
};

}  // namespace fd9
