// What velquorran-chart does once its options are parsed: set the view from them, run the
// chart pass, and list what the pass placed.
#pragma once

#include <cstdio>
#include <string>

#include "chart/chart_pass.h"
#include "cli/options.h"

class QDateTime;

// Sets ViewSettings (latitude, dimmest magnitude, orientation) and the shown flags of the
// figures and deep-sky objects from the options. The catalogues must be loaded. The latitude
// not given comes from `settingsPath` when it holds a valid one, else 0. Returns false with a
// message when a figure abbreviation names no constellation; nothing is changed then.
bool ApplyOptions(const ChartOptions& options, const std::string& settingsPath, std::string& error);

// The place and time basis of the options, after ApplyOptions: --place names a city whose
// latitude (unless --latitude is given), longitude and zone (unless given) are used; --longitude
// and --zone set the view's time basis. `time` is --time, or now on the zone's clocks (UT with a
// longitude alone, the local clock without either). Returns false with a message for a zone or
// city that is not known (the message lists the closest city names); nothing is changed then.
bool ApplyPlaceOptions(const ChartOptions& options, const QDateTime& now, ChartView& view,
                       SystemTime& time, std::string& error);

// Runs the pass onto an image of the options' size without writing it, so that the positions
// are those of the picture the same options would export; returns what it placed.
ChartPassResult RunPassForList(const ChartOptions& options, const ChartWindow& window,
                               const ChartView& view = ViewFromSettings());

// One line per object the pass placed with a mark of its own, in the pass's order (stars by
// catalogue number, shown deep-sky objects, then the bodies from Pluto to the Sun): label,
// altitude, azimuth, x, y, separated by tabs. The label is the object's hot-spot label without
// the blanks that right-align small catalogue numbers, or its catalogue name when the hot-spot
// table was full. A pass with precise positions adds the right ascension (hours) and declination
// (degrees) of date it placed the object by.
void PrintPlacedObjects(std::FILE* out, const ChartPassResult& pass);
