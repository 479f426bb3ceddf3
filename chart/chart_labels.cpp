// Names on the chart: what is asked for, what the names must keep clear of, and the drawing.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "astro/orbits.h"
#include "catalog/sky_model.h"
#include "chart/chart_annotations.h"
#include "chart/chart_pass.h"
#include "chart/chart_support.h"
#include "chart/figure_names.h"
#include "chart/sky_layers.h"

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

// Which kind of object a request stands for, for its colour.
enum class NameKind { Body, Star, Constellation, DeepSky };

struct KindedRequests {
    std::vector<LabelRequest> requests;
    std::vector<NameKind> kinds;
    std::vector<const PlacedObject*> objects;  // the star, object or body named; null for areas
};

// The brightest stars' names come before the figures' names, and with them the bodies'; these get
// further rings of places round their marks, so that a crowded mark still finds room.
inline constexpr std::size_t BrightStarNames = 20;
inline constexpr int OuterRings = 6;

// The names in order of priority: the Sun, the Moon and the planets; the 20 brightest stars; the
// shown figures' names, anywhere in their figures; the other stars; the names of the other
// constellations (All constellation names); the Messier numbers, brightest first. The names
// before the other stars may stand on the marks of the stars and objects after them (minor
// marks), which are then drawn again over them: what yields is a Messier number or a fainter
// star's name, not its mark.
KindedRequests BuildRequests(Surface& surface, ChartMode mode, const ChartPassResult& pass) {
    KindedRequests out;
    const ChartLabels& choice = pass.view.labels;
    const ChartLayout& layout = pass.layout;
    auto add = [&](NameKind kind, std::string text, LabelRequest request,
                   const PlacedObject* object) {
        if (text.empty()) return;
        request.width = surface.TextWidth(text);
        request.height = layout.lineHeight;
        request.text = std::move(text);
        out.requests.push_back(std::move(request));
        out.kinds.push_back(kind);
        out.objects.push_back(object);
    };
    auto beside = [](Point at, int clearance, int rings) {
        LabelRequest request;
        request.at = at;
        request.clearance = clearance;
        request.rings = rings;
        request.overMinorMarks = rings > 1;
        return request;
    };

    if (choice.bodies) {
        // The pass lists the bodies from Pluto to the Sun; names go from the Sun outward.
        std::string name;
        for (auto it = pass.placed.rbegin(); it != pass.placed.rend(); ++it) {
            if (it->kind != PlacedKind::Body) continue;
            name = BodyLabel(it->index);
            add(NameKind::Body, name,
                beside(it->position, BodyRadius(it->index, layout.markSize), OuterRings), &*it);
        }
    }
    std::vector<const PlacedObject*> named;
    if (choice.stars) {
        const double limit = StarLabelLimit(pass.view.dimmestMagnitude);
        for (const PlacedObject& object : pass.placed) {
            if (object.kind != PlacedKind::Star || !object.marked) continue;
            const Star& star = StarTable[object.index];
            if (star.magnitude <= limit && !StarProperName(star).empty()) named.push_back(&object);
        }
        std::stable_sort(named.begin(), named.end(), [](const auto* a, const auto* b) {
            return StarTable[a->index].magnitude < StarTable[b->index].magnitude;
        });
    }
    auto addStars = [&](std::size_t from, std::size_t to, int rings) {
        for (std::size_t i = from; i < std::min(to, named.size()); ++i) {
            const Star& star = StarTable[named[i]->index];
            add(NameKind::Star, StarProperName(star),
                beside(named[i]->position,
                       StarMarkRadius(star.magnitude, pass.view.dimmestMagnitude,
                                      GlyphScaleOf(mode, layout)),
                       rings),
                named[i]);
        }
    };
    addStars(0, BrightStarNames, OuterRings);

    // The shown figures' names go smallest figure first: a small figure has the fewest places
    // for its name, a large one can give way within itself.
    const int count = std::clamp(ConstellationCount, 0, MaxConstellations);
    auto addConstellations = [&](bool shownFigures) {
        std::vector<std::pair<std::int64_t, LabelRequest>> requests;
        for (int c = 0; c < count; ++c) {
            const Constellation& figure = ConstellationTable[c];
            const bool byFigure = choice.constellations && figure.shown;
            if (byFigure != shownFigures || (!byFigure && !choice.allConstellations)) continue;
            const std::optional<FigureNamePlace> place =
                FigureNamePlacement(figure, byFigure, pass, mode);
            if (!place) continue;
            LabelRequest request;
            request.text = IauConstellationName(figure);
            request.at = place->middle;
            request.anchor = byFigure ? LabelAnchor::Within : LabelAnchor::Centred;
            if (byFigure) {
                request.extent = place->extent;
                request.keepClear = place->ownStars;
                request.overMinorMarks = true;
            }
            const LabelBox& e = place->extent;
            const std::int64_t area =
                byFigure ? std::int64_t{e.right - e.left} * (e.bottom - e.top) : 0;
            requests.push_back({area, std::move(request)});
        }
        std::stable_sort(requests.begin(), requests.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (auto& [area, request] : requests) {
            std::string text = std::move(request.text);
            add(NameKind::Constellation, std::move(text), std::move(request), nullptr);
        }
    };
    addConstellations(true);
    addStars(BrightStarNames, named.size(), 1);
    addConstellations(false);

    if (choice.deepSky) {
        std::vector<const PlacedObject*> objects;
        for (const PlacedObject& object : pass.placed)
            if (object.kind == PlacedKind::DeepSky) objects.push_back(&object);
        std::stable_sort(objects.begin(), objects.end(), [](const auto* a, const auto* b) {
            return DeepSkyTable[a->index].magnitude < DeepSkyTable[b->index].magnitude;
        });
        for (const PlacedObject* object : objects)
            add(NameKind::DeepSky, FieldText(DeepSkyTable[object->index].identifier),
                beside(object->position, layout.markSize, 1), object);
    }
    return out;
}

LabelBox BoxAround(Point p, int half) {
    return LabelBox{p.x - half, p.y - half, p.x + half + 1, p.y + half + 1};
}

// The minor marks a name stands on, drawn again over it.
void RedrawCoveredMarks(Surface& surface, ChartMode mode, const ChartPassResult& pass,
                        const ChartPens& pens, const KindedRequests& asked,
                        const std::vector<PlacedLabel>& placed) {
    std::vector<const PlacedObject*> covered;
    for (std::size_t i = 0; i < asked.requests.size(); ++i) {
        const LabelRequest& minor = asked.requests[i];
        if (minor.anchor != LabelAnchor::Beside || minor.overMinorMarks || !asked.objects[i])
            continue;
        const LabelBox mark = BoxAround(minor.at, minor.clearance);
        for (const PlacedLabel& label : placed)
            if (asked.requests[static_cast<std::size_t>(label.request)].overMinorMarks &&
                BoxesOverlap(label.box, mark)) {
                covered.push_back(asked.objects[i]);
                break;
            }
    }
    if (!covered.empty()) RedrawMarks(surface, mode, pass, pens, covered);
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
    for (const GridLabel& label : GridLabels(surface, pass)) obstacles.push_back(label.box);
    for (const PlacedObject& object : pass.placed)
        if (object.kind == PlacedKind::Body)
            obstacles.push_back(
                BoxAround(object.position, BodyRadius(object.index, layout.markSize)));
    for (const LabelRequest& request : requests)
        if (request.anchor == LabelAnchor::Beside && request.overMinorMarks)
            obstacles.push_back(BoxAround(request.at, request.clearance));
    return obstacles;
}

std::vector<LabelBox> ChartMinorMarks(std::span<const LabelRequest> requests) {
    std::vector<LabelBox> marks;
    for (const LabelRequest& request : requests)
        if (request.anchor == LabelAnchor::Beside && !request.overMinorMarks)
            marks.push_back(BoxAround(request.at, request.clearance));
    return marks;
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
            asked.requests, obstacles, LabelArea{{layout.centreX, layout.centreY}, layout.radius},
            ChartMinorMarks(asked.requests));
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
        RedrawCoveredMarks(surface, mode, pass, pens, asked, placed);
    }
    if (choice.legend) DrawLegend(surface, mode, pass, margin, pens);
}
