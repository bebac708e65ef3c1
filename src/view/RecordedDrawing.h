#pragma once

#include <optional>
#include <vector>

#include "view/DrawingSurface.h"

namespace fd9 {

struct UserScale {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
    friend bool operator==(const UserScale&, const UserScale&) = default;
};

// One step of the picture since the last clear, with the pen position and colours it was
// drawn with already resolved, so it can be painted again at any size.
struct DrawingStep {
    enum class Kind { Scale, Line, Rectangle, Circle };
    Kind kind = Kind::Line;
    // Scale: left, top, right, bottom. Line and Rectangle: the two corners. Circle: centre
    // x, y and radius in a.
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    Rgb pen = Black;
    bool filled = false;
    Rgb fill = Black;  // only when filled
    int width = 1;     // pixels
    friend bool operator==(const DrawingStep&, const DrawingStep&) = default;
};

// A surface that only remembers: the picture as the list of steps drawn since the last
// clear, and the scale in force when it was cleared. A view repaints from it whenever the
// window system asks, so the picture survives resizing and being covered.
class RecordedDrawing : public DrawingSurface {
public:
    using DrawingSurface::line;
    using DrawingSurface::lineBy;

    void clear() override;
    bool setScale(double left, double top, double right, double bottom) override;
    void setFillStyle(FillStyle style) override { fillStyle_ = style; }
    void setFillColor(Rgb color) override { fillColor_ = color; }
    void setForeColor(Rgb color) override { foreColor_ = color; }
    void setDrawWidth(int pixels) override { drawWidth_ = pixels; }
    bool moveTo(double x, double y) override;
    bool line(double x1, double y1, double x2, double y2, std::optional<Rgb> color) override;
    bool lineBy(double dx, double dy, std::optional<Rgb> color) override;
    bool rectangle(double x1, double y1, double x2, double y2) override;
    bool circle(double cx, double cy, double radius) override;

    // Empty until a scale is set: user units are then pixels.
    const std::optional<UserScale>& scaleAtClear() const { return scaleAtClear_; }
    const std::vector<DrawingStep>& steps() const { return steps_; }

private:
    bool filled() const { return fillStyle_ == FillStyle::Solid; }

    std::optional<UserScale> scaleAtClear_;
    std::optional<UserScale> scale_;
    std::vector<DrawingStep> steps_;
    FillStyle fillStyle_ = FillStyle::Transparent;
    Rgb fillColor_ = Black;
    Rgb foreColor_ = Black;
    int drawWidth_ = 1;
    double penX_ = 0;
    double penY_ = 0;
};

}  // namespace fd9
