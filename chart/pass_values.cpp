// The observer of a chart pass.
#include "chart/pass_values.h"

#include "astro/calendar.h"
#include "astro/coordinates.h"

Observer MakeObserver(double latitude, double longitude, int year, int month, double day) {
    Observer observer;
    observer.latitude = latitude;
    observer.longitude = longitude;
    LatitudeSinCos(latitude, observer.sinLatitude, observer.cosLatitude);
    observer.siderealTime = LocalSiderealTime(year, month, day, 0, longitude);
    return observer;
}

void ObserverHorizon(const Observer& observer, double rightAscension, double declination,
                     double& altitude, double& azimuth) {
    EquatorialToHorizonSinCos(rightAscension, declination, observer.siderealTime,
                              observer.sinLatitude, observer.cosLatitude, altitude, azimuth);
}
