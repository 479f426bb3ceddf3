#include "render/qt_surface.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace {

QColor ToQColor(Rgb colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

// A one-pixel line that leaves out its last point (GDI's LineTo rule) and meets other lines
// squarely: the flat cap ends a line at its last point instead of half a pixel beyond it. A
// dotted pen draws one pixel in three; a null pen nothing.
QPen LinePen(const Pen& pen) {
    if (pen.style == PenStyle::None) return QPen(Qt::NoPen);
    QPen line(QBrush(ToQColor(pen.colour)), std::max(1, pen.width), Qt::SolidLine, Qt::FlatCap,
              Qt::MiterJoin);
    if (pen.style == PenStyle::Dot) line.setDashPattern({1.0, 2.0});
    return line;
}

// Devices whose output is shapes rather than pixels.
bool IsVectorEngine(const QPaintEngine* engine) {
    if (engine == nullptr) return false;
    switch (engine->type()) {
        case QPaintEngine::Pdf:
        case QPaintEngine::SVG:
        case QPaintEngine::MacPrinter:
            return true;
        default:
            return false;
    }
}

// Qt's raster engine computes in a fixed-point range far smaller than int's. A coordinate far
// beyond any device is brought to one that still lies beyond it, which covers the same pixels.
int NearDevice(int coordinate) {
    constexpr int Far = 1 << 20;
    return std::clamp(coordinate, -Far, Far);
}

// A high-density device's ellipses are laid out in device pixels. Boxes beyond this reach are
// brought within it first (they lie far outside any device) so that the scaled box fits an int.
constexpr int ScaledReach = 1 << 24;

}  // namespace

// Draws in device pixels for the life of the object on a high-density device: the world
// transform undoes the device's pixel ratio. The painter's state comes back afterwards.
class QtSurface::DeviceSpace {
  public:
    explicit DeviceSpace(QtSurface& surface)
        : painter_(surface.painter_), active_(surface.scale_ > 1) {
        if (!active_) return;
        painter_.save();
        painter_.setWorldTransform(
            QTransform::fromScale(1.0 / surface.scale_, 1.0 / surface.scale_));
    }
    ~DeviceSpace() {
        if (active_) painter_.restore();
    }
    DeviceSpace(const DeviceSpace&) = delete;
    DeviceSpace& operator=(const DeviceSpace&) = delete;

  private:
    QPainter& painter_;
    bool active_;
};

QFont RendererFont(int pixelSize) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(1, pixelSize));
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QtSurface::QtSurface(QPainter& painter) : painter_(painter) {
    Setup(QGuiApplication::font());
}

QtSurface::QtSurface(QPainter& painter, const QFont& font) : painter_(painter) {
    Setup(font);
}

QtSurface::~QtSurface() {
    Flush();
}

// Puts the painter into the state of a new GDI device context and decides how pixels are
// written. A 32-bit image painted without clip, transform or opacity gets its pixels written
// straight into its memory: the star glyphs are tens of thousands of single pixels per pass, and
// going through the paint engine for each one would cost more than the rest of the pass.
void QtSurface::Setup(const QFont& font) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setFont(font);
    vector_ = IsVectorEngine(painter_.paintEngine());
    const QPaintDevice* measured = painter_.device();
    widths_ = &WidthsOf(font, measured != nullptr ? measured->logicalDpiY() : 0);

    QPaintDevice* device = painter_.device();
    if (device != nullptr && !vector_) {
        const qreal ratio = device->devicePixelRatio();
        if (ratio >= 2 && ratio <= 8 && ratio == std::floor(ratio) &&
            painter_.worldTransform().isIdentity())
            scale_ = static_cast<int>(ratio);
    }
    if (device != nullptr) {
        bool invertible = false;
        const QTransform toLogical = painter_.combinedTransform().inverted(&invertible);
        const QRect rows = toLogical.mapRect(QRect(0, 0, device->width(), device->height()));
        if (invertible) {
            visibleTop_ = rows.top() - 1;
            visibleBottom_ = rows.bottom() + 2;
        }
    }
    if (device != nullptr && device->devType() == QInternal::Image) {
        auto* image = static_cast<QImage*>(device);
        const QImage::Format format = image->format();
        const bool plain32 = format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
                             format == QImage::Format_ARGB32_Premultiplied;
        // On a high-density image the painter's transform is the pixel ratio's scale alone.
        const QTransform transform = painter_.combinedTransform();
        const bool onlyRatio = transform.type() <= QTransform::TxScale &&
                               transform.m11() == scale_ && transform.m22() == scale_;
        if (plain32 && image->devicePixelRatio() == scale_ && !painter_.hasClipping() &&
            onlyRatio && painter_.opacity() == 1.0 &&
            painter_.compositionMode() == QPainter::CompositionMode_SourceOver) {
            image_ = image;
            // The painter detached the image when it began, so its memory is ours to write.
            imageBits_ = const_cast<uchar*>(image->constBits());
            imageStride_ = image->bytesPerLine();
            imageWidth_ = image->width();
            imageHeight_ = image->height();
        }
    }
}

