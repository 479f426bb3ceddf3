// The settings dialog's latitude entry beyond what its digits-only box lets a user type: what it
// shows, and how it reads any text.
#include "shell/latitude_entry.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

TEST(LatitudeEntry, ShowsTheMagnitudeRoundedAsPrintfRoundsAndSForBelowZeroOnly) {
    EXPECT_EQ(FormatLatitudeEntry(30.6), "31");
    EXPECT_EQ(FormatLatitudeEntry(-33.0), "33");
    EXPECT_EQ(FormatLatitudeEntry(2.5), "2");  // an exact half goes to the even neighbour
    EXPECT_TRUE(LatitudeSelectsSouth(-33.0));
    EXPECT_FALSE(LatitudeSelectsSouth(-0.0));
    EXPECT_FALSE(LatitudeSelectsSouth(51.5));
}

// The first number as "%lf" reads it, its magnitude, within 90; not a number is rejected rather
// than stored.
TEST(LatitudeEntry, ReadsTheFirstNumberAndRejectsAnythingElse) {
    const struct {
        std::string text;
        bool south;
        std::optional<double> latitude;
    } rows[] = {
        {"  45xyz", false, 45.0},
        {"-33", false, 33.0},  // the hemisphere box gives the sign
        {"12.75", true, -12.75},
        {"90", false, 89.9999},
        {"90.0001", false, std::nullopt},
        {"   ", true, std::nullopt},
        {"north", false, std::nullopt},
        {"1e400", false, std::nullopt},
        {std::string(2000, '9'), false, std::nullopt},
        {"nan", false, std::nullopt},
        {"-nan", true, std::nullopt},
        {std::string(998, '0') + "45", false, 4.0},  // at most 999 characters are read
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text.substr(0, 20));
        EXPECT_EQ(ParseLatitudeEntry(row.text, row.south), row.latitude);
    }
}

}  // namespace
