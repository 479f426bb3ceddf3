// Scroll codes, the popup menu table and the dispatch of its commands.
#include "shell/commands.h"

#include <cmath>

#include "base/translate.h"
#include "catalog/sky_model.h"
#include "chart/view_settings.h"

namespace {

inline constexpr double MagnitudeStep = 0.1;
inline constexpr double PageRemainder = 0.9;  // a page is 0.9 and then one more line step

using Kind = MenuEntryKind;

// Labels and identifiers as the menu shows them, in English (popup_menu.cpp shows them in the
// user's language; the letter groups stay as they are). The last letter submenu is labelled with
// two blanks before the V while its header item has one.
constexpr MenuEntry PopupMenu[] = {
    {Kind::SubmenuBegin, VQ_TRANSLATE_NOOP("PopupMenu", "Constellations")},
    {Kind::Item, VQ_TRANSLATE_NOOP("PopupMenu", "Show all"), CommandShowAllConstellations},
    {Kind::Item, VQ_TRANSLATE_NOOP("PopupMenu", "Hide all"), CommandHideAllConstellations},
    {Kind::Separator},
    {Kind::SubmenuBegin, "A - B", 0, true, 0},
    {Kind::Item, "A - B", CommandLetterHeader, false},
    {Kind::Separator},
    {Kind::SubmenuEnd},
    {Kind::SubmenuBegin, "C", 0, true, 1},
    {Kind::Item, "C", CommandLetterHeader, false},
    {Kind::Separator},
    {Kind::SubmenuEnd},
    {Kind::SubmenuBegin, "D - H", 0, true, 2},
    {Kind::Item, "D - H", CommandLetterHeader, false},
    {Kind::Separator},
    {Kind::SubmenuEnd},
    {Kind::SubmenuBegin, "I - M", 0, true, 3},
    {Kind::Item, "I - M", CommandLetterHeader, false},
    {Kind::Separator},
    {Kind::SubmenuEnd},
    {Kind::SubmenuBegin, "N - P", 0, true, 4},
    {Kind::Item, "N - P", CommandLetterHeader, true},  // the one header that can be chosen
    {Kind::Separator},
    {Kind::SubmenuEnd},
    {Kind::SubmenuBegin, "R - S", 0, true, 5},
    {Kind::Item, "R - S", CommandLetterHeader, false},
    {Kind::Separator},
    {Kind::SubmenuEnd},
    {Kind::SubmenuBegin, "T -  V", 0, true, 6},
    {Kind::Item, "T - V", CommandLetterHeader, false},
    {Kind::Separator},
    {Kind::SubmenuEnd},
    {Kind::SubmenuEnd},
    {Kind::SubmenuBegin, VQ_TRANSLATE_NOOP("PopupMenu", "Deep Sky")},
    {Kind::Item, VQ_TRANSLATE_NOOP("PopupMenu", "Show all"), CommandShowAllDeepSky},
    {Kind::Item, VQ_TRANSLATE_NOOP("PopupMenu", "Hide all"), CommandHideAllDeepSky},
    {Kind::SubmenuEnd},
    {Kind::SubmenuBegin, VQ_TRANSLATE_NOOP("PopupMenu", "Map Orientation")},
    {Kind::Item, VQ_TRANSLATE_NOOP("PopupMenu", "North"), CommandNorth},
    {Kind::Item, VQ_TRANSLATE_NOOP("PopupMenu", "North East"), CommandNorthEast},
    {Kind::Item, VQ_TRANSLATE_NOOP("PopupMenu", "East"), CommandEast},
    {Kind::Item, VQ_TRANSLATE_NOOP("PopupMenu", "Sout East"), CommandSouthEast},
    {Kind::Item, VQ_TRANSLATE_NOOP("PopupMenu", "South"), CommandSouth},
    {Kind::Item, VQ_TRANSLATE_NOOP("PopupMenu", "South West"), CommandSouthWest},
    {Kind::Item, VQ_TRANSLATE_NOOP("PopupMenu", "West"), CommandWest},
    {Kind::Item, VQ_TRANSLATE_NOOP("PopupMenu", "North West"), CommandNorthWest},
    {Kind::SubmenuEnd},
    {Kind::Item, VQ_TRANSLATE_NOOP("PopupMenu", "Find..."), CommandFind},
    {Kind::Item, VQ_TRANSLATE_NOOP("PopupMenu", "Go to Rising"), CommandGoToRising,
     false},  // enabled once something is found
    {Kind::Item, VQ_TRANSLATE_NOOP("PopupMenu", "Go to Transit"), CommandGoToTransit, false},
    {Kind::Item, VQ_TRANSLATE_NOOP("PopupMenu", "Tonight..."), CommandTonight},
    {Kind::Separator},
    {Kind::Item, VQ_TRANSLATE_NOOP("PopupMenu", "Night Mode"), CommandNightMode, true, -1, true},
    {Kind::Item, VQ_TRANSLATE_NOOP("PopupMenu", "Smooth Drawing"), CommandSmoothDrawing, true, -1,
     true},
    {Kind::Item, VQ_TRANSLATE_NOOP("PopupMenu", "Settings..."), CommandSettings},
    {Kind::Item, VQ_TRANSLATE_NOOP("PopupMenu", "About..."), CommandAbout},
    {Kind::Separator},
    {Kind::SubmenuBegin, VQ_TRANSLATE_NOOP("PopupMenu", "Print")},
    {Kind::Item, VQ_TRANSLATE_NOOP("PopupMenu", "To File..."), CommandToFile},
    {Kind::Item, VQ_TRANSLATE_NOOP("PopupMenu", "To Printer..."), CommandToPrinter},
    {Kind::Item, VQ_TRANSLATE_NOOP("PopupMenu", "Make Planisphere..."), CommandMakePlanisphere},
    {Kind::SubmenuEnd},
    {Kind::Separator},
    {Kind::Item, VQ_TRANSLATE_NOOP("PopupMenu", "Exit"), CommandExit},
};

struct Orientation {
    int command;
    double azimuth;  // degrees from north through east, shown at the bottom of the disc
};

constexpr Orientation Orientations[] = {
    {CommandNorth, 0.0},       {CommandNorthEast, 45.0},  {CommandEast, 90.0},
    {CommandSouthEast, 135.0}, {CommandSouth, 180.0},     {CommandSouthWest, 225.0},
    {CommandWest, 270.0},      {CommandNorthWest, 315.0},
};

void SetAllDeepSkyShown(bool shown) {
    for (int row = 0; row < DeepSkyCount && row < static_cast<int>(DeepSkyTable.size()); ++row)
        DeepSkyTable[row].shown = shown;
}

void SetAllConstellationsShown(bool shown) {
    for (int row = 0; row < ConstellationCount && row < MaxConstellations; ++row)
        ConstellationTable[row].shown = shown;
}

}  // namespace