// Draws the held-back pixels of one colour: as points on raster devices, as one path of unit
// squares on vector devices (a zero-length line with a flat cap would not show there). The path
// is filled by the winding rule: overlapping glyphs set some pixels twice, and the odd-even
// rule would leave such a pixel, covered by two squares of the same orientation, empty.
void QtSurface::Flush() {
    if (pendingPixels_.isEmpty()) return;
    if (vector_) {
        QPainterPath path;
        path.setFillRule(Qt::WindingFill);
        for (const QPoint& p : std::as_const(pendingPixels_)) path.addRect(p.x(), p.y(), 1, 1);
        painter_.fillPath(path, pendingColour_);
    } else if (scale_ > 1) {
        for (const QPoint& p : std::as_const(pendingPixels_))
            painter_.fillRect(QRect(p.x(), p.y(), 1, 1), pendingColour_);
    } else {
        painter_.setPen(QPen(QBrush(pendingColour_), 1, Qt::SolidLine, Qt::FlatCap));
        painter_.drawPoints(pendingPixels_.constData(), int(pendingPixels_.size()));
    }
    pendingPixels_.clear();
}

// Text metrics in the terms of GetTextMetrics: height = ascent + descent, external leading =
// the font's leading (never negative), average character width, and bit 0 of pitchAndFamily set
// for a variable-pitch font. The metrics are those of the font on this device, so a printer or
// PDF of another resolution measures its own.
TextMetrics QtSurface::GetTextMetrics() {
    const QFontMetrics metrics = painter_.fontMetrics();
    TextMetrics result;
    result.height = metrics.ascent() + metrics.descent();
    result.externalLeading = std::max(0, metrics.leading());
    result.aveCharWidth = metrics.averageCharWidth();
    result.pitchAndFamily = painter_.fontInfo().fixedPitch() ? 0 : TMPF_FIXED_PITCH;
    return result;
}

int QtSurface::HorizontalResolution() {
    const QPaintDevice* device = painter_.device();
    return device != nullptr ? device->width() : 0;
}

int QtSurface::VerticalResolution() {
    const QPaintDevice* device = painter_.device();
    return device != nullptr ? device->height() : 0;
}

void QtSurface::SelectPen(const Pen& pen) {
    pen_ = pen;
}
void QtSurface::SelectBrush(const Brush& brush) {
    brush_ = brush;
}
void QtSurface::SetTextColor(Rgb colour) {
    textColour_ = colour;
}
void QtSurface::SetBkColor(Rgb colour) {
    backgroundColour_ = colour;
}
void QtSurface::SetTextAlign(unsigned align) {
    align_ = align;
}

