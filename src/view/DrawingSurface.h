#pragma once

#include <cstdint>
#include <optional>

namespace fd9 {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb Black{0, 0, 0};
inline constexpr Rgb White{255, 255, 255};
inline constexpr Rgb Red{255, 0, 0};
inline constexpr Rgb Cyan{0, 255, 255};

enum class FillStyle { Transparent, Solid };

// What the section drawings need of a picture: a user scale, a pen with a current point,
// lines, rectangles and circles, and the fill and foreground colours closed figures take.
// Coordinates are in user units after setScale. A call that returns false did nothing; the
// drawings stop there, so a degenerate section leaves what was drawn before it.
class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    // Erases the picture; the pen returns to (0, 0). Scale, fill and colours stay.
    virtual void clear() = 0;
    // (left, top) becomes the top-left corner of the picture and (right, bottom) its
    // bottom-right corner; x and y stretch independently. Fails for a zero-size or
    // non-finite scale.
    virtual bool setScale(double left, double top, double right, double bottom) = 0;
    virtual void setFillStyle(FillStyle style) = 0;
    virtual void setFillColor(Rgb color) = 0;
    virtual void setForeColor(Rgb color) = 0;
    // Line thickness in pixels, whatever the scale.
    virtual void setDrawWidth(int pixels) = 0;
    // Places the pen without drawing.
    virtual bool moveTo(double x, double y) = 0;
    // Without a colour a line takes the foreground colour; afterwards the pen is at its end.
    virtual bool line(double x1, double y1, double x2, double y2, std::optional<Rgb> color) = 0;
    virtual bool lineBy(double dx, double dy, std::optional<Rgb> color) = 0;
    // Outlined in the foreground colour and filled when the fill style is solid.
    virtual bool rectangle(double x1, double y1, double x2, double y2) = 0;
    // The radius is in horizontal user units, so a circle stays round however the scale
    // stretches; filled like a rectangle. Fails for a negative radius.
    virtual bool circle(double cx, double cy, double radius) = 0;

    bool line(double x1, double y1, double x2, double y2) {
        return line(x1, y1, x2, y2, std::nullopt);
    }
    bool lineBy(double dx, double dy) { return lineBy(dx, dy, std::nullopt); }
};

}  // namespace fd9
