#include "cli/chart_run.h"

#include <strings.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QImage>
#include <QPainter>
#include <algorithm>

#include "astro/orbits.h"
#include "catalog/sky_model.h"
#include "chart/precise_sky.h"
#include "chart/view_settings.h"
#include "render/chart_export.h"
#include "render/place.h"
#include "render/settings_file.h"
#include "render/zone_cities.h"

namespace {

// A hot-spot label without the blanks that right-align small catalogue numbers.
std::string Trimmed(const char* text) {
    std::string label(text, strnlen(text, HotSpotTextSize));
    const std::size_t start = label.find_first_not_of(' ');
    return start == std::string::npos ? std::string() : label.substr(start);
}

// The label of a placed object: its hot spot's, or, past the table's limit, its catalogue name.
std::string Label(const PlacedObject& object, const ChartPassResult& pass) {
    if (object.hotSpot >= 0 && object.hotSpot < static_cast<int>(pass.hotSpots.size()))
        return Trimmed(pass.hotSpots[object.hotSpot].text);
    switch (object.kind) {
        case PlacedKind::Star:
            return std::to_string(object.index) + ": " + StarTable[object.index].name;
        case PlacedKind::DeepSky: {
            const DeepSkyObject& deepSky = DeepSkyTable[object.index];
            return std::string(deepSky.identifier) + ": " + deepSky.name;
        }
        case PlacedKind::Body:
            break;
    }
    std::string name;
    GetBodyName(object.index, name);
    return name;
}

// The right ascension (hours) and declination (degrees) the pass placed an object by: a
// catalogue place carried to the pass's date, a body's as the pass left it in BodyTable.
void PlaceOfPass(const PlacedObject& object, const ChartPassResult& pass, double& rightAscension,
                 double& declination) {
    switch (object.kind) {
        case PlacedKind::Star: {
            const Star& star = StarTable[object.index];
            CataloguePlace(pass.observer, star.rightAscension, star.declination, rightAscension,
                           declination);
            break;
        }
        case PlacedKind::DeepSky: {
            const DeepSkyObject& deepSky = DeepSkyTable[object.index];
            CataloguePlace(pass.observer, deepSky.rightAscension, deepSky.declination,
                           rightAscension, declination);
            break;
        }
        case PlacedKind::Body:
            GetBodyPosition(object.index, rightAscension, declination);
            break;
    }
}

}  // namespace

bool ApplyOptions(const ChartOptions& options, const std::string& settingsPath,
                  std::string& error) {
    std::vector<bool> shown(ConstellationCount, options.allFigures);
    for (const std::string& abbreviation : options.figures) {
        int row = 0;
        while (row < ConstellationCount && strncasecmp(ConstellationTable[row].abbreviation,
                                                       abbreviation.c_str(), AbbreviationSize) != 0)
            ++row;
        if (row == ConstellationCount) {
            error = QCoreApplication::translate("Options",
                                                "--figures: no constellation is abbreviated \"%1\"")
                        .arg(QString::fromStdString(abbreviation))
                        .toStdString();
            return false;
        }
        shown[row] = true;
    }
    for (int row = 0; row < ConstellationCount; ++row) ConstellationTable[row].shown = shown[row];
    for (DeepSkyObject& object : DeepSkyTable) object.shown = options.deepSky;

    if (options.latitude) {
        ViewSettings.latitude = *options.latitude;
    } else {
        ViewSettings.latitude = ReadSettingsFile(settingsPath).latitude.value_or(0.0);
    }
    ViewSettings.dimmestMagnitude = options.magnitude;
    ViewSettings.orientationAzimuth = options.facing;
    ViewSettings.precisePositions = options.precise;
    return true;
}

bool ApplyPlaceOptions(const ChartOptions& options, const QDateTime& now, ChartView& view,
                       SystemTime& time, std::string& error) {
    std::optional<Place> place;
    std::optional<double> latitude;
    if (!options.place.empty()) {
        const std::optional<ZoneCity> city = FindZoneCity(ZoneCities(), options.place);
        if (!city) {
            const QString place = QString::fromStdString(options.place);
            QStringList close;
            for (const std::string& name : CloseZoneCities(ZoneCities(), options.place))
                close << QString::fromStdString(name);
            error = (close.empty() ? QCoreApplication::translate(
                                         "Options",
                                         "--place: no city of the time-zone database is called "
                                         "\"%1\"")
                                         .arg(place)
                                   : QCoreApplication::translate(
                                         "Options",
                                         "--place: no city of the time-zone database is called "
                                         "\"%1\"; the closest are %2")
                                         .arg(place, close.join(QStringLiteral(", "))))
                        .toStdString();
            return false;
        }
        place = Place{city->longitudeEast, city->zone, city->name};
        latitude = city->latitude;
    }
    if (options.longitudeEast || !options.zone.empty()) {
        if (!place) place = Place{};
        if (options.longitudeEast) place->longitudeEast = *options.longitudeEast;
        if (!options.zone.empty()) {
            if (!ZoneFromName(options.zone)) {
                error = QCoreApplication::translate(
                            "Options",
                            "--zone must be an IANA time-zone name such as Europe/London, or "
                            "UTC+hh:mm, not \"%1\"")
                            .arg(QString::fromStdString(options.zone))
                            .toStdString();
                return false;
            }
            place->zone = options.zone;
        }
    }
    if (latitude && !options.latitude) ViewSettings.latitude = *latitude;
    if (place) ApplyPlace(view, *place);
    if (options.time) {
        time = *options.time;
    } else if (!place) {
        time = ToSystemTime(now.toLocalTime());
    } else {
        time = ClockTime(now, ZoneFromName(place->zone).value_or(QTimeZone(0)));
    }
    return true;
}

ChartPassResult RunPassForList(const ChartOptions& options, const ChartWindow& window,
                               const ChartView& view) {
    QImage image(options.width, options.height, QImage::Format_RGB32);
    QPainter painter(&image);
    QtSurface surface(painter, RendererFont());
    const ExportJob job{options.width, options.height, options.print ? ChartPrinter : ChartScreen,
                        window,        RendererFont(), view};
    return RunExportPass(surface, job);
}

void PrintPlacedObjects(std::FILE* out, const ChartPassResult& pass) {
    for (const PlacedObject& object : pass.placed) {
        if (!object.marked) continue;
        std::fprintf(out, "%s\t%.2f\t%.2f\t%d\t%d", Label(object, pass).c_str(), object.altitude,
                     object.azimuth, object.position.x, object.position.y);
        if (pass.view.precise) {
            double rightAscension = 0.0, declination = 0.0;
            PlaceOfPass(object, pass, rightAscension, declination);
            std::fprintf(out, "\t%.4f\t%.3f", rightAscension, declination);
        }
        std::fputc('\n', out);
    }
}
