// The shell's plain logic, without widgets: scroll codes, menu commands, letter groups and the
// latitude entry.
#include <optional>

#include "app_fixture.h"
#include "shell/commands.h"
#include "shell/latitude_entry.h"
#include "shell/letter_groups.h"

namespace {

// Start, code, repeats, thumb position, then the position (-1: no change reported), which also
// catches the rounding side: 27 line steps from 4.4 leave 1.6999..., at 16.
TEST(ShellLogic, ScrollCodesStepClampAndPosition) {
    // clang-format off
    const struct { double start; int code, repeats, thumb, position; } rows[] = {
        {4.4, SB_LINELEFT, 1, 0, 43},       {4.4, SB_LINELEFT, 27, 0, 16},
        {4.4, SB_LINERIGHT, 3, 0, 46},      {4.4, SB_LINERIGHT, 99, 0, 65},
        {4.4, SB_PAGELEFT, 1, 0, 34},       {0.5, SB_PAGELEFT, 1, 0, 0},
        {6.0, SB_PAGERIGHT, 1, 0, 65},      {4.4, SB_PAGERIGHT, 1, 0, 54},
        {4.4, SB_THUMBPOSITION, 1, 37, 37}, {4.4, SB_THUMBTRACK, 1, 12, -1},
        {4.4, SB_LEFT, 1, 12, 44},
    };
    // clang-format on
    for (const auto& row : rows) {
        ViewSettings.dimmestMagnitude = row.start;
        ScrollOutcome outcome;
        for (int i = 0; i < row.repeats; ++i) outcome = ApplyScrollCode(row.code, row.thumb);
        EXPECT_EQ(MagnitudeScrollPosition(ViewSettings.dimmestMagnitude),
                  row.position < 0 ? 44 : row.position);
        EXPECT_EQ(outcome.changed ? outcome.position : -1, row.position) << row.code;
    }
    EXPECT_EQ(MagnitudeScrollPosition(-3.0) + MagnitudeScrollPosition(std::nan("")), 0);
}

// In turn on 3 constellations and 2 deep-sky objects: command, action, then the shown flags of
// the constellations and deep-sky objects and the azimuth after it. The last four change nothing.
TEST(ShellLogic, CommandsChangeTheStateAndNameTheWindowsAction) {
    ResetSkyModel();
    ResetViewSettings();
    ConstellationCount = 3;
    DeepSkyTable.resize(DeepSkyCount = 2);
    using enum CommandAction;
    // clang-format off
    const struct { int command; CommandAction action; const char* state; } rows[] = {
        {1001, ToggleConstellation, "010 00 180"}, {1002, ToggleConstellation, "011 00 180"},
        {1001, ToggleConstellation, "001 00 180"}, {40005, SetAllConstellationMarks, "111 00 180"},
        {40008, Repaint, "111 11 180"}, {40016, SetAllConstellationMarks, "000 11 180"},
        {40009, Repaint, "000 00 180"}, {40012, Repaint, "000 00 0"}, {40013, Repaint, "000 00 45"},
        {40014, Repaint, "000 00 90"}, {40017, Repaint, "000 00 135"},
        {40018, Repaint, "000 00 180"}, {40019, Repaint, "000 00 225"},
        {40020, Repaint, "000 00 270"}, {40021, Repaint, "000 00 315"},
        {40002, Settings, "000 00 315"}, {40004, About, "000 00 315"},
        {40023, Export, "000 00 315"}, {40024, Print, "000 00 315"}, {40015, Exit, "000 00 315"},
        {40025, Find, "000 00 315"}, {40026, GoToRising, "000 00 315"},
        {40027, GoToTransit, "000 00 315"},
        {0, None, "000 00 315"}, {40022, None, "000 00 315"}, {999, None, "000 00 315"},
        {1003, None, "000 00 315"}};
    // clang-format on
    for (const auto& row : rows) {
        const CommandOutcome outcome = DispatchCommand(row.command);
        EXPECT_EQ(outcome.action, row.action) << row.command;
        EXPECT_EQ(outcome.row, row.action == ToggleConstellation ? row.command - 1000 : -1);
        std::string state = "000 00 ";
        for (int i = 0; i < 3; ++i) state[i] = ConstellationTable[i].shown ? '1' : '0';
        for (int i = 0; i < 2; ++i) state[4 + i] = DeepSkyTable[i].shown ? '1' : '0';
        EXPECT_EQ(state + std::to_string(int(ViewSettings.orientationAzimuth)), row.state);
    }
}

// Initials compare as signed characters (0xC3 never opens a group), the group moves on by at
// most one a row and stays in the last past "Z".
TEST(ShellLogic, LetterGroups) {
    for (const auto& [names, groups] : std::vector<std::pair<std::string, std::vector<int>>>{
             {"Andromeda Draco Hydra Lyra", {0, 1, 2, 3}},
             {"Aries \xC3rion Cetus", {0, 0, 1}},
             {"Bootes Cetus Draco Mensa Norma Sextans Virgo alpha zeta",
              {0, 1, 2, 3, 4, 5, 6, 6, 6}}}) {
        ResetSkyModel();
        for (const QString& name : QString::fromLatin1(names).split(' '))
            std::strcpy(ConstellationTable[ConstellationCount++].name, name.toLatin1());
        EXPECT_EQ(AssignLetterGroups(), groups) << names;
    }
    ResetSkyModel();
}

// Shown: the magnitude as "%1.0f" rounds it, S for below zero only. Read: the first number, its
// magnitude, within 90 (90 itself moved inward), at most 999 characters; else rejected.
TEST(ShellLogic, LatitudeEntryFormatAndParse) {
    EXPECT_EQ(FormatLatitudeEntry(30.6) + FormatLatitudeEntry(-33) + FormatLatitudeEntry(2.5),
              "31332");
    EXPECT_TRUE(LatitudeSelectsSouth(-33) && !LatitudeSelectsSouth(-0.0));
    // clang-format off
    const struct { std::string text; std::optional<double> latitude; } rows[] = {  // S if < 0
        {"  45xyz", 45.0}, {"-33", 33.0}, {"12.75", -12.75}, {"90", -89.9999},
        {"90.0001", {}}, {"   ", {}}, {"north", {}}, {"1e400", {}}, {"nan", {}},
        {std::string(998, '0') + "45", 4.0}};
    // clang-format on
    for (const auto& row : rows)
        EXPECT_EQ(ParseLatitudeEntry(row.text, row.latitude < 0.0), row.latitude)
            << row.text.substr(0, 9);
}

}  // namespace
