#include "view/SectionDrawing.h"

namespace fd9 {

namespace {

constexpr double Margin = RibbedSectionMargin;

struct Ribbed {
    double W, D, R, T, Bw;
    explicit Ribbed(const FloorModel& m)
        : W(m.OverallWidth),
          D(m.OverallDepth),
          R(m.RibDepth),
          T(m.RibWidthTop),
          Bw(m.RibWidthBot) {}
};

bool DrawGroup(DrawingSurface& surface, const SteelTable& table, int count, double offset) {
    for (int row = 0; row < RowsInUse(count); ++row) {
        if (!surface.circle(table[row][SteelX] + offset, table[row][SteelY] + offset,
                            table[row][SteelDiameter] / 2.0)) {
            return false;
        }
    }
    return true;
}

// Clears and scales for a ribbed section; false when the dimensions give no picture.
bool StartRibbed(DrawingSurface& surface, const Ribbed& s) {
    surface.clear();
    return surface.setScale(0, 0, s.W + 2 * Margin, s.D + 2 * Margin);
}

}  // namespace

bool DrawBars(DrawingSurface& surface, const FloorModel& model, double offset) {
    return DrawGroup(surface, model.PosSteel, model.PosSteelCount, offset) &&
           DrawGroup(surface, model.NegSteel, model.NegSteelCount, offset);
}

void DrawBeamSection(DrawingSurface& surface, const FloorModel& model, double depth, double width) {
    surface.setFillStyle(FillStyle::Solid);
    surface.setFillColor(Cyan);
    surface.clear();
    // The scale follows the depth alone, so a beam wider than deep runs off the right edge.
    if (!surface.setScale(0, 0, depth, depth) || !surface.rectangle(0, 0, width, depth)) {
        return;
    }
    DrawBars(surface, model);
}

void DrawSlabSection(DrawingSurface& surface, const FloorModel& model, double depth) {
    surface.clear();
    surface.setFillStyle(FillStyle::Solid);
    surface.setFillColor(Cyan);
    // Square scale on the strip width: the slab occupies only the top of the view.
    const double width = model.SectionWidth;
    if (!surface.setScale(0, 0, width, width) || !surface.rectangle(0, 0, width, depth)) {
        return;
    }
    DrawBars(surface, model);
}

void DrawDoubleTeeSection(DrawingSurface& surface, const FloorModel& model) {
    const Ribbed s(model);
    if (!StartRibbed(surface, s)) {
        return;
    }
    const double taper = (s.T - s.Bw) / 2;
    const double flange = s.D - s.R;
    const double outside = s.W / 4 - s.T / 2;
    surface.moveTo(Margin, Margin);
    const double segments[12][2] = {
        {s.W, 0},   {0, flange},    {-outside, 0},         {-taper, s.R},
        {-s.Bw, 0}, {-taper, -s.R}, {-(s.W / 2 - s.T), 0}, {-taper, s.R},
        {-s.Bw, 0}, {-taper, -s.R}, {-outside, 0},         {0, -flange},
    };
    for (const auto& [dx, dy] : segments) {
        surface.lineBy(dx, dy);
    }
    surface.setFillStyle(FillStyle::Solid);
    surface.setFillColor(Red);
    DrawBars(surface, model, Margin);
}

void DrawTeeBeamSection(DrawingSurface& surface, const FloorModel& model) {
    const Ribbed s(model);
    if (!StartRibbed(surface, s)) {
        return;
    }
    const double taper = (s.T - s.Bw) / 2;
    const double flange = s.D - s.R;
    const double outside = (s.W - s.T) / 2;
    surface.moveTo(Margin, Margin);
    const double segments[8][2] = {
        {s.W, 0},   {0, flange},    {-outside, 0}, {-taper, s.R},
        {-s.Bw, 0}, {-taper, -s.R}, {-outside, 0}, {0, -flange},
    };
    for (const auto& [dx, dy] : segments) {
        surface.lineBy(dx, dy);
    }
    // No fill of its own: the bars take whatever fill the view was last given.
    DrawBars(surface, model, Margin);
}

namespace {

// Thick enough to tell from the outline it lies on.
void MarkerLine(DrawingSurface& surface, double x1, double y1, double x2, double y2) {
    surface.setDrawWidth(3);
    surface.line(x1, y1, x2, y2, Red);
    surface.setDrawWidth(1);
}

}  // namespace

void DrawTeeBeamMarker(DrawingSurface& surface, const FloorModel& model, TeeBeamDimension which) {
    const Ribbed s(model);
    const double x0 = Margin;
    const double y0 = Margin;
    if (which == TeeBeamDimension::Width || which == TeeBeamDimension::Depth ||
        which == TeeBeamDimension::RibDepth) {
        if (!surface.setScale(0, 0, s.W + 2 * Margin, s.D + 2 * Margin)) {
            return;
        }
    }
    const double centre = x0 + s.W / 2;
    const double ribTop = y0 + s.D - s.R;
    const double soffit = y0 + s.D;
    switch (which) {
        case TeeBeamDimension::Width:
            MarkerLine(surface, x0, y0, x0 + s.W, y0);
            return;
        case TeeBeamDimension::Depth:
            surface.moveTo(x0, y0);
            surface.lineBy(s.W / 2, 0);
            MarkerLine(surface, centre, y0, centre, soffit);
            return;
        default:
            break;
    }
    // The pen walks the outline to the top corner of the rib.
    surface.moveTo(x0, y0);
    surface.lineBy(s.W, 0);
    surface.lineBy(0, s.D - s.R);
    surface.lineBy(-(s.W - s.T) / 2, 0);
    switch (which) {
        case TeeBeamDimension::RibDepth:
            surface.lineBy(-s.T / 2, 0, White);
            MarkerLine(surface, centre, ribTop, centre, soffit);
            break;
        case TeeBeamDimension::RibWidthBot:
            surface.lineBy(-(s.T - s.Bw) / 2, s.R);
            MarkerLine(surface, x0 + (s.W + s.Bw) / 2, soffit, x0 + (s.W - s.Bw) / 2, soffit);
            break;
        case TeeBeamDimension::RibWidthTop:
            MarkerLine(surface, x0 + (s.W + s.T) / 2, ribTop, x0 + (s.W - s.T) / 2, ribTop);
            break;
        default:
            break;
    }
}

}  // namespace fd9
