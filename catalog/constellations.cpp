// Constellation figures: blocks of a header line "Name Abr", point lines "D 1234" / "M 1234",
// and a terminator line; then the link from every star to the constellation its name ends in.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "catalog/loaders.h"
#include "catalog/sky_model.h"
#include "catalog/text_fields.h"

namespace {

// Reads a point line as a letter token followed by an integer, as "%s %d" would, but without
// scanf's undefined behaviour on a number too large for an int: such a number is kept as
// LONG_MIN/LONG_MAX and later refused as out of range. Returns false unless both convert.
bool ParsePointLine(const char* line, char* token, long& number) {
    int consumed = 0;
    if (std::sscanf(line, "%199s%n", token, &consumed) != 1) return false;
    const char* digits = line + consumed;
    char* after = nullptr;
    number = std::strtol(digits, &after, 10);
    return after != digits;
}

}  // namespace

// Fills ConstellationTable rows 0..ConstellationCount-1 from `text` and sets inFigure of every
// star a figure names. For each block: the header's two tokens become `name` (first 29
// characters kept) and `abbreviation` (first 4); a token that is missing leaves the field as it
// was. Then each line "letter number" adds a point, drawn from the previous one when the letter
// is an upper-case 'D', moved to otherwise. The first line that is not such a line ends the
// block. At most MaxConstellations blocks are read.
// Points that cannot be stored are dropped and the block is read on: numbers outside
// 1..MaxStarNumber, and points beyond MaxFigurePoints. Since the segment into a dropped point
// no longer exists, the next stored point after a dropped one is a move, never a draw.
// A missing text loads nothing and leaves ConstellationCount as it was.
void LoadConstellations(const ResourceText& text) {
    if (text.data == nullptr) return;
    ResourceCursor cursor = OpenResource(text);
    char line[LineBufferSize];
    char first[LineBufferSize];
    char second[LineBufferSize];

    int row = 0;
    while (ReadResourceLine(cursor, line)) {
        if (row >= MaxConstellations) break;
        Constellation& constellation = ConstellationTable[row];
        const int headerFields = std::sscanf(line, "%199s %199s", first, second);
        if (headerFields >= 1) CopyCut(constellation.name, sizeof constellation.name, first);
        if (headerFields >= 2) {
            CopyCut(constellation.abbreviation, sizeof constellation.abbreviation, second);
        }

        int count = 0;
        bool brokenLine = false;
        long number = 0;
        while (ReadResourceLine(cursor, line) && ParsePointLine(line, first, number)) {
            if (number < 1 || number > MaxStarNumber || count >= MaxFigurePoints) {
                brokenLine = true;
                continue;
            }
            constellation.drawFlags[count] = first[0] == 'D' && !brokenLine;
            constellation.points[count] = static_cast<int>(number);
            StarTable[number].inFigure = true;
            brokenLine = false;
            ++count;
        }
        constellation.pointCount = count;
        ++row;
    }
    ConstellationCount = row;
}

// Gives every star the first constellation row whose abbreviation equals the last three
// characters of the star's name (case-sensitive, whole string). Names shorter than three
// characters match nothing; a star that matches nothing keeps its constellationIndex.
void LinkStarsToConstellations() {
    int rows = ConstellationCount;
    if (rows < 0) rows = 0;
    if (rows > MaxConstellations) rows = MaxConstellations;
    for (int number = 1; number <= MaxStarNumber; ++number) {
        Star& star = StarTable[number];
        const std::size_t length = strnlen(star.name, sizeof star.name);
        if (length < 3 || length >= sizeof star.name) continue;
        const char* tail = star.name + length - 3;
        for (int row = 0; row < rows; ++row) {
            // Equal as whole strings: the three characters, then the abbreviation's end.
            const char* abbreviation = ConstellationTable[row].abbreviation;
            if (tail[0] == abbreviation[0] && tail[1] == abbreviation[1] &&
                tail[2] == abbreviation[2] && abbreviation[3] == '\0') {
                star.constellationIndex = row;
                break;
            }
        }
    }
}
