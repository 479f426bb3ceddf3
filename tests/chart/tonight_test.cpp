// Tonight: which night, the polar and equatorial nights, the clock through London's changes, no
// place, and the list's rules as a property of random nights checked against the chart's own
// altitudes.
#include "chart/tonight.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
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

long long SecondsBetween(const SystemTime& a, const SystemTime& b) {
    return (DaysFromCivil(b.year, b.month, b.day) - DaysFromCivil(a.year, a.month, a.day)) * 86400 +
           (b.hour - a.hour) * 3600 + (b.minute - a.minute) * 60 + (b.second - a.second);
}

SystemTime At(int year, int month, int day, int hour, int minute = 0, int second = 0) {
    return ShiftSystemTime(SystemTime{year, month, 0, day, hour, minute, second, 0}, 0);
}

SystemTime Iso(const char* text) {
    SystemTime t;
    std::sscanf(text, "%d-%d-%dT%d:%d:%d", &t.year, &t.month, &t.day, &t.hour, &t.minute,
                &t.second);
    return t;
}

// London's clocks in 2026: British Summer Time from 29 March 01:00 UT to 25 October 01:00 UT. A
// reading in the spring gap is taken as GMT (Qt moves it on an hour), one in the autumn repeat
// as summer time (its first pass), as Qt does.
class London2026 final : public CivilTimeRule {
  public:
    int OffsetSeconds(const SystemTime& civil) const override {
        const SystemTime ut = ShiftSystemTime(civil, -3600);
        const long long after = SecondsBetween(At(2026, 3, 29, 1), ut);
        const long long before = SecondsBetween(ut, At(2026, 10, 25, 1));
        return after >= 0 && before > 0 ? 3600 : 0;
    }
};

