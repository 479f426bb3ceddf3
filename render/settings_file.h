// The one-line settings file "Settings.dat" in the current directory: the latitude in degrees,
// north positive, written with "%lf\n".
#pragma once

#include <optional>
#include <string>
#include <string_view>

inline constexpr const char* SettingsFileName = "Settings.dat";

struct SettingsReadResult {
    bool opened = false;             // false: no file (the first run)
    std::optional<double> latitude;  // the first number, when it lies within -90..90
};

// The first number of a settings text, read as "%lf" reads it (leading white space skipped,
// anything after the number ignored), when it lies within -90..90 inclusive.
std::optional<double> ParseSettingsText(std::string_view text);

// Reads the settings file at `path`: only a regular file, or a link to one, counts as opened.
SettingsReadResult ReadSettingsFile(const std::string& path = SettingsFileName);

// Writes the latitude as "%lf\n" with ReplaceFileContents (render/file_output.h): only over a
// regular file, through a link to the file it leads to, whole or not at all where the folder
// allows. Returns false when the file cannot be written.
bool WriteSettingsFile(double latitude, const std::string& path = SettingsFileName);
