// The Qt surface's filled polygons, beside its other shapes (qt_surface.cpp).
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "render/qt_surface.h"

// One path of every polygon, filled by the even-odd rule in the current brush and outlined in the
// current pen. On raster devices a pixel is filled when its centre lies inside, as GDI fills; on
// vector devices the corners stand at pixel centres, as the lines' ends do. Coordinates far
// beyond any device are brought near it first, as the other shapes' are.
void QtSurface::PolyPolygon(const Point* points, const int* counts, int polygons) {
    Flush();
    if (points == nullptr || counts == nullptr || polygons <= 0) return;
    constexpr int Far = 1 << 20;
    const double offset = vector_ ? 0.5 : 0.0;
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    int at = 0;
    for (int p = 0; p < polygons; ++p) {
        const int count = counts[p];
        if (count < 0) return;
        if (count >= 3) {
            QPolygonF polygon;
            polygon.reserve(count);
            for (int i = at; i < at + count; ++i)
                polygon.append(QPointF(std::clamp(points[i].x, -Far, Far) + offset,
                                       std::clamp(points[i].y, -Far, Far) + offset));
            path.addPolygon(polygon);
            path.closeSubpath();
        }
        at += count;
    }
    if (path.isEmpty()) return;
    UseOutlineAndFill(true);
    const bool smooth = smooth_ && !vector_;
    if (smooth) painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.drawPath(path);
    if (smooth) painter_.setRenderHint(QPainter::Antialiasing, false);
}
