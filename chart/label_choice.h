// Which names and aids the chart adds to its picture. All off is the chart as it has always
// been drawn; each kind is switched on by the user (the window's Labels menu, the renderer's
// --labels).
#pragma once

struct ChartLabels {
    bool stars = false;              // proper names of bright stars
    bool constellations = false;     // names of the shown figures
    bool allConstellations = false;  // names of every constellation above the horizon
    bool bodies = false;             // Sun, Moon and planet names; the Moon drawn in its phase
    bool deepSky = false;            // Messier numbers of the shown deep-sky objects
    bool legend = false;             // what the marks mean, in a free corner
    friend constexpr bool operator==(const ChartLabels&, const ChartLabels&) = default;
};
