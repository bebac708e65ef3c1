#include "support/RecordingSurface.h"

namespace fd9 {

void RecordingSurface::record(std::string op, std::vector<double> args, std::optional<Rgb> color) {
    Call call{std::move(op), std::move(args), color};
    calls.push_back(call);
    callsSinceClear.push_back(call);
}

void RecordingSurface::clear() {
    record("clear", {});
    ++clears;
    callsSinceClear.clear();
    segments.clear();
    rectangles.clear();
    circles.clear();
    penX = 0;
    penY = 0;
}

bool RecordingSurface::setScale(double left, double top, double right, double bottom) {
    record("scale", {left, top, right, bottom});
    if (left == right || top == bottom) {
        return false;
    }
    scale = Scale{left, top, right, bottom};
    return true;
}

void RecordingSurface::setFillStyle(FillStyle style) {
    record("fillStyle", {style == FillStyle::Solid ? 1.0 : 0.0});
    fillStyle = style;
}

void RecordingSurface::setFillColor(Rgb color) {
    record("fillColor", {}, color);
    fillColor = color;
}

void RecordingSurface::setForeColor(Rgb color) {
    record("foreColor", {}, color);
    foreColor = color;
}

void RecordingSurface::setDrawWidth(int pixels) {
    record("drawWidth", {double(pixels)});
    drawWidth = pixels;
}

bool RecordingSurface::moveTo(double x, double y) {
    record("moveTo", {x, y});
    penX = x;
    penY = y;
    return true;
}

bool RecordingSurface::line(double x1, double y1, double x2, double y2, std::optional<Rgb> color) {
    record("line", {x1, y1, x2, y2}, color);
    segments.push_back({x1, y1, x2, y2, color.value_or(foreColor), drawWidth});
    penX = x2;
    penY = y2;
    return true;
}

bool RecordingSurface::lineBy(double dx, double dy, std::optional<Rgb> color) {
    record("lineBy", {dx, dy}, color);
    segments.push_back({penX, penY, penX + dx, penY + dy, color.value_or(foreColor), drawWidth});
    penX += dx;
    penY += dy;
    return true;
}

bool RecordingSurface::rectangle(double x1, double y1, double x2, double y2) {
    record("rectangle", {x1, y1, x2, y2});
    rectangles.push_back({x1, y1, x2, y2, fillStyle, fillColor});
    return true;
}

bool RecordingSurface::circle(double cx, double cy, double radius) {
    record("circle", {cx, cy, radius});
    if (radius < 0) {
        return false;
    }
    circles.push_back({cx, cy, radius, 0, fillStyle, fillColor});
    return true;
}

}  // namespace fd9
