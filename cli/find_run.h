// velquorran-chart --find: where one named object stands at the chart's instant and when it
// next rises, transits and sets.
#pragma once

#include <cstdio>
#include <string>

#include "chart/layout.h"
#include "chart/pass_values.h"

// Looks `name` up among the loaded catalogues and prints one tab-separated line: label, altitude
// and azimuth (degrees) at `time`, then the next rising, transit and setting as
// YYYY-MM-DDTHH:MM:SS on the chart's clock, "-" where there is none, for the chart's `view` and
// ViewSettings' latitude, as set from the options. An unknown name prints nothing and gives false,
// with a message naming the close matches in `error`.
bool PrintFound(std::FILE* out, const std::string& name, const SystemTime& time,
                const ChartView& view, std::string& error);
