// Finding objects: names and completion over the shipped catalogues, rising, transit and setting
// against the chart's own altitude, and the nearest drawn object to the pointer.
#include <gtest/gtest.h>

#include <cmath>

#include "catalog/loaders.h"
#include "chart/nearest_object.h"
#include "chart/rise_set.h"
#include "chart_fixture.h"

namespace {

class FindTest : public ChartFixture {
  protected:
    void SetUp() override {
        ChartFixture::SetUp();
        LoadAllCatalogues();
        index = ObjectIndex::Build();
    }
    FoundObject Named(const char* name) {
        const auto found = index.Find(name);
        EXPECT_TRUE(found) << name;
        return found.value_or(FoundObject{});
    }
    ObjectIndex index;
};

bool Contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Every kind of name finds its object; prefixes complete in either case and with any spacing;
// misspellings are answered with the name meant.
TEST_F(FindTest, NamesCompletionAndCloseMatches) {
    const struct {
        const char* typed;
        char check;  // '=' finds `object`, '>' completes to `name`, '~' has `name` nearest
        FoundKind kind;
        int index;
        const char* name;
    } rows[] = {
        {"betelgeuse", '=', FoundKind::Star, 2061, ""},
        {"Alp Ori", '=', FoundKind::Star, 2061, ""},
        {"58 ori", '=', FoundKind::Star, 2061, ""},
        {"HR2061", '=', FoundKind::Star, 2061, ""},
        {"33 Psc", '=', FoundKind::Star, 3, ""},
        {"Kap1 Scl", '=', FoundKind::Star, 24, ""},
        {"m 42", '=', FoundKind::DeepSky, 41, ""},
        {"Pleiades", '=', FoundKind::DeepSky, 44, ""},
        {"JUPITER", '=', FoundKind::Body, JupiterRow, ""},
        {"Moon", '=', FoundKind::Body, MoonRow, ""},
        {"Orion", '=', FoundKind::Constellation, 58, ""},
        {"canis major", '=', FoundKind::Constellation, 13, ""},
        {"betel", '>', {}, 0, "Betelgeuse"},
        {"orion n", '>', {}, 0, "Orion Nebula"},
        {"alp or", '>', {}, 0, "Alp Ori"},
        {"canis m", '>', {}, 0, "Canis Minor"},
        {"sat", '>', {}, 0, "Saturn"},
        {"Betelguese", '~', {}, 0, "Betelgeuse"},
        {"Jupyter", '~', {}, 0, "Jupiter"},
        {"Siruis", '~', {}, 0, "Sirius"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        if (row.check == '=') {
            EXPECT_EQ(Named(row.typed), (FoundObject{row.kind, row.index}));
        } else if (row.check == '>') {
            EXPECT_TRUE(Contains(index.Complete(row.typed), row.name));
        } else {
            EXPECT_FALSE(index.Find(row.typed));
            const auto near = index.CloseMatches(row.typed);
            EXPECT_TRUE(!near.empty() && near[0] == row.name);
        }
    }
    EXPECT_EQ(index.Label(Named("58 Ori")), "Betelgeuse");
    EXPECT_EQ(index.Label(Named("HR 3")), "33 Psc");
}

// Each event found lies on the chart's own altitude: the rising and setting within 0.01 degree of
// the horizon, with the altitude changing sign across them; the transit higher than half an hour
// before and after it (the Moon's own motion moves its highest point off the meridian). The
// bodies move between trials, and the chart's instant is restored afterwards.
TEST_F(FindTest, RisingTransitAndSettingOnTheChartsAltitude) {
    const struct {
        const char* name;
        double latitude;
        SystemTime from;
    } rows[] = {
        {"Betelgeuse", 51.5, Evening}, {"Sun", 51.5, Evening},
        {"Moon", 51.5, Evening},       {"Moon", -33.9, {2024, 6, 0, 21, 2, 0, 0, 0}},
        {"M42", -33.9, Evening},       {"Jupiter", 60.0, Evening},
        {"Orion", 30.0, Evening},
    };
    const ChartView view;
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.name << " " << row.latitude);
        const FoundObject object = Named(row.name);
        auto altitude = [&](const SystemTime& t, long long s) {
            return FoundPlace(object, AddSeconds(t, s), view, row.latitude).altitude;
        };
        const RiseTransitSet times = NextRiseTransitSet(object, row.from, view, row.latitude);
        double sunRa = 0, sunDec = 0, expectedRa = 0;
        GetBodyPosition(SunRow, sunRa, sunDec);
        PrepareSky(row.from, view, row.latitude);
        GetBodyPosition(SunRow, expectedRa, sunDec);
        EXPECT_EQ(sunRa, expectedRa);
        ASSERT_TRUE(times.rising && times.setting && times.transit);
        for (const SystemTime& event : {*times.rising, *times.setting}) {
            EXPECT_LT(std::fabs(altitude(event, 0)), 0.01) << IsoTime(event);
            EXPECT_LT(altitude(event, -60) * altitude(event, 60), 0) << IsoTime(event);
        }
        EXPECT_GT(altitude(*times.rising, 60), 0);
        EXPECT_LT(altitude(*times.setting, 60), 0);
        const double top = altitude(*times.transit, 0);
        EXPECT_GE(top, std::max(altitude(*times.transit, -1800), altitude(*times.transit, 1800)));
    }
}

