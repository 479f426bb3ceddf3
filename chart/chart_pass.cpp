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
#include <optional>
#include <string>

#include "astro/calendar.h"
#include "astro/planets.h"
#include "base/messages.h"
#include "base/translate.h"
#include "catalog/sky_model.h"
#include "chart/chart_support.h"
#include "chart/precise_sky.h"
#include "chart/time_basis.h"

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

// A deep-sky object's label, "%s: %s; Mag=%3.1f" of identifier, name and magnitude (the format
// in the user's language), cut to 39 characters.
void DeepSkyLabel(const DeepSkyObject& object, char (&text)[HotSpotTextSize]) {
    const std::string label =
        FormatText(VQ_FORMAT("Readout", "%.*s: %.*s; Mag=%3.1f"), FieldLength(object.identifier),
                   object.identifier, FieldLength(object.name), object.name, object.magnitude);
    CopyLabel(text, label.data(), label.size());
}

// Marks a star or deep-sky object visible and stores its chart position when it stands above
// the horizon; otherwise leaves it invisible. Returns the placed object, or nothing.
template <typename Object>
std::optional<PlacedObject> PlaceAboveHorizon(Object& object, PlacedKind kind, int index,
                                              const Observer& observer, const ChartView& view,
                                              const ChartLayout& layout) {
    PlacedObject placed;
    placed.kind = kind;
    placed.index = index;
    CatalogueHorizon(observer, object.rightAscension, object.declination, placed.altitude,
                     placed.azimuth);
    if (!AboveHorizon(placed.altitude)) return std::nullopt;
    object.visible = true;
    placed.position = ProjectToChart(placed.altitude, placed.azimuth, layout.centreX,
                                     layout.centreY, layout.radius, view.orientationAzimuth);
    object.chartX = placed.position.x;
    object.chartY = placed.position.y;
    return placed;
}

// The next hot spot for a star or deep-sky object at `p`: stars and deep-sky objects share the
// first CatalogueHotSpotLimit entries, leaving room for the ten bodies. Past the limit the object
// is counted in `overflow` and gets none (nullptr). The caller writes the label and then raises
// HotSpotCount, so a reader always sees complete entries.
HotSpot* CatalogueHotSpot(Point p, int radius, int& overflow) {
    if (HotSpotCount < 0 || HotSpotCount >= CatalogueHotSpotLimit) {
        ++overflow;
        return nullptr;
    }
    HotSpot& spot = HotSpotTable[HotSpotCount];
    spot.x = p.x;
    spot.y = p.y;
    spot.radius = radius;
    return &spot;
}

// A star's hit radius, floor(dimmest - magnitude), held within the int range.
int StarHotSpotRadius(double magnitude, double dimmest) {
    return TruncateToInt(std::floor(dimmest - magnitude));
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
    request.caption = Latin1ToUtf8(caption ? caption : "");
    request.text = Latin1ToUtf8(text);
    request.icon = MessageIcon::None;
    ShowMessage(request);
}

ChartView ViewFromSettings() {
    ChartView view;
    view.orientationAzimuth = ViewSettings.orientationAzimuth;
    view.dimmestMagnitude = ViewSettings.dimmestMagnitude;
    view.precise = ViewSettings.precisePositions;
    return view;
}

std::string ChartInstantText(const SystemTime& time) {
    return FormatText(VQ_FORMAT("Chart", "%4d/%02d/%02d  %02d:%02d:%02d"), time.year, time.month,
                      time.day, time.hour, time.minute, time.second);
}

std::string DateCaptionText() {
    return Translate("Chart", "Date & Time of Map:");
}

std::string MagnitudeCaptionText(double dimmestMagnitude) {
    return FormatText(VQ_FORMAT("Chart", "Dimmest Star Magnitude: %3.1f"), dimmestMagnitude);
}

// The picker's time is civil time `offset` seconds ahead of UT (0 without a place: the clock time
// is taken as Greenwich time on the observer's meridian); the UT date, carried across midnight,
// month and year, and the view's longitude give the sidereal time and the bodies' places.
Observer PrepareSky(const SystemTime& time, const ChartView& view, double latitude) {
    const int offset = CivilOffsetSeconds(view, time);
    const SystemTime ut =
        offset == 0 ? time : ShiftSystemTime(time, -static_cast<long long>(offset));
    const double day = ut.day + DecimalHours(ut.hour, ut.minute, ut.second) / 24.0;
    Observer observer = MakeObserver(latitude, view.longitude, ut.year, ut.month, day);
    observer.universalTime = ut;
    observer.utcOffsetSeconds = offset;
    ComputeBodyPositions(ut.year, ut.month, day);
    if (view.precise) ApplyPreciseSky(observer, ut.year, ut.month, day, view.placeCaption);
    return observer;
}

