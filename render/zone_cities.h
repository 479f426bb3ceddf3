// The cities that the system's time-zone database lists with coordinates (tzdata's zone1970.tab):
// one row a zone, its name taken from the zone's last part ("America/New_York" gives "New York"),
// its principal place's latitude and longitude.
#pragma once

#include <istream>
#include <optional>
#include <string>
#include <vector>

inline constexpr const char* ZoneTablePath = "/usr/share/zoneinfo/zone1970.tab";

struct ZoneCity {
    std::string name;            // "New York"
    std::string zone;            // "America/New_York"
    double latitude = 0.0;       // degrees, north positive
    double longitudeEast = 0.0;  // degrees, east positive
};

// The rows of a zone1970.tab text, sorted by name. Comment lines and rows whose coordinates are
// not ISO 6709 (+DDMM+DDDMM or +DDMMSS+DDDMMSS) are skipped.
std::vector<ZoneCity> ParseZoneTable(std::istream& in);

// The system's table, read once (empty when the file is missing).
const std::vector<ZoneCity>& ZoneCities();

// The city called `name`, without regard to case, blanks and underscores alike; the zone's own
// name ("Europe/London") is accepted too.
std::optional<ZoneCity> FindZoneCity(const std::vector<ZoneCity>& cities, const std::string& name);

// Up to `count` city names closest to `name` (by edit distance, names that begin alike first).
std::vector<std::string> CloseZoneCities(const std::vector<ZoneCity>& cities,
                                         const std::string& name, std::size_t count = 5);