// Position 0..65 of the scrollbar for a magnitude: ten units per magnitude, truncated toward
// zero (4.4 gives 44; 1.6999999999999997 gives 16). Values outside the range are held at its ends.
int MagnitudeScrollPosition(double magnitude) {
    const double units = magnitude * 10.0;
    if (!(units > MagnitudeScrollMinimum)) return MagnitudeScrollMinimum;  // NaN as well
    if (units >= MagnitudeScrollMaximum) return MagnitudeScrollMaximum;
    return static_cast<int>(units);
}

// The magnitude steps of the scroll codes. Each step is a floating-point addition to the stored
// value, so repeated steps accumulate rounding as the user sees it on the caption (27 line steps
// left from 4.4 land just below 1.7, at position 16). The clamps to 0.0 and 6.5 come after all
// the steps of one code, so a page left from 0.5 lands on 0.0.
ScrollOutcome ApplyScrollCode(int code, int thumbPosition) {
    double& magnitude = ViewSettings.dimmestMagnitude;
    switch (code) {
        case SB_LINELEFT:
            magnitude -= MagnitudeStep;
            if (magnitude < 0) magnitude = 0.0;
            break;
        case SB_PAGELEFT:
            magnitude -= PageRemainder;
            magnitude -= MagnitudeStep;
            if (magnitude < 0) magnitude = 0.0;
            break;
        case SB_LINERIGHT:
            magnitude += MagnitudeStep;
            if (magnitude > FaintestDimmestMagnitude) magnitude = FaintestDimmestMagnitude;
            break;
        case SB_PAGERIGHT:
            magnitude += PageRemainder;
            magnitude += MagnitudeStep;
            if (magnitude > FaintestDimmestMagnitude) magnitude = FaintestDimmestMagnitude;
            break;
        case SB_THUMBPOSITION:
            magnitude = thumbPosition * MagnitudeStep;
            break;
        case SB_THUMBTRACK:
            return {};  // the chart follows a dragged thumb only when it is released
        default:
            break;
    }
    return {true, MagnitudeScrollPosition(magnitude)};
}

std::span<const MenuEntry> MainPopupMenuTable() {
    return PopupMenu;
}

// Constellation items flip their row's flag; "Show all"/"Hide all" set every row; the
// orientation commands set the azimuth at the bottom of the disc even when it is already the
// current one. Everything else is left to the window, and anything not in the menu does nothing.
CommandOutcome DispatchCommand(int command) {
    if (command >= ConstellationCommandBase &&
        command < ConstellationCommandBase + ConstellationCount &&
        command - ConstellationCommandBase < MaxConstellations) {
        const int row = command - ConstellationCommandBase;
        ConstellationTable[row].shown = !ConstellationTable[row].shown;
        return {CommandAction::ToggleConstellation, row};
    }
    for (const Orientation& orientation : Orientations) {
        if (orientation.command == command) {
            ViewSettings.orientationAzimuth = orientation.azimuth;
            return {CommandAction::Repaint};
        }
    }
    switch (command) {
        case CommandShowAllConstellations:
            SetAllConstellationsShown(true);
            return {CommandAction::SetAllConstellationMarks};
        case CommandHideAllConstellations:
            SetAllConstellationsShown(false);
            return {CommandAction::SetAllConstellationMarks};
        case CommandShowAllDeepSky:
            SetAllDeepSkyShown(true);
            return {CommandAction::Repaint};
        case CommandHideAllDeepSky:
            SetAllDeepSkyShown(false);
            return {CommandAction::Repaint};
        case CommandSettings:
            return {CommandAction::Settings};
        case CommandAbout:
            return {CommandAction::About};
        case CommandToFile:
            return {CommandAction::Export};
        case CommandToPrinter:
            return {CommandAction::Print};
        case CommandExit:
            return {CommandAction::Exit};
        case CommandFind:
            return {CommandAction::Find};
        case CommandGoToRising:
            return {CommandAction::GoToRising};
        case CommandGoToTransit:
            return {CommandAction::GoToTransit};
        case CommandNightMode:
            return {CommandAction::NightMode};
        case CommandSmoothDrawing:
            return {CommandAction::SmoothDrawing};
        case CommandTonight:
            return {CommandAction::Tonight};
        default:
            return {};  // the dismissed menu (0), the letter headers (40022), anything else
    }
}
