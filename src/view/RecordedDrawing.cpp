#include "view/RecordedDrawing.h"

#include <cmath>
#include <initializer_list>

namespace fd9 {

namespace {

bool AllFinite(std::initializer_list<double> values) {
    for (double v : values) {
        if (!std::isfinite(v)) {
            return false;
        }
    }
    return true;
}

}  // namespace

void RecordedDrawing::clear() {
    steps_.clear();
    scaleAtClear_ = scale_;
    penX_ = 0;
    penY_ = 0;
}

bool RecordedDrawing::setScale(double left, double top, double right, double bottom) {
    if (!AllFinite({left, top, right, bottom}) || left == right || top == bottom) {
        return false;
    }
    scale_ = UserScale{left, top, right, bottom};
    steps_.push_back({DrawingStep::Kind::Scale, left, top, right, bottom});
    return true;
}

bool RecordedDrawing::moveTo(double x, double y) {
    if (!AllFinite({x, y})) {
        return false;
    }
    penX_ = x;
    penY_ = y;
    return true;
}

bool RecordedDrawing::line(double x1, double y1, double x2, double y2, std::optional<Rgb> color) {
    if (!AllFinite({x1, y1, x2, y2})) {
        return false;
    }
    steps_.push_back({DrawingStep::Kind::Line, x1, y1, x2, y2, color.value_or(foreColor_), false,
                      Black, drawWidth_});
    penX_ = x2;
    penY_ = y2;
    return true;
}

bool RecordedDrawing::lineBy(double dx, double dy, std::optional<Rgb> color) {
    return line(penX_, penY_, penX_ + dx, penY_ + dy, color);
}

bool RecordedDrawing::rectangle(double x1, double y1, double x2, double y2) {
    if (!AllFinite({x1, y1, x2, y2})) {
        return false;
    }
    steps_.push_back({DrawingStep::Kind::Rectangle, x1, y1, x2, y2, foreColor_, filled(),
                      filled() ? fillColor_ : Black, drawWidth_});
    penX_ = x2;
    penY_ = y2;
    return true;
}

bool RecordedDrawing::circle(double cx, double cy, double radius) {
    if (!AllFinite({cx, cy, radius}) || radius < 0) {
        return false;
    }
    steps_.push_back({DrawingStep::Kind::Circle, cx, cy, radius, 0, foreColor_, filled(),
                      filled() ? fillColor_ : Black, drawWidth_});
    penX_ = cx;
    penY_ = cy;
    return true;
}

}  // namespace fd9
