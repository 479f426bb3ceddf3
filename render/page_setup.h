// The chart on a printer page: the screen's font at the same physical size, and the printer pass.
#pragma once

#include <QFont>

#include "chart/chart_pass.h"

class QPainter;

// The screen font at the same physical size on paper: a size in pixels becomes a size in points
// at the screen's resolution, so that a printer of any resolution measures it in its own pixels.
QFont PrinterFont(const QFont& screenFont);

// The printer pass on an active painter: DrawChart in printer mode with `pens`, measuring `font`
// on the painter's device.
void DrawPrinterPage(QPainter& painter, const ChartWindow& chartWindow, const QFont& font,
                     const ChartPens& pens);
// The same with a view of the caller's (the window's place and time basis).
void DrawPrinterPage(QPainter& painter, const ChartWindow& chartWindow, const QFont& font,
                     const ChartPens& pens, const ChartView& view);
