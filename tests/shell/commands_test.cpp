// The magnitude scrollbar's scroll codes, and the popup menu tree built from its one table.
#include "shell/commands.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "catalog/sky_model.h"
#include "chart/view_settings.h"
#include "shell/popup_menu.h"

namespace {

// How a magnitude must compare with the expected value: exactly, or within rounding of it on
// the side the floating-point steps leave it.
enum class Side { Exact, JustAbove, JustBelow };

struct ScrollRow {
    const char* name;
    double start;
    int code;
    int repeats;
    int thumb;
    double magnitude;
    Side side;
    int position;  // -1: SB_THUMBTRACK, no position update
};

TEST(ScrollCodes, StepMagnitudeClampAndSetThePosition) {
    const ScrollRow rows[] = {
        {"one line left from 4.4", 4.4, SB_LINELEFT, 1, 0, 4.3, Side::JustAbove, 43},
        {"27 lines left", 4.4, SB_LINELEFT, 27, 0, 1.7, Side::JustBelow, 16},
        {"three lines right", 4.4, SB_LINERIGHT, 3, 0, 4.699999999999999, Side::Exact, 46},
        {"line left from 0.1", 0.1, SB_LINELEFT, 1, 0, 0.0, Side::Exact, 0},
        {"lines left stay at 0", 0.1, SB_LINELEFT, 6, 0, 0.0, Side::Exact, 0},
        {"lines right stop at 6.5", 4.4, SB_LINERIGHT, 100, 0, 6.5, Side::Exact, 65},
        {"page left is 0.9 then 0.1", 4.4, SB_PAGELEFT, 1, 0, (4.4 - 0.9) - 0.1, Side::Exact, 34},
        {"page left from 0.5 clamps", 0.5, SB_PAGELEFT, 1, 0, 0.0, Side::Exact, 0},
        {"page right from 6.0 clamps", 6.0, SB_PAGERIGHT, 1, 0, 6.5, Side::Exact, 65},
        {"thumb released at 37", 4.4, SB_THUMBPOSITION, 1, 37, 37 * 0.1, Side::Exact, 37},
        {"thumb tracking", 4.4, SB_THUMBTRACK, 1, 12, 4.4, Side::Exact, -1},
        {"SB_LEFT", 4.4, SB_LEFT, 1, 12, 4.4, Side::Exact, 44},
        {"SB_RIGHT", 4.4, SB_RIGHT, 1, 12, 4.4, Side::Exact, 44},
        {"SB_ENDSCROLL", 4.4, SB_ENDSCROLL, 1, 12, 4.4, Side::Exact, 44},
        {"unknown code", 4.4, 99, 1, 12, 4.4, Side::Exact, 44},
    };
    for (const ScrollRow& row : rows) {
        SCOPED_TRACE(row.name);
        ResetViewSettings();
        const double& magnitude = ViewSettings.dimmestMagnitude;
        ViewSettings.dimmestMagnitude = row.start;
        ScrollOutcome outcome;
        for (int i = 0; i < row.repeats; ++i) outcome = ApplyScrollCode(row.code, row.thumb);
        EXPECT_EQ(outcome.changed, row.position >= 0);
        if (row.position >= 0) {
            EXPECT_EQ(outcome.position, row.position);
        }
        if (row.side == Side::Exact) {
            EXPECT_EQ(magnitude, row.magnitude);
            EXPECT_EQ(std::signbit(magnitude), std::signbit(row.magnitude));
        } else {
            EXPECT_NEAR(magnitude, row.magnitude, 1e-12);
            if (row.side == Side::JustAbove) {
                EXPECT_GT(magnitude, row.magnitude);
            }
            if (row.side == Side::JustBelow) {
                EXPECT_LT(magnitude, row.magnitude);
            }
        }
    }
}

TEST(ScrollCodes, PositionTruncatesTowardZeroWithinTheRange) {
    EXPECT_EQ(MagnitudeScrollPosition(4.4), 44);
    EXPECT_EQ(MagnitudeScrollPosition(1.6999999999999997), 16);
    EXPECT_EQ(MagnitudeScrollPosition(-3.0), 0);
    EXPECT_EQ(MagnitudeScrollPosition(99.0), 65);
    EXPECT_EQ(MagnitudeScrollPosition(std::nan("")), 0);
}

// One line per menu, depth first: its title, then its entries as "label=command" (" off" when
// disabled, " [ ]" or " [x]" when checkable), "label>" for a submenu and "-" for a separator.
void DumpMenu(const QMenu* menu, std::vector<std::string>& lines) {
    std::string line = menu->title().toStdString() + ":";
    std::vector<const QMenu*> submenus;
    for (const QAction* action : menu->actions()) {
        line += " | ";
        if (action->isSeparator()) {
            line += "-";
        } else if (action->menu() != nullptr) {
            line += action->text().toStdString() + ">";
            submenus.push_back(action->menu());
        } else {
            line += action->text().toStdString() + "=" + std::to_string(action->data().toInt());
            if (!action->isEnabled()) line += " off";
            if (action->isCheckable()) line += action->isChecked() ? " [x]" : " [ ]";
        }
    }
    lines.push_back(line);
    for (const QMenu* submenu : submenus) DumpMenu(submenu, lines);
}

// The whole menu with one constellation in each letter group: labels, identifiers and order,
// the one header that can be chosen, "T -  V" with two blanks over its header "T - V" with
// one, and no check mark but on the constellation items.
TEST(PopupMenu, LabelsCommandsOrderHeadersAndCheckMarks) {
    ResetSkyModel();
    for (const char* name : {"Aries", "Cetus", "Draco", "Lyra", "Orion", "Sagitta", "Vela"})
        std::strcpy(ConstellationTable[ConstellationCount++].name, name);
    const PopupMenuTree tree = BuildPopupMenu(nullptr);
    const std::unique_ptr<QMenu> owner(tree.menu);
    FillLetterSubmenus(tree);
    ConstellationTable[4].shown = true;
    UpdateConstellationCheck(4);

    std::vector<std::string> lines;
    DumpMenu(tree.menu, lines);
    const std::vector<std::string> expected = {
        "Main Popup Menu: | Constellations> | Deep Sky> | Map Orientation> | Settings...=40002 "
        "| About...=40004 | - | Print> | - | Exit=40015",
        "Constellations: | Show all=40005 | Hide all=40016 | - | A - B> | C> | D - H> | I - M> "
        "| N - P> | R - S> | T -  V>",
        "A - B: | A - B=40022 off | - | Aries=1000 [ ]",
        "C: | C=40022 off | - | Cetus=1001 [ ]",
        "D - H: | D - H=40022 off | - | Draco=1002 [ ]",
        "I - M: | I - M=40022 off | - | Lyra=1003 [ ]",
        "N - P: | N - P=40022 | - | Orion=1004 [x]",
        "R - S: | R - S=40022 off | - | Sagitta=1005 [ ]",
        "T -  V: | T - V=40022 off | - | Vela=1006 [ ]",
        "Deep Sky: | Show all=40008 | Hide all=40009",
        "Map Orientation: | North=40012 | North East=40013 | East=40014 | Sout East=40017 "
        "| South=40018 | South West=40019 | West=40020 | North West=40021",
        "Print: | To File...=40023 | To Printer...=40024",
    };
    EXPECT_EQ(lines, expected);
    for (std::size_t row = 0; row < 7; ++row)
        EXPECT_EQ(ConstellationTable[row].submenu, tree.letterMenus[row]) << row;
    ResetSkyModel();
}

}  // namespace
