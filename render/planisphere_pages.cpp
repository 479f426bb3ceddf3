// The two pages of the planisphere: the star wheel (stars, figures, names, ecliptic, hour lines,
// the date ring) and the horizon mask (the window along the horizon, compass points, meridian,
// zenith, the clock ring). Coordinates are tenths of a millimetre on the page; the geometry's
// millimetres (y up from the pivot) become page units through Page().
#include "render/planisphere_pages.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "catalog/sky_model.h"
#include "chart/chart_annotations.h"
#include "chart/label_placer.h"
#include "chart/time_basis.h"
#include "render/language.h"
#include "render/planisphere_sky.h"

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double Unit = PlanisphereUnitsPerMm;
constexpr double WheelRadius = PlanisphereWheelRadius;
constexpr double MaskRadius = PlanisphereMaskRadius;
constexpr double DateRingWidth = WheelRadius - MaskRadius;
constexpr double TopOfDisc = 24.0;   // millimetres from the page's top to the wheel
constexpr double BridgeWidth = 6.0;  // the strip of mask that holds the pivot
constexpr double PivotRadius = 5.0;

const QColor Ink(0, 0, 0);
const QColor FigureInk(200, 40, 40);
const QColor GridInk(170, 170, 200);
const QColor EclipticInk(200, 130, 0);
const QColor MaskShade(222, 226, 236);

// The kit's texts in the user's language (UTF-8, as the pages' text lines hold them).
std::string KitText(const QString& text) {
    return text.toStdString();
}

bool IsLeap(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}
int DaysIn(int year, int month) {
    static constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : days[month - 1];
}

// The page frame of one disc: the pivot's place on the page and the geometry.
struct Frame {
    QPointF pivot;  // page units
    PlanisphereGeometry geometry;
    QPointF Page(PlanePoint p) const { return {pivot.x() + p.x * Unit, pivot.y() - p.y * Unit}; }
    QPointF Polar(double radiusMm, double angleDegrees) const {
        const double a = angleDegrees * Pi / 180.0;
        return Page({radiusMm * std::cos(a), radiusMm * std::sin(a)});
    }
};

Frame MakeFrame(const PlanisphereKit& kit) {
    const QSizeF paper = PaperMillimetres(kit.paper);
    return Frame{QPointF(paper.width() / 2 * Unit, (TopOfDisc + WheelRadius) * Unit),
                 KitGeometry(kit)};
}

