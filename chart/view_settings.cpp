// The program's one view-state record and the pi of the chart projection.
#include "chart/view_settings.h"

#include <cmath>

#include "base/degrees.h"

// Every field starts at the default given in its declaration: latitude 0, dimmest magnitude 4.4,
// south at the bottom of the disc, margin 3, layout values 0, no metafile name yet.
ViewSettingsRecord ViewSettings;

// Already the nearest double to pi before InitProjectionPi runs, so a chart pass made before
// start-up has finished (a test, the headless renderer) never projects with pi = 0. 4 atan 1 gives
// the very same double: atan(1) is pi/4 correctly rounded and the factor 4 is exact.
double ProjectionPi = Pi();

// Recomputes pi as four times the arc tangent of 1, the way the program has always obtained it;
// run first thing at start-up.
void InitProjectionPi() {
    ProjectionPi = 4.0 * std::atan(1.0);
}

// Puts every field back to its start-up default (for tests and repeated headless passes).
void ResetViewSettings() {
    ViewSettings = ViewSettingsRecord{};
}
