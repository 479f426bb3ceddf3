// The Qt surface's filled polygons and many polylines at once, beside its other shapes
// (qt_surface.cpp).
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "render/qt_surface.h"

namespace {

// A polygon side for the scan: its rows [top, bottom) of pixel centres, its x at the first of
// them and its step in x a row.
struct ScanEdge {
    int top;
    int bottom;
    double x;
    double step;
};

}  // namespace

// The even-odd fill of polygons without an outline, straight into the image's memory when its
// pixels are written directly (nothing between, a device pixel a pixel) and the fill is aliased:
// row by row, a pixel is filled when its centre has an odd number of sides to its left. False,
// with nothing drawn, otherwise.
bool QtSurface::WriteFill(const Point* points, const int* counts, int polygons) {
    if (imageBits_ == nullptr || smooth_ || scale_ != 1 || pen_.style != PenStyle::None)
        return false;
    std::vector<ScanEdge> edges;
    for (int p = 0, at = 0; p < polygons; at += counts[p++]) {
        if (counts[p] < 0) return false;
        if (counts[p] < 3) continue;
        for (int i = 0; i < counts[p]; ++i) {
            const Point a = points[at + i], b = points[at + (i + 1) % counts[p]];
            if (a.y == b.y) continue;
            const Point& upper = a.y < b.y ? a : b;
            const Point& lower = a.y < b.y ? b : a;
            // Rows whose centre y + 0.5 lies in [upper.y, lower.y).
            const int top = std::max(upper.y, 0), bottom = std::min(lower.y, imageHeight_);
            if (top >= bottom) continue;
            const double step = double(lower.x - upper.x) / (lower.y - upper.y);
            edges.push_back({top, bottom, upper.x + (top + 0.5 - upper.y) * step, step});
        }
    }
    std::sort(edges.begin(), edges.end(),
              [](const ScanEdge& a, const ScanEdge& b) { return a.top < b.top; });
    const QRgb rgb = qRgb(brush_.colour.red, brush_.colour.green, brush_.colour.blue);
    std::vector<ScanEdge> active;
    std::vector<double> crossings;
    std::size_t next = 0;
    for (int y = edges.empty() ? 0 : edges.front().top; next < edges.size() || !active.empty();
         ++y) {
        while (next < edges.size() && edges[next].top == y) active.push_back(edges[next++]);
        std::erase_if(active, [y](const ScanEdge& e) { return e.bottom <= y; });
        crossings.clear();
        for (ScanEdge& e : active) {
            crossings.push_back(e.x);
            e.x += e.step;
        }
        std::sort(crossings.begin(), crossings.end());
        auto* line = reinterpret_cast<QRgb*>(imageBits_ + qsizetype(y) * imageStride_);
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            // Pixels whose centre x + 0.5 lies in [left, right).
            const double left = std::max(std::ceil(crossings[i] - 0.5), 0.0);
            const double right = std::min(std::ceil(crossings[i + 1] - 0.5), double(imageWidth_));
            if (left < right) std::fill(line + int(left), line + int(right), rgb);
        }
    }
    return true;
}

// One path of every polygon, filled by the even-odd rule in the current brush and outlined in the
// current pen. On raster devices a pixel is filled when its centre lies inside, as GDI fills; on
// vector devices the corners stand at pixel centres, as the lines' ends do.
void QtSurface::PolyPolygon(const Point* points, const int* counts, int polygons) {
    Flush();
    if (points == nullptr || counts == nullptr || polygons <= 0) return;
    if (!WriteFill(points, counts, polygons)) DrawShapes(points, counts, polygons, true);
}

// The shapes as one path for the painter: closed polygons of three points or more to fill, or
// lines of two or more to stroke. Coordinates far beyond any device are brought near it first,
// as the other shapes' are.
void QtSurface::DrawShapes(const Point* points, const int* counts, int shapes, bool polygons) {
    constexpr int Far = 1 << 20;
    const double offset = vector_ ? 0.5 : !polygons && smooth_ ? 0.5 / scale_ : 0.0;
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (int shape = 0, at = 0; shape < shapes; at += counts[shape++]) {
        const int count = counts[shape];
        if (count < 0) return;
        if (count < (polygons ? 3 : 2)) continue;
        for (int i = at; i < at + count; ++i) {
            const QPointF p(std::clamp(points[i].x, -Far, Far) + offset,
                            std::clamp(points[i].y, -Far, Far) + offset);
            i == at ? path.moveTo(p) : path.lineTo(p);
        }
        if (polygons) path.closeSubpath();
    }
    if (path.isEmpty()) return;
    UseOutlineAndFill(polygons);
    const bool smooth = smooth_ && !vector_;
    if (smooth) painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.drawPath(path);
    if (smooth) painter_.setRenderHint(QPainter::Antialiasing, false);
}

// Straight into the image's memory when its pixels are written directly (nothing between, a
// device pixel a pixel), the pen is a one-pixel one and the lines are aliased and on the image: a
// Bresenham walk along each piece, its last point left out as LineTo leaves it; a dotted pen sets
// the first of every three pixels along each line. False, with nothing drawn, otherwise.
bool QtSurface::WriteLines(const Point* points, const int* counts, int lines) {
    if (imageBits_ == nullptr || smooth_ || scale_ != 1 || pen_.width > 1 ||
        pen_.style == PenStyle::None)
        return false;
    int total = 0;
    for (int line = 0; line < lines; ++line) {
        if (counts[line] < 0) return false;
        total += counts[line];
    }
    for (int i = 0; i < total; ++i)
        if (points[i].x < -1 || points[i].x > imageWidth_ || points[i].y < -1 ||
            points[i].y > imageHeight_)
            return false;
    const QRgb rgb = qRgb(pen_.colour.red, pen_.colour.green, pen_.colour.blue);
    const bool dotted = pen_.style == PenStyle::Dot;
    for (int line = 0, at = 0; line < lines; at += counts[line++]) {
        int along = 0;
        for (int i = at + 1; i < at + counts[line]; ++i) {
            int x = points[i - 1].x, y = points[i - 1].y;
            const int tx = points[i].x, ty = points[i].y;
            const int dx = std::abs(tx - x), dy = -std::abs(ty - y);
            const int sx = x < tx ? 1 : -1, sy = y < ty ? 1 : -1;
            int error = dx + dy;
            while (x != tx || y != ty) {
                if ((!dotted || along % 3 == 0) && x >= 0 && y >= 0 && x < imageWidth_ &&
                    y < imageHeight_)
                    reinterpret_cast<QRgb*>(imageBits_ + qsizetype(y) * imageStride_)[x] = rgb;
                ++along;
                const int twice = 2 * error;
                if (twice >= dy) error += dy, x += sx;
                if (twice <= dx) error += dx, y += sy;
            }
        }
    }
    return true;
}

// One path of every line, stroked once: as Polyline draws each, but without a painter call a
// line. Raster lines run through the pixel corners (the painter's aliased convention, as Polyline
// draws them), vector ones through the pixel centres.
void QtSurface::PolyPolyline(const Point* points, const int* counts, int lines) {
    Flush();
    if (points == nullptr || counts == nullptr || lines <= 0) return;
    if (!WriteLines(points, counts, lines)) DrawShapes(points, counts, lines, false);
}
