// What velquorran-chart does once its options are parsed: set the view from them, run the
// chart pass, and list what the pass placed.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "chart/layout.h"
#include "cli/options.h"

// The current local date and time, as a picker set to now would hold it.
SystemTime CurrentLocalTime();

// Sets ViewSettings (latitude, dimmest magnitude, orientation) and the shown flags of the
// figures and deep-sky objects from the options. The catalogues must be loaded. The latitude
// not given comes from `settingsPath` when it holds a valid one, else 0. Returns false with a
// message when a figure abbreviation names no constellation; nothing is changed then.
bool ApplyOptions(const ChartOptions& options, const std::string& settingsPath, std::string& error);

// Runs the pass onto an image of the options' size without writing it, so that the hot-spot
// table and chart positions are those of the picture the same options would export.
void RunPassForList(const ChartOptions& options, const ChartWindow& window);

// One object the last pass placed above the horizon.
struct PlacedObject {
    std::string label;    // the hot-spot label, without leading blanks
    double altitude = 0;  // degrees
    double azimuth = 0;   // degrees, north 0, east 90
    int x = 0;
    int y = 0;
};

// Everything the last pass placed and labelled, in the pass's order: stars by catalogue number,
// shown deep-sky objects, then the bodies from Pluto to the Sun.
std::vector<PlacedObject> CollectPlacedObjects();

// One line per object: label, altitude, azimuth, x, y, separated by tabs.
void PrintPlacedObjects(std::FILE* out, const std::vector<PlacedObject>& objects);
