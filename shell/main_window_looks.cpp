// The main window's looks: the night look (the chart in reds on black, and every widget with it)
// and smooth drawing, read from the user's preferences at creation and switched by their menu
// commands. At their defaults the window draws exactly as it always has.
#include <QAction>
#include <QPainter>

#include "chart/chart_pass.h"
#include "chart/view_settings.h"
#include "render/qt_surface.h"
#include "shell/commands.h"
#include "shell/main_window.h"
#include "shell/shell_objects.h"

namespace {

void SetChecked(QMenu* menu, int command, bool checked) {
    if (QAction* action = FindCommandAction(menu, command)) action->setChecked(checked);
}

}  // namespace

void MainWindow::ApplyDisplayPreferences() {
    display_ = ReadDisplayPreferences();
    ApplyNightLook(display_.night);
    SetChecked(menu_.menu, CommandNightMode, display_.night);
    SetChecked(menu_.menu, CommandSmoothDrawing, display_.smooth);
}

// A change is remembered at once, so that a crash or a killed session keeps it too.
void MainWindow::SetDisplayPreferences(const DisplayPreferences& display) {
    display_ = display;
    WriteDisplayPreferences(display_);
    ApplyNightLook(display_.night);
    SetChecked(menu_.menu, CommandNightMode, display_.night);
    SetChecked(menu_.menu, CommandSmoothDrawing, display_.smooth);
    Repaint();
}

Rgb MainWindow::ScreenInk() const {
    return display_.night ? NightInkColour : White;
}

Rgb MainWindow::ScreenPaper() const {
    return display_.night ? NightBackgroundColour : ShellObjects.backgroundBrush.colour;
}

// By day the pass gets the window's own drawing objects, as it always has; at night the night
// set of chart_colours.h.
ChartPassResult MainWindow::DrawChartForScreen(QPainter& painter) {
    QtSurface surface(painter, font());
    surface.SetSmooth(display_.smooth);
    const ChartPens pens = display_.night
                               ? NightChartPens()
                               : ChartPens{ShellObjects.figurePen, ShellObjects.deepSkyPen,
                                           ShellObjects.skyDayBrush, ShellObjects.skyNightBrush};
    ChartPassResult pass = ::RunChartPass(*this, surface, ChartScreen, ViewSettings.margin,
                                          WindowView(), ViewSettings.latitude, pens);
    ViewSettings.siderealTime = pass.observer.siderealTime;
    return pass;
}
