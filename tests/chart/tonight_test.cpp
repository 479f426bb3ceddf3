// Tonight: which night, the polar, equatorial and southern nights, the clock through London's
// changes, and the list's rules as a property of random nights checked against the
// chart's own altitudes.
#include "chart/tonight.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>

#include "catalog/designations.h"
#include "catalog/loaders.h"
#include "chart/chart_support.h"
#include "chart/precise_sky.h"
#include "chart/rise_set.h"
#include "chart/time_basis.h"
#include "chart/tonight_text.h"
#include "chart_fixture.h"

namespace {

SystemTime At(int year, int month, int day, int hour) {
    return ShiftSystemTime(SystemTime{year, month, 0, day, hour, 0, 0, 0}, 0);
}

// London's clocks in 2026: summer time from 29 March 01:00 UT to 25 October 01:00 UT; a reading
// in the spring gap taken as GMT, one in the autumn repeat as summer time, as Qt takes them.
class London2026 final : public CivilTimeRule {
  public:
    int OffsetSeconds(const SystemTime& civil) const override {
        const SystemTime ut = ShiftSystemTime(civil, -3600);
        return SecondsBetween(At(2026, 3, 29, 1), ut) >= 0 &&
                       SecondsBetween(ut, At(2026, 10, 25, 1)) > 0
                   ? 3600
                   : 0;
    }
};

ChartView PlaceView(double longitudeEast, int offsetHours, bool precise = true) {
    ChartView view;
    view.longitude = -longitudeEast;
    view.placeCaption = true;
    view.utcOffsetSeconds = offsetHours * 3600;
    view.precise = precise;
    return view;
}

class TonightTest : public ChartFixture {
  protected:
    void SetUp() override {
        ChartFixture::SetUp();
        LoadAllCatalogues();
        index = std::make_unique<ObjectIndex>(ObjectIndex::Build());
    }
    std::unique_ptr<ObjectIndex> index;
};

// Orion's figure: Rigel 0.12, Betelgeuse 0.50, Bellatrix 1.64, ...; a row out of the table has
// no figure.
TEST_F(TonightTest, ThirdBrightestStarOfAFigure) {
    EXPECT_EQ(ThirdBrightestFigureStar(58), 1.64);
    EXPECT_EQ(ThirdBrightestFigureStar(MaxConstellations), 99.0);
}

TEST(NightOf, NoonToNoonHoldingTheClock) {
    const std::pair<SystemTime, const char*> rows[] = {
        {At(2026, 12, 10, 4), "2026-12-09T12:00:00"},
        {At(2026, 12, 10, 12), "2026-12-10T12:00:00"},
        {ShiftSystemTime(At(2026, 12, 10, 12), -1), "2026-12-09T12:00:00"},
        {At(2027, 1, 1, 0), "2026-12-31T12:00:00"},
        {At(2024, 3, 1, 6), "2024-02-29T12:00:00"}};
    for (const auto& [clock, begin] : rows) {
        EXPECT_EQ(IsoTime(NightOf(clock).begin), begin);
        EXPECT_EQ(SecondsBetween(NightOf(clock).begin, NightOf(clock).end), 86400);
    }
}

// The polar summer and winter, summer at 55 N, Sydney's winter and the equator: what kind of
// night it is, which of the Sun's events happen, what the note says, the events in their order.
TEST_F(TonightTest, PolarEquatorialAndSouthernNights) {
    const struct {
        const char* name;
        double latitude, longitude;
        int offset, month, hour;
        bool midnightSun, polarNight;
        NightDarkness darkness;
        bool civilDusk, nauticalDusk;
        const char* note;
    } rows[] = {
        {"Tromso", 69.6496, 18.956, 2, 6, 23, true, false, NightDarkness::None, false, false,
         "Midnight Sun"},
        {"Tromso", 69.6496, 18.956, 1, 12, 20, false, true, NightDarkness::Astronomical, true, true,
         "Polar night"},
        {"78 N", 78.0, 15.6, 1, 12, 20, false, true, NightDarkness::Astronomical, false, true,
         "Polar night"},
        {"78 N", 78.0, 15.6, 2, 6, 23, true, false, NightDarkness::None, false, false,
         "Midnight Sun"},
        {"55 N", 55.0, -3.0, 1, 6, 23, false, false, NightDarkness::Civil, true, false,
         "No nautical darkness"},
        {"Sydney", -33.8688, 151.2093, 10, 6, 20, false, false, NightDarkness::Astronomical, true,
         true, ""},
        {"Equator", 0.0, -78.5, -5, 3, 21, false, false, NightDarkness::Astronomical, true, true,
         ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.name << " " << row.month);
        const Tonight t =
            ComputeTonight(At(2026, row.month, 21, row.hour), PlaceView(row.longitude, row.offset),
                           row.latitude, *index);
        EXPECT_EQ(t.midnightSun, row.midnightSun);
        EXPECT_EQ(t.polarNight, row.polarNight);
        EXPECT_EQ(t.darkness, row.darkness);
        const bool sunset = !row.midnightSun && !row.polarNight;
        EXPECT_EQ(t.sunset.has_value(), sunset);
        EXPECT_EQ(t.sunrise.has_value(), sunset);
        EXPECT_EQ(t.dusk[0].has_value(), row.civilDusk);
        EXPECT_EQ(t.dusk[1].has_value(), row.nauticalDusk);
        const std::string note = NightNote(t);
        EXPECT_TRUE(note.find(row.note) != std::string::npos && note.empty() == !*row.note) << note;
        EXPECT_TRUE(row.darkness != NightDarkness::None || t.worthALook.empty());
        std::vector<SystemTime> order;
        for (const auto* event : {&t.sunset, &t.dusk[0], &t.dusk[1], &t.dusk[2], &t.dawn[2],
                                  &t.dawn[1], &t.dawn[0], &t.sunrise})
            if (*event) order.push_back(**event);
        for (std::size_t i = 1; i < order.size(); ++i)
            EXPECT_GT(SecondsBetween(order[i - 1], order[i]), 0) << IsoTime(order[i]);
    }
}

// The clock-change nights: the evening on one clock, the morning on the other, each event within
// a minute of astronomy-engine's instant read on the clock in force then; the list in the order
// of the instants (the night is 23 and 25 hours long).
TEST_F(TonightTest, LondonClockChangeSundaysKeepThePickersClock) {
    ChartView view;
    view.longitude = 0.1275;
    view.placeCaption = true;
    view.zone = std::make_shared<London2026>();
    view.zoneName = "Europe/London";
    view.precise = true;
    const struct {
        SystemTime clock;
        const char *sunset, *sunrise, *astronomicalDawn;
    } rows[] = {
        // Spring: sunset 18:26:59 UT (GMT), sunrise 05:42:52 UT (BST 06:42:52).
        {At(2026, 3, 28, 22), "2026-03-28T18:26:59", "2026-03-29T06:42:52", "2026-03-29T04:46:03"},
        // Autumn: sunset 16:48:44 UT (BST 17:48:44), sunrise 06:41:37 UT (GMT).
        {At(2026, 10, 25, 2), "2026-10-24T17:48:44", "2026-10-25T06:41:37", "2026-10-25T04:49:29"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(IsoTime(row.clock));
        const Tonight t = ComputeTonight(row.clock, view, 51.5072, *index);
        ASSERT_TRUE(t.sunset && t.sunrise && t.dawn[2]);
        EXPECT_LE(std::llabs(SecondsBetween(Iso(row.sunset), *t.sunset)), 60);
        EXPECT_LE(std::llabs(SecondsBetween(Iso(row.sunrise), *t.sunrise)), 60);
        EXPECT_LE(std::llabs(SecondsBetween(Iso(row.astronomicalDawn), *t.dawn[2])), 60);
        for (std::size_t i = 1; i < t.worthALook.size(); ++i)
            EXPECT_LE(t.worthALook[i - 1].bestSeconds, t.worthALook[i].bestSeconds);
    }
}

// The candidates of the rules, each with the magnitude the rules compare.
std::vector<TonightObject> Candidates() {
    std::vector<TonightObject> all;
    auto add = [&](TonightKind kind, FoundObject object, double magnitude) {
        all.push_back({kind, object, "", magnitude, {}, 0, 0});
    };
    for (int row = MercuryRow; row <= NeptuneRow; ++row)
        add(TonightKind::Planet, {FoundKind::Body, row}, 0.0);
    for (const StarDesignation& named : LoadDesignations())
        add(TonightKind::Star, {FoundKind::Star, named.number}, StarTable[named.number].magnitude);
    for (int row = 0; row < ConstellationCount; ++row)
        add(TonightKind::Constellation, {FoundKind::Constellation, row},
            ThirdBrightestFigureStar(row));
    for (int row = 0; row < DeepSkyCount; ++row)
        add(TonightKind::DeepSky, {FoundKind::DeepSky, row}, DeepSkyTable[row].magnitude);
    return all;
}

// Altitudes of objects at a time, as the chart computes them (one PrepareSky for all).
std::vector<double> ChartAltitudes(const std::vector<FoundObject>& objects, const SystemTime& t,
                                   const ChartView& view, double latitude) {
    const Observer observer = PrepareSky(t, view, latitude);
    std::vector<double> altitudes;
    for (const FoundObject& object : objects) {
        const SkyTarget target = TargetOf(object);
        double altitude = 0, azimuth = 0;
        if (target.body) {
            BodyToHorizon(observer, target.row, altitude, azimuth);
        } else {
            CatalogueHorizon(observer, target.rightAscension, target.declination, altitude,
                             azimuth);
        }
        altitudes.push_back(altitude);
    }
    return altitudes;
}

// The rules over random nights (fixed seed): from 75 S to 80 N, 1950 to 2050, the model's and the
// precise positions. Every row is at least 30 degrees high at its time (planets: above the
// horizon), in darkness, within its kind's magnitude limit (less the Moon's glare for Messier
// objects), at the altitude the chart gives then and its highest within a minute; the rows come in
// time order, within each kind's number; no candidate the rules take is left out for a fainter
// one; the Moon rises at moonrise and sets at moonset; each dark window has the Sun below -18 and
// the Moon down.
TEST_F(TonightTest, ListFollowsItsRulesOnRandomNights) {
    std::mt19937 random(20261210);
    std::uniform_real_distribution<double> latitudes(-75, 80), longitudes(-180, 180), unit(0, 1);
    const std::vector<TonightObject> candidates = Candidates();
    std::vector<FoundObject> objects;
    for (const TonightObject& c : candidates) objects.push_back(c.object);
    int listed = 0, moonlit = 0;
    for (int night = 0; night < 24; ++night) {
        const double latitude = latitudes(random), longitude = longitudes(random);
        const SystemTime clock = ShiftSystemTime(
            At(1950, 1, 1, 0), static_cast<long long>(unit(random) * 100 * 365.25 * 86400));
        const ChartView view =
            PlaceView(longitude, static_cast<int>(std::lround(longitude / 15)), night % 2 == 1);
        SCOPED_TRACE(::testing::Message() << IsoTime(clock) << " at " << latitude << ", "
                                          << longitude << (view.precise ? " precise" : ""));
        const Tonight t = ComputeTonight(clock, view, latitude, *index);
        listed += static_cast<int>(t.worthALook.size());
        moonlit += t.moonGlare > 0.5;
        int counts[4] = {};
        double faintest[4] = {-99, -99, -99, -99};
        auto inDarkness = [&](const SystemTime& at) {
            return std::any_of(t.dark.begin(), t.dark.end(), [&](const ClockSpan& span) {
                return SecondsBetween(span.begin, at) >= 0 && SecondsBetween(at, span.end) >= 0;
            });
        };
        for (const auto* list : {&t.planets, &t.worthALook}) {
            for (std::size_t i = 0; i < list->size(); ++i) {
                const TonightObject& row = (*list)[i];
                const int kind = static_cast<int>(row.kind);
                ++counts[kind];
                faintest[kind] = std::max(faintest[kind], row.magnitude);
                EXPECT_TRUE(i == 0 || (*list)[i - 1].bestSeconds <= row.bestSeconds);
                EXPECT_TRUE(inDarkness(row.best)) << row.label;
                EXPECT_GE(row.altitude, row.kind == TonightKind::Planet ? 0.0 : 30.0) << row.label;
                EXPECT_LE(row.magnitude,
                          TonightMagnitudeLimit(row.kind, t.darknessAltitude, t.moonGlare));
                EXPECT_NEAR(ChartAltitudes({row.object}, row.best, view, latitude)[0], row.altitude,
                            0.02)
                    << row.label;
                // Inside darkness its time is its highest to the minute.
                const SystemTime before = ShiftSystemTime(row.best, -60),
                                 after = ShiftSystemTime(row.best, 60);
                for (const SystemTime& near : {before, after}) {
                    EXPECT_TRUE(!inDarkness(before) || !inDarkness(after) ||
                                ChartAltitudes({row.object}, near, view, latitude)[0] <=
                                    row.altitude + 1e-5)
                        << row.label;
                }
            }
        }
        EXPECT_LE(counts[1], TonightStarRows);
        EXPECT_LE(counts[2], TonightConstellationRows);
        EXPECT_LE(counts[3], TonightDeepSkyRows);
        // The highest each candidate gets in darkness, every ten minutes.
        std::vector<double> highest(candidates.size(), -90.0);
        for (const ClockSpan& span : t.dark) {
            for (long long s = 0; s <= SecondsBetween(span.begin, span.end); s += 600) {
                const std::vector<double> altitudes =
                    ChartAltitudes(objects, ShiftSystemTime(span.begin, s), view, latitude);
                for (std::size_t i = 0; i < candidates.size(); ++i)
                    highest[i] = std::max(highest[i], altitudes[i]);
            }
        }
        const int quota[4] = {99, TonightStarRows, TonightConstellationRows, TonightDeepSkyRows};
        for (std::size_t i = 0; i < candidates.size(); ++i) {
            const TonightObject& c = candidates[i];
            const int kind = static_cast<int>(c.kind);
            if (highest[i] <= (c.kind == TonightKind::Planet ? 0.1 : 30.1) ||
                c.magnitude > TonightMagnitudeLimit(c.kind, t.darknessAltitude, t.moonGlare))
                continue;
            const auto& list = c.kind == TonightKind::Planet ? t.planets : t.worthALook;
            const bool found = std::any_of(list.begin(), list.end(), [&](const TonightObject& r) {
                return r.object == c.object;
            });
            EXPECT_TRUE(found || (counts[kind] == quota[kind] && c.magnitude >= faintest[kind]))
                << index->Label(c.object) << " at " << highest[i];
        }
        // The Moon goes up at moonrise and down at moonset.
        for (const auto& [event, up] : {std::pair{t.moonrise, 1.0}, std::pair{t.moonset, -1.0}}) {
            if (!event) continue;
            const std::vector<FoundObject> moon{{FoundKind::Body, MoonRow}};
            EXPECT_GT(up * (ChartAltitudes(moon, ShiftSystemTime(*event, 300), view, latitude)[0] -
                            ChartAltitudes(moon, ShiftSystemTime(*event, -300), view, latitude)[0]),
                      0);
        }
        for (const ClockSpan& window : t.darkWindows) {
            const SystemTime middle =
                ShiftSystemTime(window.begin, SecondsBetween(window.begin, window.end) / 2);
            const std::vector<double> sunAndMoon = ChartAltitudes(
                {{FoundKind::Body, SunRow}, {FoundKind::Body, MoonRow}}, middle, view, latitude);
            EXPECT_LT(sunAndMoon[0], AstronomicalTwilightAltitude);
            EXPECT_LT(sunAndMoon[1], 0.3);  // the Moon's event altitude is at most +0.25
        }
    }
    EXPECT_GT(listed, 24 * 5);  // the nights list something, not nothing
    EXPECT_GT(moonlit, 0);      // and some are under a bright Moon
}

}  // namespace
