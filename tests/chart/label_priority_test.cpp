// The names that matter first: shown figures named anywhere about their figures, the brightest
// stars before them, over random skies at the window's size and printed (the measure of
// tools/measure_labels.cpp, over fewer skies); the places a figure's name may take; what may stand
// on a mark, and the mark drawn again over it.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>
#include <string>

#include "catalog/loaders.h"
#include "chart/star_glyph.h"
#include "chart_fixture.h"
#include "recording_surface.h"
#include "tools/label_coverage.h"

namespace {

using LabelPriorityTest = ChartFixture;

// The texts a recording wrote: "TextOut(x,y,text)".
std::set<std::string> Texts(const RecordingSurface& surface) {
    std::set<std::string> texts;
    for (const std::string& call : surface.calls) {
        if (call.rfind("TextOut(", 0) != 0) continue;
        const std::size_t a = call.find(','), b = call.find(',', a + 1);
        texts.insert(call.substr(b + 1, call.size() - b - 2));
    }
    return texts;
}

void ShowEverything() {
    LoadAllCatalogues();
    for (int c = 0; c < ConstellationCount; ++c) ConstellationTable[c].shown = true;
    for (DeepSkyObject& object : DeepSkyTable) object.shown = true;
}

// 40 seeded skies, each as an 800 x 600 window and as an A4 page at 300 dots per inch, measured
// as the renderer's font measures on them: a 16-pixel line and 7 pixels a character, or 44 and
// 19 on the page.
TEST_F(LabelPriorityTest, ShownFiguresAndTheBrightestStarsGetTheirNames) {
    ShowEverything();
    std::mt19937 random(1215);
    LabelCoverage window, printed;
    for (int i = 0; i < 40; ++i) {
        const RandomSky sky = NextRandomSky(random);
        for (const bool paper : {false, true}) {
            RecordingSurface surface;
            surface.horizontalResolution = paper ? 2480 : 800;
            surface.verticalResolution = paper ? 3508 : 600;
            // The recording's width of a character is 3/2 of the average width given.
            surface.metrics = paper ? TextMetrics{44, 0, 13, TMPF_FIXED_PITCH}
                                    : TextMetrics{16, 0, 5, TMPF_FIXED_PITCH};
            const ChartPassResult pass =
                RunChartPass(FixedChartWindow(surface.horizontalResolution,
                                              surface.verticalResolution, sky.time),
                             surface, paper ? ChartPrinter : ChartScreen, 3, sky.view, sky.latitude,
                             ChartPens{});
            (paper ? printed : window).Add(MeasureLabelCoverage(pass, Texts(surface)));
        }
    }
    for (const LabelCoverage* c : {&window, &printed}) {
        EXPECT_GT(c->figures, 40 * 15);
        EXPECT_GE(c->FigureShare(), 0.99) << c->figures - c->figuresNamed << " figures unnamed";
        EXPECT_EQ(c->starsNamed, c->stars) << c->missedStars.size() << " stars unnamed";
    }
}

// The issue's own evening: the winter sky over London with every name and every figure and
// Messier object shown names Orion and Canis Major, and Sirius and Betelgeuse.
TEST_F(LabelPriorityTest, OrionAndCanisMajorAreNamedOverLondonInJanuary) {
    ShowEverything();
    RecordingSurface surface;
    surface.horizontalResolution = 1200, surface.verticalResolution = 900;
    ChartView view;
    view.labels = {true, true, false, true, true, false};
    RunChartPass(FixedChartWindow(1200, 900, {2024, 1, 1, 15, 21, 0, 0, 0}), surface, ChartScreen,
                 3, view, 51.5, ChartPens{});
    const std::set<std::string> texts = Texts(surface);
    for (const char* name : {"Orion", "Canis Major", "Sirius", "Betelgeuse", "Gemini"})
        EXPECT_TRUE(texts.count(name)) << name;
    // On the sky of the screen look each kind of name has its colour.
    const auto colourBefore = [&](const std::string& name) {
        std::string colour;
        for (const std::string& call : surface.calls) {
            if (call.rfind("SetTextColor(", 0) == 0) colour = call;
            if (call.rfind("TextOut(", 0) == 0 && call.ends_with("," + name + ")")) return colour;
        }
        return std::string("none");
    };
    EXPECT_EQ(colourBefore("Orion"), "SetTextColor(255,140,140)");
    EXPECT_EQ(colourBefore("Sirius"), "SetTextColor(255,255,255)");
    EXPECT_EQ(colourBefore("Jupiter"), "SetTextColor(255,255,160)");
    // No figure's name covers a pixel of its own stars.
    int checked = 0;
    for (int c = 0; c < ConstellationCount; ++c) {
        const Constellation& figure = ConstellationTable[c];
        const std::string name = IauConstellationName(figure);
        for (const std::string& call : surface.calls) {
            if (call.rfind("TextOut(", 0) != 0 || !call.ends_with("," + name + ")")) continue;
            const int left = std::stoi(call.substr(8)),
                      top = std::stoi(call.substr(call.find(',') + 1));
            const LabelBox box{left, top, left + surface.TextWidth(name),
                               top + surface.metrics.height};
            for (int j = 0; j < figure.pointCount; ++j) {
                const Star& star = StarTable[figure.points[j]];
                if (!star.visible || star.magnitude > view.dimmestMagnitude) continue;
                RecordingSurface glyph;
                DrawStarGlyph(glyph, star.chartX, star.chartY, star.magnitude,
                              view.dimmestMagnitude, White, 0);
                for (const std::string& pixel : glyph.calls) {
                    const int x = std::stoi(pixel.substr(9)),
                              y = std::stoi(pixel.substr(pixel.find(',') + 1));
                    EXPECT_FALSE(x >= box.left && x < box.right && y >= box.top && y < box.bottom)
                        << name << " over HR " << figure.points[j];
                    ++checked;
                }
            }
        }
    }
    EXPECT_GT(checked, 100);
}

// A figure's name is tried centred on its point first, then ring after ring outward, each middle
// within the extent grown by half the name's size, and no place twice.
TEST(LabelPlacer, FigureNamesAreSoughtOutwardWithinTheirExtent) {
    LabelRequest request{"Orion", {200, 100}, 0, 40, 12, LabelAnchor::Within};
    request.extent = {150, 80, 260, 130};
    const std::vector<LabelBox> boxes = CandidateBoxes(request);
    ASSERT_GT(boxes.size(), 100u);
    EXPECT_EQ(boxes[0], (LabelBox{180, 94, 220, 106}));
    int ring = 0;
    std::set<std::pair<int, int>> seen;
    std::map<int, int> perRing;
    for (const LabelBox& box : boxes) {
        const int mx = (box.left + box.right) / 2, my = (box.top + box.bottom) / 2;
        EXPECT_TRUE(mx >= 150 - 20 && mx < 260 + 20 && my >= 80 - 6 && my < 130 + 6);
        const int k = std::max(std::abs(mx - 200), std::abs(my - 100)) / 3;  // 3: a quarter line
        EXPECT_GE(k, ring);
        ring = k;
        ++perRing[k];
        EXPECT_TRUE(seen.insert({box.left, box.top}).second);
    }
    // The near rings lie wholly in the extent: 8 k places each.
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(perRing[k], 8 * k) << k;
}

// A name lies in the disc when its last pixel does: the box's corners within the radius.
TEST(LabelPlacer, NamesStayInTheDiscToTheirLastPixel) {
    // The first box 0..10 by bottom - 10..bottom, its last pixel (9, bottom - 1): 9^2 + 99^2 is
    // within 100^2, 9^2 + 100^2 is not, and the name goes a line up instead.
    for (const int bottom : {100, 101}) {
        const LabelRequest name{"Spica", {5, bottom - 5}, 0, 10, 10, LabelAnchor::Centred};
        const std::vector<PlacedLabel> placed =
            PlaceLabels(std::vector{name}, {}, LabelArea{{0, 0}, 100});
        ASSERT_FALSE(placed.empty());
        EXPECT_EQ(placed[0].box.bottom, bottom == 100 ? 100 : 91);
    }
}

// The name goes to the nearest place that clears the obstacles and its own stars; a minor mark
// stops a name that may not stand on it, and only that one.
TEST(LabelPlacer, WithinNamesClearTheirStarsAndMinorMarksStopOnlyTheMinorNames) {
    LabelRequest figure{"Lyra", {200, 200}, 0, 30, 10, LabelAnchor::Within};
    figure.extent = {170, 170, 230, 230};
    figure.keepClear = {{195, 195, 206, 206}};  // its star under the middle
    const LabelArea area{{200, 200}, 500};
    const std::vector<LabelBox> obstacles{{180, 180, 260, 194}};  // the line just above
    std::vector<PlacedLabel> placed = PlaceLabels(std::vector{figure}, obstacles, area);
    ASSERT_EQ(placed.size(), 1u);
    const LabelBox& at = placed[0].box;
    EXPECT_FALSE(BoxesOverlap(at, figure.keepClear[0]) || BoxesOverlap(at, obstacles[0]));
    EXPECT_LE(std::abs((at.top + at.bottom) / 2 - 200) + std::abs((at.left + at.right) / 2 - 200),
              20);

    LabelRequest minor{"M57", {100, 100}, 2, 20, 10};
    LabelRequest bright = minor;
    bright.text = "Vega";
    bright.overMinorMarks = true;
    // A mark on the first place to the right of the point.
    const std::vector<LabelBox> marks{{106, 98, 110, 102}};
    for (const LabelRequest& request : {minor, bright}) {
        placed = PlaceLabels(std::vector{request}, {}, area, marks);
        ASSERT_EQ(placed.size(), 1u);
        EXPECT_EQ(BoxesOverlap(placed[0].box, marks[0]), request.overMinorMarks) << request.text;
    }
}

// A bright star's name that stands on a Messier object's cross, there being nowhere else, has the
// cross drawn again over it; the Messier number itself finds no room and is left out.
TEST_F(LabelPriorityTest, AMarkUnderABrightNameIsDrawnAgainOverIt) {
    LoadAllCatalogues();
    RecordingSurface surface;
    ChartPassResult pass;
    pass.layout = ComputeChartLayout(surface, ChartScreen, FixedChartWindow(800, 600, {}), 3);
    pass.view.labels.stars = pass.view.labels.deepSky = true;
    pass.placed.push_back({PlacedKind::Star, 2491, 45, 180, {400, 300}});  // Sirius
    // Crosses all round the star (105 of the 111 objects), closer than any name fits between.
    int row = 0;
    for (int dy = -18; dy <= 18; dy += 6)
        for (int dx = -70; dx <= 70; dx += 10)
            if (dx != 0 || dy != 0)
                pass.placed.push_back({PlacedKind::DeepSky, row++, 45, 180, {400 + dx, 300 + dy}});
    DrawChartAnnotations(surface, ChartScreen, pass, 3, ChartPens{});
    const auto sirius = std::find_if(surface.calls.begin(), surface.calls.end(), [](auto& c) {
        return c.rfind("TextOut(", 0) == 0 && c.find(",Sirius)") != std::string::npos;
    });
    ASSERT_NE(sirius, surface.calls.end());
    EXPECT_NE(std::find(sirius, surface.calls.end(), "SelectPen(0,255,0,1)"), surface.calls.end());
    EXPECT_GT(std::count_if(sirius, surface.calls.end(),
                            [](auto& c) { return c.rfind("Polyline(", 0) == 0; }),
              1);
}

}  // namespace
