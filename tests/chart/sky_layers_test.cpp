// The sky layers: cutting outlines at the rim, the boundaries around the stars they hold, the Milky
// Way where it runs, the ecliptic through the Sun, and nothing drawn while every layer is off.
#include "chart/sky_layers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "astro/calendar.h"
#include "catalog/loaders.h"
#include "catalog/sky_outlines.h"
#include "chart_fixture.h"
#include "recording_surface.h"

namespace {

using SkyLayersTest = ChartFixture;

constexpr double Pi = 3.14159265358979323846;

ChartDisc Disc() {
    return ChartDisc{400, 300, 100};
}

// A circle of `n` points about (x, y), counter-clockwise on the chart when `turns` is negative.
std::vector<ChartXY> Circle(double x, double y, double r, int n, int turns = 1) {
    std::vector<ChartXY> ring;
    for (int i = 0; i < n; ++i) {
        const double a = 2 * Pi * turns * i / n;
        ring.push_back({x + r * std::cos(a), y + r * std::sin(a)});
    }
    return ring;
}

// Cutting a ring to the disc keeps the even-odd fill of the ring within the disc: checked at a
// grid of points for rings inside, across the rim, round the disc (once, twice), beside it.
TEST(SkyGeometry, CutRingsFillWhatTheRingsFillInsideTheDisc) {
    const ChartDisc disc = Disc();
    const struct {
        const char* what;
        std::vector<ChartXY> ring;
        int pieces;  // polygons the cut leaves
    } rings[] = {
        {"inside", Circle(420, 300, 30, 40), 1},
        {"across the rim", Circle(480, 300, 50, 60), 1},
        {"round the disc", Circle(400, 300, 160, 90), 1},
        {"round it twice", Circle(400, 300, 160, 180, 2), 0},
        {"beside it", Circle(650, 300, 60, 40), 0},
        {"a crescent over the rim", Circle(400, 380, 80, 90), 1},
    };
    for (const auto& [what, ring, pieces] : rings) {
        ChartPolygons cut;
        ClipRing(ring, disc, cut);
        EXPECT_EQ(int(cut.size()), pieces) << what;
        for (int y = 205; y < 400; y += 10)
            for (int x = 305; x < 500; x += 10) {
                const ChartXY p{x + 0.3, y + 0.7};
                // The rim is followed to a quarter of a pixel.
                if (std::hypot(p.x - disc.centreX, p.y - disc.centreY) > disc.radius - 0.5)
                    continue;
                const bool inRing = InsidePolygons({ring}, p);
                ASSERT_EQ(InsidePolygons(cut, p), inRing) << what << " at " << x << "," << y;
            }
    }
}

// A polyline keeps its pieces inside the disc, cut at the rim; a piece flagged off is left out.
TEST(SkyGeometry, PolylinesAreCutAtTheRimAndSkipTheirUndrawnPieces) {
    const ChartDisc disc = Disc();
    const std::vector<ChartXY> line{{250, 300}, {350, 300}, {450, 300}, {550, 300}};
    ChartPolygons runs;
    ClipPolyline(line, {}, false, disc, runs);
    ASSERT_EQ(runs.size(), 1u);
    ASSERT_EQ(runs[0].size(), 4u);
    EXPECT_NEAR(runs[0].front().x, 300, 1e-9);
    EXPECT_NEAR(runs[0].back().x, 500, 1e-9);
    runs.clear();
    ClipPolyline(line, {true, true, false, true}, false, disc, runs);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_NEAR(runs[0].back().x, 350, 1e-9);
    EXPECT_NEAR(runs[1].front().x, 450, 1e-9);
}

// Above the horizon the outline projection is the chart's own, to within the truncation.
TEST_F(SkyLayersTest, OutlineProjectionAgreesWithProjectToChart) {
    RecordingSurface surface;
    const ChartLayout layout =
        ComputeChartLayout(surface, ChartScreen, FixedChartWindow(800, 600, {}), 3);
    std::mt19937 random(7);
    std::uniform_real_distribution<double> uniform(0, 1);
    for (int i = 0; i < 200; ++i) {
        const double altitude = 90 * uniform(random), azimuth = 360 * uniform(random);
        const double facing = 45 * int(8 * uniform(random));
        const double a = altitude * Pi / 180, z = azimuth * Pi / 180;
        const ChartXY p = ChartProjection(
            layout, facing)({std::sin(a), std::cos(a) * std::cos(z), std::cos(a) * std::sin(z)});
        const Point q = ProjectToChart(altitude, azimuth, layout.centreX, layout.centreY,
                                       layout.radius, facing);
        EXPECT_NEAR(p.x, q.x, 1.0) << altitude << " " << azimuth << " " << facing;
        EXPECT_NEAR(p.y, q.y, 1.0) << altitude << " " << azimuth << " " << facing;
    }
}

// The pass of an 800 x 600 chart at `time` with the point (ra, dec) at the zenith: the latitude is
// its declination and the longitude puts its right ascension on the meridian.
ChartPassResult ZenithPass(RecordingSurface& surface, double ra, double dec, SkyLayers sky,
                           bool precise = false, SystemTime time = {2024, 3, 4, 7, 21, 5, 9, 0}) {
    const double gmst =
        LocalSiderealTime(time.year, time.month,
                          time.day + DecimalHours(time.hour, time.minute, time.second) / 24, 0, 0);
    ChartView view;
    view.longitude = std::remainder((gmst - ra) * 15, 360.0);
    view.sky = sky;
    view.precise = precise;
    return RunChartPass(FixedChartWindow(800, 600, time), surface, ChartScreen, 3, view, dec,
                        ChartPens{});
}

ChartXY PositionOf(const ChartPassResult& pass, int number) {
    for (const PlacedObject& o : pass.placed)
        if (o.kind == PlacedKind::Star && o.index == number)
            return {o.position.x + 0.5, o.position.y + 0.5};
    ADD_FAILURE() << "HR " << number << " not placed";
    return {};
}

// Twenty stars, each at the zenith of its own chart, stand in the polygon drawn for their
// constellation and in no other; with precise positions (the boundaries precessed with the stars)
// in 2100 too. The polygon is the one the chart draws: its corners are points of the dotted lines.
TEST_F(SkyLayersTest, KnownStarsLieInTheBoundaryOfTheirConstellation) {
    LoadAllCatalogues();
    const std::pair<int, const char*> stars[] = {
        {2061, "Ori"}, {424, "UMi"},  {2491, "CMa"}, {7001, "Lyr"}, {7924, "Cyg"},
        {7557, "Aql"}, {5340, "Boo"}, {5056, "Vir"}, {3982, "Leo"}, {6134, "Sco"},
        {1457, "Tau"}, {1708, "Aur"}, {2943, "CMi"}, {2990, "Gem"}, {8728, "PsA"},
        {472, "Eri"},  {2326, "Car"}, {4730, "Cru"}, {15, "And"},   {8254, "Oct"},
    };
    const std::vector<ConstellationBoundary>& boundaries = ShippedBoundaries();
    ASSERT_EQ(boundaries.size(), 89u);
    for (const bool precise : {false, true}) {
        const SystemTime when = precise ? SystemTime{2100, 6, 2, 1, 12, 0, 0, 0}
                                        : SystemTime{2024, 3, 4, 7, 21, 5, 9, 0};
        for (const auto& [number, abbreviation] : stars) {
            const Star& star = StarTable[number];
            RecordingSurface surface;
            const ChartPassResult pass = ZenithPass(surface, star.rightAscension, star.declination,
                                                    {false, true}, precise, when);
            const ChartXY at = PositionOf(pass, number);
            std::string inside;
            for (const ConstellationBoundary& boundary : boundaries)
                if (InsidePolygons(BoundaryOnChart(pass, boundary), at))
                    inside += boundary.abbreviation;
            EXPECT_EQ(inside, abbreviation) << "HR " << number << (precise ? " precise" : "");
        }
    }
    // The dotted pen draws the boundaries: every point of Orion's ring that ends a piece Orion
    // draws is a point of the dotted lines, as the polygon above has it.
    RecordingSurface surface;
    const ChartPassResult pass = ZenithPass(surface, 5.6, 5.0, {false, true});
    ASSERT_NE(std::find(surface.calls.begin(), surface.calls.end(), "SelectPen(150,150,96,1,dot)"),
              surface.calls.end());
    std::set<std::string> drawn;
    for (const std::string& call : surface.calls) {
        if (call.rfind("Polyline(", 0) != 0) continue;
        std::stringstream points(call.substr(9, call.size() - 10));
        for (std::string point; std::getline(points, point, ';');) drawn.insert(point);
    }
    int checked = 0;
    for (const ConstellationBoundary& boundary : boundaries) {
        if (boundary.abbreviation != "Ori") continue;
        const ChartPolygons polygons = BoundaryOnChart(pass, boundary);
        ASSERT_EQ(polygons.size(), 1u);
        ASSERT_EQ(polygons[0].size(), boundary.ring.size());
        for (std::size_t i = 0; i < boundary.ring.size(); ++i) {
            if (!boundary.ring[i].drawn) continue;
            const std::string point =
                std::to_string(int(polygons[0][i].x)) + "," + std::to_string(int(polygons[0][i].y));
            EXPECT_TRUE(drawn.count(point)) << point;
            ++checked;
        }
    }
    EXPECT_GT(checked, 10);
}

// The Milky Way's faintest step covers Sadr, the galactic centre's stars and Gamma Cassiopeiae, at
// the zenith, and not Regulus or Denebola; and a place under the brightest step is under every
// fainter one.
TEST_F(SkyLayersTest, MilkyWayRunsThroughCygnusSagittariusAndCassiopeiaNotLeo) {
    LoadAllCatalogues();
    const std::pair<int, bool> places[] = {
        {7796, true},   // Sadr, Cygnus
        {6746, true},   // Alnasl, Sagittarius, by the galactic centre
        {264, true},    // Gamma Cassiopeiae
        {3982, false},  // Regulus, Leo
        {4357, false},  // Zosma, Leo
    };
    for (const auto& [number, inBand] : places) {
        const Star& star = StarTable[number];
        for (const double offset : {0.0, 3.0}) {  // at the zenith, and with it 3 hours west
            RecordingSurface surface;
            const ChartPassResult pass =
                ZenithPass(surface, star.rightAscension + offset, star.declination, {true});
            const ChartXY at = PositionOf(pass, number);
            EXPECT_EQ(InsidePolygons(MilkyWayOnChart(pass, 0), at), inBand)
                << "HR " << number << " offset " << offset;
        }
    }
    // Round the galactic centre at the zenith: the brighter steps lie within the fainter ones.
    RecordingSurface surface;
    const ChartPassResult pass = ZenithPass(surface, 17.8, -29.0, {true});
    std::vector<ChartPolygons> steps;
    for (int step = 0; step < MilkyWaySteps; ++step) steps.push_back(MilkyWayOnChart(pass, step));
    int brighter = 0, outsideFainter = 0;
    for (int y = 20; y < 580; y += 5)
        for (int x = 120; x < 680; x += 5)
            for (int step = 1; step < MilkyWaySteps; ++step)
                if (InsidePolygons(steps[step], {x + 0.5, y + 0.5})) {
                    ++brighter;
                    outsideFainter += !InsidePolygons(steps[step - 1], {x + 0.5, y + 0.5});
                }
    EXPECT_GT(brighter, 500);
    EXPECT_LT(outsideFainter, brighter / 100);
}

// The ecliptic drawn passes through the Sun, by the model and with precise positions; the equator
// through Mintaka (Delta Orionis, 0.3 degrees south).
TEST_F(SkyLayersTest, EclipticRunsThroughTheSunAndTheEquatorThroughMintaka) {
    LoadAllCatalogues();
    auto nearest = [](const RecordingSurface& surface, Rgb colour, ChartXY p) {
        const std::string pen = "SelectPen(" + std::to_string(colour.red) + "," +
                                std::to_string(colour.green) + "," + std::to_string(colour.blue);
        double best = 1e9;
        bool on = false;
        for (const std::string& call : surface.calls) {
            if (call.rfind("SelectPen(", 0) == 0) on = call.rfind(pen, 0) == 0;
            if (!on || call.rfind("Polyline(", 0) != 0) continue;
            std::vector<ChartXY> points;
            for (std::size_t at = 9; at < call.size();) {
                const std::size_t comma = call.find(',', at), end = call.find_first_of(";)", at);
                points.push_back({std::stod(call.substr(at, comma - at)),
                                  std::stod(call.substr(comma + 1, end - comma - 1))});
                at = end + 1;
            }
            for (std::size_t i = 1; i < points.size(); ++i) {
                const ChartXY a = points[i - 1], b = points[i];
                const double dx = b.x - a.x, dy = b.y - a.y, l2 = dx * dx + dy * dy;
                const double t =
                    l2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / l2, 0.0, 1.0) : 0;
                best = std::min(best, std::hypot(a.x + t * dx - p.x, a.y + t * dy - p.y));
            }
        }
        return best;
    };
    for (const bool precise : {false, true}) {
        RecordingSurface surface;
        SkyLayers sky;
        sky.ecliptic = sky.equator = true;
        // Noon at 20 N in June: the Sun high in the south.
        const ChartPassResult pass =
            ZenithPass(surface, 6.0, 20.0, sky, precise, SystemTime{2024, 6, 3, 21, 12, 0, 0, 0});
        Point sun{};
        for (const PlacedObject& o : pass.placed)
            if (o.kind == PlacedKind::Body && o.index == SunRow) sun = o.position;
        EXPECT_LT(nearest(surface, ScreenEclipticColour, {sun.x + 0.0, sun.y + 0.0}), 2.0)
            << precise;
        EXPECT_LT(nearest(surface, ScreenEquatorColour, PositionOf(pass, 1852)), 3.0) << precise;
    }
}

