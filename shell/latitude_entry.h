// The settings dialog's latitude entry without the dialog: what the edit box and the hemisphere
// box show for a stored latitude, and the check of what the user typed.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/translate.h"

// In English; the settings dialog shows it in the user's language.
inline constexpr const char* LatitudeRangeMessage =
    VQ_TRANSLATE_NOOP("SettingsDialog", "Lattitude must be between 0 and 90 degrees");

// The edit box holds at most this many characters of the entry.
inline constexpr int LatitudeEntryMaxLength = 999;

// The edit box's text for a latitude (degrees, north positive): its magnitude in whole degrees.
std::string FormatLatitudeEntry(double latitude);

// Whether the hemisphere box shows "S" for a latitude.
bool LatitudeSelectsSouth(double latitude);

// The latitude that an entry and a hemisphere choice give, or nothing when the entry is rejected
// (no number, or a magnitude above 90).
std::optional<double> ParseLatitudeEntry(std::string_view text, bool south);