// At 60 degrees north Polaris never sets and Canopus never rises; at 60 south the reverse.
TEST_F(FindTest, CircumpolarAndNeverRisingAtSixtyDegrees) {
    const struct {
        const char* name;
        double latitude;
        bool neverRises, neverSets;
    } rows[] = {{"Polaris", 60, false, true},
                {"Polaris", -60, true, false},
                {"Canopus", 60, true, false},
                {"Canopus", -60, false, true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.name << " " << row.latitude);
        const RiseTransitSet times =
            NextRiseTransitSet(Named(row.name), Evening, ChartView{}, row.latitude);
        EXPECT_EQ(times.neverRises, row.neverRises);
        EXPECT_EQ(times.neverSets, row.neverSets);
        EXPECT_FALSE(times.rising || times.setting);
        EXPECT_EQ(times.transit.has_value(), row.neverSets);
    }
}

// The calendar arithmetic of the search across month, leap-day and year ends, both ways.
TEST(AddSeconds, CrossesDaysMonthsAndYears) {
    const struct {
        SystemTime from;
        long long seconds;
        const char* iso;
        int dayOfWeek;
    } rows[] = {{{2024, 2, 0, 28, 23, 59, 30, 0}, 90, "2024-02-29T00:01:00", 4},
                {{2023, 12, 0, 31, 23, 0, 0, 0}, 3600, "2024-01-01T00:00:00", 1},
                {{2024, 3, 0, 1, 0, 0, 5, 0}, -10, "2024-02-29T23:59:55", 4}};
    for (const auto& row : rows) {
        const SystemTime t = AddSeconds(row.from, row.seconds);
        EXPECT_EQ(IsoTime(t), row.iso);
        EXPECT_EQ(t.dayOfWeek, row.dayOfWeek);
    }
}

// The nearest marked object within six pixels is named; a figure vertex without a mark is not,
// nor anything farther away.
TEST(NearestPlacedObject, NearestMarkedObjectWithinReach) {
    ChartPassResult pass;
    pass.placed = {{PlacedKind::Star, 1, 0, 0, {100, 100}},
                   {PlacedKind::Star, 2, 0, 0, {110, 100}},
                   {PlacedKind::Star, 3, 0, 0, {103, 100}, false}};
    const struct {
        int x, y, found;
    } rows[] = {{104, 100, 0},  {106, 100, 1}, {105, 100, 1},
                {100, 107, -1}, {104, 104, 0}, {117, 100, -1}};
    for (const auto& row : rows)
        EXPECT_EQ(NearestPlacedObject(pass, row.x, row.y), row.found) << row.x << "," << row.y;
}

}  // namespace
