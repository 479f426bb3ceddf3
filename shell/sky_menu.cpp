// The Sky submenu and its remembered choice.
#include "shell/sky_menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

#include "shell/commands.h"
#include "shell/label_menu.h"
#include "shell/popup_menu.h"
#include "shell/user_settings.h"

namespace {

struct SkyItem {
    int command;
    const char* text;
    const char* key;  // under "sky/" in the settings
    bool SkyLayers::*flag;
};

constexpr SkyItem SkyItems[] = {
    {CommandMilkyWay, QT_TRANSLATE_NOOP("SkyMenu", "Milky Way"), "milkyWay", &SkyLayers::milkyWay},
    {CommandBoundaries, QT_TRANSLATE_NOOP("SkyMenu", "Constellation Boundaries"), "boundaries",
     &SkyLayers::boundaries},
    {CommandEcliptic, QT_TRANSLATE_NOOP("SkyMenu", "Ecliptic"), "ecliptic", &SkyLayers::ecliptic},
    {CommandEquator, QT_TRANSLATE_NOOP("SkyMenu", "Celestial Equator"), "equator",
     &SkyLayers::equator},
    {CommandAltAzGrid, QT_TRANSLATE_NOOP("SkyMenu", "Altitude-Azimuth Grid"), "grid",
     &SkyLayers::grid},
};

}  // namespace

SkyLayers ReadSkyChoice() {
    return ReadFlags<SkyLayers>("sky", SkyItems);
}

void WriteSkyChoice(const SkyLayers& sky) {
    WriteFlags("sky", SkyItems, sky);
}

QMenu* AddSkyMenu(QMenu* popup, const SkyLayers& sky) {
    auto* submenu = new QMenu(QCoreApplication::translate("SkyMenu", "Sky"), popup);
    for (const SkyItem& item : SkyItems) {
        QAction* action = submenu->addAction(QCoreApplication::translate("SkyMenu", item.text));
        action->setData(item.command);
        action->setCheckable(true);
        action->setChecked(sky.*item.flag);
        ShowCommandKeys(action, item.command);
    }
    // After the Labels submenu: before the action that follows it.
    QAction* before = FindCommandAction(popup, CommandSettings);
    const QList<QAction*> actions = popup->actions();
    for (qsizetype i = 0; i < actions.size(); ++i)
        if (actions[i]->menu() && actions[i]->text() == QLatin1String(LabelsMenuTitle))
            before = i + 1 < actions.size() ? actions[i + 1] : nullptr;
    popup->insertMenu(before, submenu);
    return submenu;
}

bool ApplySkyCommand(QMenu* menu, SkyLayers& sky, int command) {
    for (const SkyItem& item : SkyItems) {
        if (item.command != command) continue;
        sky.*item.flag = !(sky.*item.flag);
        WriteSkyChoice(sky);
        if (QAction* action = FindCommandAction(menu, command)) action->setChecked(sky.*item.flag);
        return true;
    }
    return false;
}
