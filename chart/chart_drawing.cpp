// The second half of the chart pass: the picture itself, for the window, a metafile or a printer
// page, drawn in a fixed order, each item over the earlier ones: sky disc (with the sky layers the
// view asks for), compass labels, constellation figures, stars, deep-sky crosses, bodies from
// Pluto to the Sun, captions.
#include "chart/chart_drawing.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>

#include "catalog/sky_model.h"
#include "chart/chart_annotations.h"
#include "chart/chart_pass.h"
#include "chart/chart_support.h"
#include "chart/sky_layers.h"
#include "chart/view_settings.h"

namespace {

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
void DrawBodies(Surface& surface, const ChartPassResult& pass, const ChartLook& look) {
    surface.SelectPen(look.starPen);
    surface.SelectBrush(look.skyBrush);
    // The placed bodies close the list, in the order of the rows walked here.
    auto body = std::find_if(pass.placed.begin(), pass.placed.end(),
                             [](const PlacedObject& o) { return o.kind == PlacedKind::Body; });
    for (int row = PlutoRow; row >= SunRow; --row) {
        if (row == SunRow) surface.SelectBrush(look.starBrush);  // whether or not the Sun is up
        if (body == pass.placed.end() || body->index != row) continue;
        DrawCircle(surface, body->position.x, body->position.y,
                   BodyRadius(row, pass.layout.markSize));
        ++body;
    }
}

// The caption column at x = margin, each text's bottom on its line: the chart's date and time
// (not on screen, where the picker shows it), the picker's label and the magnitude limit.
void DrawCaptions(Surface& surface, ChartMode mode, const ChartPassResult& pass, int margin) {
    const ChartLayout& layout = pass.layout;
    surface.SetTextAlign(TA_LEFT | TA_BOTTOM);
    if (mode == ChartMetafile || mode == ChartPrinter)
        surface.TextOut(margin, layout.dateTextY, ChartInstantText(pass.time));
    surface.TextOut(margin, layout.dateLabelY, DateCaptionText());
    surface.TextOut(margin, layout.magnitudeTextY,
                    MagnitudeCaptionText(pass.view.dimmestMagnitude));
    // With a place, its lines follow one to a line; on screen they start below the magnitude
    // scrollbar that sits under the magnitude caption.
    int y = layout.magnitudeTextY;
    if (mode == ChartScreen) y = std::max(y, ViewSettings.scrollBottom);
    for (const std::string& line : PlaceCaptionLines(pass.view, pass.observer)) {
        y += margin + layout.lineHeight;
        surface.TextOut(margin, y, line);
    }
}

}  // namespace

// Draws the chart from what PlaceChartObjects placed. The sky is the day brush while the Sun is
// above the horizon, else the night brush (white on paper). Screen: the pens' ink (white) for
// stars and text, on their paper (the window's green); metafile: two white corner pixels and a
// frame in the surface's default pen and brush so that the picture keeps the full page size;
// printer: black on white, stars as circles scaled to the printer's font.
ChartLook LookOfMode(ChartMode mode, const ChartPassResult& pass, const ChartPens& pens) {
    ChartLook look;
    look.skyBrush = pass.sunUp ? pens.skyDayBrush : pens.skyNightBrush;
    if (mode == ChartPrinter) {
        look.starPen = StockPen(BLACK_PEN);
        look.starBrush = StockBrush(BLACK_BRUSH);
        look.glyphColour = Black;
        look.skyBrush = StockBrush(WHITE_BRUSH);
        look.glyphScale = pass.layout.glyphScale;
    } else if (mode != ChartMetafile) {
        // The standard pens give the stock white pen and brush, white text on the window's green.
        look.starPen = Pen{pens.screenInk, 1};
        look.starBrush = Brush{pens.screenInk};
        look.glyphColour = pens.screenInk;
    }
    return look;
}

void DrawDeepSkyCross(Surface& surface, Point at, int markSize) {
    const int x = at.x;
    const int y = at.y;
    const int s = markSize;
    const Point across[2] = {{ShiftClamped(x, -std::int64_t{s}), y}, {ShiftClamped(x, s), y}};
    surface.Polyline(across, 2);
    const Point upright[2] = {{x, ShiftClamped(y, -std::int64_t{s})}, {x, ShiftClamped(y, s)}};
    surface.Polyline(upright, 2);
}

void RedrawMarks(Surface& surface, ChartMode mode, const ChartPassResult& pass,
                 const ChartPens& pens, std::span<const PlacedObject* const> objects) {
    const ChartLook look = LookOfMode(mode, pass, pens);
    for (const PlacedObject* object : objects) {
        if (object->kind == PlacedKind::Star) {
            surface.SelectPen(look.starPen);
            surface.SelectBrush(look.starBrush);
            DrawStarGlyph(surface, object->position.x, object->position.y,
                          StarTable[object->index].magnitude, pass.view.dimmestMagnitude,
                          look.glyphColour, look.glyphScale);
        } else if (object->kind == PlacedKind::DeepSky) {
            surface.SelectPen(pens.deepSkyPen);
            DrawDeepSkyCross(surface, object->position, pass.layout.markSize);
        }
    }
}

void DrawChartObjects(Surface& surface, ChartMode mode, const ChartPassResult& pass, int margin,
                      const ChartPens& pens) {
    const ChartLayout& layout = pass.layout;
    const ChartLook look = LookOfMode(mode, pass, pens);
    if (mode == ChartMetafile) {
        surface.SetPixel(0, 0, White);
        surface.SetPixel(layout.width, layout.height, White);
        surface.Rectangle(0, 0, ShiftClamped(layout.width, -1), ShiftClamped(layout.height, -1));
    } else if (mode != ChartPrinter) {
        surface.SelectPen(look.starPen);
        surface.SetTextColor(pens.screenInk);
        surface.SetBkColor(pens.screenPaper);
    }

    // Sky disc.
    surface.SelectPen(look.starPen);
    surface.SelectBrush(look.skyBrush);
    DrawCircle(surface, layout.centreX, layout.centreY, layout.radius);
    DrawSkyLayers(surface, mode, pass, pens);  // only what the view asks for

    // Compass labels on the rim, each running away from the disc.
    for (const CompassPoint& compass : CompassPoints) {
        const Point p = ProjectToChart(0.0, compass.azimuth, layout.centreX, layout.centreY,
                                       layout.radius, pass.view.orientationAzimuth);
        surface.SetTextAlign(CompassAlignment(p, layout.centreX, layout.centreY));
        surface.TextOut(p.x, p.y, CompassLabel(compass));
    }

    surface.SelectPen(pens.figurePen);
    DrawFigures(surface);

    // Stars with a mark of their own (faint figure vertices stay undrawn).
    surface.SelectPen(look.starPen);
    surface.SelectBrush(look.starBrush);
    for (const PlacedObject& star : pass.placed) {
        if (star.kind != PlacedKind::Star || !star.marked) continue;
        DrawStarGlyph(surface, star.position.x, star.position.y, StarTable[star.index].magnitude,
                      pass.view.dimmestMagnitude, look.glyphColour, look.glyphScale);
    }

    // Deep-sky objects: an upright cross of half-length markSize.
    surface.SelectPen(pens.deepSkyPen);
    for (const PlacedObject& object : pass.placed)
        if (object.kind == PlacedKind::DeepSky)
            DrawDeepSkyCross(surface, object.position, layout.markSize);

    DrawBodies(surface, pass, look);
    DrawCaptions(surface, mode, pass, margin);
    DrawChartAnnotations(surface, mode, pass, margin, pens);  // only what the view asks for
}
