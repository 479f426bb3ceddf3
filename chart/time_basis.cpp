// Calendar arithmetic of the time basis and the caption's wording of places and offsets.
#include "chart/time_basis.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "base/translate.h"

// Howard Hinnant's days_from_civil: the proleptic Gregorian calendar counted in 400-year eras of
// 146097 days, the year taken from March so that the leap day ends it.
long long DaysFromCivil(int year, int month, int day) {
    const long long y = static_cast<long long>(year) - (month <= 2 ? 1 : 0);
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yearOfEra = y - era * 400;  // [0, 399]
    const long long dayOfYear =
        (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;  // [0, 365]
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// The inverse, civil_from_days.
void CivilFromDays(long long days, int& year, int& month, int& day) {
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long mp = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

// An instant whose clock reading maps back to it has found its offset. In the second pass of an
// hour that an autumn change repeats, the reading maps to the first pass instead, and no offset
// agrees: the offset is then the one in force after the change, a few hours on.
int CivilTimeRule::OffsetAtUniversal(const SystemTime& universal) const {
    int offset = OffsetSeconds(universal);
    for (int round = 0; round < 3; ++round) {
        const int next = OffsetSeconds(ShiftSystemTime(universal, offset));
        if (next == offset) return offset;
        offset = next;
    }
    return OffsetSeconds(ShiftSystemTime(universal, 6 * 3600));
}

long long SecondsBetween(const SystemTime& from, const SystemTime& to) {
    auto seconds = [](const SystemTime& t) {
        return DaysFromCivil(t.year, t.month, t.day) * 86400LL + t.hour * 3600LL + t.minute * 60LL +
               t.second;
    };
    return seconds(to) - seconds(from);
}

SystemTime ShiftSystemTime(const SystemTime& time, long long seconds) {
    constexpr long long Day = 86400;
    const long long total = DaysFromCivil(time.year, time.month, time.day) * Day +
                            time.hour * 3600LL + time.minute * 60LL + time.second + seconds;
    long long days = total / Day;
    long long rest = total % Day;
    if (rest < 0) {
        rest += Day;
        --days;
    }
    SystemTime shifted = time;
    CivilFromDays(days, shifted.year, shifted.month, shifted.day);
    shifted.hour = static_cast<int>(rest / 3600);
    shifted.minute = static_cast<int>(rest / 60 % 60);
    shifted.second = static_cast<int>(rest % 60);
    shifted.dayOfWeek = static_cast<int>(((days + 4) % 7 + 7) % 7);  // 1970-01-01 was a Thursday
    return shifted;
}

std::string UtcOffsetText(int offsetSeconds) {
    if (offsetSeconds == 0) return "UTC";
    const int minutes = std::abs(offsetSeconds) / 60;
    char text[32];
    if (minutes % 60 == 0)
        std::snprintf(text, sizeof text, "UTC%c%d", offsetSeconds < 0 ? '-' : '+', minutes / 60);
    else
        std::snprintf(text, sizeof text, "UTC%c%d:%02d", offsetSeconds < 0 ? '-' : '+',
                      minutes / 60, minutes % 60);
    return text;
}

namespace {

// The hemisphere letters are the compass's, in the user's language.
std::string HemisphereText(double degrees, const char* positive, const char* negative) {
    // Rounded first, so that -0.001 reads "0.00 N" rather than "0.00 S".
    const double rounded = std::round(degrees * 100.0) / 100.0;
    return FormatDecimal(std::fabs(rounded), 2) + "\xB0 " +
           Translate("Compass", rounded < 0 ? negative : positive);
}

}  // namespace

std::string LatitudeText(double degrees) {
    return HemisphereText(degrees, "N", "S");
}

std::string LongitudeText(double degreesEast) {
    return HemisphereText(degreesEast, "E", "W");
}

std::string MonthAbbreviation(int month) {
    static constexpr const char* Months[] = {
        VQ_TRANSLATE_NOOP("Months", "Jan"), VQ_TRANSLATE_NOOP("Months", "Feb"),
        VQ_TRANSLATE_NOOP("Months", "Mar"), VQ_TRANSLATE_NOOP("Months", "Apr"),
        VQ_TRANSLATE_NOOP("Months", "May"), VQ_TRANSLATE_NOOP("Months", "Jun"),
        VQ_TRANSLATE_NOOP("Months", "Jul"), VQ_TRANSLATE_NOOP("Months", "Aug"),
        VQ_TRANSLATE_NOOP("Months", "Sep"), VQ_TRANSLATE_NOOP("Months", "Oct"),
        VQ_TRANSLATE_NOOP("Months", "Nov"), VQ_TRANSLATE_NOOP("Months", "Dec")};
    return Translate("Months", Months[month >= 1 && month <= 12 ? month - 1 : 0]);
}
