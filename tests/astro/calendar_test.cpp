// The time base (Duffett-Smith, Practical Astronomy with your Calculator): worked examples as
// tables, the messages of a bad date, and values outside the ranges the routines are made for.
#include "astro/calendar.h"

#include <climits>
#include <cmath>
#include <limits>

#include "astro_fixture.h"

using CalendarTest = AstroTest;

namespace {
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
}  // namespace

TEST(TimeBase, ReduceTruncateAndDecimalHours) {
    EXPECT_EQ(ReduceToRange(-30, 360), 330);
    EXPECT_EQ(ReduceToRange(725, 360), 5);
    EXPECT_EQ(ReduceToRange(-1e-15, 360), 360);  // a tiny negative remainder rounds up to m
    const std::pair<double, int> truncate[] = {
        {2.7, 2}, {-2.7, -2}, {2147483647.0, INT_MAX}, {-2147483649.5, INT_MIN}, {NaN, 0}};
    for (const auto& [x, n] : truncate) EXPECT_EQ(TruncateToInt(x), n) << x;
    EXPECT_DOUBLE_EQ(DecimalHours(22, 30, 36.0), 22.51);
}

TEST_F(CalendarTest, JulianDateOfWorkedExamples) {
    // Year, month, day, Julian date.
    const double rows[][4] = {
        {1990, 1, 0.0, 2447891.5},   {2000, 1, 1.5, 2451545.0},
        {-4712, 1, 1.5, 0.0},        {1582, 10, 4.0, 2299159.5},
        {1582, 10, 15.0, 2299160.5}, {1582, 10, 5.0, 2299160.5},  // still a Julian-calendar date
        {1582, 10, 14.9, 2299170.4}, {2001, 2, 29.0, 2451969.5},  // counts on into March
    };
    for (const auto& r : rows) {
        EXPECT_NEAR(JulianDate(r[0], r[1], r[2]), r[3], 1e-9) << r[0] << "-" << r[1] << "-" << r[2];
    }
    for (int year : {INT_MIN, INT_MAX}) EXPECT_TRUE(std::isfinite(JulianDate(year, 1, 1.0)));
    EXPECT_TRUE(messages.empty());
}

// A bad month or day gives 0 and an error box without a caption, once per JulianDate call; the
// sidereal time of a bad date still lies in the day.
TEST_F(CalendarTest, BadDateShowsTheMessageAndGivesZero) {
    EXPECT_EQ(JulianDate(2000, 0, 1.0), 0.0);
    EXPECT_EQ(JulianDate(2000, 13, 1.0), 0.0);
    EXPECT_EQ(JulianDate(2000, 1, NaN), 0.0);
    const double s = LocalSiderealTime(2000, 14, 1.0, 0, 0.0);
    EXPECT_TRUE(s >= 0.0 && s < 24.0) << s;
    ASSERT_EQ(messages.size(), 4u);
    EXPECT_EQ(messages[1].text, "JulianDate: Month out-of-bounds");
    EXPECT_EQ(messages[2].text, "JulianDate: Day out-of-bounds");
    EXPECT_EQ(messages[2].caption, "");
    EXPECT_EQ(messages[2].icon, MessageIcon::Error);
}

TEST_F(CalendarTest, SiderealTimeOfWorkedExamples) {
    // One hour of clock time is 1.002737909 sidereal hours: an integer hourOffset / 24 loses it.
    const double evening = 14 + 22.0 / 24;
    // year, month, day, hour offset, longitude, sidereal time
    const double rows[][6] = {
        {2000, 1, 1.5, 0, 0.0, 18.697375},
        {2001, 8, evening, 0, 0.0, 19.559260},
        {2001, 8, evening, 0, 15.0, 18.559260},  // 15 degrees west: one hour less
        {2001, 8, evening, 1, 0.0, 20.561998},
        {2001, 8, 14.0, -3, 0.0, 18.490812}};  // 3 hours back: the 13th, 21:00
    for (const auto& r : rows) {
        EXPECT_NEAR(LocalSiderealTime(r[0], r[1], r[2], r[3], r[4]), r[5], 5e-7)
            << r[2] << " " << r[3] << " " << r[4];
    }
}
