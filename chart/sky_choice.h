// Which of the sky's own lines and shapes the chart draws under the stars. All off is the chart
// as it has always been drawn; each is switched on by the user (the window's Sky menu, the
// renderer's --sky).
#pragma once

struct SkyLayers {
    bool milkyWay = false;    // the Milky Way in five steps of brightness, filled
    bool boundaries = false;  // the IAU constellation boundaries, dotted
    bool ecliptic = false;    // the Sun's yearly path
    bool equator = false;     // the celestial equator
    bool grid = false;        // altitude circles every 30 degrees, azimuth lines every 45
    friend constexpr bool operator==(const SkyLayers&, const SkyLayers&) = default;
    bool Any() const { return milkyWay || boundaries || ecliptic || equator || grid; }
};
