// The printer page of the chart.
#include "render/page_setup.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "chart/view_settings.h"
#include "render/place.h"
#include "render/qt_surface.h"

QFont PrinterFont(const QFont& screenFont) {
    QFont font = screenFont;
    if (screenFont.pixelSize() > 0) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const double dpi = screen != nullptr ? screen->logicalDotsPerInchY() : 96.0;
        font.setPointSizeF(screenFont.pixelSize() * 72.0 / (dpi > 0 ? dpi : 96.0));
    }
    return font;
}

void DrawPrinterPage(QPainter& painter, const ChartWindow& chartWindow, const QFont& font,
                     const ChartPens& pens) {
    QtSurface surface(painter, font);
    DrawChart(chartWindow, surface, ChartPrinter, ViewSettings.margin, pens.figurePen,
              pens.deepSkyPen, pens.skyDayBrush, pens.skyNightBrush);
}

void DrawPrinterPage(QPainter& painter, const ChartWindow& chartWindow, const QFont& font,
                     const ChartPens& pens, const ChartView& view) {
    QtSurface surface(painter, font);
    DrawChartWithView(view, chartWindow, surface, ChartPrinter, pens);
}
