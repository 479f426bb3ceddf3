// The table of designations displaced by proper names.
#include "catalog/designations.h"

#include <cstdio>

#include "catalog/sky_model.h"
#include "catalog/text_fields.h"

std::vector<StarDesignation> LoadDesignations(const ResourceText& text) {
    std::vector<StarDesignation> table;
    ResourceCursor cursor = OpenResource(text);
    char line[LineBufferSize];
    while (ReadResourceLine(cursor, line)) {
        int number = 0;
        char token[LineBufferSize];
        if (std::sscanf(line, "%d %199s", &number, token) != 2) continue;
        if (number < 1 || number > MaxStarNumber) continue;
        UnderscoresToSpaces(token);
        table.push_back({number, token});
    }
    return table;
}
