// Names on the chart: whatever the sky, no text covers another, the legend, a compass label or a
// caption; and the names themselves.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "catalog/loaders.h"
#include "chart/chart_annotations.h"
#include "chart_fixture.h"
#include "recording_surface.h"

namespace {

using ChartLabelsTest = ChartFixture;

// The box of every text the recording drew, from the alignment in force and the surface's width
// and height of the text.
std::vector<LabelBox> TextBoxes(RecordingSurface& surface) {
    std::vector<LabelBox> boxes;
    unsigned align = 0;
    for (const std::string& call : surface.calls) {
        if (call.rfind("SetTextAlign(", 0) == 0) align = std::stoul(call.substr(13));
        if (call.rfind("TextOut(", 0) != 0) continue;
        const std::size_t a = call.find(','), b = call.find(',', a + 1);
        const int x = std::stoi(call.substr(8)), y = std::stoi(call.substr(a + 1));
        const int w = surface.TextWidth(call.substr(b + 1, call.size() - b - 2));
        const int h = surface.metrics.height;
        const int left = (align & TA_RIGHT) ? x - w : x, top = (align & TA_BOTTOM) ? y - h : y;
        boxes.push_back({left, top, left + w, top + h});
    }
    return boxes;
}

// Whether two boxes share a pixel (right and bottom excluded).
bool Meet(const LabelBox& a, const LabelBox& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

TEST_F(ChartLabelsTest, NoTextCoversAnotherOverRandomSkies) {
    LoadAllCatalogues();
    for (int c = 0; c < ConstellationCount; ++c) ConstellationTable[c].shown = true;
    for (DeepSkyObject& object : DeepSkyTable) object.shown = true;
    std::mt19937 random(20261207);
    auto uniform = [&](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    int names = 0;
    for (int scene = 0; scene < 40; ++scene) {
        RecordingSurface surface;
        surface.horizontalResolution = int(uniform(400, 1600));
        surface.verticalResolution = int(uniform(300, 1200));
        const SystemTime time{int(uniform(1950, 2050)), int(uniform(1, 13)), 0, int(uniform(1, 29)),
                              int(uniform(0, 24)),      int(uniform(0, 60)), 0, 0};
        ChartView view{45.0 * int(uniform(0, 8)), uniform(1.0, 6.5)};
        view.labels = {true, scene % 3 == 0, scene % 3 != 0, true, true, scene % 2 == 0};
        view.sky.grid = scene % 4 == 1;  // its numbers are drawn first, before the compass
        const auto mode = static_cast<ChartMode>(scene % 3);
        const ChartPassResult pass = RunChartPass(
            FixedChartWindow(surface.horizontalResolution, surface.verticalResolution, time),
            surface, mode, 3, view, uniform(-90, 90), ChartPens{});
        const LabelBox legend = LegendBox(surface, pass, 3);
        std::vector<LabelBox> texts;
        for (const LabelBox& box : TextBoxes(surface)) {
            const bool inLegend = view.labels.legend && box.left >= legend.left &&
                                  box.right <= legend.right && box.top >= legend.top &&
                                  box.bottom <= legend.bottom;
            if (!inLegend) texts.push_back(box);
        }
        // The grid's numbers, the compass labels and the captions come first; on a small surface
        // they may meet each other, but no name may meet any of them.
        const std::size_t fixed = (view.sky.grid ? 10 : 0) + 8 + (mode == ChartScreen ? 2 : 3);
        names += int(texts.size() - fixed);
        for (std::size_t i = fixed; i < texts.size(); ++i) {
            EXPECT_FALSE(view.labels.legend && Meet(texts[i], legend))
                << "scene " << scene << " text " << i;
            for (std::size_t j = 0; j < i; ++j)
                ASSERT_FALSE(Meet(texts[i], texts[j]))
                    << "scene " << scene << " texts " << i << " and " << j;
        }
    }
    EXPECT_GT(names, 40 * 10);  // the property was tried on many names
}

// Each place beside a mark keeps clear of the mark (x - c .. x + c) yet touches a ring a few
// pixels round it, and no two places are the same.
TEST(LabelPlacer, PlacesBesideAMarkNeverCoverIt) {
    for (const int c : {0, 2, 7})
        for (const auto& [w, h] : {std::pair{40, 12}, std::pair{3, 3}}) {
            const std::vector<LabelBox> boxes = CandidateBoxes({"x", {100, 200}, c, w, h});
            const LabelBox mark{100 - c, 200 - c, 101 + c, 201 + c};
            const LabelBox ring{mark.left - 4, mark.top - 4, mark.right + 4, mark.bottom + 4};
            ASSERT_EQ(boxes.size(), 8u);
            for (std::size_t i = 0; i < boxes.size(); ++i) {
                EXPECT_TRUE(!BoxesOverlap(boxes[i], mark) && BoxesOverlap(boxes[i], ring))
                    << "clearance " << c << " width " << w << " place " << i;
                for (std::size_t j = 0; j < i; ++j) EXPECT_FALSE(boxes[i] == boxes[j]);
            }
        }
}

TEST_F(ChartLabelsTest, ProperAndConstellationNames) {
    const std::pair<const char*, const char*> stars[] = {
        {"Sirius CMa", "Sirius"}, {"Rigil Kentaurus Cen", "Rigil Kentaurus"},
        {" 33    Psc", ""},       {"101    Psc", ""},
        {" NOVA 1572", ""},
    };
    for (const auto& [name, proper] : stars) {
        Star star;
        strcpy(star.name, name);
        EXPECT_EQ(StarProperName(star), proper) << name;
    }
    const std::pair<const char*, const char*> constellations[][2] = {
        {{"Canis_Major", "CMa"}, {"Canis Major", ""}},
        {{"Orian", "Ori"}, {"Orion", ""}},
        {{"Triagulum_Australe", "TrA"}, {"Triangulum Australe", ""}},
    };
    for (const auto& row : constellations) {
        Constellation constellation;
        strcpy(constellation.name, row[0].first);
        strcpy(constellation.abbreviation, row[0].second);
        EXPECT_EQ(IauConstellationName(constellation), row[1].first);
    }
}

}  // namespace
