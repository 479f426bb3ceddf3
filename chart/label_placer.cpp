// Greedy placement of names by priority over candidate positions, the usual way of labelling
// point features on maps: cheap, predictable, and a bright star's name is never pushed out by a
// faint one. A name of an area may stand anywhere in it, found by searching outward from its
// middle. The boxes already taken are kept in a grid of cells, so that a search over many places
// looks only at the boxes near each.
#include "chart/label_placer.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>

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

// Beside a mark of half-size c at (x, y) (the mark covers x - c .. x + c): right, left, above,
// below, then upper right, lower right, upper left, lower left, `near` pixels from the centre.
// With `slide`, the names above and below then slide sideways by `step` at a time, as far as
// they still stand over the mark.
template <typename Take>
bool BesideRing(std::int64_t x, std::int64_t y, std::int64_t near, int w, int h, bool slide,
                std::int64_t step, Take& take) {
    const std::int64_t east = x + near + 1, west = x - near - w;
    const std::int64_t north = y - near - h, south = y + near + 1;
    for (const LabelBox& box :
         {BoxAt(east, y - h / 2, w, h), BoxAt(west, y - h / 2, w, h), BoxAt(x - w / 2, north, w, h),
          BoxAt(x - w / 2, south, w, h), BoxAt(east - Gap, north + Gap, w, h),
          BoxAt(east - Gap, south - Gap, w, h), BoxAt(west + Gap, north + Gap, w, h),
          BoxAt(west + Gap, south - Gap, w, h)})
        if (take(box)) return true;
    if (!slide) return false;
    for (std::int64_t shift = step; shift < w / 2; shift += step)
        for (const std::int64_t left : {x - w / 2 + shift, x - w / 2 - shift})
            for (const std::int64_t top : {north, south})
                if (take(BoxAt(left, top, w, h))) return true;
    return false;
}

// Offers the request's candidates to `take`, in order, until it accepts one (returns true).
template <typename Take>
bool ForEachCandidate(const LabelRequest& request, Take take) {
    const std::int64_t x = request.at.x;
    const std::int64_t y = request.at.y;
    const int w = request.width;
    const int h = request.height;
    if (request.anchor == LabelAnchor::Centred) {
        const std::int64_t left = x - w / 2;
        const std::int64_t top = y - h / 2;
        return take(BoxAt(left, top, w, h)) || take(BoxAt(left, top - h, w, h)) ||
               take(BoxAt(left, top + h, w, h));
    }
    if (request.anchor == LabelAnchor::Beside) {
        const std::int64_t spacing = std::max(2, h / 2);
        for (int ring = 0; ring < std::max(1, request.rings); ++ring)
            if (BesideRing(x, y, request.clearance + Gap + ring * spacing, w, h, request.rings > 1,
                           spacing, take))
                return true;
        return false;
    }
    // Within: the middle on a grid of `step` about the point, ring k the grid points k steps away
    // (in the larger of the two directions), nearer first; only middles inside the extent.
    if (take(BoxAt(x - w / 2, y - h / 2, w, h))) return true;
    const LabelBox e{request.extent.left - w / 2, request.extent.top - h / 2,
                     request.extent.right + w / 2, request.extent.bottom + h / 2};
    const std::int64_t step = std::max(1, h / 4);
    const std::int64_t reach =
        std::max({x - e.left, std::int64_t{e.right} - x, y - e.top, std::int64_t{e.bottom} - y});
    std::vector<std::pair<int, int>> ring;
    for (std::int64_t k = 1; k * step <= reach; ++k) {
        ring.clear();
        const int n = static_cast<int>(k);
        for (int i = -n; i <= n; ++i) ring.insert(ring.end(), {{i, -n}, {i, n}});
        for (int j = -n + 1; j < n; ++j) ring.insert(ring.end(), {{-n, j}, {n, j}});
        std::sort(ring.begin(), ring.end(), [](const auto& a, const auto& b) {
            const int da = a.first * a.first + a.second * a.second;
            const int db = b.first * b.first + b.second * b.second;
            return da != db               ? da < db
                   : a.second != b.second ? a.second < b.second
                                          : a.first < b.first;
        });
        for (const auto& [i, j] : ring) {
            const std::int64_t mx = x + i * step, my = y + j * step;
            if (mx < e.left || mx >= e.right || my < e.top || my >= e.bottom) continue;
            if (take(BoxAt(mx - w / 2, my - h / 2, w, h))) return true;
        }
    }
    return false;
}

