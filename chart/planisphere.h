// The geometry of a printed planisphere: a star wheel turning under a horizon mask, both cut from
// paper and joined at the visible celestial pole. Plain numbers only, in millimetres on the page
// with x to the right and y upward from the pivot, so that the drawing and its tests share them.
//
// The wheel is a polar projection linear in declination about the visible pole:
//   r(dec) = k (90 - s dec),  s = +1 north of the equator (north pole at the pivot), -1 south,
//   theta_wheel(ra) = -s * 15 ra   (degrees, counter-clockwise from +x).
// The mask is the wheel turned by the local sidereal time T: a star of hour angle H = T - ra
// stands at the mask angle
//   psi = -90 + s * 15 H,
// the upper meridian straight down from the pivot, east to the left in the north and to the right
// in the south, as on a sky held overhead facing the equator. The horizon (altitude 0) at hour
// angle H has the declination dec_h(H) = atan(-cos H / tan lat); a star is above it when
// s dec > s dec_h(H), which on paper is r < r(dec_h(H)): the window is that curve.
//
// The rings: the date D on the wheel's rim stands at the wheel angle of ra_D, the local sidereal
// time at 00:00 standard clock time of D at the place's longitude; the clock time t on the mask
// stands at psi(t) = -90 + s * 15 t. Setting D against t turns the wheel to T = ra_D + t, which is
// the true sidereal time within t * 0.27% (a card planisphere ignores the difference between solar
// and sidereal hours: at most a degree by the end of a day).
#pragma once

#include <string>
#include <vector>

struct PlanePoint {
    double x = 0.0;  // millimetres from the pivot, right
    double y = 0.0;  // millimetres from the pivot, up
};

struct PlanisphereGeometry {
    double latitude = 0.0;      // degrees, north positive, -89..89
    int hemisphere = 1;         // s: +1 for latitude >= 0, -1 south
    double scale = 0.5;         // k, millimetres per degree of declination
    double rimDeclination = 0;  // the declination at the wheel's rim, the last that rises
    double rimRadius = 0.0;     // r(rimDeclination), millimetres
    // The clock the rings are graduated in: the standard time of the place's zone (seconds east of
    // Greenwich, daylight saving not included) at its longitude (degrees, positive west).
    int standardOffsetSeconds = 0;
    double longitudeWest = 0.0;
};

// The geometry for a latitude whose sky out to the rim fits a wheel of `rimRadius` millimetres.
PlanisphereGeometry MakePlanisphereGeometry(double latitude, double rimRadius,
                                            int standardOffsetSeconds, double longitudeWest);

// Distance from the pivot (millimetres) of a declination (degrees).
double PlanisphereRadius(const PlanisphereGeometry& g, double declination);
// Wheel angle (degrees, counter-clockwise from +x) of a right ascension (hours).
double WheelAngle(const PlanisphereGeometry& g, double rightAscension);
// The wheel point of a right ascension (hours) and declination (degrees), wheel frame.
PlanePoint WheelPoint(const PlanisphereGeometry& g, double rightAscension, double declination);

// A wheel point seen in the mask frame once the wheel is turned by `rotation` degrees
// (counter-clockwise).
PlanePoint Rotated(PlanePoint p, double rotationDegrees);

// Mask-frame point of an hour angle (hours) and declination (degrees).
PlanePoint MaskPoint(const PlanisphereGeometry& g, double hourAngle, double declination);
// Declination (degrees) of the horizon at an hour angle (hours).
double HorizonDeclination(const PlanisphereGeometry& g, double hourAngle);
// The mask point where the horizon has the azimuth `azimuth` (degrees from north through east).
PlanePoint HorizonPointAtAzimuth(const PlanisphereGeometry& g, double azimuth);
// The zenith on the mask: declination = latitude on the upper meridian.
PlanePoint ZenithPoint(const PlanisphereGeometry& g);

// The window: the horizon as a closed polygon in the mask frame, in order of hour angle from
// -12 h to +12 h, with points close enough (at most `step` millimetres apart, where the curve
// allows) that the polygon stays within a fraction of a millimetre of the curve.
std::vector<PlanePoint> HorizonOutline(const PlanisphereGeometry& g, double step = 0.5);

// Whether `p` lies inside the closed polygon (even-odd rule).
bool InsidePolygon(const std::vector<PlanePoint>& polygon, PlanePoint p);

// The sidereal time (hours) at 00:00 standard clock time of a date, at the place.
double DateSiderealTime(const PlanisphereGeometry& g, int year, int month, int day);
// Wheel angle (degrees) of the date ring's mark for a date (the start of that day).
double DateRingAngle(const PlanisphereGeometry& g, int year, int month, int day);
// Mask angle (degrees) of the time ring's mark for a clock time (hours, 0..24).
double TimeRingAngle(const PlanisphereGeometry& g, double clockHours);
// The wheel's turn (degrees, counter-clockwise) when the date's mark is set against the clock
// time's mark.
double RingSettingRotation(const PlanisphereGeometry& g, int year, int month, int day,
                           double clockHours);

// Whether the window stretches so much that the kit needs a warning (latitudes within 20 degrees
// of the equator).
bool PlanisphereWindowStretches(const PlanisphereGeometry& g);

// The ecliptic's right ascension (hours) and declination (degrees) at a longitude (degrees),
// for an obliquity of 23.44 degrees.
void EclipticPoint(double longitude, double& rightAscension, double& declination);