// The chart pass's first half; the drawing follows in DrawChartObjects.
//   day = wDay + DecimalHours(wHour, wMinute, wSecond) / 24
//   siderealTime = LocalSiderealTime(wYear, wMonth, day, 0, 0)  (Greenwich, clock = UT)
// Then stars 1..9110 (bright enough, or a figure vertex however faint), shown deep-sky objects and
// bodies Pluto..Sun: an object above the horizon is marked visible, projected and given a hot
// spot. Stars and deep-sky objects share CatalogueHotSpotLimit entries; the excess is counted and
// reported once; the bodies are appended after them.
ChartPassResult PlaceChartObjects(const ChartWindow& window, Surface& surface, ChartMode mode,
                                  int margin, const ChartView& view, double latitude) {
    ChartPassResult pass;
    pass.view = view;
    pass.layout = ComputeChartLayout(surface, mode, window, margin);
    const ChartLayout& layout = pass.layout;
    const SystemTime time = window.PickerTime();
    pass.time = time;
    pass.observer = PrepareSky(time, view, latitude);
    const Observer& observer = pass.observer;

    HotSpotCount = 0;
    int overflow = 0;
    const double dimmest = view.dimmestMagnitude;
    pass.placed.reserve(4096);

    for (int number = 1; number <= MaxStarNumber; ++number) {
        Star& star = StarTable[number];
        star.visible = false;
        const bool bright = WithinMagnitudeLimit(star.magnitude, dimmest);
        // A row the catalogue never filled has no place in the sky, even if a damaged figure
        // names it: placing it would draw figure lines to right ascension 0, declination 0.
        if (!(bright || star.inFigure) || star.magnitude >= UnloadedMagnitude) continue;
        std::optional<PlacedObject> placed =
            PlaceAboveHorizon(star, PlacedKind::Star, number, observer, view, layout);
        if (!placed) continue;
        placed->marked = bright;  // a faint figure vertex: no mark, no name
        if (bright) {
            if (HotSpot* spot = CatalogueHotSpot(
                    placed->position, StarHotSpotRadius(star.magnitude, dimmest), overflow)) {
                StarLabel(number, star, spot->text);
                placed->hotSpot = HotSpotCount++;
            }
        }
        pass.placed.push_back(*placed);
    }

    const int deepSkyRows = std::clamp(DeepSkyCount, 0, static_cast<int>(DeepSkyTable.size()));
    for (int i = 0; i < deepSkyRows; ++i) {
        DeepSkyObject& object = DeepSkyTable[i];
        object.visible = false;
        if (!object.shown) continue;
        std::optional<PlacedObject> placed =
            PlaceAboveHorizon(object, PlacedKind::DeepSky, i, observer, view, layout);
        if (!placed) continue;
        if (HotSpot* spot = CatalogueHotSpot(placed->position, layout.markSize, overflow)) {
            DeepSkyLabel(object, spot->text);
            placed->hotSpot = HotSpotCount++;
        }
        pass.placed.push_back(*placed);
    }

    if (overflow != 0) {
        const std::string caption = Translate("Messages", "Not Enough HotSpots");
        const std::string text = FormatText(
            VQ_FORMAT("Messages", "There were %d more stars displayed than HotSpots available"),
            overflow);
        MessageBoxFormatted(caption.c_str(), "%s", text.c_str());
    }

    // The bodies follow without a limit test of their own: the catalogue limit leaves room for
    // all ten. The capacity test only guards the table itself.
    for (int row = PlutoRow; row >= SunRow; --row) {
        PlacedObject placed;
        placed.kind = PlacedKind::Body;
        placed.index = row;
        BodyToHorizon(observer, row, placed.altitude, placed.azimuth);
        if (!AboveHorizon(placed.altitude)) continue;
        if (row == SunRow) pass.sunUp = true;
        placed.position = ProjectToChart(placed.altitude, placed.azimuth, layout.centreX,
                                         layout.centreY, layout.radius, view.orientationAzimuth);
        if (HotSpotCount >= 0 && HotSpotCount < HotSpotCapacity) {
            const std::string name = BodyLabel(row);
            HotSpot& spot = HotSpotTable[HotSpotCount];
            spot.x = placed.position.x;
            spot.y = placed.position.y;
            spot.radius = BodyRadius(row, layout.markSize);
            CopyLabel(spot.text, name.data(), name.size());
            placed.hotSpot = HotSpotCount++;
        }
        pass.placed.push_back(placed);
    }
    pass.hotSpots =
        std::span<const HotSpot>(HotSpotTable, std::clamp(HotSpotCount, 0, HotSpotCapacity));
    return pass;
}

ChartPassResult RunChartPass(const ChartWindow& window, Surface& surface, ChartMode mode,
                             int margin, const ChartView& view, double latitude,
                             const ChartPens& pens) {
    ChartPassResult pass = PlaceChartObjects(window, surface, mode, margin, view, latitude);
    DrawChartObjects(surface, mode, pass, margin, pens);
    return pass;
}

// The whole chart pass on the program's state: placing, then drawing, on the same surface with
// the same layout.
void DrawChart(const ChartWindow& window, Surface& surface, ChartMode mode, int margin,
               const Pen& figurePen, const Pen& deepSkyPen, const Brush& skyDayBrush,
               const Brush& skyNightBrush) {
    ChartView view = ViewFromSettings();
    view.labels = window.LabelChoice();
    const ChartPassResult pass =
        RunChartPass(window, surface, mode, margin, view, ViewSettings.latitude,
                     ChartPens{figurePen, deepSkyPen, skyDayBrush, skyNightBrush});
    ViewSettings.siderealTime = pass.observer.siderealTime;
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
