// The Bayer letters and Flamsteed numbers that the star catalogue text drops for the stars it
// names by their proper names ("Betelgeuse" is also 58 Alpha Orionis), read from their own small
// table so that such a star can still be looked up by its designation.
#pragma once

#include <string>
#include <vector>

#include "catalog/resource_text.h"

struct StarDesignation {
    int number = 0;           // catalogue number, 1..9110
    std::string designation;  // the star catalogue's 10-character layout, '_' turned into spaces
};

// Every line "number designation" of the text, in its order, up to the line beginning with '%'.
// Lines that do not read as a catalogue number and a token are skipped.
std::vector<StarDesignation> LoadDesignations(
    const ResourceText& text = FindTextResource("DESIGNATIONSDATA"));
