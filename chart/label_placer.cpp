// Greedy placement of names by priority over a fixed set of candidate positions, the usual way
// of labelling point features on maps: cheap, predictable, and a bright star's name is never
// pushed out by a faint one.
#include "chart/label_placer.h"

#include <algorithm>
#include <cstdint>

namespace {

// Gap between a mark and its name, pixels.
inline constexpr int Gap = 2;

LabelBox BoxAt(std::int64_t left, std::int64_t top, int width, int height) {
    auto clamp = [](std::int64_t v) {
        return static_cast<int>(
            std::min<std::int64_t>(std::max<std::int64_t>(v, -(1 << 29)), 1 << 29));
    };
    return LabelBox{clamp(left), clamp(top), clamp(left + width), clamp(top + height)};
}

bool InsideArea(const LabelBox& box, const LabelArea& area) {
    const std::int64_t r2 = std::int64_t{area.radius} * area.radius;
    for (const std::int64_t x : {std::int64_t{box.left}, std::int64_t{box.right} - 1}) {
        for (const std::int64_t y : {std::int64_t{box.top}, std::int64_t{box.bottom} - 1}) {
            const std::int64_t dx = x - area.centre.x;
            const std::int64_t dy = y - area.centre.y;
            if (dx * dx + dy * dy > r2) return false;
        }
    }
    return area.radius > 0;
}

}  // namespace

bool BoxesOverlap(const LabelBox& a, const LabelBox& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Beside a mark of half-size c at (x, y) (the mark covers x - c .. x + c): right, left, above,
// below, then upper right, lower right, upper left, lower left. Centred: over the point, a line
// higher, a line lower.
std::vector<LabelBox> CandidateBoxes(const LabelRequest& request) {
    const std::int64_t x = request.at.x;
    const std::int64_t y = request.at.y;
    const int w = request.width;
    const int h = request.height;
    if (request.anchor == LabelAnchor::Centred) {
        const std::int64_t left = x - w / 2;
        const std::int64_t top = y - h / 2;
        return {BoxAt(left, top, w, h), BoxAt(left, top - h, w, h), BoxAt(left, top + h, w, h)};
    }
    const std::int64_t near = std::int64_t{request.clearance} + Gap;  // from the centre
    const std::int64_t east = x + near + 1;
    const std::int64_t west = x - near - w;
    const std::int64_t north = y - near - h;
    const std::int64_t south = y + near + 1;
    return {BoxAt(east, y - h / 2, w, h),         BoxAt(west, y - h / 2, w, h),
            BoxAt(x - w / 2, north, w, h),        BoxAt(x - w / 2, south, w, h),
            BoxAt(east - Gap, north + Gap, w, h), BoxAt(east - Gap, south - Gap, w, h),
            BoxAt(west + Gap, north + Gap, w, h), BoxAt(west + Gap, south - Gap, w, h)};
}

std::vector<PlacedLabel> PlaceLabels(std::span<const LabelRequest> requests,
                                     std::span<const LabelBox> obstacles, const LabelArea& area) {
    std::vector<PlacedLabel> placed;
    auto free = [&](const LabelBox& box) {
        if (!InsideArea(box, area)) return false;
        for (const LabelBox& obstacle : obstacles)
            if (BoxesOverlap(box, obstacle)) return false;
        for (const PlacedLabel& label : placed)
            if (BoxesOverlap(box, label.box)) return false;
        return true;
    };
    for (std::size_t i = 0; i < requests.size(); ++i) {
        if (requests[i].width <= 0 || requests[i].height <= 0) continue;
        for (const LabelBox& box : CandidateBoxes(requests[i])) {
            if (!free(box)) continue;
            placed.push_back(PlacedLabel{static_cast<int>(i), box});
            break;
        }
    }
    return placed;
}
