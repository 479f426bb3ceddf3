// Precise positions for the chart pass.
#include "chart/precise_sky.h"

#include "astro/calendar.h"
#include "astro/orbits.h"

void ApplyPreciseSky(Observer& observer, int year, int month, double day, bool placeKnown) {
    const PreciseSky sky = MakePreciseSky(JulianDate(year, month, day));
    observer.siderealTime =
        ReduceToRange(sky.apparentSiderealTime - observer.longitude / 15.0, 24.0);
    observer.equatorOfDate = sky.equator;
    SetHorizon(observer.equatorOfDate, observer.siderealTime, observer.latitude);
    std::optional<GeodeticSite> site;
    if (placeKnown) site = GeodeticSite{observer.latitude, observer.longitude};
    for (int row = SunRow; row <= PlutoRow; ++row) {
        Body& body = BodyTable[row];
        PreciseBodyPlace(sky, row, site, body.rightAscension, body.declination);
    }
}
