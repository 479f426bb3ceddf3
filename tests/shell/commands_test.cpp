// The magnitude scrollbar's scroll codes, the popup menu's table and the dispatch of its
// commands, without a window.
#include "shell/commands.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "catalog/sky_model.h"
#include "chart/view_settings.h"

namespace {

class ScrollCodeTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetViewSettings(); }
    double& magnitude = ViewSettings.dimmestMagnitude;
};

TEST_F(ScrollCodeTest, OneLineLeftFromStartGivesJustAbove4Point3AndPosition43) {
    EXPECT_EQ(MagnitudeScrollPosition(magnitude), 44);
    const ScrollOutcome outcome = ApplyScrollCode(SB_LINELEFT, 0);
    EXPECT_TRUE(outcome.changed);
    EXPECT_GT(magnitude, 4.3);
    EXPECT_NEAR(magnitude, 4.3, 1e-12);
    EXPECT_EQ(outcome.position, 43);
}

TEST_F(ScrollCodeTest, TwentySevenLineStepsLeftLandJustBelow1Point7AtPosition16) {
    ScrollOutcome outcome;
    for (int i = 0; i < 27; ++i) outcome = ApplyScrollCode(SB_LINELEFT, 0);
    EXPECT_LT(magnitude, 1.7);
    EXPECT_NEAR(magnitude, 1.7, 1e-12);
    EXPECT_EQ(outcome.position, 16);
}

TEST_F(ScrollCodeTest, ThreeLineStepsRightGive4Point699999999999999AtPosition46) {
    ScrollOutcome outcome;
    for (int i = 0; i < 3; ++i) outcome = ApplyScrollCode(SB_LINERIGHT, 0);
    EXPECT_EQ(magnitude, 4.699999999999999);
    EXPECT_EQ(outcome.position, 46);
}

TEST_F(ScrollCodeTest, LineStepsLeftStopAtExactlyZero) {
    magnitude = 0.1;
    EXPECT_EQ(ApplyScrollCode(SB_LINELEFT, 0).position, 0);
    EXPECT_EQ(magnitude, 0.0);
    for (int i = 0; i < 5; ++i) ApplyScrollCode(SB_LINELEFT, 0);
    EXPECT_EQ(magnitude, 0.0);
    EXPECT_FALSE(std::signbit(magnitude));
}

TEST_F(ScrollCodeTest, LineStepsRightStopAtExactly6Point5HoweverOftenRepeated) {
    ScrollOutcome outcome;
    for (int i = 0; i < 100; ++i) outcome = ApplyScrollCode(SB_LINERIGHT, 0);
    EXPECT_EQ(magnitude, 6.5);
    EXPECT_EQ(outcome.position, 65);
}

TEST_F(ScrollCodeTest, PageStepsClampOnlyAfterBothSubtractions) {
    magnitude = 0.5;
    EXPECT_EQ(ApplyScrollCode(SB_PAGELEFT, 0).position, 0);
    EXPECT_EQ(magnitude, 0.0);
    magnitude = 6.0;
    EXPECT_EQ(ApplyScrollCode(SB_PAGERIGHT, 0).position, 65);
    EXPECT_EQ(magnitude, 6.5);
}

TEST_F(ScrollCodeTest, PageStepIsNineTenthsThenOneTenth) {
    ApplyScrollCode(SB_PAGELEFT, 0);
    EXPECT_EQ(magnitude, (4.4 - 0.9) - 0.1);
    EXPECT_EQ(MagnitudeScrollPosition(magnitude), 34);
    ApplyScrollCode(SB_PAGERIGHT, 0);
    EXPECT_NEAR(magnitude, 4.4, 1e-12);
}

TEST_F(ScrollCodeTest, ThumbReleaseAt37SetsExactly37TimesOneTenth) {
    const ScrollOutcome outcome = ApplyScrollCode(SB_THUMBPOSITION, 37);
    EXPECT_EQ(magnitude, 37 * 0.1);
    EXPECT_EQ(outcome.position, 37);
}

