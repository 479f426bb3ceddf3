// Range reduction, truncation, decimal hours, Julian dates and sidereal time.
//
// Source: Peter Duffett-Smith, Practical Astronomy with your Calculator (3rd ed.), sections 4
// (Julian day number) and 12 (sidereal time); the sidereal polynomial is the IAU 1982 one.
#include "astro/calendar.h"

#include <climits>
#include <cmath>

#include "base/messages.h"
#include "base/translate.h"

// x reduced into [0, m) with m > 0. fmod keeps the sign of x; a negative remainder is lifted by
// one m. When that remainder is smaller than half an ulp of m the sum rounds to m itself, so the
// result lies in [0, m] and equals m only by rounding.
double ReduceToRange(double x, double m) {
    double r = std::fmod(x, m);
    if (r < 0.0) r = r + m;
    return r;
}

// Integer part of x, toward zero. The conversion of an out-of-range double to int is undefined
// behaviour, so values at or beyond the int range saturate at INT_MIN/INT_MAX and NaN gives 0.
int TruncateToInt(double x) {
    if (std::isnan(x)) return 0;
    if (x >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (x <= static_cast<double>(INT_MIN)) return INT_MIN;
    const int n = static_cast<int>(std::floor(std::fabs(x)));
    return x < 0.0 ? -n : n;
}

// Clock time to decimal hours: h + (m + s / 60) / 60.
double DecimalHours(int hours, int minutes, double seconds) {
    return hours + (minutes + seconds / 60) / 60;
}

// Julian date of year/month/day (day with its fraction), Duffett-Smith section 4:
//   JD = B + E + F + day + 1720994.5, with E = INT(365.25 y), F = INT(30.6001 (m + 1)) after
//   moving January and February to months 13 and 14 of the previous year, and the Gregorian
//   century correction B = 2 - A + INT(A / 4), A = INT(y / 100), from 1582 October 15.0 on.
// A month outside 1..12 and a day that is not a finite number show a message and give 0.0 (the
// Julian date of -4712 January 1.5). The year and the integer sum are carried in 64 bits so that
// no year can overflow; years far beyond the calendar's use saturate in TruncateToInt.
double JulianDate(int year, int month, double day) {
    if (month < 1 || month > 12) {
        ErrorBox(VQ_TRANSLATE_NOOP("Messages", "JulianDate: Month out-of-bounds"));
        return 0.0;
    }
    if (!std::isfinite(day)) {
        ErrorBox(VQ_TRANSLATE_NOOP("Messages", "JulianDate: Day out-of-bounds"));
        return 0.0;
    }
    long long y = year;
    int m = month;
    if (month < 3) {
        m = month + 12;
        y = static_cast<long long>(year) - 1;
    }
    // The calendar key yyyymmdd.f compares the date with the start of the reformed calendar. Its
    // integer part is exact in a double for every int year.
    long long b = 0;
    const double key = (static_cast<double>(year) * 100 + month) * 100 + day;
    if (key >= 15821015.0) {
        const long long a = TruncateToInt(static_cast<double>(y) * 0.01);
        b = 2 - a + TruncateToInt(static_cast<double>(a) * 0.25);
    }
    // For negative years INT(365.25 y) must round down, which truncation of 365.25 y - 0.75 does.
    const long long e = y < 0 ? TruncateToInt(static_cast<double>(y) * 365.25 - 0.75)
                              : TruncateToInt(static_cast<double>(y) * 365.25);
    const long long f = TruncateToInt((m + 1) * 30.6001);
    return static_cast<double>(b + e + f) + day + 1720994.5;
}

// Sidereal time in hours, [0, 24), Duffett-Smith section 12:
//   t = JD + hourOffset / 24 (Greenwich time), JD0 = 0h of t's day, T = (JD0 - 2451545) / 36525,
//   T0 = 6.697374558 + 2400.051336 T + 0.000025862 T^2 hours (Greenwich sidereal time at 0h),
//   S = 1.002737909 * 24 (t - JD0) - longitude / 15 + T0, longitude in degrees, west positive.
// hourOffset / 24 is a floating division: a one-hour offset moves t by 1/24 day.
double LocalSiderealTime(int year, int month, double day, int hourOffset, double longitude) {
    const double jd = JulianDate(year, month, day);
    const double t = jd + hourOffset / 24.0;
    const double jd0 = TruncateToInt(t + 0.5) - 0.5;
    const double centuries = (jd0 - 2451545.0) / 36525.0;
    const double t0 = (centuries * 0.000025862 + 2400.051336) * centuries + 6.697374558;
    const double s = (t - jd0) * 24 * 1.002737909 - longitude / 15 + t0;
    return ReduceToRange(s, 24.0);
}
