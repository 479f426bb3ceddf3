// Small helpers the three catalogue loaders share for moving parsed tokens into the fixed-size
// text fields of the sky model. Internal to the catalogue loaders.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstring>

// Copies at most `size` - 1 characters of `token` into `field` and NUL-terminates it: a token
// longer than the field keeps its beginning.
inline void CopyCut(char* field, std::size_t size, const char* token) {
    std::size_t length = std::strlen(token);
    if (length > size - 1) length = size - 1;
    std::memcpy(field, token, length);
    field[length] = '\0';
}

// The catalogue texts write '_' where a name has a space.
inline void UnderscoresToSpaces(char* text) {
    for (; *text != '\0'; ++text) {
        if (*text == '_') *text = ' ';
    }
}

// scanf's %lf accepts "nan" and "inf"; a catalogue value must be an ordinary number, or the
// chart would carry it into every projection.
inline bool AllFinite(double a, double b, double c) {
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c);
}
