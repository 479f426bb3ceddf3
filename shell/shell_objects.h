// The shell's drawing objects and the handles of its child controls and popup menu.
//
// The pens and brushes are small value types that every surface understands; the shell still
// creates them at window creation and releases them at shut-down, in a fixed order, so that a
// pass can never run with an object that does not exist.
#pragma once

#include "chart/chart_colours.h"

class QWidget;
class QMenu;

struct ShellObjectsRecord {
    Brush backgroundBrush;
    Pen figurePen;
    Pen deepSkyPen;
    Brush skyDayBrush;
    Brush skyNightBrush;
    bool backgroundBrushCreated = false;
    bool drawingObjectsCreated = false;
    QWidget* pickerWindow = nullptr;
    QWidget* scrollWindow = nullptr;
    QMenu* popupMenu = nullptr;
};

extern ShellObjectsRecord ShellObjects;

// Creates backgroundBrush (before the window exists).
void CreateBackgroundBrush();
// Creates the two pens and the two sky brushes (window creation).
void CreateDrawingObjects();
// Releases, in order, figurePen, deepSkyPen, skyDayBrush, skyNightBrush, backgroundBrush.
void ReleaseDrawingObjects();
