#include "cli/chart_run.h"

#include <strings.h>

#include <QDateTime>
#include <QImage>
#include <QPainter>
#include <algorithm>

#include "astro/coordinates.h"
#include "astro/orbits.h"
#include "catalog/sky_model.h"
#include "chart/chart_pass.h"
#include "chart/view_settings.h"
#include "shell/chart_export.h"
#include "shell/settings_file.h"

namespace {

// A hot-spot label without the blanks that right-align small catalogue numbers.
std::string Trimmed(const char* text) {
    std::string label(text, strnlen(text, HotSpotTextSize));
    const std::size_t start = label.find_first_not_of(' ');
    return start == std::string::npos ? std::string() : label.substr(start);
}

PlacedObject Place(double rightAscension, double declination) {
    PlacedObject object;
    EquatorialToHorizon(rightAscension, declination, ViewSettings.siderealTime,
                        ViewSettings.latitude, object.altitude, object.azimuth);
    return object;
}

}  // namespace

SystemTime CurrentLocalTime() {
    const QDateTime now = QDateTime::currentDateTime();
    SystemTime time;
    time.year = now.date().year();
    time.month = now.date().month();
    time.day = now.date().day();
    time.dayOfWeek = now.date().dayOfWeek() % 7;  // Qt: Monday 1 .. Sunday 7; here Sunday 0
    time.hour = now.time().hour();
    time.minute = now.time().minute();
    time.second = now.time().second();
    time.milliseconds = now.time().msec();
    return time;
}

bool ApplyOptions(const ChartOptions& options, const std::string& settingsPath,
                  std::string& error) {
    std::vector<bool> shown(ConstellationCount, options.allFigures);
    for (const std::string& abbreviation : options.figures) {
        int row = 0;
        while (row < ConstellationCount && strncasecmp(ConstellationTable[row].abbreviation,
                                                       abbreviation.c_str(), AbbreviationSize) != 0)
            ++row;
        if (row == ConstellationCount) {
            error = "--figures: no constellation is abbreviated \"" + abbreviation + "\"";
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
    return true;
}

void RunPassForList(const ChartOptions& options, const ChartWindow& window) {
    QImage image(options.width, options.height, QImage::Format_RGB32);
    QPainter painter(&image);
    QtSurface surface(painter, RendererFont());
    const ExportJob job{options.width, options.height, options.print ? ChartPrinter : ChartScreen,
                        window, RendererFont()};
    RunExportPass(surface, job);
}

// Walks the objects in the order the pass filled the hot-spot table, so that entry k of the
// walk is hot spot k: the label is the pass's own. Stars and deep-sky objects beyond the
// table's catalogue limit have no hot spot and are named from the catalogue instead; the
// bodies follow the last catalogue entry.
std::vector<PlacedObject> CollectPlacedObjects() {
    std::vector<PlacedObject> objects;
    int entry = 0;
    for (int number = 1; number <= MaxStarNumber; ++number) {
        const Star& star = StarTable[number];
        if (!star.visible || star.magnitude > ViewSettings.dimmestMagnitude) continue;
        PlacedObject object = Place(star.rightAscension, star.declination);
        object.label = entry < HotSpotCount ? Trimmed(HotSpotTable[entry].text)
                                            : std::to_string(number) + ": " + star.name;
        object.x = star.chartX;
        object.y = star.chartY;
        objects.push_back(object);
        ++entry;
    }
    for (const DeepSkyObject& deepSky : DeepSkyTable) {
        if (!deepSky.visible) continue;
        PlacedObject object = Place(deepSky.rightAscension, deepSky.declination);
        object.label = entry < HotSpotCount ? Trimmed(HotSpotTable[entry].text)
                                            : std::string(deepSky.identifier) + ": " + deepSky.name;
        object.x = deepSky.chartX;
        object.y = deepSky.chartY;
        objects.push_back(object);
        ++entry;
    }
    int spot = std::min(entry, CatalogueHotSpotLimit);
    for (int row = BodyCount - 1; row >= 1; --row) {
        double rightAscension = 0, declination = 0;
        GetBodyPosition(row, rightAscension, declination);
        PlacedObject object = Place(rightAscension, declination);
        if (!(object.altitude > 0) || spot >= HotSpotCount) continue;
        object.label = Trimmed(HotSpotTable[spot].text);
        object.x = HotSpotTable[spot].x;
        object.y = HotSpotTable[spot].y;
        objects.push_back(object);
        ++spot;
    }
    return objects;
}

void PrintPlacedObjects(std::FILE* out, const std::vector<PlacedObject>& objects) {
    for (const PlacedObject& object : objects)
        std::fprintf(out, "%s\t%.2f\t%.2f\t%d\t%d\n", object.label.c_str(), object.altitude,
                     object.azimuth, object.x, object.y);
}
