// The observing sheet: one printed page for a night out, with the chart at the middle of
// darkness in the printed look, the night's times, and the planets and the list worth a look,
// each row with a box to tick.
#pragma once

#include <string>

#include "chart/tonight.h"
#include "render/planisphere_pages.h"

class QPainter;

struct ObservingSheet {
    Tonight tonight;
    ChartView view;  // the chart's view: place, positions, figures, labels, orientation
    double latitude = 0.0;
    PaperSize paper = PaperSize::A4;
};

// The painter's units: tenths of a millimetre from the page's top left corner.
inline constexpr double SheetUnitsPerMm = 10.0;

// Paints the page on an active painter in sheet units and returns the bottom of what it drew.
// The catalogues must be loaded.
double PaintObservingSheet(QPainter& painter, const ObservingSheet& sheet);

// Writes the sheet as a one-page PDF to `path`, replaced only once complete. False with a
// sentence naming the file in `error` otherwise.
bool WriteObservingSheet(const std::string& path, const ObservingSheet& sheet, std::string& error);
