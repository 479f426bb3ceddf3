// The names of the sky model's objects and the look-ups over them.
#include "chart/object_index.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <numeric>

#include "astro/orbits.h"
#include "catalog/sky_model.h"
#include "chart/chart_support.h"

namespace {

// The abbreviated Greek letters of the catalogue's designations.
constexpr const char* GreekLetters[] = {"Alp", "Bet", "Gam", "Del", "Eps", "Zet", "Eta", "The",
                                        "Iot", "Kap", "Lam", "Mu",  "Nu",  "Xi",  "Omi", "Pi",
                                        "Rho", "Sig", "Tau", "Ups", "Phi", "Chi", "Psi", "Ome"};

// Constellations whose table name is not the spelling a user types, and the Serpens row that
// holds the tail.
constexpr std::pair<const char*, const char*> ConstellationAliases[] = {
    {"Orian", "Orion"},
    {"Columbia", "Columba"},
    {"Triagulum_Australe", "Triangulum Australe"},
    {"Serpens", "Serpens Cauda"},
};

std::string Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::string WithSpaces(std::string text) {
    std::replace(text.begin(), text.end(), '_', ' ');
    return text;
}

template <std::size_t N>
std::string Field(const char (&field)[N]) {
    return std::string(field, strnlen(field, N));
}

bool AllOf(const std::string& text, int (*test)(int)) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [test](char c) {
        return test(static_cast<unsigned char>(c)) != 0;
    });
}

// The Bayer ("Alp Ori", "Kap1 Scl") and Flamsteed ("58 Ori") designations of a name in the
// catalogue's 10-character layout (Flamsteed number in 1-3, Greek letter in 4-6, its superscript
// digit in 7, constellation in 8-10, blanks elsewhere); empty where the name has none. Novae and
// clusters, whose names do not follow the layout, give neither.
struct Designations {
    std::string bayer;
    std::string flamsteed;
};
Designations ParseDesignation(std::string_view name) {
    if (name.size() != 10) return {};
    const std::string number = Trim(name.substr(0, 3));
    const std::string letter = Trim(name.substr(3, 3));
    const char digit = name[6];
    const std::string constellation = Trim(name.substr(7, 3));
    if (constellation.size() < 3 || !AllOf(constellation, std::isalpha)) return {};
    if (!number.empty() && !AllOf(number, std::isdigit)) return {};
    const bool greek = std::any_of(std::begin(GreekLetters), std::end(GreekLetters),
                                   [&](const char* g) { return letter == g; });
    if ((!letter.empty() && !greek) || (digit != ' ' && !std::isdigit(digit))) return {};
    Designations result;
    if (greek)
        result.bayer = letter + (digit == ' ' ? "" : std::string(1, digit)) + " " + constellation;
    if (!number.empty()) result.flamsteed = number + " " + constellation;
    return result;
}

// Case-insensitive order of display names.
bool NameBefore(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) <
               std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

std::string MatchKey(std::string_view name) {
    std::string key;
    for (char c : name) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (std::isalnum(u)) key.push_back(static_cast<char>(std::tolower(u)));
    }
    return key;
}

