// The first half of the chart pass: the chart's instant, the bodies' places, which stars,
// deep-sky objects and bodies stand above the horizon, where they go on the chart, and the
// hot-spot table that the pointer readout searches.
#include "chart/chart_pass.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "astro/calendar.h"
#include "astro/message_box.h"
#include "astro/planets.h"
#include "catalog/sky_model.h"
#include "chart/chart_support.h"

HotSpot HotSpotTable[HotSpotCapacity];
int HotSpotCount = 0;

namespace {

// Length of a fixed-size text field, which need not hold a NUL if its writer misbehaved.
template <std::size_t N>
int FieldLength(const char (&field)[N]) {
    return static_cast<int>(strnlen(field, N));
}

// Copies at most HotSpotTextSize - 1 characters of `label` into `text`, NUL-terminated. A label
// that does not fit keeps its beginning, where the number and the name are.
void CopyLabel(char (&text)[HotSpotTextSize], const char* label, std::size_t length) {
    const std::size_t n = std::min<std::size_t>(length, HotSpotTextSize - 1);
    std::memcpy(text, label, n);
    text[n] = '\0';
}

// A star's label: "%3d: %s" of its catalogue number and name; for a star linked to a
// constellation the abbreviation that ends its name (the last three characters) is replaced by
// "(%s)" of the constellation's full name. The label is built whole in a buffer wide enough for
// the longest fields, so the replacement lands at the right place even for a label too long for
// a hot spot; only then is it cut to the first 39 characters.
void StarLabel(int number, const Star& star, char (&text)[HotSpotTextSize]) {
    char label[128];  // 11 + 2 + 23 characters of number and name, then 29 + 2 of constellation
    int length =
        std::snprintf(label, sizeof label, "%3d: %.*s", number, FieldLength(star.name), star.name);
    length = std::clamp(length, 0, static_cast<int>(sizeof label) - 1);
    const int row = star.constellationIndex;
    if (row >= 0 && row < MaxConstellations) {
        const Constellation& constellation = ConstellationTable[row];
        const int at = std::max(length - 3, 0);
        const int written = std::snprintf(label + at, sizeof label - at, "(%.*s)",
                                          FieldLength(constellation.name), constellation.name);
        length = at + std::clamp(written, 0, static_cast<int>(sizeof label) - 1 - at);
    }
    CopyLabel(text, label, static_cast<std::size_t>(length));
}

// A deep-sky object's label, "%s: %s; Mag=%3.1f" of identifier, name and magnitude, cut to 39
// characters by the formatting itself.
void DeepSkyLabel(const DeepSkyObject& object, char (&text)[HotSpotTextSize]) {
    std::snprintf(text, sizeof text, "%.*s: %.*s; Mag=%3.1f", FieldLength(object.identifier),
                  object.identifier, FieldLength(object.name), object.name, object.magnitude);
}

// Marks a star or deep-sky object visible and stores its chart position when it stands above
// the horizon (altitude > 0, strictly); otherwise leaves it invisible. Returns whether it is up.
template <typename Object>
bool PlaceAboveHorizon(Object& object, const ChartLayout& layout) {
    double altitude = 0;
    double azimuth = 0;
    ToHorizon(object.rightAscension, object.declination, altitude, azimuth);
    if (!(altitude > 0)) return false;
    object.visible = true;
    const Point p =
        ProjectToChart(altitude, azimuth, layout.centreX, layout.centreY, layout.radius);
    object.chartX = p.x;
    object.chartY = p.y;
    return true;
}

// The next hot spot for a star or deep-sky object at (x, y): stars and deep-sky objects share
// the first CatalogueHotSpotLimit entries, leaving room for the ten bodies. Past the limit the
// object is counted in `overflow` and gets none (nullptr). The caller writes the label and then
// raises HotSpotCount, so a reader always sees complete entries.
HotSpot* CatalogueHotSpot(int x, int y, int radius, int& overflow) {
    if (HotSpotCount < 0 || HotSpotCount >= CatalogueHotSpotLimit) {
        ++overflow;
        return nullptr;
    }
    HotSpot& spot = HotSpotTable[HotSpotCount];
    spot.x = x;
    spot.y = y;
    spot.radius = radius;
    return &spot;
}

// A star's hit radius, floor(dimmest - magnitude), held within the int range.
int StarHotSpotRadius(double magnitude) {
    return TruncateToInt(std::floor(ViewSettings.dimmestMagnitude - magnitude));
}

}  // namespace

// Formats by the printf rules into 1024 bytes (longer text keeps its first 1023 characters) and
// shows it with `caption` and a single OK button; returns once the message is dismissed.
void MessageBoxFormatted(const char* caption, const char* format, ...) {
    char text[1024];
    va_list arguments;
    va_start(arguments, format);
    const int length = std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    if (length < 0) text[0] = '\0';  // an encoding error leaves the buffer undefined
    MessageRequest request;
    request.caption = caption ? caption : "";
    request.text = text;
    request.icon = MessageIcon::None;
    ShowMessage(request);
}