TEST_F(ScrollCodeTest, ThumbTrackingChangesNothing) {
    const ScrollOutcome outcome = ApplyScrollCode(SB_THUMBTRACK, 12);
    EXPECT_FALSE(outcome.changed);
    EXPECT_EQ(magnitude, 4.4);
}

TEST_F(ScrollCodeTest, OtherCodesKeepTheValueButStillSetThePosition) {
    for (int code : {int{SB_LEFT}, int{SB_RIGHT}, int{SB_ENDSCROLL}, 99, -1}) {
        const ScrollOutcome outcome = ApplyScrollCode(code, 12);
        EXPECT_TRUE(outcome.changed) << code;
        EXPECT_EQ(outcome.position, 44) << code;
        EXPECT_EQ(magnitude, 4.4) << code;
    }
}

TEST(MagnitudeScrollPosition, TruncatesTowardZeroAndStaysInRange) {
    EXPECT_EQ(MagnitudeScrollPosition(1.6999999999999997), 16);
    EXPECT_EQ(MagnitudeScrollPosition(-3.0), 0);
    EXPECT_EQ(MagnitudeScrollPosition(99.0), 65);
    EXPECT_EQ(MagnitudeScrollPosition(std::nan("")), 0);
}

// The labels of a submenu's entries, up to its end.
std::vector<std::string> SubmenuLabels(const char* title) {
    std::vector<std::string> labels;
    const auto table = MainPopupMenuTable();
    int depth = -1;
    for (const MenuEntry& entry : table) {
        if (depth < 0) {
            if (entry.kind == MenuEntryKind::SubmenuBegin && std::strcmp(entry.label, title) == 0)
                depth = 0;
            continue;
        }
        if (entry.kind == MenuEntryKind::SubmenuEnd) {
            if (depth-- == 0) break;
            continue;
        }
        if (depth == 0)
            labels.push_back(entry.kind == MenuEntryKind::Separator ? "-" : entry.label);
        if (entry.kind == MenuEntryKind::SubmenuBegin) ++depth;
    }
    return labels;
}

TEST(PopupMenuTable, TopLevelInMenuOrder) {
    std::vector<std::string> top;
    int depth = 0;
    for (const MenuEntry& entry : MainPopupMenuTable()) {
        if (entry.kind == MenuEntryKind::SubmenuEnd) {
            --depth;
            continue;
        }
        if (depth == 0) top.push_back(entry.kind == MenuEntryKind::Separator ? "-" : entry.label);
        if (entry.kind == MenuEntryKind::SubmenuBegin) ++depth;
    }
    EXPECT_EQ(top,
              (std::vector<std::string>{"Constellations", "Deep Sky", "Map Orientation",
                                        "Settings...", "About...", "-", "Print", "-", "Exit"}));
    EXPECT_EQ(depth, 0);
}

TEST(PopupMenuTable, ConstellationSubmenuHoldsShowHideAndSevenLetterGroups) {
    EXPECT_EQ(SubmenuLabels("Constellations"),
              (std::vector<std::string>{"Show all", "Hide all", "-", "A - B", "C", "D - H", "I - M",
                                        "N - P", "R - S", "T -  V"}));
    EXPECT_EQ(SubmenuLabels("T -  V"), (std::vector<std::string>{"T - V", "-"}));
    EXPECT_EQ(SubmenuLabels("Map Orientation"),
              (std::vector<std::string>{"North", "North East", "East", "Sout East", "South",
                                        "South West", "West", "North West"}));
}

TEST(PopupMenuTable, OnlyTheNToPHeaderCanBeChosen) {
    int headers = 0;
    for (const MenuEntry& entry : MainPopupMenuTable()) {
        if (entry.command != CommandLetterHeader) continue;
        ++headers;
        EXPECT_EQ(entry.enabled, std::string(entry.label) == "N - P") << entry.label;
    }
    EXPECT_EQ(headers, 7);
}

class DispatchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetViewSettings();
        ResetSkyModel();
        ConstellationCount = 3;
        DeepSkyTable.assign(4, DeepSkyObject{});
        DeepSkyCount = 4;
    }
    void TearDown() override { ResetSkyModel(); }
};

