// The Moon in its phase and the legend of the chart's marks.
#include <algorithm>
#include <cmath>
#include <string>

#include "astro/moon_phase.h"
#include "astro/orbits.h"
#include "base/degrees.h"
#include "base/translate.h"
#include "chart/chart_annotations.h"
#include "chart/chart_support.h"
#include "chart/sky_layers.h"
#include "chart/star_glyph.h"

namespace {

struct Vector3 {
    double x, y, z;
};

// A horizon place as a unit vector: x north, y east, z up.
Vector3 HorizonVector(double altitude, double azimuth) {
    return {CosDeg(altitude) * CosDeg(azimuth), CosDeg(altitude) * SinDeg(azimuth),
            SinDeg(altitude)};
}

// The chart projection without truncation, for directions on the chart.
void ProjectExactly(const ChartLayout& layout, double orientation, const Vector3& v, double& x,
                    double& y) {
    const double altitude = std::asin(std::clamp(v.z, -1.0, 1.0)) * 180.0 / Pi();
    const double azimuth = std::atan2(v.y, v.x) * 180.0 / Pi();
    const double a = 180.0 - orientation + azimuth;
    const double r = layout.radius * (1.0 - altitude / 90.0);
    x = layout.centreX - r * SinDeg(a);
    y = layout.centreY - r * CosDeg(a);
}

// The legend's rows of meanings, and the texts that size it (shown in the user's language).
inline constexpr const char* Meanings[] = {
    VQ_TRANSLATE_NOOP("Legend", "star"), VQ_TRANSLATE_NOOP("Legend", "planet or Moon"),
    VQ_TRANSLATE_NOOP("Legend", "Sun"), VQ_TRANSLATE_NOOP("Legend", "Messier object"),
    VQ_TRANSLATE_NOOP("Legend", "constellation figure")};
inline constexpr const char* MagnitudeTitle = VQ_TRANSLATE_NOOP("Legend", "star magnitudes:");

std::string LegendText(const char* text) {
    return Translate("Legend", text);
}

// Whole magnitudes shown in the legend: from the limit's whole part up to -1 (Sirius).
int FaintestWhole(double dimmest) {
    return static_cast<int>(std::floor(dimmest));
}
inline constexpr int BrightestWhole = -1;

int MagnitudeCellWidth(Surface& surface, const ChartLayout& layout) {
    return std::max(surface.TextWidth("-1"), 2 * layout.markSize + 1) + layout.capsWidth;
}

}  // namespace

void DrawMoonPhase(Surface& surface, ChartMode mode, const ChartPassResult& pass,
                   const ChartPens& pens) {
    const auto moon = std::find_if(pass.placed.begin(), pass.placed.end(), [](const auto& o) {
        return o.kind == PlacedKind::Body && o.index == MoonRow;
    });
    if (moon == pass.placed.end()) return;
    const ChartLayout& layout = pass.layout;
    const int radius = BodyRadius(MoonRow, layout.markSize);
    if (radius < 2) return;

    // The Sun's direction on the chart at the Moon: a step of half a degree from the Moon along
    // the great circle towards the Sun, projected.
    double sunAltitude = 0, sunAzimuth = 0;
    BodyToHorizon(pass.observer, SunRow, sunAltitude, sunAzimuth);
    const Vector3 m = HorizonVector(moon->altitude, moon->azimuth);
    const Vector3 s = HorizonVector(sunAltitude, sunAzimuth);
    const double along = s.x * m.x + s.y * m.y + s.z * m.z;
    Vector3 t{s.x - along * m.x, s.y - along * m.y, s.z - along * m.z};
    const double tLength = std::sqrt(t.x * t.x + t.y * t.y + t.z * t.z);
    const double k = MoonLitFractionNow();
    double ux = 1, uy = 0;  // towards the Sun on the chart
    if (tLength > 1e-9) {
        const double c = CosDeg(0.5), sn = SinDeg(0.5);
        const Vector3 q{m.x * c + t.x / tLength * sn, m.y * c + t.y / tLength * sn,
                        m.z * c + t.z / tLength * sn};
        double mx = 0, my = 0, qx = 0, qy = 0;
        ProjectExactly(layout, pass.view.orientationAzimuth, m, mx, my);
        ProjectExactly(layout, pass.view.orientationAzimuth, q, qx, qy);
        const double d = std::hypot(qx - mx, qy - my);
        if (d > 0) {
            ux = (qx - mx) / d;
            uy = (qy - my) / d;
        }
    }

    // The lit part, row by row inside the ring: across the line to the Sun the limb is a half
    // circle, the terminator a half ellipse; a point at x' along the Sun's direction and y'
    // across it is lit when x' >= (1 - 2k) sqrt(R^2 - y'^2).
    // Black on paper; on the screen white, or the night look's ink.
    surface.SelectPen(mode == ChartPrinter      ? StockPen(BLACK_PEN)
                      : pens.screenInk == White ? StockPen(WHITE_PEN)
                                                : Pen{pens.screenInk, 1});
    const double r = radius - 0.5;
    const int cx = moon->position.x;
    const int cy = moon->position.y;
    for (int py = cy - radius; py < cy + radius; ++py) {
        int runStart = 0;
        bool inRun = false;
        for (int px = cx - radius; px <= cx + radius; ++px) {
            const double dx = px + 0.5 - cx;
            const double dy = py + 0.5 - cy;
            bool lit = false;
            if (px < cx + radius && dx * dx + dy * dy <= r * r) {
                const double xs = dx * ux + dy * uy;
                const double ys = -dx * uy + dy * ux;
                lit = xs >= (1.0 - 2.0 * k) * std::sqrt(std::max(0.0, r * r - ys * ys));
            }
            if (lit && !inRun) {
                runStart = px;
                inRun = true;
            } else if (!lit && inRun) {
                const Point run[2] = {{runStart, py}, {px, py}};  // the last point is left out
                surface.Polyline(run, 2);
                inRun = false;
            }
        }
    }
}

