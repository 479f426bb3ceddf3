// The popup menu's Labels submenu: one checkable item for each kind of name the chart can add,
// and the legend. The choice is remembered in the user's configuration (QSettings), not in
// Settings.dat, and starts all off.
#pragma once

#include <QtGlobal>
#include <functional>

#include "chart/label_choice.h"

class QMenu;

// The submenu's title in the popup menu, in English (shown in the user's language).
inline constexpr const char* LabelsMenuTitle = QT_TRANSLATE_NOOP("LabelsMenu", "Labels");

// The choice remembered from the last run (all off when none was).
ChartLabels ReadLabelChoice();
void WriteLabelChoice(const ChartLabels& labels);

// Adds the Labels submenu to `popup`, before its "Settings..." item (at the end when there is
// none), checked as `labels` says. Each item flips its flag in `labels`, writes the choice and
// calls `changed`. Returns the submenu.
QMenu* AddLabelsMenu(QMenu* popup, ChartLabels& labels, std::function<void()> changed);