TEST_F(DispatchTest, OrientationCommandsSetTheAzimuthAtTheBottomAndRepaintEvenWhenUnchanged) {
    const std::pair<int, double> expected[] = {
        {40012, 0.0},   {40013, 45.0},  {40014, 90.0},  {40017, 135.0},
        {40018, 180.0}, {40019, 225.0}, {40020, 270.0}, {40021, 315.0},
    };
    for (const auto& [command, azimuth] : expected) {
        ViewSettings.orientationAzimuth = -1;
        EXPECT_EQ(DispatchCommand(command).action, CommandAction::Repaint) << command;
        EXPECT_EQ(ViewSettings.orientationAzimuth, azimuth) << command;
    }
    EXPECT_EQ(DispatchCommand(CommandNorthWest).action, CommandAction::Repaint);
}

TEST_F(DispatchTest, ConstellationCommandFlipsItsRowAndTwiceRestoresIt) {
    const CommandOutcome outcome = DispatchCommand(ConstellationCommandBase + 2);
    EXPECT_EQ(outcome.action, CommandAction::ToggleConstellation);
    EXPECT_EQ(outcome.row, 2);
    EXPECT_TRUE(ConstellationTable[2].shown);
    EXPECT_FALSE(ConstellationTable[1].shown);
    DispatchCommand(ConstellationCommandBase + 2);
    EXPECT_FALSE(ConstellationTable[2].shown);
}

TEST_F(DispatchTest, CommandsPastTheLastConstellationDoNothing) {
    EXPECT_EQ(DispatchCommand(ConstellationCommandBase + 3).action, CommandAction::None);
    EXPECT_EQ(DispatchCommand(ConstellationCommandBase - 1).action, CommandAction::None);
    EXPECT_FALSE(ConstellationTable[3].shown);
}

TEST_F(DispatchTest, ShowAllAndHideAllSetEveryConstellationRow) {
    DispatchCommand(ConstellationCommandBase + 1);
    EXPECT_EQ(DispatchCommand(CommandShowAllConstellations).action,
              CommandAction::SetAllConstellationMarks);
    for (int row = 0; row < 3; ++row) EXPECT_TRUE(ConstellationTable[row].shown);
    EXPECT_FALSE(ConstellationTable[3].shown);  // beyond ConstellationCount
    EXPECT_EQ(DispatchCommand(CommandHideAllConstellations).action,
              CommandAction::SetAllConstellationMarks);
    for (int row = 0; row < 3; ++row) EXPECT_FALSE(ConstellationTable[row].shown);
}

TEST_F(DispatchTest, DeepSkyShowAllAndHideAllSetEveryRowAndRepaint) {
    EXPECT_EQ(DispatchCommand(CommandShowAllDeepSky).action, CommandAction::Repaint);
    for (const DeepSkyObject& object : DeepSkyTable) EXPECT_TRUE(object.shown);
    EXPECT_EQ(DispatchCommand(CommandHideAllDeepSky).action, CommandAction::Repaint);
    for (const DeepSkyObject& object : DeepSkyTable) EXPECT_FALSE(object.shown);
}

TEST_F(DispatchTest, WindowCommandsAreHandedBack) {
    EXPECT_EQ(DispatchCommand(40002).action, CommandAction::Settings);
    EXPECT_EQ(DispatchCommand(40004).action, CommandAction::About);
    EXPECT_EQ(DispatchCommand(40023).action, CommandAction::Export);
    EXPECT_EQ(DispatchCommand(40024).action, CommandAction::Print);
    EXPECT_EQ(DispatchCommand(40015).action, CommandAction::Exit);
}

TEST_F(DispatchTest, DismissedMenuHeadersAndUnknownCommandsDoNothing) {
    for (int command : {0, 40022, 40003, 40010, 40011, 40025, -5}) {
        EXPECT_EQ(DispatchCommand(command).action, CommandAction::None) << command;
    }
    EXPECT_EQ(ViewSettings.orientationAzimuth, 180.0);
}

}  // namespace
