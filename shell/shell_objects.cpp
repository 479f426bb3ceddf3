#include "shell/shell_objects.h"

ShellObjectsRecord ShellObjects;

void CreateBackgroundBrush() {
    ShellObjects.backgroundBrush = Brush{BackgroundColour};
    ShellObjects.backgroundBrushCreated = true;
}

void CreateDrawingObjects() {
    ShellObjects.figurePen = Pen{FigureColour, 1};
    ShellObjects.deepSkyPen = Pen{DeepSkyColour, 1};
    ShellObjects.skyDayBrush = Brush{SkyDayColour};
    ShellObjects.skyNightBrush = Brush{SkyNightColour};
    ShellObjects.drawingObjectsCreated = true;
}

void ReleaseDrawingObjects() {
    ShellObjects.figurePen = Pen{};
    ShellObjects.deepSkyPen = Pen{};
    ShellObjects.skyDayBrush = Brush{};
    ShellObjects.skyNightBrush = Brush{};
    ShellObjects.drawingObjectsCreated = false;
    ShellObjects.backgroundBrush = Brush{};
    ShellObjects.backgroundBrushCreated = false;
}
