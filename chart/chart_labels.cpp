// Names on the chart: what is asked for, what the names must keep clear of, and the drawing.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "astro/orbits.h"
#include "catalog/sky_model.h"
#include "chart/chart_annotations.h"
#include "chart/chart_pass.h"
#include "chart/chart_support.h"

namespace {

// A name's colour on the sky by kind (on paper every name is black).
inline constexpr Rgb BodyNameColour{255, 255, 160};
inline constexpr Rgb StarNameColour = White;
inline constexpr Rgb ConstellationNameColour{255, 140, 140};
inline constexpr Rgb DeepSkyNameColour{140, 255, 140};

// The IAU names that are not the catalogue's text with its underscores made spaces.
struct NameCorrection {
    const char* abbreviation;
    const char* name;
};
inline constexpr NameCorrection NameCorrections[] = {
    {"Ori", "Orion"},
    {"Col", "Columba"},
    {"TrA", "Triangulum Australe"},
};

template <std::size_t N>
std::string FieldText(const char (&field)[N]) {
    return std::string(field, strnlen(field, N));
}

// The half-size of a star's glyph: the pixels of the 7 x 7 square reach 3 from the centre (1
// for up to 5 pixels, 2 for up to 25); on paper the circle's radius.
int StarMarkRadius(double magnitude, double dimmest, int glyphScale) {
    const double count = std::floor(std::pow(1.99, dimmest - magnitude));
    const int n = count >= MaxGlyphPixels ? MaxGlyphPixels : std::max(1, static_cast<int>(count));
    if (glyphScale > 0) return static_cast<int>(std::pow(static_cast<double>(n), 0.3) * glyphScale);
    return n == 1 ? 0 : n <= 5 ? 1 : n <= 25 ? 2 : 3;
}

int GlyphScaleOf(ChartMode mode, const ChartLayout& layout) {
    return mode == ChartPrinter ? layout.glyphScale : 0;
}

// Which kind of object a request stands for, for its colour.
enum class NameKind { Body, Star, Constellation, DeepSky };

struct KindedRequests {
    std::vector<LabelRequest> requests;
    std::vector<NameKind> kinds;
};

KindedRequests BuildRequests(Surface& surface, ChartMode mode, const ChartPassResult& pass) {
    KindedRequests out;
    const ChartLabels& choice = pass.view.labels;
    const ChartLayout& layout = pass.layout;
    auto add = [&](NameKind kind, std::string text, Point at, int clearance, LabelAnchor anchor) {
        if (text.empty()) return;
        LabelRequest request;
        request.width = surface.TextWidth(text);
        request.height = layout.lineHeight;
        request.text = std::move(text);
        request.at = at;
        request.clearance = clearance;
        request.anchor = anchor;
        out.requests.push_back(std::move(request));
        out.kinds.push_back(kind);
    };

    if (choice.bodies) {
        // The pass lists the bodies from Pluto to the Sun; names go from the Sun outward.
        std::string name;
        for (auto it = pass.placed.rbegin(); it != pass.placed.rend(); ++it) {
            if (it->kind != PlacedKind::Body) continue;
            name = BodyLabel(it->index);
            add(NameKind::Body, name, it->position, BodyRadius(it->index, layout.markSize),
                LabelAnchor::Beside);
        }
    }
    if (choice.stars) {
        const double limit = StarLabelLimit(pass.view.dimmestMagnitude);
        std::vector<const PlacedObject*> named;
        for (const PlacedObject& object : pass.placed) {
            if (object.kind != PlacedKind::Star || !object.marked) continue;
            const Star& star = StarTable[object.index];
            if (star.magnitude <= limit && !StarProperName(star).empty()) named.push_back(&object);
        }
        std::stable_sort(named.begin(), named.end(), [](const auto* a, const auto* b) {
            return StarTable[a->index].magnitude < StarTable[b->index].magnitude;
        });
        for (const PlacedObject* object : named) {
            const Star& star = StarTable[object->index];
            add(NameKind::Star, StarProperName(star), object->position,
                StarMarkRadius(star.magnitude, pass.view.dimmestMagnitude,
                               GlyphScaleOf(mode, layout)),
                LabelAnchor::Beside);
        }
    }
    if (choice.constellations || choice.allConstellations) {
        // The middle of what the pass placed of each figure: a shown figure needs two placed
        // points, any other at least half of its points above the horizon.
        const int count = std::clamp(ConstellationCount, 0, MaxConstellations);
        for (int c = 0; c < count; ++c) {
            const Constellation& figure = ConstellationTable[c];
            const bool byFigure = choice.constellations && figure.shown;
            if (!byFigure && !choice.allConstellations) continue;
            std::vector<int> stars;
            for (int j = 0; j < std::min(figure.pointCount, MaxFigurePoints); ++j) {
                const int n = figure.points[j];
                if (n >= 1 && n <= MaxStarNumber &&
                    std::find(stars.begin(), stars.end(), n) == stars.end())
                    stars.push_back(n);
            }
            std::int64_t sumX = 0, sumY = 0;
            int placed = 0;
            for (int n : stars) {
                if (!StarTable[n].visible) continue;
                sumX += StarTable[n].chartX;
                sumY += StarTable[n].chartY;
                ++placed;
            }
            const bool enough =
                byFigure ? placed >= 2 : placed > 0 && 2 * placed >= int(stars.size());
            if (!enough) continue;
            add(NameKind::Constellation, IauConstellationName(figure),
                Point{static_cast<int>(sumX / placed), static_cast<int>(sumY / placed)}, 0,
                LabelAnchor::Centred);
        }
    }
    if (choice.deepSky) {
        std::vector<const PlacedObject*> objects;
        for (const PlacedObject& object : pass.placed)
            if (object.kind == PlacedKind::DeepSky) objects.push_back(&object);
        std::stable_sort(objects.begin(), objects.end(), [](const auto* a, const auto* b) {
            return DeepSkyTable[a->index].magnitude < DeepSkyTable[b->index].magnitude;
        });
        for (const PlacedObject* object : objects)
            add(NameKind::DeepSky, FieldText(DeepSkyTable[object->index].identifier),
                object->position, layout.markSize, LabelAnchor::Beside);
    }
    return out;
}

LabelBox BoxAround(Point p, int half) {
    return LabelBox{p.x - half, p.y - half, p.x + half + 1, p.y + half + 1};
}

}  // namespace

