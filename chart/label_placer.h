// Placing names on the chart so that none covers another: each name, in order of priority, takes
// the first of its candidate positions that is free, or is left out.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "chart/surface.h"

// A box of device pixels, right and bottom excluded.
struct LabelBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend constexpr bool operator==(const LabelBox&, const LabelBox&) = default;
};

bool BoxesOverlap(const LabelBox& a, const LabelBox& b);

// How a name stands to its point: beside a mark (right, left, above, below, then the four
// diagonals, ring after ring outward), over the middle of an area (there, then a line above, then
// a line below), or anywhere within an extent (searched outward from the point, clear of the
// boxes it must keep off: a figure's name among its own stars).
enum class LabelAnchor { Beside, Centred, Within };

struct LabelRequest {
    std::string text;
    Point at;           // the mark's centre, or the middle the name belongs to
    int clearance = 0;  // half the mark's size: a name beside it keeps clear of the mark
    int width = 0;      // the text's size, pixels
    int height = 0;
    LabelAnchor anchor = LabelAnchor::Beside;
    int rings = 1;      // Beside: rings of eight places, each half a line further out; with more
                        // than one the names above and below also slide sideways
    LabelBox extent{};  // Within: where the name's middle may stand
    std::vector<LabelBox> keepClear{};  // Within: what the name must not cover
    bool overMinorMarks = false;        // may stand on the minor marks (see PlaceLabels)
};

struct PlacedLabel {
    int request = 0;  // index into the requests
    LabelBox box;
};

// The disc the names must lie in: every corner of a name's box within `radius` of `centre`.
struct LabelArea {
    Point centre;
    int radius = 0;
};

// The candidate boxes of a request, in the order they are tried. Within: the box centred on the
// point, then ring after ring of boxes whose middles stand on a grid of a quarter of the text's
// height about it (the nearer of a ring first), as long as the box meets the extent: its middle
// within the extent grown by half the box each way.
std::vector<LabelBox> CandidateBoxes(const LabelRequest& request);

// Places the requests in the order given (highest priority first): each takes its first candidate
// that lies inside `area`, overlaps neither an obstacle nor a name placed before it, nor a minor
// mark unless the request may stand on those, and covers none of its own keep-clear boxes; a
// request without such a candidate is left out. The placed names come back in placing order.
std::vector<PlacedLabel> PlaceLabels(std::span<const LabelRequest> requests,
                                     std::span<const LabelBox> obstacles, const LabelArea& area,
                                     std::span<const LabelBox> minorMarks = {});
