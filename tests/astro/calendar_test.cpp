// Worked examples of the time base (Duffett-Smith, Practical Astronomy with your Calculator),
// grouped by routine, and the behaviour outside the ranges the routines are made for.
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

// ReduceToRange

TEST(ReduceToRange, WrapsNegativeAndLargeValuesIntoTheRange) {
    EXPECT_EQ(ReduceToRange(-30, 360), 330);
    EXPECT_EQ(ReduceToRange(725, 360), 5);
    EXPECT_EQ(ReduceToRange(360, 360), 0);
    EXPECT_EQ(ReduceToRange(-2, 24), 22);
}

TEST(ReduceToRange, MinusOneTurnGivesANegativeZeroEqualToZero) {
    const double r = ReduceToRange(-360, 360);
    EXPECT_EQ(r, 0.0);
    EXPECT_TRUE(std::signbit(r));
}

TEST(ReduceToRange, TinyNegativeRemainderRoundsUpToTheModulus) {
    EXPECT_EQ(ReduceToRange(-1e-15, 360), 360.0);
}

// TruncateToInt

TEST(TruncateToInt, RoundsTowardZero) {
    EXPECT_EQ(TruncateToInt(2.7), 2);
    EXPECT_EQ(TruncateToInt(-2.7), -2);
    EXPECT_EQ(TruncateToInt(-0.5), 0);
    EXPECT_EQ(TruncateToInt(2147483646.9), 2147483646);
    EXPECT_EQ(TruncateToInt(-2147483647.9), -2147483647);
}

TEST(TruncateToInt, SaturatesBeyondTheIntRange) {
    EXPECT_EQ(TruncateToInt(2147483647.0), INT_MAX);
    EXPECT_EQ(TruncateToInt(3e9), INT_MAX);
    EXPECT_EQ(TruncateToInt(1e300), INT_MAX);
    EXPECT_EQ(TruncateToInt(Inf), INT_MAX);
    EXPECT_EQ(TruncateToInt(-2147483648.0), INT_MIN);
    EXPECT_EQ(TruncateToInt(-2147483649.5), INT_MIN);
    EXPECT_EQ(TruncateToInt(-Inf), INT_MIN);
}

TEST(TruncateToInt, NaNGivesZero) {
    EXPECT_EQ(TruncateToInt(NaN), 0);
}

// DecimalHours

TEST(DecimalHours, AddsMinutesAndSecondsAsFractions) {
    EXPECT_DOUBLE_EQ(DecimalHours(22, 30, 36.0), 22.51);
    EXPECT_EQ(DecimalHours(0, 0, 0.0), 0.0);
    EXPECT_DOUBLE_EQ(DecimalHours(6, 45, 0.0), 6.75);
}

// JulianDate

TEST_F(CalendarTest, JulianDateOfReferenceEpochs) {
    EXPECT_EQ(JulianDate(1990, 1, 0.0), 2447891.5);
    EXPECT_EQ(JulianDate(2000, 1, 1.5), 2451545.0);
    EXPECT_EQ(JulianDate(1900, 1, 0.5), 2415020.0);
    EXPECT_EQ(JulianDate(-4712, 1, 1.5), 0.0);
    EXPECT_TRUE(messages.empty());
}

TEST_F(CalendarTest, CalendarReformMakesOctoberFourthAndFifteenthConsecutive) {
    EXPECT_EQ(JulianDate(1582, 10, 4.0), 2299159.5);
    EXPECT_EQ(JulianDate(1582, 10, 15.0), 2299160.5);
    EXPECT_EQ(JulianDate(1582, 10, 5.0), 2299160.5);  // still a Julian-calendar date
    EXPECT_NEAR(JulianDate(1582, 10, 14.9), 2299170.4, 1e-9);
}

TEST_F(CalendarTest, DayBeyondTheMonthCountsOnIntoTheNext) {
    EXPECT_EQ(JulianDate(2001, 2, 29.0), 2451969.5);
    EXPECT_EQ(JulianDate(2001, 3, 1.0), 2451969.5);
}

TEST_F(CalendarTest, MonthOutOfRangeShowsMessageAndGivesZero) {
    EXPECT_EQ(JulianDate(2000, 0, 1.0), 0.0);
    EXPECT_EQ(JulianDate(2000, 13, 1.0), 0.0);
    ASSERT_EQ(messages.size(), 2u);
    for (const MessageRequest& m : messages) {
        EXPECT_EQ(m.text, "JulianDate: Month out-of-bounds");
        EXPECT_EQ(m.caption, "");
        EXPECT_EQ(m.icon, MessageIcon::Error);
    }
}

TEST_F(CalendarTest, NonFiniteDayShowsMessageAndGivesZero) {
    EXPECT_EQ(JulianDate(2000, 1, NaN), 0.0);
    EXPECT_EQ(JulianDate(2000, 1, Inf), 0.0);
    EXPECT_EQ(JulianDate(2000, 1, -Inf), 0.0);
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0].text, "JulianDate: Day out-of-bounds");
    EXPECT_EQ(messages[0].icon, MessageIcon::Error);
}

TEST_F(CalendarTest, ExtremeYearsGiveFiniteDatesWithoutOverflow) {
    // Years whose day count leaves the int range: no overflow, a finite (saturated) result.
    for (int year : {INT_MIN, INT_MIN + 1, -6000000, 6000000, INT_MAX}) {
        for (int month : {1, 2, 12}) {
            EXPECT_TRUE(std::isfinite(JulianDate(year, month, 1.0))) << year << "/" << month;
        }
    }
    EXPECT_TRUE(std::isfinite(LocalSiderealTime(INT_MIN, 1, 1.0, 0, 0.0)));
    EXPECT_TRUE(messages.empty());
}

// LocalSiderealTime

TEST_F(CalendarTest, GreenwichSiderealTimeOfWorkedExamples) {
    EXPECT_NEAR(LocalSiderealTime(2000, 1, 1.5, 0, 0.0), 18.697375, 5e-7);
    EXPECT_NEAR(LocalSiderealTime(2001, 8, 14 + 22.0 / 24, 0, 0.0), 19.559260, 5e-7);
}

TEST_F(CalendarTest, WestLongitudeSubtractsItsHours) {
    EXPECT_NEAR(LocalSiderealTime(2001, 8, 14 + 22.0 / 24, 0, 15.0), 18.559260, 5e-7);
}

TEST_F(CalendarTest, HourOffsetIsAFractionOfADay) {
    // One hour of clock time is 1.002737909 sidereal hours; an integer division would lose it.
    EXPECT_NEAR(LocalSiderealTime(2001, 8, 14 + 22.0 / 24, 1, 0.0), 20.561998, 5e-7);
    EXPECT_NEAR(LocalSiderealTime(2001, 8, 14.0, -3, 0.0),
                LocalSiderealTime(2001, 8, 13.875, 0, 0.0), 1e-9);
}

TEST_F(CalendarTest, SiderealTimeStaysInTheDay) {
    for (double day = 1.0; day < 32.0; day += 0.37) {
        const double s = LocalSiderealTime(2024, 3, day, 0, 0.0);
        EXPECT_GE(s, 0.0);
        EXPECT_LT(s, 24.0);
    }
}

TEST_F(CalendarTest, BadMonthInSiderealTimeShowsTheMessageOnce) {
    const double s = LocalSiderealTime(2000, 14, 1.0, 0, 0.0);
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_GE(s, 0.0);
    EXPECT_LT(s, 24.0);
}
