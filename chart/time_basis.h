// The time basis of a chart: how the picker's date and time become Universal Time, and the
// caption lines that say so. Plain values only; the time-zone rules themselves come from outside
// the core through CivilTimeRule.
#pragma once

#include <string>
#include <vector>

#include "chart/layout.h"

// The civil time of a place: how far its clocks run ahead of UT at a given local date and time.
// A local time that a daylight-saving change skips or repeats gets whatever offset the rule's
// owner resolves it to; the pass uses that offset and the caption shows it.
class CivilTimeRule {
  public:
    virtual ~CivilTimeRule() = default;
    // Seconds the place's clocks are ahead of UT at the local date and time `civil` (east of
    // Greenwich positive, e.g. 3600 for British Summer Time).
    virtual int OffsetSeconds(const SystemTime& civil) const = 0;
    // Seconds the clocks are ahead of UT at the instant `universal` (UT): the offset in force
    // then, also within an hour that an autumn change repeats. The default asks OffsetSeconds of
    // the clock reading that an offset would give until the two agree.
    virtual int OffsetAtUniversal(const SystemTime& universal) const;
};

// `time` moved by `seconds` (any sign), carrying across midnight and the ends of months and
// years in the Gregorian calendar. The day of the week follows; milliseconds are kept.
SystemTime ShiftSystemTime(const SystemTime& time, long long seconds);

// Seconds from `from` to `to` on the calendar (negative when `to` comes first); milliseconds
// are left out.
long long SecondsBetween(const SystemTime& from, const SystemTime& to);

// Days since 1970-01-01 of a Gregorian date (negative before it), and the date back from them.
long long DaysFromCivil(int year, int month, int day);
void CivilFromDays(long long days, int& year, int& month, int& day);

// "UTC+1", "UTC-3", "UTC+5:30", "UTC+14"; "UTC" for 0.
std::string UtcOffsetText(int offsetSeconds);

// A latitude or a longitude (degrees; longitude positive east) as the caption writes it, to two
// decimals with its hemisphere: "51.51\xB0 N", "0.13\xB0 W" (Latin-1 degree sign).
std::string LatitudeText(double degrees);
std::string LongitudeText(double degreesEast);

// The short name of a month, 1 to 12 ("Jan" to "Dec"; January for any other), in the user's
// language.
std::string MonthAbbreviation(int month);