ChartView PlaceView(double longitudeEast, int offsetHours, bool precise = true) {
    ChartView view;
    view.longitude = -longitudeEast;
    view.placeCaption = true;
    view.utcOffsetSeconds = offsetHours * 3600;
    view.zoneName =
        "UTC" + std::string(offsetHours < 0 ? "-" : "+") + std::to_string(std::abs(offsetHours));
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

TEST(NightOf, NoonToNoonHoldingTheClock) {
    const struct {
        SystemTime clock;
        const char* begin;
    } rows[] = {{At(2026, 12, 10, 4), "2026-12-09T12:00:00"},
                {At(2026, 12, 10, 12), "2026-12-10T12:00:00"},
                {At(2026, 12, 10, 11, 59, 59), "2026-12-09T12:00:00"},
                {At(2027, 1, 1, 0, 30), "2026-12-31T12:00:00"},
                {At(2024, 3, 1, 6), "2024-02-29T12:00:00"}};
    for (const auto& row : rows) {
        const NightSpan night = NightOf(row.clock);
        EXPECT_EQ(IsoTime(night.begin), row.begin);
        EXPECT_EQ(SecondsBetween(night.begin, night.end), 86400);
    }
}

// The polar summer and winter, the equator, Sydney's winter and London's December: what kind of
// night it is, which of the Sun's events happen, and the events in their order.
TEST_F(TonightTest, PolarEquatorialAndSouthernNights) {
    const struct {
        const char* name;
        double latitude, longitude;
        int offset;
        SystemTime clock;
        bool midnightSun, polarNight;
        NightDarkness darkness;
        bool sunset, civilDusk, nauticalDusk;
        const char* note;  // in the night's note; "" for none
    } rows[] = {
        {"Tromso midsummer", 69.6496, 18.956, 2, At(2026, 6, 21, 23), true, false,
         NightDarkness::None, false, false, false, "Midnight Sun"},
        {"Tromso midwinter", 69.6496, 18.956, 1, At(2026, 12, 21, 20), false, true,
         NightDarkness::Astronomical, false, true, true, "Polar night"},
        {"78 N midwinter", 78.0, 15.6, 1, At(2026, 12, 21, 20), false, true,
         NightDarkness::Astronomical, false, false, true, "Polar night"},
        {"78 N midsummer", 78.0, 15.6, 2, At(2026, 6, 21, 23), true, false, NightDarkness::None,
         false, false, false, "Midnight Sun"},
        {"55 N midsummer", 55.0, -3.0, 1, At(2026, 6, 21, 23), false, false, NightDarkness::Civil,
         true, true, false, "No nautical darkness"},
        {"Sydney midwinter", -33.8688, 151.2093, 10, At(2026, 6, 21, 20), false, false,
         NightDarkness::Astronomical, true, true, true, ""},
        {"Equator", 0.0, -78.5, -5, At(2026, 3, 20, 21), false, false, NightDarkness::Astronomical,
         true, true, true, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const ChartView view = PlaceView(row.longitude, row.offset);
        const Tonight t = ComputeTonight(row.clock, view, row.latitude, *index);
        EXPECT_EQ(t.midnightSun, row.midnightSun);
        EXPECT_EQ(t.polarNight, row.polarNight);
        EXPECT_EQ(t.darkness, row.darkness);
        EXPECT_EQ(t.sunset.has_value(), row.sunset);
        EXPECT_EQ(t.sunrise.has_value(), row.sunset);
        EXPECT_EQ(t.dusk[0].has_value(), row.civilDusk);
        EXPECT_EQ(t.dusk[1].has_value(), row.nauticalDusk);
        const std::string note = NightNote(t);
        EXPECT_EQ(note.empty(), *row.note == '\0') << note;
        EXPECT_NE(note.find(row.note), std::string::npos) << note;
        EXPECT_TRUE(row.darkness != NightDarkness::None || t.worthALook.empty());
        // Whatever happens comes in order: sunset, the three dusks, the three dawns, sunrise.
        std::vector<SystemTime> order;
        for (const auto* event : {&t.sunset, &t.dusk[0], &t.dusk[1], &t.dusk[2], &t.dawn[2],
                                  &t.dawn[1], &t.dawn[0], &t.sunrise})
            if (*event) order.push_back(**event);
        for (std::size_t i = 1; i < order.size(); ++i)
            EXPECT_GT(SecondsBetween(order[i - 1], order[i]), 0) << IsoTime(order[i]);
    }
    // At the equator the Sun goes down steeply: sunset to the end of astronomical twilight in
    // little more than an hour, as against two at London in December.
    const Tonight equator = ComputeTonight(At(2026, 3, 20, 21), PlaceView(-78.5, -5), 0.0, *index);
    ASSERT_TRUE(equator.sunset && equator.dusk[2]);
    EXPECT_NEAR(SecondsBetween(*equator.sunset, *equator.dusk[2]) / 60.0, 75, 8);
}

// The clock-change nights: the evening on one clock, the morning on the other, each event within
// a minute of astronomy-engine's instant read on the clock in force then.
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
        long long span;
    } rows[] = {
        // Spring: sunset 18:26:59 UT (GMT), sunrise 05:42:52 UT (BST 06:42:52); 23 hours.
        {At(2026, 3, 28, 22), "2026-03-28T18:26:59", "2026-03-29T06:42:52", "2026-03-29T04:46:03",
         23},
        // Autumn: sunset 16:48:44 UT (BST 17:48:44), sunrise 06:41:37 UT (GMT); 25 hours.
        {At(2026, 10, 25, 2), "2026-10-24T17:48:44", "2026-10-25T06:41:37", "2026-10-25T04:49:29",
         25},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(IsoTime(row.clock));
        const Tonight t = ComputeTonight(row.clock, view, 51.5072, *index);
        ASSERT_TRUE(t.sunset && t.sunrise && t.dawn[2]);
        EXPECT_LE(std::llabs(SecondsBetween(Iso(row.sunset), *t.sunset)), 60);
        EXPECT_LE(std::llabs(SecondsBetween(Iso(row.sunrise), *t.sunrise)), 60);
        EXPECT_LE(std::llabs(SecondsBetween(Iso(row.astronomicalDawn), *t.dawn[2])), 60);
        // The list in time order across the change, by the instants, not the readings.
        for (std::size_t i = 1; i < t.worthALook.size(); ++i)
            EXPECT_LE(t.worthALook[i - 1].bestSeconds, t.worthALook[i].bestSeconds);
        const long long last = t.worthALook.empty() ? 0 : t.worthALook.back().bestSeconds;
        EXPECT_LE(last, row.span * 3600);
    }
}

// Without a place the clock is local mean time, and the title says so.
TEST_F(TonightTest, NoPlaceIsLocalMeanTime) {
    const Tonight t = ComputeTonight(At(2026, 12, 10, 21), ChartView{}, 51.5, *index);
    EXPECT_TRUE(t.localMeanTime);
    EXPECT_NE(TonightTitle(t, ChartView{}, 51.5).find("local mean time"), std::string::npos);
    // The Sun's centre crosses -50' at sunset, seen as the chart sees it.
    ASSERT_TRUE(t.sunset);
    PrepareSky(*t.sunset, ChartView{}, 51.5);
    const Observer observer = PrepareSky(*t.sunset, ChartView{}, 51.5);
    double altitude = 0, azimuth = 0;
    BodyToHorizon(observer, SunRow, altitude, azimuth);
    EXPECT_NEAR(altitude, SunEventAltitude, 0.01);
}

// The candidates of the rules: the planets, the stars with a proper name, the constellations and
// the Messier objects, each with the magnitude the rules compare.
std::vector<TonightObject> Candidates() {
    std::vector<TonightObject> all;
    for (int row = MercuryRow; row <= NeptuneRow; ++row)
        all.push_back({TonightKind::Planet, {FoundKind::Body, row}, "", 0.0, {}, 0, 0});
    for (const StarDesignation& named : LoadDesignations())
        all.push_back({TonightKind::Star,
                       {FoundKind::Star, named.number},
                       "",
                       StarTable[named.number].magnitude,
                       {},
                       0,
                       0});
    for (int row = 0; row < ConstellationCount; ++row)
        all.push_back({TonightKind::Constellation,
                       {FoundKind::Constellation, row},
                       "",
                       ThirdBrightestFigureStar(row),
                       {},
                       0,
                       0});
    for (int row = 0; row < DeepSkyCount; ++row)
        all.push_back({TonightKind::DeepSky,
                       {FoundKind::DeepSky, row},
                       "",
                       DeepSkyTable[row].magnitude,
                       {},
                       0,
                       0});
    return all;
}

