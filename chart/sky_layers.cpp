// The sky layers of a chart pass: what each one is on the sky, and how it is drawn.
#include "chart/sky_layers.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "astro/coordinates.h"
#include "base/translate.h"
#include "catalog/sky_outlines.h"

namespace {

constexpr double Radian = std::numbers::pi / 180.0;

// The north galactic pole, J2000 (the IAU 1958 pole carried to J2000).
constexpr double GalacticPoleRightAscension = 192.85948 / 15.0;
constexpr double GalacticPoleDeclination = 27.12825;
// Every Milky Way ring keeps within 25 degrees of the galactic equator (the generator checks it),
// so everything beyond this galactic latitude lies outside every step.
constexpr double OutsideBandLatitude = 35.0;
// Degrees between the points of the equator and the ecliptic.
constexpr int CircleStep = 2;
constexpr int GridAltitudeStep = 30;
constexpr int GridAzimuthStep = 45;

double Dot(const SkyVector& a, const SkyVector& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// A direction outside every step of the Milky Way and high in the sky: the zenith when it lies
// 35 degrees or more from the galactic equator, else the point 35 degrees from it on the galactic
// meridian through the zenith, at most 35 degrees from the zenith.
SkyVector OutsideTheBand(const HorizonTurn& turn) {
    const SkyVector zenith = turn.Unapply({1, 0, 0});
    const SkyVector pole = EquatorialVector(GalacticPoleRightAscension, GalacticPoleDeclination);
    const double s = Dot(zenith, pole);  // the sine of the zenith's galactic latitude
    const double sinCap = std::sin(OutsideBandLatitude * Radian);
    if (std::fabs(s) >= sinCap) return zenith;
    SkyVector u{zenith.x - s * pole.x, zenith.y - s * pole.y, zenith.z - s * pole.z};
    const double length = std::sqrt(Dot(u, u));  // at least cos 35 degrees
    const double c = std::cos(OutsideBandLatitude * Radian) / length;
    const double k = s >= 0 ? sinCap : -sinCap;
    return {c * u.x + k * pole.x, c * u.y + k * pole.y, c * u.z + k * pole.z};
}

void ProjectRing(const OutlineRing& ring, const HorizonTurn& turn, const ChartProjection& project,
                 std::vector<ChartXY>& out) {
    out.clear();
    for (const OutlinePoint& p : ring) out.push_back(project(turn.Apply({p.x, p.y, p.z})));
}

// Whether any point of a ring stands above the horizon; pieces between points below it are never
// drawn.
bool ReachesAboveHorizon(const OutlineRing& ring, const HorizonTurn& turn) {
    return std::any_of(ring.begin(), ring.end(), [&](const OutlinePoint& p) {
        return turn.Apply({p.x, p.y, p.z}).x > 0;
    });
}

// Draws each run as one polyline (a dotted pen keeps its rhythm along a run), all in one call.
void DrawRuns(Surface& surface, const ChartPolygons& runs) {
    std::vector<Point> points;
    std::vector<int> counts;
    ToSurfacePoints(runs, points, counts);
    if (!counts.empty())
        surface.PolyPolyline(points.data(), counts.data(), static_cast<int>(counts.size()));
}

// A great circle of the sky of date through the points `point(degrees)` for 0, 2, .. 358 degrees.
template <typename PointAt>
void DrawCircleOfDate(Surface& surface, const ChartPassResult& pass, PointAt point) {
    const HorizonTurn turn = DateTurn(pass.observer);
    const ChartProjection project(pass.layout, pass.view.orientationAzimuth);
    std::vector<ChartXY> plane;
    for (int degrees = 0; degrees < 360; degrees += CircleStep)
        plane.push_back(project(turn.Apply(point(degrees * Radian))));
    ChartPolygons runs;
    ClipPolyline(plane, {}, true, ClipDisc(pass.layout), runs);
    DrawRuns(surface, runs);
}

void DrawBoundaries(Surface& surface, const ChartPassResult& pass) {
    const HorizonTurn turn = CatalogueTurn(pass.observer);
    const ChartProjection project(pass.layout, pass.view.orientationAzimuth);
    const ChartDisc disc = ClipDisc(pass.layout);
    std::vector<ChartXY> plane;
    std::vector<bool> drawn;
    ChartPolygons runs;
    for (const ConstellationBoundary& boundary : ShippedBoundaries()) {
        if (!ReachesAboveHorizon(boundary.ring, turn)) continue;
        ProjectRing(boundary.ring, turn, project, plane);
        drawn.clear();
        for (const OutlinePoint& p : boundary.ring) drawn.push_back(p.drawn);
        ClipPolyline(plane, drawn, true, disc, runs);
    }
    DrawRuns(surface, runs);
}

// The grid's altitude circles and azimuth lines, from just inside the rim to the zenith.
void DrawGrid(Surface& surface, const ChartPassResult& pass) {
    const ChartLayout& layout = pass.layout;
    const ChartDisc disc = ClipDisc(layout);
    ChartPolygons lines;
    for (int altitude = GridAltitudeStep; altitude < 90; altitude += GridAltitudeStep) {
        const double r = layout.radius * (1.0 - altitude / 90.0);
        std::vector<ChartXY> circle;
        for (int degrees = 0; degrees <= 360; degrees += CircleStep)
            circle.push_back({layout.centreX + r * std::cos(degrees * Radian),
                              layout.centreY + r * std::sin(degrees * Radian)});
        lines.push_back(std::move(circle));
    }
    const ChartProjection project(layout, pass.view.orientationAzimuth);
    for (int azimuth = 0; azimuth < 360; azimuth += GridAzimuthStep) {
        const ChartXY rim = project({0, std::cos(azimuth * Radian), std::sin(azimuth * Radian)});
        const double k = layout.radius > 0 ? disc.radius / layout.radius : 0.0;
        lines.push_back(
            {{disc.centreX + (rim.x - disc.centreX) * k, disc.centreY + (rim.y - disc.centreY) * k},
             {disc.centreX, disc.centreY}});
    }
    DrawRuns(surface, lines);
}

// "%1" of a translated text replaced by a number.
// "30\xB0": a number of degrees, the same in every language (Latin-1, as the core draws).
std::string DegreesLabel(int number) {
    return std::to_string(number) + "\xB0";
}

LabelBox CentredBox(Surface& surface, const std::string& text, ChartXY at, int height) {
    const int width = surface.TextWidth(text);
    const int left = static_cast<int>(std::lround(at.x)) - width / 2;
    const int top = static_cast<int>(std::lround(at.y)) - height / 2;
    return LabelBox{left, top, left + width, top + height};
}

Rgb SkyColourOf(ChartMode mode, const ChartPassResult& pass, const ChartPens& pens) {
    if (mode == ChartPrinter) return White;
    return pass.sunUp ? pens.skyDayBrush.colour : pens.skyNightBrush.colour;
}

}  // namespace

SkyColours SkyColoursFor(ChartMode mode, const ChartPassResult& pass, const ChartPens& pens) {
    const Rgb sky = SkyColourOf(mode, pass, pens);
    if (mode == ChartPrinter)
        return MakeSkyColours(sky, PaperMilkyWayColour, PaperBoundaryColour, PaperEclipticColour,
                              PaperEquatorColour, PaperGridColour, PaperGridTextColour);
    if (!(pens.screenInk == White))
        return MakeSkyColours(sky, NightMilkyWayColour, NightBoundaryColour, NightEclipticColour,
                              NightEquatorColour, NightGridColour, NightGridTextColour);
    return MakeSkyColours(sky, ScreenMilkyWayColour, ScreenBoundaryColour, ScreenEclipticColour,
                          ScreenEquatorColour, ScreenGridColour, ScreenGridTextColour);
}

ChartPolygons MilkyWayOnChart(const ChartPassResult& pass, int step) {
    ChartPolygons polygons;
    if (step < 0 || step >= MilkyWaySteps) return polygons;
    const HorizonTurn turn = CatalogueTurn(pass.observer);
    const ChartProjection project(pass.layout, pass.view.orientationAzimuth);
    const ChartDisc disc = ClipDisc(pass.layout);
    std::vector<ChartXY> plane;
    for (const OutlineRing& ring : ShippedMilkyWay().steps[static_cast<std::size_t>(step)]) {
        ProjectRing(ring, turn, project, plane);
        ClipRing(plane, disc, polygons);
    }
    // The fill so far is counted from the nadir; a place known to lie outside the band that comes
    // out inside means the nadir lies in it, and the whole disc turns over.
    if (!polygons.empty() && InsidePolygons(polygons, project(turn.Apply(OutsideTheBand(turn)))))
        polygons.push_back(DiscRim(disc));
    return polygons;
}

ChartPolygons BoundaryOnChart(const ChartPassResult& pass, const ConstellationBoundary& boundary) {
    const HorizonTurn turn = CatalogueTurn(pass.observer);
    const ChartProjection project(pass.layout, pass.view.orientationAzimuth);
    const ChartDisc disc = ClipDisc(pass.layout);
    std::vector<ChartXY> plane;
    ProjectRing(boundary.ring, turn, project, plane);
    ChartPolygons polygons;
    ClipRing(plane, disc, polygons);
    const SkyVector nadir = turn.Unapply({-1, 0, 0});
    const double ra = std::atan2(nadir.y, nadir.x) / Radian / 15;
    const double dec = std::asin(std::clamp(nadir.z, -1.0, 1.0)) / Radian;
    if (InsideBoundary(boundary.ring, ra < 0 ? ra + 24 : ra, dec))
        polygons.push_back(DiscRim(disc));
    return polygons;
}

std::vector<GridLabel> GridLabels(Surface& surface, const ChartPassResult& pass) {
    std::vector<GridLabel> labels;
    if (!pass.view.sky.grid) return labels;
    const ChartLayout& layout = pass.layout;
    const int height = layout.lineHeight;
    const ChartProjection project(layout, pass.view.orientationAzimuth);
    auto along = [&](double azimuth, double distance) {
        const ChartXY rim = project({0, std::cos(azimuth * Radian), std::sin(azimuth * Radian)});
        const double k = layout.radius > 0 ? distance / layout.radius : 0.0;
        return ChartXY{layout.centreX + (rim.x - layout.centreX) * k,
                       layout.centreY + (rim.y - layout.centreY) * k};
    };
    for (int azimuth = 0; azimuth < 360; azimuth += GridAzimuthStep) {
        const std::string text = DegreesLabel(azimuth);
        labels.push_back(
            {text, CentredBox(surface, text, along(azimuth, layout.radius - height), height)});
    }
    for (int altitude = GridAltitudeStep; altitude < 90; altitude += GridAltitudeStep) {
        const std::string text = DegreesLabel(altitude);
        const double r = layout.radius * (1.0 - altitude / 90.0);
        labels.push_back(
            {text, CentredBox(surface, text, along(pass.view.orientationAzimuth, r), height)});
    }
    return labels;
}

void DrawSkyLayers(Surface& surface, ChartMode mode, const ChartPassResult& pass,
                   const ChartPens& pens) {
    const SkyLayers& sky = pass.view.sky;
    if (!sky.Any()) return;
    const SkyColours colours = SkyColoursFor(mode, pass, pens);
    if (sky.milkyWay) {
        surface.SelectPen(Pen{colours.milkyWay[0], 1, PenStyle::None});
        std::vector<Point> points;
        std::vector<int> counts;
        for (int step = 0; step < MilkyWaySteps; ++step) {
            ToSurfacePoints(MilkyWayOnChart(pass, step), points, counts);
            if (counts.empty()) continue;
            surface.SelectBrush(Brush{colours.milkyWay[step]});
            surface.PolyPolygon(points.data(), counts.data(), static_cast<int>(counts.size()));
        }
    }
    if (sky.grid) {
        surface.SelectPen(Pen{colours.grid, 1});
        DrawGrid(surface, pass);
    }
    if (sky.equator) {
        surface.SelectPen(Pen{colours.equator, 1});
        DrawCircleOfDate(surface, pass, [](double a) {
            return SkyVector{std::cos(a), std::sin(a), 0};
        });
    }
    if (sky.ecliptic) {
        // The ecliptic of date, on the equator of date by the mean obliquity, as the Sun is placed.
        const SystemTime& ut = pass.observer.universalTime;
        const double e = Obliquity(ut.year, ut.month, ut.day) * Radian;
        surface.SelectPen(Pen{colours.ecliptic, 1});
        DrawCircleOfDate(surface, pass, [e](double l) {
            return SkyVector{std::cos(l), std::sin(l) * std::cos(e), std::sin(l) * std::sin(e)};
        });
    }
    if (sky.boundaries) {
        surface.SelectPen(Pen{colours.boundary, 1, PenStyle::Dot});
        DrawBoundaries(surface, pass);
    }
    const std::vector<GridLabel> labels = GridLabels(surface, pass);
    if (labels.empty()) return;
    surface.SetTextAlign(TA_LEFT | TA_TOP);
    surface.SetTextColor(colours.gridText);
    surface.SetBkColor(SkyColourOf(mode, pass, pens));
    for (const GridLabel& label : labels)
        surface.TextOut(label.box.left, label.box.top, label.text);
    // The compass labels and the captions go on in the mode's own text colours.
    surface.SetTextColor(mode == ChartScreen ? pens.screenInk : Black);
    surface.SetBkColor(mode == ChartScreen ? pens.screenPaper : White);
}

std::vector<SkyLayer> ShownSkyLayers(const SkyLayers& layers) {
    std::vector<SkyLayer> shown;
    if (layers.milkyWay) shown.push_back(SkyLayer::MilkyWay);
    if (layers.boundaries) shown.push_back(SkyLayer::Boundaries);
    if (layers.ecliptic) shown.push_back(SkyLayer::Ecliptic);
    if (layers.equator) shown.push_back(SkyLayer::Equator);
    if (layers.grid) shown.push_back(SkyLayer::Grid);
    return shown;
}

std::string SkyLayerMeaning(SkyLayer layer) {
    switch (layer) {
        case SkyLayer::MilkyWay:
            return Translate("Legend", "Milky Way");
        case SkyLayer::Boundaries:
            return Translate("Legend", "constellation boundary");
        case SkyLayer::Ecliptic:
            return Translate("Legend", "ecliptic");
        case SkyLayer::Equator:
            return Translate("Legend", "celestial equator");
        case SkyLayer::Grid:
            return Translate("Legend", "altitude and azimuth grid");
    }
    return {};
}

void DrawSkyLegendSymbol(Surface& surface, const SkyColours& colours, SkyLayer layer, int left,
                         int right, int y, int line) {
    if (layer == SkyLayer::MilkyWay) {
        surface.SelectPen(Pen{colours.milkyWay[2], 1, PenStyle::None});
        surface.SelectBrush(Brush{colours.milkyWay[2]});
        surface.Rectangle(left, y - line / 4, right, y + line / 4 + 1);
        return;
    }
    const Rgb colour = layer == SkyLayer::Boundaries ? colours.boundary
                       : layer == SkyLayer::Ecliptic ? colours.ecliptic
                       : layer == SkyLayer::Equator  ? colours.equator
                                                     : colours.grid;
    surface.SelectPen(
        Pen{colour, 1, layer == SkyLayer::Boundaries ? PenStyle::Dot : PenStyle::Solid});
    const Point segment[2] = {{left, y}, {right, y}};
    surface.Polyline(segment, 2);
}
