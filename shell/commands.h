// The main window's commands without the window: the magnitude scrollbar's scroll codes, the
// popup menu's table of labels and command identifiers, and what each command does to the view
// state and the shown flags of the catalogue tables.
//
// The widgets only translate Qt events into these functions and carry out the widget side of the
// outcome (check marks, dialogs, repaint).
#pragma once

#include <span>

// Scroll codes of the magnitude scrollbar, numbered as the platform numbers them.
enum ScrollCode : int {
    SB_LINELEFT = 0,
    SB_LINERIGHT = 1,
    SB_PAGELEFT = 2,
    SB_PAGERIGHT = 3,
    SB_THUMBPOSITION = 4,
    SB_THUMBTRACK = 5,
    SB_LEFT = 6,
    SB_RIGHT = 7,
    SB_ENDSCROLL = 8,
};

// The scrollbar's range: one unit per 0.1 magnitude.
inline constexpr int MagnitudeScrollMinimum = 0;
inline constexpr int MagnitudeScrollMaximum = 65;

struct ScrollOutcome {
    bool changed = false;  // false only for SB_THUMBTRACK: no position update, no repaint
    int position = 0;      // the scrollbar's new position when changed
};

// The scrollbar position for a magnitude: magnitude x 10 truncated toward zero.
int MagnitudeScrollPosition(double magnitude);

// Applies one scroll code to ViewSettings.dimmestMagnitude. `thumbPosition` is read for
// SB_THUMBPOSITION only.
ScrollOutcome ApplyScrollCode(int code, int thumbPosition);

// Command identifiers of the popup menu. Constellation row i has ConstellationCommandBase + i.
inline constexpr int ConstellationCommandBase = 1000;
enum MenuCommand : int {
    CommandDismissed = 0,
    CommandSettings = 40002,
    CommandAbout = 40004,
    CommandShowAllConstellations = 40005,
    CommandShowAllDeepSky = 40008,
    CommandHideAllDeepSky = 40009,
    CommandNorth = 40012,
    CommandNorthEast = 40013,
    CommandEast = 40014,
    CommandExit = 40015,
    CommandHideAllConstellations = 40016,
    CommandSouthEast = 40017,
    CommandSouth = 40018,
    CommandSouthWest = 40019,
    CommandWest = 40020,
    CommandNorthWest = 40021,
    CommandLetterHeader = 40022,
    CommandToFile = 40023,
    CommandToPrinter = 40024,
    CommandFind = 40025,         // Find...: look an object up by name
    CommandGoToRising = 40026,   // set the picker to the found object's next rising
    CommandGoToTransit = 40027,  // ... or its next transit
    // Beside the original menu: the night look and smooth drawing, both checkable.
    CommandNightMode = 40050,
    CommandSmoothDrawing = 40051,
    CommandMakePlanisphere = 40120,  // Print > Make Planisphere...: the star wheel and mask
    CommandTonight = 40130,          // Tonight...: the panel of the night's times and sights
};

// One row of the popup menu's table. Submenus open with SubmenuBegin and close with SubmenuEnd.
// The constellation items are appended at start-up to the end of the seven letter submenus,
// which the table marks with their group index.
enum class MenuEntryKind { Item, Separator, SubmenuBegin, SubmenuEnd };

struct MenuEntry {
    MenuEntryKind kind = MenuEntryKind::Item;
    const char* label = "";
    int command = 0;
    bool enabled = true;
    int letterGroup = -1;  // 0..6 for a letter submenu, else -1
    bool checkable = false;
};

// The popup menu "Main Popup Menu", in menu order.
std::span<const MenuEntry> MainPopupMenuTable();

// What the window has to do after a command has changed the model.
enum class CommandAction {
    None,                      // nothing, no repaint (dismissed menu, header, unknown command)
    Repaint,                   // the model changed: repaint
    ToggleConstellation,       // `row` flipped: set its check mark to match, repaint
    SetAllConstellationMarks,  // every row shown or hidden: set every check mark, repaint
    Settings,                  // run the settings dialog, then repaint
    About,                     // run the About box
    Export,                    // metafile export
    Print,                     // print
    Exit,                      // close the window
    Find,                      // run the Find dialog
    GoToRising,                // set the picker to the found object's next rising
    GoToTransit,               // set the picker to the found object's next transit
    NightMode,                 // switch the night look, remember it, repaint
    SmoothDrawing,             // switch smooth drawing, remember it, repaint
    Tonight,                   // open (or bring forward) the Tonight panel
};

struct CommandOutcome {
    CommandAction action = CommandAction::None;
    int row = -1;  // the constellation row of ToggleConstellation
};

// Carries out the model side of one menu command (the shown flags and the orientation) and says
// what the window must do next.
CommandOutcome DispatchCommand(int command);
