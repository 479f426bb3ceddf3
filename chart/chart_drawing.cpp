// The second half of the chart pass: the picture itself, for the window, a metafile or a printer
// page, drawn in a fixed order, each item over the earlier ones: sky disc, compass labels,
// constellation figures, stars, deep-sky crosses, bodies from Pluto to the Sun, captions.
#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "catalog/sky_model.h"
#include "chart/chart_pass.h"
#include "chart/chart_support.h"

namespace {

inline constexpr Rgb WindowBackground{0, 48, 0};

// The pens, brushes and colours that one mode draws with.
struct ModeAttributes {
    Pen starPen = StockPen(WHITE_PEN);
    Brush starBrush = StockBrush(WHITE_BRUSH);
    Brush skyBrush;
    Rgb glyphColour = White;
    int glyphScale = 0;
};

// Segments of every shown figure between consecutive points whose both stars were placed by this
// pass, and only into points that start a drawn segment ("D" points); the first point's flag is
// never consulted. Point numbers outside the star table are skipped.
void DrawFigures(Surface& surface) {
    const int count = std::clamp(ConstellationCount, 0, MaxConstellations);
    for (int c = 0; c < count; ++c) {
        const Constellation& figure = ConstellationTable[c];
        if (!figure.shown) continue;
        const int points = std::min(figure.pointCount, MaxFigurePoints);
        for (int j = 0; j + 1 < points; ++j) {
            const int a = figure.points[j];
            const int b = figure.points[j + 1];
            if (a < 1 || a > MaxStarNumber || b < 1 || b > MaxStarNumber) continue;
            const Star& from = StarTable[a];
            const Star& to = StarTable[b];
            if (!from.visible || !to.visible || !figure.drawFlags[j + 1]) continue;
            const Point segment[2] = {{from.chartX, from.chartY}, {to.chartX, to.chartY}};
            surface.Polyline(segment, 2);
        }
    }
}

// The bodies from Pluto to the Sun: rings of markSize (twice that for the Moon and the Sun) in
// the star pen filled with the sky brush, the Sun filled with the star brush and drawn last.
void DrawBodies(Surface& surface, const ChartLayout& layout, const ModeAttributes& look) {
    surface.SelectPen(look.starPen);
    surface.SelectBrush(look.skyBrush);
    for (int row = PlutoRow; row >= SunRow; --row) {
        if (row == SunRow) surface.SelectBrush(look.starBrush);
        double altitude = 0;
        double azimuth = 0;
        BodyToHorizon(row, altitude, azimuth);
        if (!(altitude > 0)) continue;
        const Point p =
            ProjectToChart(altitude, azimuth, layout.centreX, layout.centreY, layout.radius);
        DrawCircle(surface, p.x, p.y, BodyRadius(row, layout.markSize));
    }
}

// The caption column at x = margin, each text's bottom on its line: the chart's date and time
// (not on screen, where the picker shows it), the picker's label and the magnitude limit.
void DrawCaptions(Surface& surface, ChartMode mode, const ChartLayout& layout,
                  const SystemTime& time, int margin) {
    char text[80];
    surface.SetTextAlign(TA_LEFT | TA_BOTTOM);
    if (mode == ChartMetafile || mode == ChartPrinter) {
        std::snprintf(text, sizeof text, "%4d/%02d/%02d  %02d:%02d:%02d", time.year, time.month,
                      time.day, time.hour, time.minute, time.second);
        surface.TextOut(margin, layout.dateTextY, text);
    }
    surface.TextOut(margin, layout.dateLabelY, "Date & Time of Map:");
    std::snprintf(text, sizeof text, "Dimmest Star Magnitude: %3.1f",
                  ViewSettings.dimmestMagnitude);
    surface.TextOut(margin, layout.magnitudeTextY, text);
}

}  // namespace

// Draws the chart from the visibility and positions that PlaceChartObjects left in the sky model.
// The sky is the day brush while the Sun's altitude is above 0, else the night brush (white on
// paper). Screen: white pen and white text on the window's green; metafile: two white corner
// pixels and a frame in the surface's default pen and brush so that the picture keeps the full
// page size; printer: black on white, stars as circles scaled to the printer's font.
void DrawChartObjects(Surface& surface, ChartMode mode, const ChartLayout& layout, int margin,
                      const SystemTime& time, const Pen& figurePen, const Pen& deepSkyPen,
                      const Brush& skyDayBrush, const Brush& skyNightBrush) {
    double altitude = 0;
    double azimuth = 0;
    BodyToHorizon(SunRow, altitude, azimuth);

    ModeAttributes look;
    look.skyBrush = altitude > 0 ? skyDayBrush : skyNightBrush;
    if (mode == ChartMetafile) {
        surface.SetPixel(0, 0, White);
        surface.SetPixel(layout.width, layout.height, White);
        surface.Rectangle(0, 0, ShiftClamped(layout.width, -1), ShiftClamped(layout.height, -1));
    } else if (mode == ChartPrinter) {
        look.starPen = StockPen(BLACK_PEN);
        look.starBrush = StockBrush(BLACK_BRUSH);
        look.glyphColour = Black;
        look.skyBrush = StockBrush(WHITE_BRUSH);
        look.glyphScale = layout.glyphScale;
    } else {
        surface.SelectPen(StockPen(WHITE_PEN));
        surface.SetTextColor(White);
        surface.SetBkColor(WindowBackground);
    }

    // Sky disc.
    surface.SelectPen(look.starPen);
    surface.SelectBrush(look.skyBrush);
    DrawCircle(surface, layout.centreX, layout.centreY, layout.radius);

    // Compass labels on the rim, each running away from the disc.
    for (const CompassPoint& compass : CompassPoints) {
        const Point p =
            ProjectToChart(0.0, compass.azimuth, layout.centreX, layout.centreY, layout.radius);
        surface.SetTextAlign(CompassAlignment(p, layout.centreX, layout.centreY));
        surface.TextOut(p.x, p.y, compass.label);
    }

    surface.SelectPen(figurePen);
    DrawFigures(surface);

    // Stars: placed and within the magnitude limit (faint figure vertices stay undrawn).
    surface.SelectPen(look.starPen);
    surface.SelectBrush(look.starBrush);
    const double dimmest = ViewSettings.dimmestMagnitude;
    for (int number = 1; number <= MaxStarNumber; ++number) {
        const Star& star = StarTable[number];
        if (!star.visible || !(star.magnitude <= dimmest)) continue;
        DrawStarGlyph(surface, star.chartX, star.chartY, star.magnitude, look.glyphColour,
                      look.glyphScale);
    }

    // Deep-sky objects: an upright cross of half-length markSize.
    surface.SelectPen(deepSkyPen);
    const int s = layout.markSize;
    const int deepSkyRows = std::clamp(DeepSkyCount, 0, static_cast<int>(DeepSkyTable.size()));
    for (int i = 0; i < deepSkyRows; ++i) {
        const DeepSkyObject& object = DeepSkyTable[i];
        if (!object.visible) continue;
        const int x = object.chartX;
        const int y = object.chartY;
        const Point across[2] = {{ShiftClamped(x, -std::int64_t{s}), y}, {ShiftClamped(x, s), y}};
        surface.Polyline(across, 2);
        const Point upright[2] = {{x, ShiftClamped(y, -std::int64_t{s})}, {x, ShiftClamped(y, s)}};
        surface.Polyline(upright, 2);
    }

    DrawBodies(surface, layout, look);
    DrawCaptions(surface, mode, layout, time, margin);
}
