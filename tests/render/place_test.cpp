// A place as users and tzdata write it, and the zones' clocks as the pass's time basis: both
// daylight-saving changes of London, a southern zone, a half-hour zone and UTC+14.
#include "render/place.h"

#include <gtest/gtest.h>

#include <sstream>

#include "render/zone_cities.h"

TEST(Place, ZoneOffsetsAtLocalTimes) {
    // clang-format off
    const struct { const char* zone; SystemTime civil; int offset; } rows[] = {
        {"Europe/London", {2024, 3, 0, 31, 0, 30, 0, 0}, 0},
        {"Europe/London", {2024, 3, 0, 31, 1, 30, 0, 0}, 0},      // skipped: as Qt places it
        {"Europe/London", {2024, 3, 0, 31, 2, 30, 0, 0}, 3600},
        {"Europe/London", {2024, 10, 0, 27, 0, 59, 59, 0}, 3600},
        {"Europe/London", {2024, 10, 0, 27, 1, 30, 0, 0}, 0},     // repeated: Qt takes GMT
        {"Europe/London", {2024, 10, 0, 27, 2, 0, 0, 0}, 0},
        {"Australia/Sydney", {2024, 1, 0, 15, 21, 0, 0, 0}, 11 * 3600},
        {"Australia/Sydney", {2024, 7, 0, 15, 21, 0, 0, 0}, 10 * 3600},
        {"Asia/Kolkata", {2024, 7, 0, 15, 21, 0, 0, 0}, 19800},
        {"Pacific/Kiritimati", {2025, 1, 0, 1, 5, 0, 0, 0}, 14 * 3600},
        {"UTC-03:30", {2024, 7, 0, 15, 21, 0, 0, 0}, -12600},
    };
    // clang-format on
    for (const auto& row : rows) {
        const std::optional<QTimeZone> zone = ZoneFromName(row.zone);
        ASSERT_TRUE(zone) << row.zone;
        EXPECT_EQ(QtCivilTime(*zone).OffsetSeconds(row.civil), row.offset)
            << row.zone << " " << row.civil.month << "-" << row.civil.day << " " << row.civil.hour;
    }
    ChartView view;
    ApplyPlace(view, Place{151.2093, "UTC+5", "Sydney \xC3\xA9"});
    EXPECT_EQ(view.zoneName + " " + view.placeName, "UTC+5 Sydney \xE9");  // Latin-1 for the chart
    EXPECT_EQ(view.longitude, -151.2093);
}

TEST(Place, TypedCoordinatesZonesAndCities) {
    const std::pair<const char*, std::optional<double>> longitudes[] = {
        {"74.006W", -74.006},
        {"0.13E", 0.13},
        {" 0.1275 w ", -0.1275},
        {"-180", -180.0},
        {"180", 180.0},
        {"+12.5", 12.5},
        {"151.2\xC2\xB0 E", 151.2},
        {"180.0001", {}},
        {"-5 W", {}},
        {"5 N", {}},
        {"1e2", {}},
        {"", {}},
        {"W", {}},
    };
    for (const auto& [text, value] : longitudes) EXPECT_EQ(ParseLongitudeText(text), value) << text;
    EXPECT_EQ(ParseLatitudeText("33.8688 s"), -33.8688);
    EXPECT_EQ(ParseLatitudeText("90.0001 N"), std::nullopt);
    for (const char* bad :
         {"UTC+14:01", "UTC+5:3", "UTC+", "Mars/Base", "", "UTC5", "../../etc/passwd"})
        EXPECT_FALSE(ZoneFromName(bad)) << bad;

    std::istringstream table(
        "# comment\n"
        "GB,GG,IM,JE\t+513030-0000731\tEurope/London\n"
        "US\t+404251-0740023\tAmerica/New_York\tEastern (most areas)\n"
        "AR\t-3436-05827\tAmerica/Argentina/Buenos_Aires\n"
        "XX\t+51-000\tBroken/Row\n");
    const std::vector<ZoneCity> cities = ParseZoneTable(table);
    ASSERT_EQ(cities.size(), 3u);
    EXPECT_EQ(cities[0].name + " " + cities[0].zone, "Buenos Aires America/Argentina/Buenos_Aires");
    EXPECT_NEAR(cities[0].latitude, -34.6, 1e-9);
    EXPECT_NEAR(cities[0].longitudeEast, -58.45, 1e-9);
    EXPECT_NEAR(cities[1].latitude, 51 + 30 / 60.0 + 30 / 3600.0, 1e-9);
    EXPECT_NEAR(cities[1].longitudeEast, -(7 / 60.0 + 31 / 3600.0), 1e-9);
    EXPECT_EQ(FindZoneCity(cities, "new_YORK")->zone, "America/New_York");
    EXPECT_EQ(FindZoneCity(cities, "europe/london")->name, "London");
    EXPECT_FALSE(FindZoneCity(cities, "Lndon"));
    EXPECT_EQ(CloseZoneCities(cities, "Lndon", 1), std::vector<std::string>{"London"});
    EXPECT_GT(ZoneCities().size(), 250u);  // the system's table, from tzdata
}