// The boxes taken so far, by the cells of a grid they cover; a box of many cells is kept apart
// and always looked at.
class BoxGrid {
  public:
    void Add(const LabelBox& box) {
        if (box.right <= box.left || box.bottom <= box.top) return;  // covers nothing
        if (Cells(box) > ManyCells) {
            large_.push_back(box);
            return;
        }
        for (std::int64_t cy = Cell(box.top); cy <= Cell(box.bottom - 1); ++cy)
            for (std::int64_t cx = Cell(box.left); cx <= Cell(box.right - 1); ++cx)
                cells_[Key(cx, cy)].push_back(box);
        all_.push_back(box);
    }

    bool Overlaps(const LabelBox& box) const {
        if (box.right <= box.left || box.bottom <= box.top) return false;
        for (const LabelBox& other : large_)
            if (BoxesOverlap(box, other)) return true;
        if (Cells(box) > ManyCells) {
            for (const LabelBox& other : all_)
                if (BoxesOverlap(box, other)) return true;
            return false;
        }
        for (std::int64_t cy = Cell(box.top); cy <= Cell(box.bottom - 1); ++cy) {
            for (std::int64_t cx = Cell(box.left); cx <= Cell(box.right - 1); ++cx) {
                const auto found = cells_.find(Key(cx, cy));
                if (found == cells_.end()) continue;
                for (const LabelBox& other : found->second)
                    if (BoxesOverlap(box, other)) return true;
            }
        }
        return false;
    }

  private:
    static constexpr int CellSize = 64;
    static constexpr std::int64_t ManyCells = 64;
    static std::int64_t Cell(std::int64_t v) {
        return v >= 0 ? v / CellSize : -((-v + CellSize - 1) / CellSize);
    }
    static std::int64_t Cells(const LabelBox& box) {
        return (Cell(box.right - 1) - Cell(box.left) + 1) *
               (Cell(box.bottom - 1) - Cell(box.top) + 1);
    }
    static std::uint64_t Key(std::int64_t cx, std::int64_t cy) {
        return (static_cast<std::uint64_t>(cx) << 32) ^ static_cast<std::uint32_t>(cy);
    }
    std::unordered_map<std::uint64_t, std::vector<LabelBox>> cells_;
    std::vector<LabelBox> large_;
    std::vector<LabelBox> all_;
};

}  // namespace

bool BoxesOverlap(const LabelBox& a, const LabelBox& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

std::vector<LabelBox> CandidateBoxes(const LabelRequest& request) {
    std::vector<LabelBox> boxes;
    ForEachCandidate(request, [&](const LabelBox& box) {
        boxes.push_back(box);
        return false;
    });
    return boxes;
}

std::vector<PlacedLabel> PlaceLabels(std::span<const LabelRequest> requests,
                                     std::span<const LabelBox> obstacles, const LabelArea& area,
                                     std::span<const LabelBox> minorMarks) {
    std::vector<PlacedLabel> placed;
    BoxGrid taken, minor;
    for (const LabelBox& obstacle : obstacles) taken.Add(obstacle);
    for (const LabelBox& mark : minorMarks) minor.Add(mark);
    for (std::size_t i = 0; i < requests.size(); ++i) {
        const LabelRequest& request = requests[i];
        if (request.width <= 0 || request.height <= 0) continue;
        ForEachCandidate(request, [&](const LabelBox& box) {
            if (!InsideArea(box, area) || taken.Overlaps(box)) return false;
            if (!request.overMinorMarks && minor.Overlaps(box)) return false;
            for (const LabelBox& own : request.keepClear)
                if (BoxesOverlap(box, own)) return false;
            placed.push_back(PlacedLabel{static_cast<int>(i), box});
            taken.Add(box);
            return true;
        });
    }
    return placed;
}
