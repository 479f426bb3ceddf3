// The popup menu tree.
#include "shell/popup_menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <cstring>
#include <vector>

#include "catalog/sky_model.h"
#include "shell/commands.h"
#include "shell/key_table.h"

// The window answers the key itself (MainWindow's shortcuts); here it is only shown, so it is
// bound to the open menu alone.
void ShowCommandKeys(QAction* action, int command) {
    const char* keys = CommandKeys(command);
    if (keys == nullptr) return;
    action->setShortcut(QKeySequence(QString::fromLatin1(keys), QKeySequence::PortableText));
    action->setShortcutContext(Qt::WidgetShortcut);
    action->setShortcutVisibleInContextMenu(true);
}

namespace {

// A label of the table in the user's language (the letter groups have no translation and stay).
QString MenuText(const char* label) {
    return QCoreApplication::translate("PopupMenu", label);
}

}  // namespace

// Walks the table with a stack of open submenus; the letter submenus are remembered by their
// group index so that the constellations can be appended to them afterwards.
PopupMenuTree BuildPopupMenu(QWidget* parent) {
    PopupMenuTree tree;
    tree.menu = new QMenu(QCoreApplication::translate("PopupMenu", "Main Popup Menu"), parent);
    std::vector<QMenu*> open{tree.menu};
    for (const MenuEntry& entry : MainPopupMenuTable()) {
        QMenu* current = open.back();
        switch (entry.kind) {
            case MenuEntryKind::Item: {
                QAction* action = current->addAction(MenuText(entry.label));
                action->setData(entry.command);
                action->setEnabled(entry.enabled);
                action->setCheckable(entry.checkable);
                ShowCommandKeys(action, entry.command);
                break;
            }
            case MenuEntryKind::Separator:
                current->addSeparator();
                break;
            case MenuEntryKind::SubmenuBegin: {
                QMenu* submenu = current->addMenu(MenuText(entry.label));
                if (entry.letterGroup >= 0 && entry.letterGroup < LetterGroupCount)
                    tree.letterMenus[static_cast<std::size_t>(entry.letterGroup)] = submenu;
                open.push_back(submenu);
                break;
            }
            case MenuEntryKind::SubmenuEnd:
                if (open.size() > 1) open.pop_back();
                break;
        }
    }
    return tree;
}

// Names are shown as the constellation text stores them, underscores included ("Canis_Major");
// Latin-1 keeps every byte of a name visible whatever it holds.
void FillLetterSubmenus(const PopupMenuTree& tree) {
    const std::vector<int> groups = AssignLetterGroups();
    for (std::size_t row = 0; row < groups.size(); ++row) {
        QMenu* submenu = tree.letterMenus[static_cast<std::size_t>(groups[row])];
        Constellation& constellation = ConstellationTable[row];
        constellation.submenu = submenu;
        if (submenu == nullptr) continue;
        const char* name = constellation.name;
        QAction* action = submenu->addAction(QString::fromLatin1(
            name, static_cast<qsizetype>(strnlen(name, ConstellationNameSize))));
        action->setData(ConstellationCommandBase + static_cast<int>(row));
        action->setCheckable(true);
        action->setChecked(false);
    }
}

QAction* FindCommandAction(const QMenu* menu, int command) {
    if (menu == nullptr) return nullptr;
    for (QAction* action : menu->actions()) {
        if (QMenu* submenu = action->menu()) {
            if (QAction* found = FindCommandAction(submenu, command)) return found;
        } else if (!action->isSeparator() && action->data().toInt() == command) {
            return action;
        }
    }
    return nullptr;
}

void UpdateConstellationCheck(int row) {
    if (row < 0 || row >= ConstellationCount || row >= MaxConstellations) return;
    const Constellation& constellation = ConstellationTable[row];
    QAction* action = FindCommandAction(static_cast<const QMenu*>(constellation.submenu),
                                        ConstellationCommandBase + row);
    if (action != nullptr) action->setChecked(constellation.shown);
}