// The chart pass's first half; the drawing follows in DrawChartObjects.
//   day = wDay + DecimalHours(wHour, wMinute, wSecond) / 24
//   siderealTime = LocalSiderealTime(wYear, wMonth, day, 0, 0)  (Greenwich, clock = UT)
// Then stars 1..9110 (bright enough, or a figure vertex however faint), shown deep-sky objects and
// bodies Pluto..Sun: an object with altitude > 0 is marked visible, projected and given a hot
// spot. Stars and deep-sky objects share CatalogueHotSpotLimit entries; the excess is counted and
// reported once; the bodies are appended after them.
ChartLayout PlaceChartObjects(const ChartWindow& window, Surface& surface, ChartMode mode,
                              int margin, SystemTime& time) {
    const ChartLayout layout = ComputeChartLayout(surface, mode, window, margin);
    time = window.PickerTime();
    const double day = time.day + DecimalHours(time.hour, time.minute, time.second) / 24.0;
    ViewSettings.siderealTime = LocalSiderealTime(time.year, time.month, day, 0, 0.0);
    ComputeBodyPositions(time.year, time.month, day);

    HotSpotCount = 0;
    int overflow = 0;
    const double dimmest = ViewSettings.dimmestMagnitude;

    for (int number = 1; number <= MaxStarNumber; ++number) {
        Star& star = StarTable[number];
        star.visible = false;
        const bool bright = star.magnitude <= dimmest;
        // A row the catalogue never filled has no place in the sky, even if a damaged figure
        // names it: placing it would draw figure lines to right ascension 0, declination 0.
        if (!(bright || star.inFigure) || star.magnitude >= UnloadedMagnitude) continue;
        if (!PlaceAboveHorizon(star, layout) || !bright) continue;  // faint vertex: no name
        if (HotSpot* spot = CatalogueHotSpot(star.chartX, star.chartY,
                                             StarHotSpotRadius(star.magnitude), overflow)) {
            StarLabel(number, star, spot->text);
            ++HotSpotCount;
        }
    }

    const int deepSkyRows = std::clamp(DeepSkyCount, 0, static_cast<int>(DeepSkyTable.size()));
    for (int i = 0; i < deepSkyRows; ++i) {
        DeepSkyObject& object = DeepSkyTable[i];
        object.visible = false;
        if (!object.shown || !PlaceAboveHorizon(object, layout)) continue;
        if (HotSpot* spot =
                CatalogueHotSpot(object.chartX, object.chartY, layout.markSize, overflow)) {
            DeepSkyLabel(object, spot->text);
            ++HotSpotCount;
        }
    }

    if (overflow != 0) {
        MessageBoxFormatted("Not Enough HotSpots",
                            "There were %d more stars displayed than HotSpots available", overflow);
    }

    // The bodies follow without a limit test of their own: the catalogue limit leaves room for
    // all ten. The capacity test only guards the table itself.
    std::string name;
    for (int row = PlutoRow; row >= SunRow; --row) {
        double altitude = 0;
        double azimuth = 0;
        BodyToHorizon(row, altitude, azimuth);
        if (!(altitude > 0)) continue;
        if (HotSpotCount < 0 || HotSpotCount >= HotSpotCapacity) break;
        const Point p =
            ProjectToChart(altitude, azimuth, layout.centreX, layout.centreY, layout.radius);
        GetBodyName(row, name);
        HotSpot& spot = HotSpotTable[HotSpotCount];
        spot.x = p.x;
        spot.y = p.y;
        spot.radius = BodyRadius(row, layout.markSize);
        CopyLabel(spot.text, name.data(), name.size());
        ++HotSpotCount;
    }
    return layout;
}

// The whole chart pass: placing, then drawing, on the same surface with the same layout.
void DrawChart(const ChartWindow& window, Surface& surface, ChartMode mode, int margin,
               const Pen& figurePen, const Pen& deepSkyPen, const Brush& skyDayBrush,
               const Brush& skyNightBrush) {
    SystemTime time;
    const ChartLayout layout = PlaceChartObjects(window, surface, mode, margin, time);
    DrawChartObjects(surface, mode, layout, margin, time, figurePen, deepSkyPen, skyDayBrush,
                     skyNightBrush);
}

// The last hot spot in use, searching from the end, whose circle holds (x, y):
// dx^2 + dy^2 <= radius^2. Later entries win, so bodies beat deep-sky objects and stars.
// The squares are taken in unsigned 64 bits, each compared with radius^2 before they are added,
// so no pair of int coordinates can overflow the test.
int FindHotSpot(int x, int y) {
    const int count = std::clamp(HotSpotCount, 0, HotSpotCapacity);
    for (int i = count - 1; i >= 0; --i) {
        const HotSpot& spot = HotSpotTable[i];
        const std::uint64_t dx =
            static_cast<std::uint64_t>(std::llabs(static_cast<std::int64_t>(x) - spot.x));
        const std::uint64_t dy =
            static_cast<std::uint64_t>(std::llabs(static_cast<std::int64_t>(y) - spot.y));
        const std::uint64_t r = static_cast<std::uint64_t>(std::llabs(spot.radius));
        const std::uint64_t r2 = r * r;  // at most 2^62
        const std::uint64_t dx2 = dx * dx;
        const std::uint64_t dy2 = dy * dy;
        if (dx2 <= r2 && dy2 <= r2 && dx2 + dy2 <= r2) return i;
    }
    return -1;
}
