// The Labels submenu and its remembered choice.
#include "shell/label_menu.h"

#include <QAction>
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
    {"Star names", "stars", &ChartLabels::stars},
    {"Constellation names (shown figures)", "constellations", &ChartLabels::constellations},
    {"All constellation names", "allConstellations", &ChartLabels::allConstellations},
    {"Sun, Moon and planets (Moon phase)", "bodies", &ChartLabels::bodies},
    {"Messier numbers", "deepSky", &ChartLabels::deepSky},
    {"Legend", "legend", &ChartLabels::legend},
};

}  // namespace

ChartLabels ReadLabelChoice() {
    return ReadFlags<ChartLabels>("labels", LabelItems);
}

void WriteLabelChoice(const ChartLabels& labels) {
    WriteFlags("labels", LabelItems, labels);
}

QMenu* AddLabelsMenu(QMenu* popup, ChartLabels& labels, std::function<void()> changed) {
    auto* submenu = new QMenu(QString::fromLatin1(LabelsMenuTitle), popup);
    for (const LabelItem& item : LabelItems) {
        QAction* action = submenu->addAction(QString::fromLatin1(item.text));
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
