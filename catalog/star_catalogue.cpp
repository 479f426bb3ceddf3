// The star catalogue: one line per catalogue number, "number ra dec magnitude name", read into
// StarTable with the number as the row index.
#include <cstdio>
#include <cstring>

#include "base/messages.h"
#include "base/translate.h"
#include "catalog/loaders.h"
#include "catalog/sky_model.h"
#include "catalog/text_fields.h"

namespace {

// Stores a star's name token (underscores already turned into spaces) in its 24-byte field.
// A token too long for the field keeps its first characters and its last three, because the
// last three are the constellation abbreviation that LinkStarsToConstellations compares.
void StoreStarName(char (&field)[StarNameSize], const char* token) {
    const std::size_t length = std::strlen(token);
    constexpr std::size_t capacity = StarNameSize - 1;
    if (length <= capacity) {
        std::memcpy(field, token, length + 1);
        return;
    }
    constexpr std::size_t tail = 3;
    std::memcpy(field, token, capacity - tail);
    std::memcpy(field + capacity - tail, token + length - tail, tail);
    field[capacity] = '\0';
}

void ReportMessedUp(int expected, int found) {
    const std::string text = FormatText(
        VQ_FORMAT("Messages", "Star database appears messed up.  Expected:%1d.  Found:%1d"),
        expected, found);
    ShowMessage({ProductName, Latin1ToUtf8(text), MessageIcon::Error});
}

}  // namespace

// Fills StarTable rows 1..MaxStarNumber from `text`.
// Each line gives the catalogue number, right ascension (hours), declination (degrees, north
// positive), visual magnitude and the name token ('_' for space). Numbers must rise: a jump
// forward leaves the rows between at their defaults; a number that goes back, repeats or
// exceeds MaxStarNumber shows "Star database appears messed up" and ends the load with the rows
// read so far. A line without all five fields (or with a value that is not a finite number) is
// skipped but uses up one number. A missing text loads nothing.
void LoadStarCatalogue(const ResourceText& text) {
    if (text.data == nullptr) return;
    ResourceCursor cursor = OpenResource(text);
    char line[LineBufferSize];
    // The whole token of any line fits, so an over-long name is cut knowingly, never by scanf.
    char token[LineBufferSize];

    int expected = 1;
    while (expected <= MaxStarNumber) {
        if (!ReadResourceLine(cursor, line)) break;
        int number = 0;
        double rightAscension = 0, declination = 0, magnitude = 0;
        const int fields = std::sscanf(line, "%4d %lf %lf %lf %199s", &number, &rightAscension,
                                       &declination, &magnitude, token);
        if (fields < 5 || !AllFinite(rightAscension, declination, magnitude)) {
            ++expected;
            continue;
        }
        if (number >= expected && number <= MaxStarNumber) expected = number;
        if (expected != number) {
            ReportMessedUp(expected, number);
            return;
        }
        UnderscoresToSpaces(token);
        Star& star = StarTable[number];
        StoreStarName(star.name, token);
        star.magnitude = magnitude;
        star.rightAscension = rightAscension;
        star.declination = declination;
        ++expected;
    }
}
