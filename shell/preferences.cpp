// Preferences remembered in QSettings.
#include "shell/preferences.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QSettings>

#include "chart/view_settings.h"
#include "shell/commands.h"
#include "shell/popup_menu.h"
#include "shell/user_settings.h"

namespace {

const char* const PreciseKey = "chart/precisePositions";

}  // namespace

void LoadPreferences() {
    ViewSettings.precisePositions = UserSettings().value(PreciseKey, false).toBool();
}

void AddPreferenceItems(QMenu* menu) {
    if (menu == nullptr) return;
    auto* action = new QAction(QCoreApplication::translate("PopupMenu", "Precise Positions"), menu);
    action->setData(CommandPrecisePositions);
    ShowCommandKeys(action, CommandPrecisePositions);
    action->setCheckable(true);
    action->setChecked(ViewSettings.precisePositions);
    menu->insertAction(FindCommandAction(menu, CommandSettings), action);
}

bool ApplyPreferenceCommand(QMenu* menu, int command) {
    if (command != CommandPrecisePositions) return false;
    ViewSettings.precisePositions = !ViewSettings.precisePositions;
    UserSettings().setValue(PreciseKey, ViewSettings.precisePositions);
    if (QAction* action = FindCommandAction(menu, command))
        action->setChecked(ViewSettings.precisePositions);
    return true;
}