LabelBox LegendBox(Surface& surface, const ChartPassResult& pass, int margin) {
    const ChartLayout& layout = pass.layout;
    int textWidth = surface.TextWidth(LegendText(MagnitudeTitle));
    for (const char* meaning : Meanings)
        textWidth = std::max(textWidth, surface.TextWidth(LegendText(meaning)));
    const std::vector<SkyLayer> skyRows = ShownSkyLayers(pass.view.sky);
    for (SkyLayer layer : skyRows)
        textWidth = std::max(textWidth, surface.TextWidth(SkyLayerMeaning(layer)));
    const int cells = std::max(1, FaintestWhole(pass.view.dimmestMagnitude) - BrightestWhole + 1);
    const int width =
        2 * margin + layout.capsWidth +
        std::max(3 * layout.lineHeight + textWidth, cells * MagnitudeCellWidth(surface, layout));
    const int rows = static_cast<int>(std::size(Meanings) + skyRows.size()) + 3;
    const int height = 2 * margin + rows * layout.lineHeight;
    const int right = layout.width - margin;
    const int bottom = layout.height - margin;
    return LabelBox{right - width, bottom - height, right, bottom};
}

void DrawLegend(Surface& surface, ChartMode mode, const ChartPassResult& pass, int margin,
                const ChartPens& pens) {
    const ChartLayout& layout = pass.layout;
    const LabelBox box = LegendBox(surface, pass, margin);
    const bool paper = mode == ChartPrinter;
    // White marks on the screen, or the night look's ink; black on paper.
    const bool night = !paper && !(pens.screenInk == White);
    const Pen starPen = night ? Pen{pens.screenInk, 1} : StockPen(paper ? BLACK_PEN : WHITE_PEN);
    const Brush starBrush =
        night ? Brush{pens.screenInk} : StockBrush(paper ? BLACK_BRUSH : WHITE_BRUSH);
    const Brush sky = paper ? StockBrush(WHITE_BRUSH) : pens.skyNightBrush;
    const Rgb ink = paper ? Black : night ? pens.screenInk : White;
    const int glyphScale = paper ? layout.glyphScale : 0;
    const int line = layout.lineHeight;
    const int s = layout.markSize;

    // A piece of night sky (white on paper) framed in the star pen.
    surface.SelectPen(starPen);
    surface.SelectBrush(sky);
    surface.Rectangle(box.left, box.top, box.right, box.bottom);
    surface.SetTextColor(ink);
    surface.SetBkColor(sky.colour);
    surface.SetTextAlign(TA_LEFT | TA_TOP);

    const int left = box.left + margin;
    const int symbolX = left + 3 * line / 2;  // the middle of the symbol column
    const int textX = left + 3 * line;
    int top = box.top + margin;
    for (int row = 0; row < static_cast<int>(std::size(Meanings)); ++row, top += line) {
        const int y = top + line / 2;
        switch (row) {
            case 0:  // a star two magnitudes above the limit
                surface.SelectBrush(starBrush);
                DrawStarGlyph(surface, symbolX, y, pass.view.dimmestMagnitude - 2.0,
                              pass.view.dimmestMagnitude, ink, glyphScale);
                surface.SelectBrush(sky);
                break;
            case 1:  // a planet's ring
                DrawCircle(surface, symbolX, y, s);
                break;
            case 2:  // the Sun's disc
                surface.SelectBrush(starBrush);
                DrawCircle(surface, symbolX, y, 2 * s);
                surface.SelectBrush(sky);
                break;
            case 3: {  // a deep-sky cross
                surface.SelectPen(pens.deepSkyPen);
                const Point across[2] = {{symbolX - s, y}, {symbolX + s, y}};
                const Point upright[2] = {{symbolX, y - s}, {symbolX, y + s}};
                surface.Polyline(across, 2);
                surface.Polyline(upright, 2);
                surface.SelectPen(starPen);
                break;
            }
            default: {  // a figure line
                surface.SelectPen(pens.figurePen);
                const Point segment[2] = {{left, y}, {textX - line / 2, y}};
                surface.Polyline(segment, 2);
                surface.SelectPen(starPen);
                break;
            }
        }
        surface.TextOut(textX, top, LegendText(Meanings[row]));
    }
    // A row for each sky layer shown, in its own colour and line.
    const SkyColours skyColours = SkyColoursFor(mode, pass, pens);
    for (SkyLayer layer : ShownSkyLayers(pass.view.sky)) {
        DrawSkyLegendSymbol(surface, skyColours, layer, left, textX - line / 2, top + line / 2,
                            line);
        surface.SelectPen(starPen);
        surface.SelectBrush(sky);
        surface.TextOut(textX, top, SkyLayerMeaning(layer));
        top += line;
    }

    // The dot of every whole magnitude, brightest first, with its number under it.
    surface.TextOut(left, top, LegendText(MagnitudeTitle));
    top += line;
    const int cell = MagnitudeCellWidth(surface, layout);
    surface.SelectPen(starPen);
    surface.SelectBrush(starBrush);
    int x = left + cell / 2;
    for (int m = BrightestWhole; m <= FaintestWhole(pass.view.dimmestMagnitude); ++m, x += cell) {
        DrawStarGlyph(surface, x, top + line / 2, m, pass.view.dimmestMagnitude, ink, glyphScale);
        const std::string number = std::to_string(m);
        surface.TextOut(x - surface.TextWidth(number) / 2, top + line, number);
    }
}
