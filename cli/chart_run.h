// What velquorran-chart does once its options are parsed: set the view from them, run the
// chart pass, and list what the pass placed.
#pragma once

#include <cstdio>
#include <string>

#include "chart/chart_pass.h"
#include "cli/options.h"

// The current local date and time, as a picker set to now would hold it.
SystemTime CurrentLocalTime();

// Sets ViewSettings (latitude, dimmest magnitude, orientation) and the shown flags of the
// figures and deep-sky objects from the options. The catalogues must be loaded. The latitude
// not given comes from `settingsPath` when it holds a valid one, else 0. Returns false with a
// message when a figure abbreviation names no constellation; nothing is changed then.
bool ApplyOptions(const ChartOptions& options, const std::string& settingsPath, std::string& error);

// Runs the pass onto an image of the options' size without writing it, so that the positions
// are those of the picture the same options would export; returns what it placed.
ChartPassResult RunPassForList(const ChartOptions& options, const ChartWindow& window);

// One line per object the pass placed with a mark of its own, in the pass's order (stars by
// catalogue number, shown deep-sky objects, then the bodies from Pluto to the Sun): label,
// altitude, azimuth, x, y, separated by tabs. The label is the object's hot-spot label without
// the blanks that right-align small catalogue numbers, or its catalogue name when the hot-spot
// table was full. A pass with precise positions adds the right ascension (hours) and declination
// (degrees) of date it placed the object by.
void PrintPlacedObjects(std::FILE* out, const ChartPassResult& pass);