// Exactly the colour given, at one pixel. Outside the device nothing happens, as GDI clips.
void QtSurface::SetPixel(int x, int y, Rgb colour) {
    if (imageBits_ != nullptr) {
        // A logical pixel is scale_ x scale_ device pixels.
        if (x < 0 || y < 0 || x >= imageWidth_ / scale_ || y >= imageHeight_ / scale_) return;
        const QRgb rgb = qRgb(colour.red, colour.green, colour.blue);
        for (int row = Scaled(y); row < Scaled(y + 1); ++row) {
            auto* line = reinterpret_cast<QRgb*>(imageBits_ + qsizetype(row) * imageStride_);
            std::fill(line + Scaled(x), line + Scaled(x + 1), rgb);
        }
        return;
    }
    const QColor qcolour = ToQColor(colour);
    if (!pendingPixels_.isEmpty() && qcolour != pendingColour_) Flush();
    pendingColour_ = qcolour;
    pendingPixels_.append(QPoint(x, y));
}

// Outline in the current pen, fill in the current brush (or none, for lines).
void QtSurface::UseOutlineAndFill(bool fill) {
    QPen pen = LinePen(pen_);
    pen.setCosmetic(scale_ > 1);  // one device pixel on a high-density device
    painter_.setPen(pen);
    if (fill) {
        painter_.setBrush(ToQColor(brush_.colour));
    } else {
        painter_.setBrush(Qt::NoBrush);
    }
}

// A box shape inside (left, top, right, bottom), right and bottom excluded; a box given the wrong
// way round is put right first, as GDI does. With an aliased one-pixel pen Qt's outline of
// QRect(l, t, w, h) covers pixels l to l + w, so the rectangle of width right - left - 1 lands on
// pixels left to right - 1. Qt's aliased ellipse strays a pixel outside its box, so on raster
// devices the ellipse is laid out here row by row (RasterEllipse). On vector devices the outline
// is centred half a pixel inside the box, so that its outer edge is the box.
void QtSurface::DrawBox(int left, int top, int right, int bottom, bool ellipse) {
    Flush();
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    // Widths in 64 bits: a box may span the whole int range.
    const std::int64_t width = std::int64_t{right} - left, height = std::int64_t{bottom} - top;
    if (width < 1 || height < 1) return;
    if (vector_) {
        UseOutlineAndFill(true);
        const QRectF box(left + 0.5, top + 0.5, double(width - 1), double(height - 1));
        ellipse ? painter_.drawEllipse(box) : painter_.drawRect(box);
        return;
    }
    const DeviceSpace device(*this);
    if (scale_ > 1) {
        auto scaled = [this](int c) { return Scaled(std::clamp(c, -ScaledReach, ScaledReach)); };
        left = scaled(left), top = scaled(top), right = scaled(right), bottom = scaled(bottom);
    }
    if (ellipse && smooth_) {
        // The outline's centre line runs half a device pixel inside the box.
        UseOutlineAndFill(true);
        painter_.setRenderHint(QPainter::Antialiasing, true);
        painter_.drawEllipse(
            QRectF(left + 0.5, top + 0.5, double(right) - left - 1.0, double(bottom) - top - 1.0));
        painter_.setRenderHint(QPainter::Antialiasing, false);
    } else if (ellipse) {
        RasterEllipse(left, top, right, bottom);
    } else {
        UseOutlineAndFill(true);
        painter_.drawRect(QRect(QPoint(NearDevice(left), NearDevice(top)),
                                QPoint(NearDevice(right) - 2, NearDevice(bottom) - 2)));
    }
}

void QtSurface::SetSmooth(bool smooth) {
    smooth_ = smooth;
}

// One row of pixels x0..x1 (inclusive) in a colour.
void QtSurface::FillRun(int x0, int x1, int y, const QColor& colour) {
    if (x1 < x0) return;
    if (imageBits_ != nullptr) {
        if (y < 0 || y >= imageHeight_) return;
        x0 = std::max(x0, 0);
        x1 = std::min(x1, imageWidth_ - 1);
        // A run wholly left or right of the image is empty once clamped.
        if (x1 < x0) return;
        auto* line = reinterpret_cast<QRgb*>(imageBits_ + qsizetype(y) * imageStride_);
        std::fill(line + x0, line + x1 + 1, colour.rgb());
        return;
    }
    painter_.fillRect(QRect(QPoint(NearDevice(x0), y), QPoint(NearDevice(x1), y)), colour);
}

