// The observer of a chart pass.
#include "chart/pass_values.h"

#include "astro/calendar.h"
#include "astro/coordinates.h"
#include "base/translate.h"
#include "chart/time_basis.h"

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

int CivilOffsetSeconds(const ChartView& view, const SystemTime& time) {
    return view.zone ? view.zone->OffsetSeconds(time) : view.utcOffsetSeconds;
}

std::vector<std::string> PlaceCaptionLines(const ChartView& view, const Observer& observer) {
    std::vector<std::string> lines;
    if (!view.placeCaption) return lines;
    if (!view.placeName.empty()) lines.push_back(view.placeName);
    lines.push_back(LatitudeText(observer.latitude) + "  " + LongitudeText(-view.longitude));
    if (view.zoneName.empty())
        lines.push_back(Translate("Chart", "UT"));
    else if (view.zoneName.rfind("UTC", 0) == 0)  // a fixed offset names itself
        lines.push_back(view.zoneName);
    else
        lines.push_back(view.zoneName + " (" + UtcOffsetText(observer.utcOffsetSeconds) + ")");
    return lines;
}
