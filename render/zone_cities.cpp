// Reading zone1970.tab and finding a city in it.
#include "render/zone_cities.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

namespace {

// One ISO 6709 coordinate at `at`: a sign, then `degreeDigits` digits of degrees, two of minutes
// and, when `withSeconds`, two of seconds.
std::optional<double> Iso6709(const std::string& text, std::size_t at, int degreeDigits,
                              bool withSeconds) {
    const std::size_t length = 1 + degreeDigits + 2 + (withSeconds ? 2 : 0);
    if (at + length > text.size() || (text[at] != '+' && text[at] != '-')) return std::nullopt;
    for (std::size_t i = at + 1; i < at + length; ++i)
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
    const double degrees = std::stoi(text.substr(at + 1, degreeDigits));
    const double minutes = std::stoi(text.substr(at + 1 + degreeDigits, 2));
    const double seconds = withSeconds ? std::stoi(text.substr(at + 3 + degreeDigits, 2)) : 0;
    const double value = degrees + minutes / 60.0 + seconds / 3600.0;
    return text[at] == '-' ? -value : value;
}

// Lower case, with underscores read as blanks.
std::string Folded(const std::string& text) {
    std::string folded;
    for (char c : text)
        folded += c == '_' ? ' ' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return folded;
}

std::size_t EditDistance(const std::string& a, const std::string& b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
}

}  // namespace

std::vector<ZoneCity> ParseZoneTable(std::istream& in) {
    std::vector<ZoneCity> cities;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string codes, coordinates, zone;
        if (!std::getline(fields, codes, '\t') || !std::getline(fields, coordinates, '\t') ||
            !std::getline(fields, zone, '\t'))
            continue;
        const bool withSeconds = coordinates.size() == 15;
        if (coordinates.size() != 11 && !withSeconds) continue;
        const std::size_t split = withSeconds ? 7 : 5;
        const auto latitude = Iso6709(coordinates, 0, 2, withSeconds);
        const auto longitude = Iso6709(coordinates, split, 3, withSeconds);
        if (!latitude || !longitude || zone.empty()) continue;
        std::string name = zone.substr(zone.rfind('/') + 1);
        std::replace(name.begin(), name.end(), '_', ' ');
        cities.push_back({name, zone, *latitude, *longitude});
    }
    std::sort(cities.begin(), cities.end(),
              [](const ZoneCity& a, const ZoneCity& b) { return a.name < b.name; });
    return cities;
}

const std::vector<ZoneCity>& ZoneCities() {
    static const std::vector<ZoneCity> cities = [] {
        std::ifstream in(ZoneTablePath);
        return ParseZoneTable(in);
    }();
    return cities;
}

std::optional<ZoneCity> FindZoneCity(const std::vector<ZoneCity>& cities, const std::string& name) {
    const std::string wanted = Folded(name);
    for (const ZoneCity& city : cities)
        if (Folded(city.name) == wanted || Folded(city.zone) == wanted) return city;
    return std::nullopt;
}

std::vector<std::string> CloseZoneCities(const std::vector<ZoneCity>& cities,
                                         const std::string& name, std::size_t count) {
    const std::string wanted = Folded(name);
    std::vector<std::pair<std::size_t, std::string>> ranked;
    for (const ZoneCity& city : cities) {
        const std::string folded = Folded(city.name);
        const std::size_t distance = EditDistance(wanted, folded);
        const bool prefix = !wanted.empty() && folded.rfind(wanted.substr(0, 3), 0) == 0;
        ranked.emplace_back(prefix ? distance / 2 : distance, city.name);
    }
    std::sort(ranked.begin(), ranked.end());
    std::vector<std::string> names;
    for (std::size_t i = 0; i < ranked.size() && i < count; ++i) names.push_back(ranked[i].second);
    return names;
}
