// Time base of the astronomical computation: range reduction, truncation, decimal hours, Julian
// dates and sidereal time.
//
// Dates are year (astronomical numbering), month 1..12 and day of the month with the time of day
// as its fraction (14.5 is the 14th at 12h; day 0 is the last day of the previous month). The
// reformed calendar applies from 1582 October 15.0; earlier dates are Julian-calendar dates.
#pragma once

// x reduced into [0, m): fmod, then m added to a negative remainder. A negative remainder smaller
// than the rounding step of m gives exactly m.
double ReduceToRange(double x, double m);

// The integer part of x, rounded toward zero. Values beyond the int range saturate at INT_MIN or
// INT_MAX; NaN gives 0.
int TruncateToInt(double x);

// hours + (minutes + seconds / 60) / 60.
double DecimalHours(int hours, int minutes, double seconds);

// Julian date of a calendar date (Duffett-Smith's method). A month outside 1..12 shows
// "JulianDate: Month out-of-bounds" through ErrorBox and gives 0.0.
double JulianDate(int year, int month, double day);

// Sidereal time in hours, [0, 24), for a clock time `hourOffset` hours behind Greenwich and a
// longitude in degrees counted positive toward the west. With both 0 it is Greenwich sidereal
// time for the date taken as Greenwich time.
double LocalSiderealTime(int year, int month, double day, int hourOffset, double longitude);
