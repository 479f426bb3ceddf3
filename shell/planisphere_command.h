// "Make Planisphere..." (in the popup menu's Print submenu): the printable star wheel and horizon
// mask for the chart's latitude, place and magnitude limit, saved as PDF (two pages) or SVG (one
// file a page) through the same save dialog as "To File...".
#pragma once

#include <QString>
#include <QStringList>

#include "chart/chart_pass.h"
#include "shell/commands.h"

class QWidget;

// The save dialog's filters: PDF first, then SVG.
QStringList PlanisphereNameFilters();

// Asks for a file through SavePaths(), starting from "Planisphere.pdf" in the folder of the
// last export, and writes the kit for `view` (the window's place and time basis) at the
// program's latitude and magnitude limit, on A4, or Letter where the system measures in inches.
// The dates are those of the picker's year. False when the dialog was cancelled; a file that
// cannot be written is reported in a message naming it.
bool RunPlanisphereCommand(QWidget* window, const ChartWindow& chartWindow, const ChartView& view);