std::string StarProperName(const Star& star) {
    std::string name = FieldText(star.name);
    if (name.size() <= 3 || !std::isalpha(static_cast<unsigned char>(name[0]))) return {};
    name.resize(name.size() - 3);
    while (!name.empty() && (name.back() == ' ' || name.back() == '_')) name.pop_back();
    std::replace(name.begin(), name.end(), '_', ' ');
    return name;
}

std::string IauConstellationName(const Constellation& constellation) {
    const std::string abbreviation = FieldText(constellation.abbreviation);
    for (const NameCorrection& correction : NameCorrections)
        if (abbreviation == correction.abbreviation) return correction.name;
    std::string name = FieldText(constellation.name);
    std::replace(name.begin(), name.end(), '_', ' ');
    return name;
}

double StarLabelLimit(double dimmestMagnitude) {
    return dimmestMagnitude - 1.0;
}

std::vector<LabelRequest> ChartLabelRequests(Surface& surface, ChartMode mode,
                                             const ChartPassResult& pass) {
    return BuildRequests(surface, mode, pass).requests;
}

std::vector<LabelBox> ChartLabelObstacles(Surface& surface, ChartMode mode,
                                          const ChartPassResult& pass, int margin,
                                          std::span<const LabelRequest> requests) {
    const ChartLayout& layout = pass.layout;
    const int lineHeight = layout.lineHeight;
    std::vector<LabelBox> obstacles;
    for (const CompassPoint& compass : CompassPoints) {
        const Point p = ProjectToChart(0.0, compass.azimuth, layout.centreX, layout.centreY,
                                       layout.radius, pass.view.orientationAzimuth);
        const unsigned align = CompassAlignment(p, layout.centreX, layout.centreY);
        const int width = surface.TextWidth(CompassLabel(compass));
        const int left = (align & TA_RIGHT) ? p.x - width : p.x;
        const int top = (align & TA_BOTTOM) ? p.y - lineHeight : p.y;
        obstacles.push_back(LabelBox{left, top, left + width, top + lineHeight});
    }
    // The caption column; on screen the picker (24 average characters or more) and the
    // scrollbar below the magnitude line stand in it too.
    const int columnWidth = std::max(
        {surface.TextWidth(MagnitudeCaptionText(pass.view.dimmestMagnitude)),
         surface.TextWidth(ChartInstantText(pass.time)), surface.TextWidth(DateCaptionText()),
         30 * surface.GetTextMetrics().aveCharWidth});
    obstacles.push_back(
        LabelBox{0, 0, 2 * margin + columnWidth, layout.magnitudeTextY + 2 * lineHeight});
    if (mode == ChartScreen) {
        // "Cursor is on:" and the readout box under it, laid out as the window lays them out.
        const int readoutTop = layout.height - 3 * margin - lineHeight;
        obstacles.push_back(LabelBox{0, readoutTop - margin - 2 * lineHeight,
                                     4 * margin + 25 * layout.capsWidth, layout.height});
    }
    if (pass.view.labels.legend) obstacles.push_back(LegendBox(surface, pass, margin));
    for (const PlacedObject& object : pass.placed)
        if (object.kind == PlacedKind::Body)
            obstacles.push_back(
                BoxAround(object.position, BodyRadius(object.index, layout.markSize)));
    for (const LabelRequest& request : requests)
        if (request.anchor == LabelAnchor::Beside)
            obstacles.push_back(BoxAround(request.at, request.clearance));
    return obstacles;
}

