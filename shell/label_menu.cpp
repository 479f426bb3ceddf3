// The Labels submenu and its remembered choice.
#include "shell/label_menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QSettings>

#include "base/messages.h"
#include "shell/commands.h"
#include "shell/popup_menu.h"
#include "shell/user_settings.h"

namespace {

struct LabelItem {
    const char* text;
    const char* key;  // under "labels/" in the settings
    bool ChartLabels::*flag;
};

constexpr LabelItem LabelItems[] = {
    {QT_TRANSLATE_NOOP("LabelsMenu", "Star names"), "stars", &ChartLabels::stars},
    {QT_TRANSLATE_NOOP("LabelsMenu", "Constellation names (shown figures)"), "constellations",
     &ChartLabels::constellations},
    {QT_TRANSLATE_NOOP("LabelsMenu", "All constellation names"), "allConstellations",
     &ChartLabels::allConstellations},
    {QT_TRANSLATE_NOOP("LabelsMenu", "Sun, Moon and planets (Moon phase)"), "bodies",
     &ChartLabels::bodies},
    {QT_TRANSLATE_NOOP("LabelsMenu", "Messier numbers"), "deepSky", &ChartLabels::deepSky},
    {QT_TRANSLATE_NOOP("LabelsMenu", "Legend"), "legend", &ChartLabels::legend},
};

}  // namespace

ChartLabels ReadLabelChoice() {
    return ReadFlags<ChartLabels>("labels", LabelItems);
}

void WriteLabelChoice(const ChartLabels& labels) {
    WriteFlags("labels", LabelItems, labels);
}

QMenu* AddLabelsMenu(QMenu* popup, ChartLabels& labels, std::function<void()> changed) {
    auto* submenu = new QMenu(QCoreApplication::translate("LabelsMenu", LabelsMenuTitle), popup);
    for (const LabelItem& item : LabelItems) {
        QAction* action = submenu->addAction(QCoreApplication::translate("LabelsMenu", item.text));
        action->setCheckable(true);
        action->setChecked(labels.*item.flag);
        action->setData(CommandDismissed);  // handled here; the window's dispatch ignores it
        QObject::connect(action, &QAction::toggled, submenu,
                         [&labels, flag = item.flag, changed](bool on) {
                             labels.*flag = on;
                             WriteLabelChoice(labels);
                             changed();
                         });
    }
    QAction* settingsItem = FindCommandAction(popup, CommandSettings);
    popup->insertMenu(settingsItem, submenu);  // null: appended
    return submenu;
}
