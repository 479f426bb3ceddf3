// The window program's looks beyond the chart: the night look of every widget (the window's
// controls, the popup menu, dialogs and message boxes) in reds on black, and the preferences
// that choose the looks, kept in QSettings in the user's configuration folder.
#pragma once

#include <QPalette>
#include <QPixmap>

// The display preferences and their defaults: the day look, aliased drawing.
struct DisplayPreferences {
    bool night = false;
    bool smooth = false;
};

DisplayPreferences ReadDisplayPreferences();
void WriteDisplayPreferences(const DisplayPreferences& preferences);

// Every colour role of every group in reds on black: no role whose green or blue exceeds a
// quarter of its red.
QPalette NightPalette();

// Puts the whole application into the night look (palette and a style that follows it) or back
// into the look it had before.
void ApplyNightLook(bool night);
bool NightLookApplied();

// A picture in the night look: each pixel's brightness as red, its transparency kept. Icons and
// logos keep their shapes without white, green or blue light.
QPixmap NightTinted(const QPixmap& pixmap);

// `pixmap` as the current look shows it: tinted at night, as it is by day.
QPixmap InCurrentLook(const QPixmap& pixmap);
