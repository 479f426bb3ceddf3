// One chart pass for a file: what the job is, and the pass that every file format runs.
#pragma once

#include <QFont>

#include "chart/chart_pass.h"
#include "chart/view_settings.h"

// The largest width or height of an exported chart, in pixels.
inline constexpr int MaxExportSide = 16384;

// One export: the chart's size in device pixels, the pass's mode, the window whose picker gives
// the date and time, the font the pass measures and writes with, and the pass's values: the
// view, the latitude and the pens (by default those of the program's state and the standard
// colours).
struct ExportJob {
    int width = 0;
    int height = 0;
    ChartMode mode = ChartScreen;
    const ChartWindow& window;
    QFont font;
    ChartView view = ViewFromSettings();
    double latitude = ViewSettings.latitude;
    ChartPens pens{};
    ChartPassResult* result = nullptr;  // when given, receives what the pass placed
};

// Runs the chart pass on `surface` for the job, with ViewSettings.margin. The layout takes the
// job's size as the client size; the date and time come from the job's window. A file has no
// date-time picker, so in ChartScreen mode the instant is then written on the picker's line. The
// pass leaves the hot-spot table and the chart positions in this surface's coordinates, and
// returns what it placed.
ChartPassResult RunExportPass(Surface& surface, const ExportJob& job);
