// The metafile records of points: polylines, and many polygons or polylines in one record.
// Record layouts follow Microsoft's [MS-EMF] format description, its section numbers given with
// each record.
#include <algorithm>
#include <limits>
#include <vector>

#include "render/emf_writer.h"

namespace {

bool FitsInt16(int value) {
    return value >= std::numeric_limits<std::int16_t>::min() &&
           value <= std::numeric_limits<std::int16_t>::max();
}

// The inclusive box of `count` points, and whether every coordinate fits in 16 bits.
EmfRect PointsBox(const Point* points, int count, bool& small) {
    EmfRect box{points[0].x, points[0].y, points[0].x, points[0].y};
    small = true;
    for (int i = 0; i < count; ++i) {
        box.left = std::min(box.left, points[i].x);
        box.top = std::min(box.top, points[i].y);
        box.right = std::max(box.right, points[i].x);
        box.bottom = std::max(box.bottom, points[i].y);
        small = small && FitsInt16(points[i].x) && FitsInt16(points[i].y);
    }
    return box;
}

}  // namespace

// EMR_POLYLINE16 (2.3.5.24): bounds, count, 16-bit points; EMR_POLYLINE (2.3.5.23) with 32-bit
// points when a coordinate does not fit in 16 bits. GDI draws nothing for fewer than 2 points.
void EmfWriter::Polyline(const Point* points, int count) {
    if (finished_ || points == nullptr || count < 2) return;
    bool small = true;
    const EmfRect box = PointsBox(points, count, small);
    BeginRecord(small ? EMR_POLYLINE16 : EMR_POLYLINE);
    PutRect(box);
    Put32(static_cast<std::uint32_t>(count));
    PutPoints(points, count, small);
    EndRecord();
    Widen(box);
}

// PointS (16-bit x, y) or PointL (32-bit) values, as the record's type says.
void EmfWriter::PutPoints(const Point* points, int count, bool small) {
    for (int i = 0; i < count; ++i) {
        if (small) {
            Put32(static_cast<std::uint16_t>(points[i].x) |
                  (static_cast<std::uint32_t>(static_cast<std::uint16_t>(points[i].y)) << 16));
        } else {
            PutInt(points[i].x);
            PutInt(points[i].y);
        }
    }
}

// EMR_POLYPOLYGON16 (2.3.5.30) and EMR_POLYPOLYLINE16 (2.3.5.29): bounds, number of shapes,
// total number of points, the point count of each shape, then the 16-bit points;
// EMR_POLYPOLYGON (2.3.5.28) and EMR_POLYPOLYLINE (2.3.5.27) with 32-bit points when a coordinate
// does not fit. Shapes of fewer than `fewest` points are left out, as GDI refuses them.
void EmfWriter::PolyPolygon(const Point* points, const int* counts, int polygons) {
    PolyRecord(EMR_POLYPOLYGON16, EMR_POLYPOLYGON, points, counts, polygons, 3);
}

void EmfWriter::PolyPolyline(const Point* points, const int* counts, int lines) {
    PolyRecord(EMR_POLYPOLYLINE16, EMR_POLYPOLYLINE, points, counts, lines, 2);
}

void EmfWriter::PolyRecord(EmfRecordType small16, EmfRecordType large, const Point* points,
                           const int* counts, int shapes, int fewest) {
    if (finished_ || points == nullptr || counts == nullptr || shapes <= 0) return;
    std::vector<Point> kept;
    std::vector<int> keptCounts;
    for (int p = 0, at = 0; p < shapes; at += counts[p++]) {
        if (counts[p] < 0) return;
        if (counts[p] < fewest) continue;
        kept.insert(kept.end(), points + at, points + at + counts[p]);
        keptCounts.push_back(counts[p]);
    }
    if (kept.empty()) return;
    bool small = true;
    const EmfRect box = PointsBox(kept.data(), static_cast<int>(kept.size()), small);
    BeginRecord(small ? small16 : large);
    PutRect(box);
    Put32(static_cast<std::uint32_t>(keptCounts.size()));
    Put32(static_cast<std::uint32_t>(kept.size()));
    for (int count : keptCounts) Put32(static_cast<std::uint32_t>(count));
    PutPoints(kept.data(), static_cast<int>(kept.size()), small);
    EndRecord();
    Widen(box);
}
