// The time basis of the pass: the picker's civil time carried to the UT date, the longitude into
// the sidereal time, and the caption lines that name them; without a place, the pass as before.
#include "chart/time_basis.h"

#include <gtest/gtest.h>

#include "astro/calendar.h"
#include "chart/chart_pass.h"
#include "chart_fixture.h"

TEST_F(ChartFixture, PrepareSkyCarriesCivilTimeToUtAndWritesThePlace) {
    // clang-format off
    const struct { SystemTime civil; int offset; double longitudeWest; SystemTime ut; } rows[] = {
        {Evening, 0, 0, Evening},                                                 // no place
        {{2024, 3, 5, 1, 0, 30, 0, 0}, 3600, 0.1275, {2024, 2, 4, 29, 23, 30, 0, 0}},  // 29 Feb
        {{2024, 12, 2, 31, 20, 0, 0, 0}, -5 * 3600, 74.006, {2025, 1, 3, 1, 1, 0, 0, 0}},
        {{2025, 1, 3, 1, 5, 0, 0, 0}, 14 * 3600, 157.4, {2024, 12, 2, 31, 15, 0, 0, 0}},
        {{2024, 6, 6, 1, 3, 10, 20, 0}, 19800, -180.0, {2024, 5, 5, 31, 21, 40, 20, 0}},
        {{2024, 6, 6, 1, 3, 10, 20, 0}, 0, 180.0, {2024, 6, 6, 1, 3, 10, 20, 0}},
    };
    // clang-format on
    for (const auto& row : rows) {
        ChartView view;
        view.utcOffsetSeconds = row.offset;
        view.longitude = row.longitudeWest;
        const Observer observer = PrepareSky(row.civil, view, 51.5);
        const SystemTime& ut = observer.universalTime;
        EXPECT_EQ(std::tie(ut.year, ut.month, ut.dayOfWeek, ut.day, ut.hour, ut.minute, ut.second),
                  std::tie(row.ut.year, row.ut.month, row.ut.dayOfWeek, row.ut.day, row.ut.hour,
                           row.ut.minute, row.ut.second))
            << row.civil.day << " " << row.offset;
        const double day =
            row.ut.day + DecimalHours(row.ut.hour, row.ut.minute, row.ut.second) / 24;
        EXPECT_EQ(observer.siderealTime,
                  LocalSiderealTime(row.ut.year, row.ut.month, day, 0, row.longitudeWest));
        EXPECT_TRUE(PlaceCaptionLines(view, observer).empty());  // no place: no caption
    }
    ChartView london;
    london.placeCaption = true;
    london.longitude = 0.1275;
    london.placeName = "London";
    london.zoneName = "Europe/London";
    london.utcOffsetSeconds = 3600;
    const Observer observer = PrepareSky(Evening, london, -33.856);
    EXPECT_EQ(
        PlaceCaptionLines(london, observer),
        (std::vector<std::string>{"London", "33.86\xB0 S  0.13\xB0 W", "Europe/London (UTC+1)"}));
    london.zoneName = "";
    london.placeName = "";
    london.longitude = -0.001;
    EXPECT_EQ(PlaceCaptionLines(london, observer),
              (std::vector<std::string>{"33.86\xB0 S  0.00\xB0 E", "UT"}));
    EXPECT_EQ(UtcOffsetText(-9000) + UtcOffsetText(19800) + UtcOffsetText(0),
              "UTC-2:30UTC+5:30UTC");
}
