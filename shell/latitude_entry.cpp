// Latitude entry of the settings dialog.
#include "shell/latitude_entry.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "chart/view_settings.h"

namespace {

// The dialog never stores a pole: 90 moves inward by this much (to 89.9999).
inline constexpr double PoleOffset = 0.0001;

}  // namespace

// The magnitude with "%1.0f": whole degrees, rounded as printf rounds (30.6 shows 31, and an
// exact half goes to the even neighbour). The sign is shown by the hemisphere box instead.
std::string FormatLatitudeEntry(double latitude) {
    char text[32];
    std::snprintf(text, sizeof text, "%1.0f", std::fabs(latitude));
    return text;
}

// Only a latitude below zero selects "S": -0.0 compares equal to zero and shows "N".
bool LatitudeSelectsSouth(double latitude) {
    return latitude < 0;
}

// Reads the first number of the entry as "%lf" reads it (leading white space skipped, the rest
// ignored) and takes its magnitude. No number, or a magnitude above 90, is rejected. A "nan" the
// reader would accept is rejected too, so a latitude that is not a number can never be stored.
// Exactly 90 becomes 89.9999, and "S" makes the value negative, so 0 with "S" gives -0.0.
std::optional<double> ParseLatitudeEntry(std::string_view text, bool south) {
    char buffer[LatitudeEntryMaxLength + 1];
    const std::size_t length = std::min<std::size_t>(text.size(), LatitudeEntryMaxLength);
    text.copy(buffer, length);
    buffer[length] = '\0';

    double value = 0;
    if (std::sscanf(buffer, "%lf", &value) != 1) return std::nullopt;
    value = std::fabs(value);
    if (!(value <= PoleLatitude)) return std::nullopt;  // above 90, or not a number
    if (value == PoleLatitude) value = PoleLatitude - PoleOffset;
    if (south) value = -value;
    return value;
}
