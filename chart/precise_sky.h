// The precise positions of a chart pass: what PrepareSky does to the sky of an instant when the
// view asks for precise places instead of the model's.
#pragma once

#include "chart/pass_values.h"

// For the UT instant year/month/day (the day's fraction is the time of day) and the observer
// PrepareSky has built: the observer's sidereal time becomes apparent sidereal time at its
// longitude, its equatorOfDate carries catalogue places to the date, and BodyTable's Sun, Moon
// and Mercury to Neptune get their precise apparent places (Pluto keeps the model's). The Moon
// is seen from the observer's place when the user set one (`placeKnown`); otherwise from the
// Earth's centre, since without a place the longitude only says that the picker's clock is the
// meridian's own time and not where the observer stands.
void ApplyPreciseSky(Observer& observer, int year, int month, double day, bool placeKnown);

// Altitude and azimuth (degrees) of a catalogue object's J2000 place as the observer sees it:
// ObserverHorizon of the place itself, or with precise positions of its place of date (in one
// rotation, J2000ToHorizon).
inline void CatalogueHorizon(const Observer& observer, double rightAscension, double declination,
                             double& altitude, double& azimuth) {
    if (observer.equatorOfDate.active) {
        J2000ToHorizon(observer.equatorOfDate, rightAscension, declination, altitude, azimuth);
    } else {
        ObserverHorizon(observer, rightAscension, declination, altitude, azimuth);
    }
}

// A catalogue object's place for the pass: its J2000 right ascension (hours) and declination
// (degrees) on the observer's equator of date, or unchanged without precise positions.
inline void CataloguePlace(const Observer& observer, double rightAscension, double declination,
                           double& placeRightAscension, double& placeDeclination) {
    ToEquatorOfDate(observer.equatorOfDate, rightAscension, declination, placeRightAscension,
                    placeDeclination);
}