// Altitudes of every candidate at a time, as the chart computes them (one PrepareSky).
std::vector<double> ChartAltitudes(const std::vector<TonightObject>& objects, const SystemTime& t,
                                   const ChartView& view, double latitude) {
    const Observer observer = PrepareSky(t, view, latitude);
    std::vector<double> altitudes;
    for (const TonightObject& object : objects) {
        const SkyTarget target = TargetOf(object.object);
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

// The rules over random nights (fixed seed): anywhere from 75 S to 80 N, 1950 to 2050, the
// model's and the precise positions. Every row is at least 30 degrees high at its time, in
// darkness, within its kind's magnitude limit (the Moon's glare taken off the Messier limit), at
// the altitude the chart gives then; the rows come in time order, within each kind's number; no
// candidate that the rules would take is left out for a fainter one; every planet up in darkness
// is listed; and each dark window has the Sun below -18 and the Moon down.
TEST_F(TonightTest, ListFollowsItsRulesOnRandomNights) {
    std::mt19937 random(20261210);
    std::uniform_real_distribution<double> latitudes(-75, 80), longitudes(-180, 180), unit(0, 1);
    const std::vector<TonightObject> candidates = Candidates();
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
            for (const ClockSpan& span : t.dark)
                if (SecondsBetween(span.begin, at) >= 0 && SecondsBetween(at, span.end) >= 0)
                    return true;
            return false;
        };
        for (const auto* list : {&t.planets, &t.worthALook}) {
            for (std::size_t i = 0; i < list->size(); ++i) {
                const TonightObject& row = (*list)[i];
                SCOPED_TRACE(row.label);
                const int kind = static_cast<int>(row.kind);
                ++counts[kind];
                faintest[kind] = std::max(faintest[kind], row.magnitude);
                EXPECT_TRUE(i == 0 || (*list)[i - 1].bestSeconds <= row.bestSeconds);
                EXPECT_TRUE(inDarkness(row.best));
                const double floor = row.kind == TonightKind::Planet ? 0.0 : 30.0;
                EXPECT_GE(row.altitude, floor);
                EXPECT_LE(row.magnitude,
                          TonightMagnitudeLimit(row.kind, t.darknessAltitude, t.moonGlare));
                const std::vector<TonightObject> one{row};
                EXPECT_NEAR(ChartAltitudes(one, row.best, view, latitude)[0], row.altitude, 0.02);
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
                    ChartAltitudes(candidates, ShiftSystemTime(span.begin, s), view, latitude);
                for (std::size_t i = 0; i < candidates.size(); ++i)
                    highest[i] = std::max(highest[i], altitudes[i]);
            }
        }
        const int quota[4] = {99, TonightStarRows, TonightConstellationRows, TonightDeepSkyRows};
        for (std::size_t i = 0; i < candidates.size(); ++i) {
            const TonightObject& c = candidates[i];
            const int kind = static_cast<int>(c.kind);
            const bool qualifies =
                highest[i] > (c.kind == TonightKind::Planet ? 0.1 : 30.1) &&
                c.magnitude <= TonightMagnitudeLimit(c.kind, t.darknessAltitude, t.moonGlare);
            if (!qualifies) continue;
            const auto& list = c.kind == TonightKind::Planet ? t.planets : t.worthALook;
            const bool found = std::any_of(list.begin(), list.end(), [&](const TonightObject& r) {
                return r.object == c.object;
            });
            EXPECT_TRUE(found || (counts[kind] == quota[kind] && c.magnitude >= faintest[kind]))
                << index->Label(c.object) << " at " << highest[i];
        }
        // The dark windows: the Sun below -18 and the Moon down at their middles.
        const std::vector<TonightObject> sunAndMoon{
            {TonightKind::Planet, {FoundKind::Body, SunRow}, "", 0, {}, 0, 0},
            {TonightKind::Planet, {FoundKind::Body, MoonRow}, "", 0, {}, 0, 0}};
        for (const ClockSpan& window : t.darkWindows) {
            const SystemTime middle =
                ShiftSystemTime(window.begin, SecondsBetween(window.begin, window.end) / 2);
            const std::vector<double> altitudes =
                ChartAltitudes(sunAndMoon, middle, view, latitude);
            EXPECT_LT(altitudes[0], AstronomicalTwilightAltitude);
            EXPECT_LT(altitudes[1], 1.0);  // the Moon's event altitude is at most +0.25
        }
    }
    EXPECT_GT(listed, 24 * 5);  // the nights list something, not nothing
    EXPECT_GT(moonlit, 0);      // and some are under a bright Moon
}

}  // namespace
