// Finding objects: names and completion over the shipped catalogues, rising, transit and setting
// against the chart's own altitude, and the nearest drawn object to the pointer.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/calendar.h"
#include "astro/precise.h"
#include "catalog/loaders.h"
#include "chart/almanac.h"
#include "chart/nearest_object.h"
#include "chart/rise_set.h"
#include "chart/time_basis.h"
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

// Each event found lies on the chart's own altitude at the almanac's altitude of the event: the
// Sun's centre at -50', a star's or a planet's at -34', the Moon's at its parallax less its
// semidiameter and 34' (seen from the Earth's centre, as the model places it); the altitude
// crosses it there, within 0.01 degree. The transit is on the meridian, and higher than half an
// hour before and after it (the Moon's own motion moves its highest point off the meridian). The
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
        auto eventAltitude = [&](const SystemTime& t) {
            if (object == FoundObject{FoundKind::Body, SunRow}) return SunEventAltitude;
            if (object != FoundObject{FoundKind::Body, MoonRow}) return PointEventAltitude;
            const double day = t.day + DecimalHours(t.hour, t.minute, t.second) / 24;
            return MoonEventAltitude(MoonDistanceKm(JulianDate(t.year, t.month, day)), false);
        };
        const RiseTransitSet times = NextRiseTransitSet(object, row.from, view, row.latitude);
        double sunRa = 0, sunDec = 0, expectedRa = 0;
        GetBodyPosition(SunRow, sunRa, sunDec);
        PrepareSky(row.from, view, row.latitude);
        GetBodyPosition(SunRow, expectedRa, sunDec);
        EXPECT_EQ(sunRa, expectedRa);
        ASSERT_TRUE(times.rising && times.setting && times.transit);
        for (const SystemTime& event : {*times.rising, *times.setting}) {
            const double h0 = eventAltitude(event);
            EXPECT_LT(std::fabs(altitude(event, 0) - h0), 0.01) << IsoTime(event);
            EXPECT_LT((altitude(event, -60) - h0) * (altitude(event, 60) - h0), 0)
                << IsoTime(event);
        }
        EXPECT_GT(altitude(*times.rising, 60), eventAltitude(*times.rising));
        EXPECT_LT(altitude(*times.setting, 60), eventAltitude(*times.setting));
        const double top = altitude(*times.transit, 0);
        EXPECT_GE(top, std::max(altitude(*times.transit, -1800), altitude(*times.transit, 1800)));
        const double azimuth = FoundPlace(object, *times.transit, view, row.latitude).azimuth;
        EXPECT_LT(std::fabs(std::sin(azimuth * 3.14159265358979 / 180)), 0.002);  // the meridian
    }
}

// A star whose highest point clears its rising altitude by 0.002 degree is up for about seven
// minutes, less than the scan's step: both events are found, around its transit. By 0.002 degree
// short of it, it never rises. (Sirius at its J2000 place, as the model keeps it.)
TEST_F(FindTest, AStarUpForMinutesIsFound) {
    const double grazingLatitude = 90.0 - 16.71611111111 + HorizonRefraction;
    const FoundObject sirius = Named("Sirius");
    for (const double margin : {0.002, -0.002}) {
        SCOPED_TRACE(margin);
        const RiseTransitSet times =
            NextRiseTransitSet(sirius, Evening, ChartView{}, grazingLatitude - margin);
        EXPECT_EQ(times.neverRises, margin < 0);
        ASSERT_EQ(times.rising.has_value(), margin > 0);
        if (margin < 0) continue;
        ASSERT_TRUE(times.setting && times.transit);
        EXPECT_NEAR(SecondsBetween(*times.rising, *times.setting), 450, 150);
        EXPECT_NEAR(SecondsBetween(*times.rising, *times.transit),
                    SecondsBetween(*times.transit, *times.setting), 2);
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
