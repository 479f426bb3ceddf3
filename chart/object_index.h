// Finding objects by name: every star, Messier object, body and constellation of the loaded
// tables under the names a user may type, with completion by prefix and close matches for a name
// that is not known.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "catalog/designations.h"

enum class FoundKind { Star, DeepSky, Body, Constellation };

// An object of the sky model: a catalogue number, a deep-sky or constellation table row, or a
// BodyTable row.
struct FoundObject {
    FoundKind kind = FoundKind::Star;
    int index = 0;
    bool operator==(const FoundObject&) const = default;
};

// How a name is compared: letters folded to lower case, digits kept, everything else dropped,
// so that "M 42", "m42" and "M42" are one name, and so are "alp ori" and "Alp Ori".
std::string MatchKey(std::string_view name);

// Levenshtein distance between two texts (insertions, deletions, substitutions).
int EditDistance(std::string_view a, std::string_view b);

class ObjectIndex {
  public:
    // One name of one object. Completion lists the names of rank 0 (proper names, bodies,
    // constellations, Messier numbers and names) before designations (1) and HR numbers (2).
    struct Entry {
        std::string name;
        std::string key;  // MatchKey(name)
        FoundObject object;
        int rank = 0;
    };

    // The names of everything in the loaded tables: stars by proper name, Bayer designation
    // ("Alp Ori", "Kap1 Scl"), Flamsteed designation ("58 Ori") and catalogue number ("HR 2061");
    // Messier objects by identifier ("M42") and common name ("Orion Nebula", "Pleiades"); the Sun,
    // the Moon and the planets, in English and in the user's language; the constellations as their
    // table names them ("Canis Major") and under their usual spelling where the table differs
    // ("Orion"). `designations` gives the designations of the stars that the catalogue names by
    // proper name.
    static ObjectIndex Build(const std::vector<StarDesignation>& designations = LoadDesignations());

    // The object a name stands for (compared by MatchKey), or nothing.
    std::optional<FoundObject> Find(std::string_view name) const;
    // Names that begin with `prefix` (compared by MatchKey), by rank and then alphabetically,
    // at most `limit` of them. An empty prefix completes to nothing.
    std::vector<std::string> Complete(std::string_view prefix, std::size_t limit = 12) const;
    // Known names within a few edits of `name` (one per three characters, at least one, at most
    // three), nearest first, at most `limit` of them.
    std::vector<std::string> CloseMatches(std::string_view name, std::size_t limit = 5) const;
    // The name an object is shown by: a star's proper name, else its Bayer or Flamsteed
    // designation, else "HR n"; "M42: Orion Nebula" or "M13: globular cluster"; the body's name;
    // the constellation as its table names it, with spaces.
    std::string Label(const FoundObject& object) const;

    const std::vector<Entry>& entries() const { return entries_; }

  private:
    void Add(std::string name, FoundObject object, int rank);

    std::vector<Entry> entries_;                          // in completion order once built
    std::unordered_map<std::string, std::size_t> byKey_;  // first entry of each key
    std::vector<std::string> starLabels_;                 // by catalogue number
};
