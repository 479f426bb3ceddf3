// The three catalogue texts compiled into the program, and the line reader over them.
#pragma once

#include <cstddef>
#include <string_view>

inline constexpr int LineBufferSize = 200;

// A catalogue text held in memory; `data` is null when the text could not be found.
struct ResourceText {
    const char* data = nullptr;
    std::size_t size = 0;
};

// The reading position in a text. The reader never goes past `end`.
struct ResourceCursor {
    const char* position = nullptr;
    const char* end = nullptr;
};

// The compiled-in text of "STARSDATA", "CONSTELLATIONSDATA", "DEEPSKYDATA", "DESIGNATIONSDATA",
// "MILKYWAYDATA" or "BOUNDARIESDATA"; an unknown name gives a text with null data.
ResourceText FindTextResource(std::string_view name);

// A cursor at the first character of a text.
ResourceCursor OpenResource(const ResourceText& text);

// Reads the next line into `buffer` (LineBufferSize characters), up to and not including the line
// feed; a carriage return stays at its end. Returns false, touching neither cursor nor buffer,
// when the line begins with '%' or the text is exhausted. A line longer than the buffer is cut to
// LineBufferSize - 1 characters and the rest of it skipped.
bool ReadResourceLine(ResourceCursor& cursor, char* buffer);