void DrawChartAnnotations(Surface& surface, ChartMode mode, const ChartPassResult& pass, int margin,
                          const ChartPens& pens) {
    const ChartLabels& choice = pass.view.labels;
    if (choice == ChartLabels{}) return;
    if (choice.bodies) DrawMoonPhase(surface, mode, pass, pens);

    const KindedRequests asked = BuildRequests(surface, mode, pass);
    if (!asked.requests.empty()) {
        const std::vector<LabelBox> obstacles =
            ChartLabelObstacles(surface, mode, pass, margin, asked.requests);
        const ChartLayout& layout = pass.layout;
        const std::vector<PlacedLabel> placed = PlaceLabels(
            asked.requests, obstacles, LabelArea{{layout.centreX, layout.centreY}, layout.radius});
        const bool paper = mode == ChartPrinter;
        surface.SetBkColor(paper        ? White
                           : pass.sunUp ? pens.skyDayBrush.colour
                                        : pens.skyNightBrush.colour);
        surface.SetTextAlign(TA_LEFT | TA_TOP);
        // The night look (an ink other than white) names everything in its own reds: the ink, and
        // the figures' and deep-sky objects' pens for theirs.
        const bool night = !(pens.screenInk == White);
        for (const PlacedLabel& label : placed) {
            Rgb colour = Black;
            if (!paper && night) {
                const NameKind kind = asked.kinds[static_cast<std::size_t>(label.request)];
                colour = kind == NameKind::Constellation ? pens.figurePen.colour
                         : kind == NameKind::DeepSky     ? pens.deepSkyPen.colour
                                                         : pens.screenInk;
            } else if (!paper) {
                switch (asked.kinds[static_cast<std::size_t>(label.request)]) {
                    case NameKind::Body:
                        colour = BodyNameColour;
                        break;
                    case NameKind::Star:
                        colour = StarNameColour;
                        break;
                    case NameKind::Constellation:
                        colour = ConstellationNameColour;
                        break;
                    case NameKind::DeepSky:
                        colour = DeepSkyNameColour;
                        break;
                }
            }
            surface.SetTextColor(colour);
            surface.TextOut(label.box.left, label.box.top,
                            asked.requests[static_cast<std::size_t>(label.request)].text);
        }
    }
    if (choice.legend) DrawLegend(surface, mode, pass, margin, pens);
}