int EditDistance(std::string_view a, std::string_view b) {
    std::vector<int> row(b.size() + 1);
    std::iota(row.begin(), row.end(), 0);
    for (std::size_t i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = static_cast<int>(i);
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const int above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
}

void ObjectIndex::Add(std::string name, FoundObject object, int rank) {
    std::string key = MatchKey(name);
    if (key.empty()) return;
    entries_.push_back({std::move(name), std::move(key), object, rank});
}

ObjectIndex ObjectIndex::Build(const std::vector<StarDesignation>& designations) {
    ObjectIndex index;
    // Stars, brightest first, so that of two stars that share a designation the brighter is
    // the one found.
    std::vector<std::string> displaced(MaxStarNumber + 1);
    for (const StarDesignation& d : designations)
        if (d.number >= 1 && d.number <= MaxStarNumber) displaced[d.number] = d.designation;
    std::vector<int> numbers;
    for (int n = 1; n <= MaxStarNumber; ++n)
        if (StarTable[n].magnitude < UnloadedMagnitude) numbers.push_back(n);
    std::stable_sort(numbers.begin(), numbers.end(),
                     [](int a, int b) { return StarTable[a].magnitude < StarTable[b].magnitude; });
    index.starLabels_.resize(MaxStarNumber + 1);
    for (int n : numbers) {
        const std::string name = Field(StarTable[n].name);
        std::string proper;
        Designations d = ParseDesignation(name);
        if (!displaced[n].empty()) {
            // The proper name is what precedes the constellation abbreviation.
            proper = Trim(name.substr(0, name.size() >= 3 ? name.size() - 3 : 0));
            d = ParseDesignation(displaced[n]);
            index.Add(proper, {FoundKind::Star, n}, 0);
        }
        index.Add(d.bayer, {FoundKind::Star, n}, 1);
        index.Add(d.flamsteed, {FoundKind::Star, n}, 1);
        std::string& label = index.starLabels_[n];
        for (const std::string* choice : {&proper, &d.bayer, &d.flamsteed})
            if (label.empty()) label = *choice;
        if (label.empty()) label = "HR " + std::to_string(n);
    }
    for (int n = 1; n <= MaxStarNumber; ++n)
        if (StarTable[n].magnitude < UnloadedMagnitude)
            index.Add("HR " + std::to_string(n), {FoundKind::Star, n}, 2);

    const int deepSkyRows = std::min(DeepSkyCount, static_cast<int>(DeepSkyTable.size()));
    for (int row = 0; row < deepSkyRows; ++row) {
        const DeepSkyObject& object = DeepSkyTable[row];
        index.Add(Field(object.identifier), {FoundKind::DeepSky, row}, 0);
        // Common names begin with a capital; the others name only the kind of object.
        const std::string name = Field(object.name);
        if (name.empty() || !std::isupper(static_cast<unsigned char>(name[0]))) continue;
        index.Add(name, {FoundKind::DeepSky, row}, 0);
        if (name.rfind("The ", 0) == 0) index.Add(name.substr(4), {FoundKind::DeepSky, row}, 0);
    }

    if (BodyTable[EarthRow].name[0] != 'E') InitBodyTable();
    // The bodies by their English names and, in another language, by their names there.
    for (int row = SunRow; row <= PlutoRow; ++row) {
        std::string name;
        GetBodyName(row, name);
        const std::string local = BodyLabel(row);
        if (local != name) index.Add(local, {FoundKind::Body, row}, 0);
        index.Add(name, {FoundKind::Body, row}, 0);
    }

    for (int row = 0; row < ConstellationCount && row < MaxConstellations; ++row) {
        const Constellation& constellation = ConstellationTable[row];
        const std::string name = Field(constellation.name);
        index.Add(WithSpaces(name), {FoundKind::Constellation, row}, 0);
        for (const auto& [stored, usual] : ConstellationAliases)
            if (name == stored) index.Add(usual, {FoundKind::Constellation, row}, 0);
        index.Add(Field(constellation.abbreviation), {FoundKind::Constellation, row}, 1);
    }

    std::stable_sort(index.entries_.begin(), index.entries_.end(),
                     [](const Entry& a, const Entry& b) {
                         if (a.rank != b.rank) return a.rank < b.rank;
                         return NameBefore(a.name, b.name);
                     });
    for (std::size_t i = 0; i < index.entries_.size(); ++i)
        index.byKey_.emplace(index.entries_[i].key, i);
    return index;
}

std::optional<FoundObject> ObjectIndex::Find(std::string_view name) const {
    const auto found = byKey_.find(MatchKey(name));
    if (found == byKey_.end()) return std::nullopt;
    return entries_[found->second].object;
}

std::vector<std::string> ObjectIndex::Complete(std::string_view prefix, std::size_t limit) const {
    const std::string key = MatchKey(prefix);
    std::vector<std::string> names;
    if (key.empty()) return names;
    for (const Entry& entry : entries_) {
        if (names.size() >= limit) break;
        if (entry.key.rfind(key, 0) != 0) continue;
        if (std::find(names.begin(), names.end(), entry.name) == names.end())
            names.push_back(entry.name);
    }
    return names;
}

std::vector<std::string> ObjectIndex::CloseMatches(std::string_view name, std::size_t limit) const {
    const std::string key = MatchKey(name);
    const int allowed = std::clamp(static_cast<int>(key.size()) / 3, 1, 3);
    std::vector<std::pair<int, std::size_t>> near;  // distance, entry
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const std::string& other = entries_[i].key;
        if (std::abs(static_cast<int>(other.size()) - static_cast<int>(key.size())) > allowed)
            continue;
        const int distance = EditDistance(key, other);
        if (distance <= allowed) near.emplace_back(distance, i);
    }
    std::sort(near.begin(), near.end());
    std::vector<std::string> names;
    for (const auto& [distance, i] : near) {
        if (names.size() >= limit) break;
        if (std::find(names.begin(), names.end(), entries_[i].name) == names.end())
            names.push_back(entries_[i].name);
    }
    return names;
}

std::string ObjectIndex::Label(const FoundObject& object) const {
    switch (object.kind) {
        case FoundKind::Star:
            if (object.index >= 1 && object.index < static_cast<int>(starLabels_.size()))
                return starLabels_[object.index];
            return "HR " + std::to_string(object.index);
        case FoundKind::DeepSky: {
            if (object.index < 0 || object.index >= static_cast<int>(DeepSkyTable.size())) break;
            const DeepSkyObject& deepSky = DeepSkyTable[object.index];
            return Field(deepSky.identifier) + ": " + Field(deepSky.name);
        }
        case FoundKind::Body:
            return BodyLabel(object.index);
        case FoundKind::Constellation:
            if (object.index < 0 || object.index >= MaxConstellations) break;
            return WithSpaces(Field(ConstellationTable[object.index].name));
    }
    return {};
}