// With every layer off the pass draws exactly what it drew before; each layer on draws, and the
// grid's numbers are written where GridLabels says, in the grid's ink, the captions' ink restored.
TEST_F(SkyLayersTest, NothingIsDrawnWhileEveryLayerIsOffAndEachLayerDrawsWhenOn) {
    LoadAllCatalogues();
    RecordingSurface plain;
    ZenithPass(plain, 12.0, 40.0, {});
    EXPECT_EQ(std::count_if(plain.calls.begin(), plain.calls.end(),
                            [](const std::string& c) {
                                return c.rfind("PolyPolygon", 0) == 0 ||
                                       c.find(",dot)") != std::string::npos;
                            }),
              0);
    const SkyLayers each[] = {{true},
                              {false, true},
                              {false, false, true},
                              {false, false, false, true},
                              {false, false, false, false, true}};
    for (const SkyLayers& sky : each) {
        RecordingSurface surface;
        const ChartPassResult pass = ZenithPass(surface, 12.0, 40.0, sky);
        EXPECT_GT(surface.calls.size(), plain.calls.size() + (sky.milkyWay ? 4 : 1));
        if (!sky.grid) continue;
        const std::vector<GridLabel> labels = GridLabels(surface, pass);
        ASSERT_EQ(labels.size(), 10u);
        const std::string azimuths[] = {"0\xB0",   "45\xB0",  "90\xB0",  "135\xB0", "180\xB0",
                                        "225\xB0", "270\xB0", "315\xB0", "30\xB0",  "60\xB0"};
        // The altitudes on the line at the bottom (south), 2/3 and 1/3 of the radius out.
        const ChartLayout& l = pass.layout;
        for (std::size_t i = 8; i < 10; ++i) {
            const LabelBox& box = labels[i].box;
            EXPECT_NEAR((box.left + box.right) / 2.0, l.centreX, 1.0);
            EXPECT_NEAR((box.top + box.bottom) / 2.0, l.centreY + l.radius * (10 - i) / 3.0, 1.0);
        }
        for (std::size_t i = 0; i < labels.size(); ++i) {
            EXPECT_EQ(labels[i].text, azimuths[i]);
            const std::string out = "TextOut(" + std::to_string(labels[i].box.left) + "," +
                                    std::to_string(labels[i].box.top) + "," + labels[i].text + ")";
            EXPECT_NE(std::find(surface.calls.begin(), surface.calls.end(), out),
                      surface.calls.end())
                << out;
        }
        const auto colour =
            std::find(surface.calls.begin(), surface.calls.end(), "SetTextColor(140,170,220)");
        ASSERT_NE(colour, surface.calls.end());
        EXPECT_NE(std::find(colour, surface.calls.end(), "SetTextColor(255,255,255)"),
                  surface.calls.end());
    }
}

}  // namespace
