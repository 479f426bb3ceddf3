// The time base (Duffett-Smith, Practical Astronomy with your Calculator): worked examples as
// tables, the message of a bad month, and values outside the ranges the routines are made for.
#include "astro/calendar.h"

#include <climits>
#include <cmath>
#include <limits>

#include "astro_fixture.h"

using CalendarTest = AstroTest;

namespace {
constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
}  // namespace

TEST(ReduceToRange, WrapsIntoTheRange) {
    const struct {
        double x, m, expected;
    } rows[] = {{-30, 360, 330},
                {725, 360, 5},
                {360, 360, 0},
                {-2, 24, 22},
                {-1e-15, 360, 360}};  // a tiny negative remainder rounds up to m itself
    for (const auto& r : rows) EXPECT_EQ(ReduceToRange(r.x, r.m), r.expected) << r.x;
    EXPECT_TRUE(std::signbit(ReduceToRange(-360, 360)));  // a negative zero, equal to 0
    EXPECT_EQ(ReduceToRange(-360, 360), 0.0);
}

TEST(TruncateToInt, RoundsTowardZeroAndSaturates) {
    const struct {
        double x;
        int expected;
    } rows[] = {{2.7, 2},
                {-2.7, -2},
                {-0.5, 0},
                {2147483646.9, 2147483646},
                {-2147483647.9, -2147483647},
                {2147483647.0, INT_MAX},
                {1e300, INT_MAX},
                {Inf, INT_MAX},
                {-2147483648.0, INT_MIN},
                {-2147483649.5, INT_MIN},
                {-Inf, INT_MIN},
                {NaN, 0}};
    for (const auto& r : rows) EXPECT_EQ(TruncateToInt(r.x), r.expected) << r.x;
}

TEST(DecimalHours, AddsMinutesAndSecondsAsFractions) {
    EXPECT_DOUBLE_EQ(DecimalHours(22, 30, 36.0), 22.51);
    EXPECT_DOUBLE_EQ(DecimalHours(6, 45, 0.0), 6.75);
}

TEST_F(CalendarTest, JulianDateOfWorkedExamples) {
    const struct {
        int year, month;
        double day, expected;
    } rows[] = {
        {1990, 1, 0.0, 2447891.5},   {2000, 1, 1.5, 2451545.0},  {1900, 1, 0.5, 2415020.0},
        {-4712, 1, 1.5, 0.0},        {1582, 10, 4.0, 2299159.5}, {1582, 10, 15.0, 2299160.5},
        {1582, 10, 5.0, 2299160.5},                               // still a Julian-calendar date
        {1582, 10, 14.9, 2299170.4}, {2001, 2, 29.0, 2451969.5},  // counts on into March
        {2001, 3, 1.0, 2451969.5},
    };
    for (const auto& r : rows) {
        EXPECT_NEAR(JulianDate(r.year, r.month, r.day), r.expected, 1e-9)
            << r.year << "-" << r.month << "-" << r.day;
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(CalendarTest, MonthOutOfRangeShowsMessageAndGivesZero) {
    EXPECT_EQ(JulianDate(2000, 0, 1.0), 0.0);
    EXPECT_EQ(JulianDate(2000, 13, 1.0), 0.0);
    ASSERT_EQ(messages.size(), 2u);
    for (const MessageRequest& m : messages) {
        EXPECT_EQ(m.text, "JulianDate: Month out-of-bounds");
        EXPECT_EQ(m.caption, "");  // no caption of its own
        EXPECT_EQ(m.icon, MessageIcon::Error);
    }
}

TEST_F(CalendarTest, NonFiniteDayShowsMessageAndGivesZero) {
    for (double day : {NaN, Inf, -Inf}) EXPECT_EQ(JulianDate(2000, 1, day), 0.0);
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0].text, "JulianDate: Day out-of-bounds");
}

TEST_F(CalendarTest, ExtremeYearsGiveFiniteDatesWithoutOverflow) {
    for (int year : {INT_MIN, INT_MIN + 1, -6000000, 6000000, INT_MAX}) {
        for (int month : {1, 2, 12}) {
            EXPECT_TRUE(std::isfinite(JulianDate(year, month, 1.0))) << year << "/" << month;
        }
    }
    EXPECT_TRUE(std::isfinite(LocalSiderealTime(INT_MIN, 1, 1.0, 0, 0.0)));
    EXPECT_TRUE(messages.empty());
}

TEST_F(CalendarTest, SiderealTimeOfWorkedExamples) {
    // One hour of clock time is 1.002737909 sidereal hours: an integer hourOffset / 24 loses it.
    const double evening = 14 + 22.0 / 24;
    const struct {
        int year, month;
        double day;
        int hourOffset;
        double longitude, expected;
    } rows[] = {{2000, 1, 1.5, 0, 0.0, 18.697375},
                {2001, 8, evening, 0, 0.0, 19.559260},
                {2001, 8, evening, 0, 15.0, 18.559260},  // 15 degrees west: one hour less
                {2001, 8, evening, 1, 0.0, 20.561998}};
    for (const auto& r : rows) {
        EXPECT_NEAR(LocalSiderealTime(r.year, r.month, r.day, r.hourOffset, r.longitude),
                    r.expected, 5e-7)
            << r.year << " " << r.day << " " << r.hourOffset << " " << r.longitude;
    }
    EXPECT_NEAR(LocalSiderealTime(2001, 8, 14.0, -3, 0.0),
                LocalSiderealTime(2001, 8, 13.875, 0, 0.0), 1e-9);
}

TEST_F(CalendarTest, SiderealTimeStaysInTheDayEvenForABadMonth) {
    for (double day = 1.0; day < 32.0; day += 0.37) {
        const double s = LocalSiderealTime(2024, 3, day, 0, 0.0);
        EXPECT_GE(s, 0.0);
        EXPECT_LT(s, 24.0);
    }
    const double s = LocalSiderealTime(2000, 14, 1.0, 0, 0.0);
    EXPECT_EQ(messages.size(), 1u);  // one message per JulianDate call
    EXPECT_GE(s, 0.0);
    EXPECT_LT(s, 24.0);
}

// The message seam that ErrorBox and every other message of the core go through.
TEST_F(CalendarTest, MessageHandlerCanBeReplacedAndRestored) {
    int calls = 0;
    MessageHandler recording = Messages().Replace([&calls](const MessageRequest&) { ++calls; });
    ShowMessage({"Velquorran", "first", MessageIcon::None});
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(messages.empty());
    Messages().Replace(recording);  // the fixture's recorder takes over again
    ErrorBox("second");
    EXPECT_EQ(calls, 1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "second");

    Messages().Replace({});  // an empty handler restores the stderr default
    testing::internal::CaptureStderr();
    ShowMessage({"Velquorran", "Cannot read the catalogue", MessageIcon::Error});
    ErrorBox("JulianDate: Month out-of-bounds");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Velquorran: Cannot read the catalogue\n: JulianDate: Month out-of-bounds\n");
}
