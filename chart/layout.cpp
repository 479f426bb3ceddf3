// Layout of a chart pass, the projection onto the disc, compass-label alignment and the window's
// readout box.
#include "chart/layout.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

#include "chart/view_settings.h"

namespace {

// A 64-bit intermediate brought back into the int range. Layout arithmetic runs in 64 bits so
// that a surface reporting absurd metrics or sizes cannot make it overflow.
int ClampToInt(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

// A finite double truncated toward zero, saturating at the ends of the int range (a plain
// conversion of an out-of-range value is undefined).
int TruncateClamped(double value) {
    if (value >= 2147483647.0) return INT_MAX;
    if (value <= -2147483648.0) return INT_MIN;
    return static_cast<int>(value);  // truncates toward zero
}

// Sine and cosine of an angle in degrees, converted with ProjectionPi. At exact multiples of 90
// degrees the exact values 0 and +-1 are used: sin(pi) in doubles is 1.2e-16, not 0, which on a
// disc of a few hundred pixels moves the point at the bottom of the chart to centreX - 1 after
// truncation (and would right-align the label drawn there). Everywhere else the plain formula.
void SinCosDegrees(double degrees, double& sine, double& cosine) {
    if (std::fmod(degrees, 90.0) == 0.0) {
        static constexpr double QuarterSine[4] = {0.0, 1.0, 0.0, -1.0};
        const int quarter = (static_cast<int>(std::fmod(degrees, 360.0) / 90.0) % 4 + 4) % 4;
        sine = QuarterSine[quarter];
        cosine = QuarterSine[(quarter + 1) % 4];
        return;
    }
    const double radians = degrees * ProjectionPi / 180.0;
    sine = std::sin(radians);
    cosine = std::cos(radians);
}

}  // namespace

// Layout of one pass from the surface's current font and size.
//   lineHeight = tmHeight + tmExternalLeading
//   capsWidth  = (3 for a variable-pitch font, else 2) * tmAveCharWidth / 2
//   width, height: the device resolution, replaced by the window's client size on screen
//   radius = min(centreX - 2 capsWidth, centreY - lineHeight) - margin (not clamped at 0)
//   caption bottom lines at margin + h, 3 margin + 2 h and 4 margin + 3 h
//   markSize = lineHeight / 4; glyphScale = 1 up to markSize 3, else markSize / 4
// All divisions are integer divisions truncating toward zero.
ChartLayout ComputeChartLayout(Surface& surface, ChartMode mode, const ChartWindow& window,
                               int margin) {
    const TextMetrics metrics = surface.GetTextMetrics();
    const std::int64_t m = margin;
    ChartLayout layout;
    const std::int64_t lineHeight =
        ClampToInt(std::int64_t{metrics.height} + metrics.externalLeading);
    const int widthFactor = (metrics.pitchAndFamily & TMPF_FIXED_PITCH) ? 3 : 2;
    const std::int64_t capsWidth = ClampToInt(std::int64_t{widthFactor} * metrics.aveCharWidth / 2);
    layout.lineHeight = static_cast<int>(lineHeight);
    layout.capsWidth = static_cast<int>(capsWidth);

    layout.width = surface.HorizontalResolution();
    layout.height = surface.VerticalResolution();
    if (mode == ChartScreen) {
        layout.width = window.ClientWidth();
        layout.height = window.ClientHeight();
    }
    layout.centreX = layout.width / 2;
    layout.centreY = layout.height / 2;

    const std::int64_t a = layout.centreX - 2 * capsWidth;
    const std::int64_t b = layout.centreY - lineHeight;
    layout.radius = ClampToInt(std::min(a, b) - m);

    layout.dateLabelY = ClampToInt(m + lineHeight);
    layout.dateTextY = ClampToInt(3 * m + 2 * lineHeight);
    layout.magnitudeTextY = ClampToInt(4 * m + 3 * lineHeight);
    layout.markSize = layout.lineHeight / 4;
    layout.glyphScale = layout.markSize <= 3 ? 1 : layout.markSize / 4;
    return layout;
}

// Chart position of a point of the sky (altitude, azimuth in degrees) on the disc of the given
// centre and radius, the zenith at the centre and the horizon on the rim, distance from the
// centre linear in zenith distance:
//   a = 180 - orientationAzimuth + azimuth      (so the orientation azimuth lands at the bottom)
//   r = radius (1 - altitude / 90)
//   x = centreX - r sin a,  y = centreY - r cos a
// Both truncated toward zero, never rounded. Azimuth thus runs counterclockwise on the screen;
// the eight compass points land exactly on the disc's axes where they should.
// A non-finite input or result (a damaged catalogue row) lands on the centre instead of carrying
// NaN to the surface; far-off results saturate at the ends of the int range.
Point ProjectToChart(double altitude, double azimuth, int centreX, int centreY, int radius) {
    return ProjectToChart(altitude, azimuth, centreX, centreY, radius,
                          ViewSettings.orientationAzimuth);
}

Point ProjectToChart(double altitude, double azimuth, int centreX, int centreY, int radius,
                     double orientationAzimuth) {
    const double a = 180.0 - orientationAzimuth + azimuth;
    const double k = 1.0 - altitude / 90.0;
    const double r = radius * k;
    double sine = 0;
    double cosine = 0;
    SinCosDegrees(a, sine, cosine);
    const double x = centreX - r * sine;
    const double y = centreY - r * cosine;
    if (!std::isfinite(x) || !std::isfinite(y)) return Point{centreX, centreY};
    return Point{TruncateClamped(x), TruncateClamped(y)};
}

// Alignment of a compass label drawn with its reference point on the rim at `point`, chosen so
// that the text runs away from the disc: right-aligned left of the centre, bottom-aligned above
// it. A point exactly on the vertical (horizontal) axis is left- (top-) aligned.
unsigned CompassAlignment(Point point, int centreX, int centreY) {
    const unsigned horizontal = point.x < centreX ? TA_RIGHT : TA_LEFT;
    const unsigned vertical = point.y < centreY ? TA_BOTTOM : TA_TOP;
    return horizontal | vertical;
}

// The window's readout box after a client-size change, from the window's own font metrics:
//   readoutTop = clientHeight - 3 margin - lineHeight
//   readoutBottom = clientHeight - margin
//   readoutRight = 3 margin + 25 capsWidth   (the box's left edge is the margin)
// A size notification carries 16-bit sizes; larger values are held at 65535 rather than wrapped.
void UpdateWindowSizeLayout(unsigned clientWidth, unsigned clientHeight) {
    ViewSettingsRecord& v = ViewSettings;
    v.clientWidth = static_cast<int>(std::min(clientWidth, 0xFFFFu));
    v.clientHeight = static_cast<int>(std::min(clientHeight, 0xFFFFu));
    const std::int64_t margin = v.margin;
    v.readoutTop = ClampToInt(v.clientHeight - 3 * margin - v.lineHeight);
    v.readoutBottom = ClampToInt(v.clientHeight - margin);
    v.readoutRight = ClampToInt(3 * margin + std::int64_t{25} * v.capsWidth);
}

std::string CompassLabel(const CompassPoint& point) {
    return Translate("Compass", point.label);
}