// The ellipse inscribed in the box [left, right] x [top, bottom] of pixel edges: a pixel belongs
// to it when its centre lies inside. Each row is a run of pixels; the pixels of a run that have
// no neighbour above or below inside the ellipse, and the two ends of the run, are the one-pixel
// outline in the pen colour; the rest is filled with the brush. So the shape never leaves its
// box, touches all four sides of a circle's box, and is symmetric.
void QtSurface::RasterEllipse(int left, int top, int right, int bottom) {
    const double cx = (double(left) + right) / 2.0, cy = (double(top) + bottom) / 2.0;
    const double a = (double(right) - left) / 2.0, b = (double(bottom) - top) / 2.0;
    // The run of row y, or an empty one (x0 > x1) outside the ellipse.
    auto run = [&](int y, int& x0, int& x1) {
        x0 = 1;
        x1 = 0;
        if (y < top || y >= bottom) return;
        const double dy = (y + 0.5 - cy) / b;
        const double q = 1.0 - dy * dy;
        if (q < -1e-9) return;
        const double half = a * std::sqrt(std::max(0.0, q)) + 1e-9;
        x0 = std::max(left, int(std::ceil(cx - half - 0.5)));
        x1 = std::min(right - 1, int(std::floor(cx + half - 0.5)));
    };
    const QColor pen = ToQColor(pen_.colour), brush = ToQColor(brush_.colour);
    // Only the rows that can show are laid out, however large the box.
    const int first = std::max(top, Scaled(visibleTop_)),
              last = std::min(bottom, Scaled(visibleBottom_));
    int above0, above1, x0, x1, below0, below1;
    run(first - 1, above0, above1);
    run(first, x0, x1);
    for (int y = first; y < last; ++y) {
        run(y + 1, below0, below1);
        if (x0 <= x1) {
            const bool closed = above0 <= above1 && below0 <= below1;
            const int lo = closed ? std::max({x0 + 1, above0, below0}) : x1 + 1;
            const int hi = closed ? std::min({x1 - 1, above1, below1}) : x1;
            if (lo > hi) {
                FillRun(x0, x1, y, pen);
            } else {
                FillRun(x0, lo - 1, y, pen);
                FillRun(lo, hi, y, brush);
                FillRun(hi + 1, x1, y, pen);
            }
        }
        above0 = x0, above1 = x1, x0 = below0, x1 = below1;
    }
}

void QtSurface::Rectangle(int left, int top, int right, int bottom) {
    DrawBox(left, top, right, bottom, false);
}

void QtSurface::Ellipse(int left, int top, int right, int bottom) {
    DrawBox(left, top, right, bottom, true);
}

// Connected segments in the current pen; the last point is left out, as GDI's Polyline does.
// Fewer than two points draw nothing.
void QtSurface::Polyline(const Point* points, int count) {
    Flush();
    if (points == nullptr || count < 2) return;
    UseOutlineAndFill(false);
    if (smooth_ && !vector_) {
        // Through the centres of the end pixels, in device pixels on a high-density device.
        const double centre = 0.5 / scale_;
        QVector<QPointF> line;
        line.reserve(count);
        for (int i = 0; i < count; ++i)
            line.append(QPointF(points[i].x + centre, points[i].y + centre));
        painter_.setRenderHint(QPainter::Antialiasing, true);
        painter_.drawPolyline(line.constData(), count);
        painter_.setRenderHint(QPainter::Antialiasing, false);
    } else if (vector_) {
        QVector<QPointF> line;
        line.reserve(count);
        for (int i = 0; i < count; ++i) line.append(QPointF(points[i].x + 0.5, points[i].y + 0.5));
        painter_.drawPolyline(line.constData(), count);
    } else {
        QVector<QPoint> line;
        line.reserve(count);
        for (int i = 0; i < count; ++i) line.append(QPoint(points[i].x, points[i].y));
        painter_.drawPolyline(line.constData(), count);
    }
}
