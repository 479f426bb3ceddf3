// The printed planisphere: two pages at 100% scale, the star wheel and the horizon mask, drawn
// with a QPainter from the geometry of chart/planisphere.h, and written as PDF (both pages in one
// document), SVG or PNG (one file a page, "-1" and "-2" before the extension).
#pragma once

#include <QSizeF>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "chart/planisphere.h"
#include "chart/sky_choice.h"
#include "render/place.h"

class QPainter;
class QString;

enum class PaperSize { A4, Letter };

// The layout of both pages, in millimetres: the wheel's cut line, the mask's (the date ring lies
// between them, outside the mask), and the sky's rim inside the mask's clock ring.
inline constexpr double PlanisphereWheelRadius = 94.0;
inline constexpr double PlanisphereMaskRadius = 82.0;
inline constexpr double PlanisphereRimRadius = 72.0;
inline constexpr double PlanisphereUnitsPerMm = 10.0;  // the painter's units

// Everything a kit is made for.
struct PlanisphereKit {
    double latitude = 0.0;        // degrees, -89..89
    std::optional<Place> place;   // none: the rings are in local mean time
    double dimmestMagnitude = 5;  // the faintest star drawn
    PaperSize paper = PaperSize::A4;
    int year = 2025;  // the year whose dates and daylight-saving changes are printed
    SkyLayers sky{};  // the wheel shows the Milky Way and the boundaries when these ask for them
};

// The kit for a chart's view (its place and time basis, as ApplyPlace left them, and its sky
// layers) at `latitude`: a view without a place gives local mean time.
PlanisphereKit KitForView(const ChartView& view, double latitude, double dimmestMagnitude,
                          PaperSize paper, int year);

// "A4" or "Letter" in any case.
std::optional<PaperSize> ParsePaperSize(const std::string& text);

// The page's size in millimetres.
QSizeF PaperMillimetres(PaperSize paper);

// Writes `pages` pages of `paper` as one PDF at `path`: no margins, 1200 dots per inch, the
// program as its creator and `title`; `paint` draws page 1, 2, ... in units of `unitsPerMm`.
// False, with `error` in the user's language, when the document cannot be started or the file
// cannot be written.
bool WritePaperPdf(const std::string& path, PaperSize paper, const QString& title, int pages,
                   double unitsPerMm, const std::function<void(QPainter&, int)>& paint,
                   std::string& error);

// The kit's geometry: its latitude on a wheel that fits the paper, its clock (the zone's standard
// offset of the year, or local mean time) and longitude.
PlanisphereGeometry KitGeometry(const PlanisphereKit& kit);

// The lines that say where and in what time the kit works: the place, the clock of the rings,
// and the daylight-saving note when the zone keeps one.
std::vector<std::string> KitPlaceLines(const PlanisphereKit& kit);
std::vector<std::string> KitDaylightSavingLines(const PlanisphereKit& kit);

// Paints page 1 (the star wheel) or 2 (the horizon mask) on an active painter whose coordinates
// are tenths of a millimetre from the page's top left corner. The catalogues must be loaded.
void PaintPlanispherePage(QPainter& painter, const PlanisphereKit& kit, int page);

// The files a kit goes to: "kit.pdf" itself; "kit-1.svg" and "kit-2.svg" for "kit.svg" (PNG the
// same). Empty for any other extension.
std::vector<std::string> PlanisphereFileNames(const std::string& path);

// Writes the kit to `path` (.pdf, .svg or .png by its extension, in any case); each file is
// replaced only once complete. False with a sentence naming the file in `error` otherwise.
bool WritePlanisphere(const std::string& path, const PlanisphereKit& kit, std::string& error);
