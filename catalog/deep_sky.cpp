// The deep-sky catalogue: a count line, then "identifier ra dec magnitude name" per object.
#include <cstdio>
#include <cstdlib>

#include "catalog/loaders.h"
#include "catalog/sky_model.h"
#include "catalog/text_fields.h"

namespace {

// Lines left from the cursor to the end of the data (a line beginning with '%', or the end of
// the text). No count line can ask for more rows than this, so a wrong or hostile count never
// makes the table larger than the text could fill.
long RemainingLines(ResourceCursor cursor) {
    long lines = 0;
    const char* position = cursor.position;
    while (position != nullptr && position < cursor.end && *position != '%') {
        ++lines;
        while (position < cursor.end && *position != '\n') ++position;
        if (position < cursor.end) ++position;
    }
    return lines;
}

// The count on the first line, read as "%d" would read it; no digits or a negative number give
// 0, and a huge one is kept as LONG_MAX (then capped by the caller).
long ParseCount(const char* line) {
    char* after = nullptr;
    const long count = std::strtol(line, &after, 10);
    if (after == line || count < 0) return 0;
    return count;
}

}  // namespace

// Sizes DeepSkyTable by the count line of `text` and fills it, one row per object line:
// identifier (first 9 characters kept), right ascension (hours), declination (degrees), visual
// magnitude, name (first 29 characters kept, '_' turned into spaces), every object hidden.
// The first line that does not give all five fields, or gives a value that is not a finite
// number, ends the load; so does reaching the count. DeepSkyCount is the number of rows filled.
// The table is never larger than the number of lines the text really holds. A missing text
// loads nothing.
void LoadDeepSkyCatalogue(const ResourceText& text) {
    if (text.data == nullptr) return;
    ResourceCursor cursor = OpenResource(text);
    char line[LineBufferSize];
    char identifier[LineBufferSize];
    char name[LineBufferSize];

    long rows = 0;
    if (ReadResourceLine(cursor, line)) rows = ParseCount(line);
    const long available = RemainingLines(cursor);
    if (rows > available) rows = available;
    DeepSkyTable.assign(static_cast<std::size_t>(rows), DeepSkyObject{});

    long i = 0;
    while (ReadResourceLine(cursor, line)) {
        if (i >= rows) break;
        double rightAscension = 0, declination = 0, magnitude = 0;
        const int fields = std::sscanf(line, "%199s %lf %lf %lf %199s", identifier, &rightAscension,
                                       &declination, &magnitude, name);
        if (fields != 5 || !AllFinite(rightAscension, declination, magnitude)) break;
        DeepSkyObject& object = DeepSkyTable[static_cast<std::size_t>(i)];
        CopyCut(object.identifier, sizeof object.identifier, identifier);
        CopyCut(object.name, sizeof object.name, name);
        UnderscoresToSpaces(object.name);
        object.rightAscension = rightAscension;
        object.declination = declination;
        object.magnitude = magnitude;
        object.shown = false;
        ++i;
    }
    DeepSkyCount = static_cast<int>(i);
}
