// The compiled-in catalogue texts and the line reader over them.
#include "catalog/resource_text.h"

#include <cstring>

// Generated from catalog/data/*.txt at build time; each array carries one extra NUL that the
// size does not count.
extern const char StarsText[];
extern const std::size_t StarsTextSize;
extern const char ConstellationsText[];
extern const std::size_t ConstellationsTextSize;
extern const char DeepSkyText[];
extern const std::size_t DeepSkyTextSize;
extern const char DesignationsText[];
extern const std::size_t DesignationsTextSize;
extern const char MilkyWayText[];
extern const std::size_t MilkyWayTextSize;
extern const char BoundariesText[];
extern const std::size_t BoundariesTextSize;

// Looks a catalogue up by its resource name ("STARSDATA", "CONSTELLATIONSDATA",
// "DEEPSKYDATA", "DESIGNATIONSDATA", the designations that proper names displace, and the
// outlines "MILKYWAYDATA" and "BOUNDARIESDATA"). The texts
// live for the whole run and are never written. An unknown name gives null data, which every loader
// takes as "nothing to load".
ResourceText FindTextResource(std::string_view name) {
    if (name == "STARSDATA") return {StarsText, StarsTextSize};
    if (name == "CONSTELLATIONSDATA") return {ConstellationsText, ConstellationsTextSize};
    if (name == "DEEPSKYDATA") return {DeepSkyText, DeepSkyTextSize};
    if (name == "DESIGNATIONSDATA") return {DesignationsText, DesignationsTextSize};
    if (name == "MILKYWAYDATA") return {MilkyWayText, MilkyWayTextSize};
    if (name == "BOUNDARIESDATA") return {BoundariesText, BoundariesTextSize};
    return {};
}

// A cursor spanning the whole text; a missing text gives an empty cursor, at its end at once.
ResourceCursor OpenResource(const ResourceText& text) {
    if (text.data == nullptr) return {};
    return {text.data, text.data + text.size};
}

// Copies the line at the cursor into `buffer` (LineBufferSize bytes), NUL-terminated, without
// its line feed; a carriage return before the feed is kept, and the parsers read it as white
// space. A line of LineBufferSize characters or more is cut to LineBufferSize - 1 and the rest
// of it is skipped, so the next call starts on the next line. The data ends at a line that
// begins with '%' or at the end of the text, whichever comes first; there the call returns
// false and touches neither cursor nor buffer, however often it is repeated.
bool ReadResourceLine(ResourceCursor& cursor, char* buffer) {
    const char* position = cursor.position;
    const char* end = cursor.end;
    if (position == nullptr || position >= end || *position == '%') return false;

    const std::size_t available = static_cast<std::size_t>(end - position);
    const void* feed = std::memchr(position, '\n', available);
    const char* lineEnd = feed != nullptr ? static_cast<const char*>(feed) : end;
    std::size_t length = static_cast<std::size_t>(lineEnd - position);
    if (length > static_cast<std::size_t>(LineBufferSize - 1)) length = LineBufferSize - 1;

    std::memcpy(buffer, position, length);
    buffer[length] = '\0';
    cursor.position = feed != nullptr ? lineEnd + 1 : end;
    return true;
}
