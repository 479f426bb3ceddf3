// The Milky Way and the constellation boundaries on the star wheel.
#include "render/planisphere_sky.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "catalog/sky_outlines.h"
#include "render/planisphere_pages.h"

namespace {

// Light greys, faintest step first, as on a printed card planisphere.
const QColor MilkyWayGreys[MilkyWaySteps] = {QColor(238, 238, 238), QColor(228, 228, 228),
                                             QColor(217, 217, 217), QColor(205, 205, 205),
                                             QColor(192, 192, 192)};
const QColor BoundaryInk(120, 120, 120);
// Between points further apart than this in right ascension (near the pole below the horizon,
// where the wheel stretches) the outline is followed in steps of it.
constexpr double LongestStepHours = 2.0 / 15.0;

QPointF PageOf(QPointF pivot, PlanePoint p) {
    return {pivot.x() + p.x * PlanisphereUnitsPerMm, pivot.y() - p.y * PlanisphereUnitsPerMm};
}

// The wheel points from `a` to `b` (b included), in steps short enough for the wheel.
void AppendWheel(const PlanisphereGeometry& g, QPointF pivot, const OutlinePoint& a,
                 const OutlinePoint& b, QPolygonF& out) {
    double dra = b.rightAscension - a.rightAscension;
    dra -= 24.0 * std::round(dra / 24.0);  // the short way round
    const int steps = std::max(1, static_cast<int>(std::ceil(std::fabs(dra) / LongestStepHours)));
    for (int k = 1; k <= steps; ++k) {
        const double t = double(k) / steps;
        out << PageOf(pivot, WheelPoint(g, a.rightAscension + t * dra,
                                        a.declination + t * (b.declination - a.declination)));
    }
}

}  // namespace

void DrawWheelMilkyWay(QPainter& painter, QPointF pivot, const PlanisphereGeometry& geometry) {
    painter.setPen(Qt::NoPen);
    const MilkyWayOutline& outline = ShippedMilkyWay();
    for (int step = 0; step < MilkyWaySteps; ++step) {
        QPainterPath path;
        path.setFillRule(Qt::OddEvenFill);
        for (const OutlineRing& ring : outline.steps[static_cast<std::size_t>(step)]) {
            QPolygonF polygon;
            for (std::size_t i = 0; i < ring.size(); ++i)
                AppendWheel(geometry, pivot, ring[i == 0 ? ring.size() - 1 : i - 1], ring[i],
                            polygon);
            path.addPolygon(polygon);
            path.closeSubpath();
        }
        painter.setBrush(MilkyWayGreys[step]);
        painter.drawPath(path);
    }
}

void DrawWheelBoundaries(QPainter& painter, QPointF pivot, const PlanisphereGeometry& geometry) {
    QPen pen(BoundaryInk, 0.15 * PlanisphereUnitsPerMm, Qt::DotLine);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    QPainterPath path;
    for (const ConstellationBoundary& boundary : ShippedBoundaries()) {
        const OutlineRing& ring = boundary.ring;
        bool open = false;
        for (std::size_t i = 0; i <= ring.size(); ++i) {
            const OutlinePoint& point = ring[i % ring.size()];
            if (i == 0 || !point.drawn) {
                open = false;
                continue;
            }
            const OutlinePoint& previous = ring[i - 1];
            QPolygonF piece;
            if (!open)
                piece << PageOf(
                    pivot, WheelPoint(geometry, previous.rightAscension, previous.declination));
            AppendWheel(geometry, pivot, previous, point, piece);
            for (int k = 0; k < piece.size(); ++k) {
                if (k == 0 && !open) {
                    path.moveTo(piece[k]);
                } else {
                    path.lineTo(piece[k]);
                }
            }
            open = true;
        }
    }
    painter.drawPath(path);
}

std::string WheelSkyKey(const SkyLayers& sky) {
    const char* text =
        sky.milkyWay && sky.boundaries
            ? QT_TRANSLATE_NOOP("Planisphere",
                                "Grey: the Milky Way, darker where it is brighter; "
                                "dotted: the constellation boundaries.")
        : sky.milkyWay
            ? QT_TRANSLATE_NOOP("Planisphere", "Grey: the Milky Way, darker where it is brighter.")
        : sky.boundaries ? QT_TRANSLATE_NOOP("Planisphere", "Dotted: the constellation boundaries.")
                         : nullptr;
    if (text == nullptr) return {};
    return QCoreApplication::translate("Planisphere", text).toStdString();
}