QFont FontOf(double millimetres, bool bold = false, bool italic = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(millimetres * Unit))));
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QPen PenOf(const QColor& colour, double widthMm, Qt::PenStyle style = Qt::SolidLine) {
    QPen pen(colour, widthMm * Unit, style);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

// Text along a circle: centred on the angle, its baseline a tangent, read from outside the
// circle in the top half and turned over in the bottom half so that it never stands on its head.
void TextOnCircle(QPainter& painter, const Frame& frame, double radiusMm, double angleDegrees,
                  const QString& text) {
    painter.save();
    painter.translate(frame.Polar(radiusMm, angleDegrees));
    const double a = std::fmod(std::fmod(angleDegrees, 360.0) + 360.0, 360.0);
    const bool bottom = a > 180.0;
    painter.rotate(bottom ? 270.0 - a : 90.0 - a);
    const QFontMetricsF metrics(painter.font());
    const double width = metrics.horizontalAdvance(text);
    painter.drawText(QPointF(-width / 2, (metrics.ascent() - metrics.descent()) / 2), text);
    painter.restore();
}

void Circle(QPainter& painter, const Frame& frame, double radiusMm) {
    painter.drawEllipse(frame.pivot, radiusMm * Unit, radiusMm * Unit);
}

void Tick(QPainter& painter, const Frame& frame, double angle, double from, double to) {
    painter.drawLine(frame.Polar(from, angle), frame.Polar(to, angle));
}

// The pivot: a circle and a cross where the paper fastener goes through.
void PivotMark(QPainter& painter, const Frame& frame) {
    painter.setPen(PenOf(Ink, 0.25));
    painter.setBrush(Qt::NoBrush);
    Circle(painter, frame, 1.5);
    Tick(painter, frame, 0, -3, 3);
    Tick(painter, frame, 90, -3, 3);
}

// Lines of text from `top` (millimetres) down, left-aligned at `left`; returns the next line's top.
double TextLines(QPainter& painter, double left, double top, const std::vector<std::string>& lines,
                 double size, bool bold = false) {
    painter.setFont(FontOf(size, bold));
    painter.setPen(PenOf(Ink, 0.2));
    const QFontMetricsF metrics(painter.font());
    double y = top * Unit;
    for (const std::string& line : lines) {
        y += metrics.ascent();
        painter.drawText(QPointF(left * Unit, y), QString::fromStdString(line));
        y += metrics.descent() + 0.25 * size * Unit;
    }
    return y / Unit;
}

// The scale bar: 100 mm in centimetre steps, to check that the printer kept the scale.
void ScaleBar(QPainter& painter, double left, double top) {
    painter.setPen(PenOf(Ink, 0.3));
    const double y = (top + 3) * Unit;
    painter.drawLine(QPointF(left * Unit, y), QPointF((left + 100) * Unit, y));
    for (int cm = 0; cm <= 10; ++cm) {
        const double x = (left + cm * 10) * Unit;
        painter.drawLine(QPointF(x, y), QPointF(x, y - (cm % 5 == 0 ? 3 : 1.8) * Unit));
    }
    painter.setFont(FontOf(2.6));
    painter.drawText(QPointF((left + 103) * Unit, y),
                     QCoreApplication::translate(
                         "Planisphere", "100 mm: measure it; print at 100% (no \"fit to page\")"));
}

// The page's common parts: title, place, scale bar and the cut line's meaning.
double PageHeader(QPainter& painter, const PlanisphereKit& kit, const QString& title) {
    painter.setFont(FontOf(5.0, true));
    painter.setPen(PenOf(Ink, 0.2));
    painter.drawText(QPointF(12 * Unit, 13 * Unit), title);
    std::vector<std::string> lines = KitPlaceLines(kit);
    return TextLines(painter, 12, 15, lines, 2.6);
}

// --- The star wheel --------------------------------------------------------------------------

double StarDotRadius(double magnitude, double dimmest) {
    return std::clamp(0.25 + 0.26 * (dimmest - magnitude), 0.25, 1.6);
}

bool OnWheel(const PlanisphereGeometry& g, double declination) {
    return PlanisphereRadius(g, declination) <= g.rimRadius;
}

void DrawGrid(QPainter& painter, const Frame& frame) {
    const PlanisphereGeometry& g = frame.geometry;
    painter.setPen(PenOf(GridInk, 0.15));
    painter.setBrush(Qt::NoBrush);
    for (int dec = -60; dec <= 60; dec += 30)
        if (dec != 0 && OnWheel(g, dec)) Circle(painter, frame, PlanisphereRadius(g, dec));
    painter.setPen(PenOf(GridInk, 0.3));
    if (OnWheel(g, 0)) Circle(painter, frame, PlanisphereRadius(g, 0));  // the equator
    painter.setPen(PenOf(GridInk, 0.15));
    painter.setFont(FontOf(2.2));
    const double inner = PlanisphereRadius(g, g.hemisphere * 80.0);
    for (int hour = 0; hour < 24; ++hour) {
        const double angle = WheelAngle(g, hour);
        Tick(painter, frame, angle, inner, g.rimRadius);
        TextOnCircle(painter, frame, g.rimRadius - 2.5, angle + 1.6,
                     QStringLiteral("%1h").arg(hour));
    }
}

void DrawEcliptic(QPainter& painter, const Frame& frame) {
    QPainterPath path;
    for (int l = 0; l <= 360; ++l) {
        double ra = 0, dec = 0;
        EclipticPoint(l, ra, dec);
        const QPointF p = frame.Page(WheelPoint(frame.geometry, ra, dec));
        if (l == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    painter.setPen(PenOf(EclipticInk, 0.3, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

QPointF StarPage(const Frame& frame, int number) {
    const Star& star = StarTable[number];
    return frame.Page(WheelPoint(frame.geometry, star.rightAscension, star.declination));
}

bool ValidStar(int n) {
    return n >= 1 && n <= MaxStarNumber && StarTable[n].magnitude < UnloadedMagnitude;
}

// Segments with both ends on the wheel, as the chart draws only segments with both ends above the
// horizon.
void DrawFigures(QPainter& painter, const Frame& frame) {
    const PlanisphereGeometry& g = frame.geometry;
    painter.setPen(PenOf(FigureInk, 0.25));
    const int count = std::clamp(ConstellationCount, 0, MaxConstellations);
    for (int c = 0; c < count; ++c) {
        const Constellation& figure = ConstellationTable[c];
        const int points = std::min(figure.pointCount, MaxFigurePoints);
        for (int j = 1; j < points; ++j) {
            const int a = figure.points[j - 1], b = figure.points[j];
            if (!figure.drawFlags[j] || !ValidStar(a) || !ValidStar(b) ||
                !OnWheel(g, StarTable[a].declination) || !OnWheel(g, StarTable[b].declination))
                continue;
            painter.drawLine(StarPage(frame, a), StarPage(frame, b));
        }
    }
}

LabelBox BoxOf(QPointF centre, double half) {
    const int h = static_cast<int>(std::ceil(half));
    const int x = static_cast<int>(centre.x()), y = static_cast<int>(centre.y());
    return {x - h, y - h, x + h + 1, y + h + 1};
}

// Stars as dots sized by brightness, then their names and the constellations' names, placed so
// that none covers another (the chart's label placer, the chart's name tables).
void DrawStarsAndNames(QPainter& painter, const Frame& frame, double dimmest) {
    const PlanisphereGeometry& g = frame.geometry;
    painter.setPen(Qt::NoPen);
    painter.setBrush(Ink);
    std::vector<int> named;
    for (int n = 1; n <= MaxStarNumber; ++n) {
        const Star& star = StarTable[n];
        if (!WithinMagnitudeLimit(star.magnitude, dimmest) || !OnWheel(g, star.declination))
            continue;
        const double radius = StarDotRadius(star.magnitude, dimmest) * Unit;
        painter.drawEllipse(StarPage(frame, n), radius, radius);
        if (star.magnitude <= StarLabelLimit(dimmest) && !StarProperName(star).empty())
            named.push_back(n);
    }
    std::stable_sort(named.begin(), named.end(),
                     [](int a, int b) { return StarTable[a].magnitude < StarTable[b].magnitude; });

    const QFont starFont = FontOf(2.3);
    const QFont constellationFont = FontOf(2.6, false, true);
    const QFontMetricsF starMetrics(starFont), constellationMetrics(constellationFont);
    std::vector<LabelRequest> requests;
    std::vector<LabelBox> obstacles{BoxOf(frame.pivot, 3 * Unit)};
    for (int n : named) {
        const QString text = QString::fromLatin1(StarProperName(StarTable[n]));
        const QPointF at = StarPage(frame, n);
        const double half = StarDotRadius(StarTable[n].magnitude, dimmest) * Unit;
        LabelRequest request;
        request.text = text.toStdString();
        request.at = Point{static_cast<int>(at.x()), static_cast<int>(at.y())};
        request.clearance = static_cast<int>(std::ceil(half)) + 3;
        request.width = static_cast<int>(std::ceil(starMetrics.horizontalAdvance(text)));
        request.height = static_cast<int>(std::ceil(starMetrics.height()));
        requests.push_back(request);
        obstacles.push_back(BoxOf(at, half));
    }
    const std::size_t starNames = requests.size();
    const int count = std::clamp(ConstellationCount, 0, MaxConstellations);
    for (int c = 0; c < count; ++c) {
        const Constellation& figure = ConstellationTable[c];
        double x = 0, y = 0;
        int on = 0;
        for (int j = 0; j < std::min(figure.pointCount, MaxFigurePoints); ++j) {
            const int n = figure.points[j];
            if (!ValidStar(n) || !OnWheel(g, StarTable[n].declination)) continue;
            const QPointF p = StarPage(frame, n);
            x += p.x();
            y += p.y();
            ++on;
        }
        if (on < 2) continue;
        const QString text = QString::fromStdString(IauConstellationName(figure)).toUpper();
        LabelRequest request;
        request.text = text.toStdString();
        request.at = Point{static_cast<int>(x / on), static_cast<int>(y / on)};
        request.width = static_cast<int>(std::ceil(constellationMetrics.horizontalAdvance(text)));
        request.height = static_cast<int>(std::ceil(constellationMetrics.height()));
        request.anchor = LabelAnchor::Centred;
        requests.push_back(request);
    }
    const LabelArea area{
        Point{static_cast<int>(frame.pivot.x()), static_cast<int>(frame.pivot.y())},
        static_cast<int>(g.rimRadius * Unit)};
    for (const PlacedLabel& label : PlaceLabels(requests, obstacles, area)) {
        const bool star = static_cast<std::size_t>(label.request) < starNames;
        painter.setFont(star ? starFont : constellationFont);
        painter.setPen(PenOf(star ? Ink : FigureInk, 0.2));
        const QFontMetricsF& metrics = star ? starMetrics : constellationMetrics;
        painter.drawText(QPointF(label.box.left, label.box.top + metrics.ascent()),
                         QString::fromStdString(requests[label.request].text));
    }
}

// Months and days round the wheel, from the mask's edge outward: a tick for each day, longer
// every fifth, a line at the start of each month, and the month's name.
void DrawDateRing(QPainter& painter, const Frame& frame, int year) {
    const PlanisphereGeometry& g = frame.geometry;
    painter.setPen(PenOf(Ink, 0.2));
    painter.setBrush(Qt::NoBrush);
    Circle(painter, frame, MaskRadius);
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= DaysIn(year, month); ++day) {
            const double angle = DateRingAngle(g, year, month, day);
            const double length = day == 1 ? DateRingWidth : day % 5 == 0 ? 2.6 : 1.4;
            painter.setPen(PenOf(Ink, day == 1 ? 0.3 : 0.15));
            Tick(painter, frame, angle, MaskRadius, MaskRadius + length);
            if (day % 10 == 0) {
                painter.setFont(FontOf(1.8));
                TextOnCircle(painter, frame, MaskRadius + 4.0, angle, QString::number(day));
            }
        }
        const double middle = DateRingAngle(g, year, month, 16);
        painter.setFont(FontOf(3.2, true));
        painter.setPen(PenOf(Ink, 0.2));
        TextOnCircle(painter, frame, MaskRadius + 8.5, middle,
                     FromCoreText(MonthAbbreviation(month)));
    }
}

void PaintWheel(QPainter& painter, const PlanisphereKit& kit) {
    const Frame frame = MakeFrame(kit);
    const PlanisphereGeometry& g = frame.geometry;
    PageHeader(
        painter, kit,
        QCoreApplication::translate("Planisphere", "Planisphere, page 1 of 2: the star wheel"));

    painter.save();
    QPainterPath sky;
    sky.addEllipse(frame.pivot, g.rimRadius * Unit, g.rimRadius * Unit);
    painter.setClipPath(sky);
    if (kit.sky.milkyWay) DrawWheelMilkyWay(painter, frame.pivot, g);
    DrawGrid(painter, frame);
    if (kit.sky.boundaries) DrawWheelBoundaries(painter, frame.pivot, g);
    DrawEcliptic(painter, frame);
    DrawFigures(painter, frame);
    DrawStarsAndNames(painter, frame, kit.dimmestMagnitude);
    painter.restore();

    painter.setPen(PenOf(Ink, 0.25));
    painter.setBrush(Qt::NoBrush);
    Circle(painter, frame, g.rimRadius);
    DrawDateRing(painter, frame, kit.year);
    PivotMark(painter, frame);
    painter.setPen(PenOf(Ink, 0.5));
    Circle(painter, frame, WheelRadius);  // the cut line

    const double below = TopOfDisc + 2 * WheelRadius + 5;
    const std::string magnitude = KitText(
        QCoreApplication::translate(
            "Planisphere",
            "Stars to magnitude %1; red lines: constellation figures; dashed: the ecliptic.")
            .arg(TextLocale().toString(kit.dimmestMagnitude, 'f', 1)));
    std::vector<std::string> lines = {
        KitText(QCoreApplication::translate(
            "Planisphere",
            "Cut along the thick outer circle. Pierce the pole (the cross in the middle) for "
            "the paper fastener.")),
        magnitude,
        KitText(QCoreApplication::translate(
                    "Planisphere", "Dates are for %1; the ring serves other years to within a day.")
                    .arg(kit.year))};
    if (kit.sky.milkyWay || kit.sky.boundaries)
        lines.insert(lines.begin() + 2, WheelSkyKey(kit.sky));
    const double next = TextLines(painter, 12, below, lines, 2.6);
    ScaleBar(painter, 12, next + 2);
}

// --- The horizon mask ------------------------------------------------------------------------

QPainterPath WindowPath(const Frame& frame) {
    const PlanisphereGeometry& g = frame.geometry;
    QPolygonF outline;
    for (const PlanePoint& p : HorizonOutline(g)) outline << frame.Page(p);
    QPainterPath window;
    window.addPolygon(outline);
    window.closeSubpath();
    // The bridge: a strip from the pivot across the window's edge on the lower meridian, which
    // keeps the pivot on the mask.
    const double reach = PlanisphereRadius(g, HorizonDeclination(g, 12.0)) + 4.0;
    QPainterPath bridge;
    bridge.addEllipse(frame.pivot, PivotRadius * Unit, PivotRadius * Unit);
    // The lower meridian points straight up from the pivot in either hemisphere.
    const QPointF left = frame.Page({-BridgeWidth / 2, 0}),
                  right = frame.Page({BridgeWidth / 2, 0});
    const QPointF up(0, -reach * Unit);
    QPolygonF strip;
    strip << left << right << right + up << left + up;
    bridge.addPolygon(strip);
    return window.subtracted(bridge.simplified());
}

void DrawCompass(QPainter& painter, const Frame& frame) {
    painter.setFont(FontOf(2.8, true));
    const QFontMetricsF metrics(painter.font());
    for (int i = 0; i < 8; ++i) {
        const PlanePoint p = HorizonPointAtAzimuth(frame.geometry, i * 45.0);
        const double r = std::hypot(p.x, p.y);
        const double angle = std::atan2(p.y, p.x) * 180.0 / Pi;
        painter.setPen(PenOf(Ink, 0.35));
        Tick(painter, frame, angle, r - 1.5, r + 1.5);
        const QPointF at = frame.Polar(r + 3.0, angle);
        const QString text = FromCoreText(CompassLabel(CompassPoints[i]));  // at i * 45 degrees
        painter.drawText(at - QPointF(metrics.horizontalAdvance(text) / 2,
                                      -(metrics.ascent() - metrics.descent()) / 2),
                         text);
    }
}

// Clock times round the mask's edge: a tick every 10 minutes, longer on the half hour and the
// hour, and the hour's number.
void DrawTimeRing(QPainter& painter, const Frame& frame) {
    const PlanisphereGeometry& g = frame.geometry;
    painter.setFont(FontOf(2.5, true));
    for (int step = 0; step < 24 * 6; ++step) {
        const double angle = TimeRingAngle(g, step / 6.0);
        const double length = step % 6 == 0 ? 2.0 : step % 3 == 0 ? 1.4 : 0.8;
        painter.setPen(PenOf(Ink, step % 6 == 0 ? 0.3 : 0.15));
        Tick(painter, frame, angle, MaskRadius - length, MaskRadius);
        if (step % 6 == 0)
            TextOnCircle(painter, frame, MaskRadius - 3.9, angle,
                         QStringLiteral("%1:00").arg(step / 6, 2, 10, QLatin1Char('0')));
    }
}

void PaintMask(QPainter& painter, const PlanisphereKit& kit) {
    const Frame frame = MakeFrame(kit);
    const PlanisphereGeometry& g = frame.geometry;
    PageHeader(
        painter, kit,
        QCoreApplication::translate("Planisphere", "Planisphere, page 2 of 2: the horizon mask"));

    const QPainterPath window = WindowPath(frame);
    QPainterPath disc;
    disc.addEllipse(frame.pivot, MaskRadius * Unit, MaskRadius * Unit);
    painter.setPen(Qt::NoPen);
    painter.setBrush(MaskShade);
    painter.drawPath(disc.subtracted(window));

    // Meridian and zenith inside the window.
    painter.save();
    painter.setClipPath(window);
    painter.setPen(PenOf(Ink, 0.2, Qt::DashDotLine));
    painter.drawLine(frame.Page(MaskPoint(g, 12.0, HorizonDeclination(g, 12.0))),
                     frame.Page(MaskPoint(g, 0.0, HorizonDeclination(g, 0.0))));
    painter.restore();
    const QPointF zenith = frame.Page(ZenithPoint(g));
    painter.setPen(PenOf(Ink, 0.3));
    painter.drawLine(zenith - QPointF(15, 0), zenith + QPointF(15, 0));
    painter.drawLine(zenith - QPointF(0, 15), zenith + QPointF(0, 15));
    painter.setFont(FontOf(2.4));
    painter.drawText(zenith + QPointF(20, -8),
                     QCoreApplication::translate("Planisphere", "Zenith"));
    painter.drawText(frame.Page(MaskPoint(g, 0.0, (g.latitude + HorizonDeclination(g, 0.0)) / 2)) +
                         QPointF(8, 0),
                     QCoreApplication::translate("Planisphere", "Meridian"));

    painter.setPen(PenOf(Ink, 0.35, Qt::DashLine));  // the window's cut line
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(window);
    DrawCompass(painter, frame);
    DrawTimeRing(painter, frame);
    PivotMark(painter, frame);
    painter.setPen(PenOf(Ink, 0.5));
    Circle(painter, frame, MaskRadius);  // the cut line

    std::vector<std::string> lines = {
        KitText(QCoreApplication::translate(
            "Planisphere",
            "Cut along the thick circle, and out the window along the dashed line; keep the strip "
            "that holds the pivot.")),
        KitText(QCoreApplication::translate(
            "Planisphere",
            "Lay the mask on the wheel, pierce both pole crosses and join them with a paper "
            "fastener.")),
        KitText(QCoreApplication::translate(
            "Planisphere",
            "Turn the wheel until the date stands at the clock time: the window shows the sky "
            "then.")),
        KitText(g.hemisphere > 0
                    ? QCoreApplication::translate("Planisphere",
                                                  "Hold it overhead, the horizon you face at the "
                                                  "bottom: facing south, east is on the left.")
                    : QCoreApplication::translate("Planisphere",
                                                  "Hold it overhead, the horizon you face at the "
                                                  "bottom: facing north, east is on the right.")),
    };
    for (const std::string& line : KitDaylightSavingLines(kit)) lines.push_back(line);
    if (PlanisphereWindowStretches(g))
        lines.push_back(KitText(QCoreApplication::translate(
            "Planisphere",
            "Near the equator the window stretches: shapes far from the pole are drawn wide.")));
    const double next = TextLines(painter, 12, TopOfDisc + 2 * WheelRadius + 5, lines, 2.6);
    ScaleBar(painter, 12, next + 2);
}

}  // namespace

void PaintPlanispherePage(QPainter& painter, const PlanisphereKit& kit, int page) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (page == 1)
        PaintWheel(painter, kit);
    else
        PaintMask(painter, kit);
    painter.restore();
}
