// The readout's second chance: when no hot spot holds the pointer, the nearest object the last
// pass drew, within a few pixels, is named instead.
#pragma once

#include <string>

#include "chart/pass_values.h"

// How far from the pointer, in the pass's pixels (logical pixels on screen), an object is still
// named.
inline constexpr int NearestObjectReach = 6;

// The entry of pass.placed that the pass drew with a mark of its own and that lies nearest to
// (x, y), no farther than `reach`; of two at the same distance the later (as with hot spots).
// -1 when there is none.
int NearestPlacedObject(const ChartPassResult& pass, int x, int y, int reach = NearestObjectReach);

// The label the readout shows for a placed object: its hot spot's text, or, when the table had
// no room for it, the catalogue's name for it.
std::string PlacedObjectLabel(const ChartPassResult& pass, const PlacedObject& object);
