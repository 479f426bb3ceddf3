// The stock pens and brushes of the drawing surface.
#include "chart/surface.h"

// The pen that GetStockObject hands out under `object`: one pixel wide, white for WHITE_PEN and
// black for BLACK_PEN. A brush number given here yields the pen of the same colour, so a caller
// that mixes the two up still gets a defined, visible outline.
Pen StockPen(StockObject object) {
    const bool white = object == WHITE_PEN || object == WHITE_BRUSH;
    return Pen{white ? White : Black, 1};
}

// The solid brush that GetStockObject hands out under `object`: white for WHITE_BRUSH, black for
// BLACK_BRUSH (and, as above, the brush of the same colour for a pen number).
Brush StockBrush(StockObject object) {
    const bool white = object == WHITE_BRUSH || object == WHITE_PEN;
    return Brush{white ? White : Black};
}

// One and a half average character widths per character for a variable-pitch font, one for a
// fixed-pitch font: the allowance the layout gives a capital letter.
int Surface::TextWidth(std::string_view text) {
    const TextMetrics metrics = GetTextMetrics();
    const int perCharacter =
        ((metrics.pitchAndFamily & TMPF_FIXED_PITCH) ? 3 : 2) * metrics.aveCharWidth / 2;
    return static_cast<int>(text.size()) * perCharacter;
}

void Surface::PolyPolyline(const Point* points, const int* counts, int lines) {
    if (points == nullptr || counts == nullptr) return;
    for (int line = 0, at = 0; line < lines && counts[line] >= 0; at += counts[line++])
        Polyline(points + at, counts[line]);
}
