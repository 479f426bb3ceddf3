// The chart's drawing surface over a QPainter, on any paint device: an image, the window, an SVG
// or PDF generator, a printer.
//
// It reproduces the GDI conventions the chart relies on, pixel for pixel on raster devices:
//   - Rectangle and Ellipse fill and outline inside (left, top, right, bottom), right and bottom
//     excluded: Rectangle(0, 0, 4, 4) touches pixels 0 to 3;
//   - lines and outlines are one device pixel wide, not antialiased, and a line leaves out its
//     last point, as LineTo and Polyline do;
//   - SetPixel writes exactly the colour given;
//   - TextOut places the text's cell (advance width by ascent + descent) by its reference point
//     and paints it opaquely in the background colour first.
// On vector devices (SVG, PDF, printers) the same geometry is written as shapes: a one-pixel
// outline runs along the inside of its box, a pixel is a unit square.
//
// A new surface starts as a new GDI device context does: black pen, white brush, black text on
// a white background, TA_LEFT | TA_TOP.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QPoint>
#include <QVector>
#include <map>
#include <mutex>
#include <string>

#include "chart/surface.h"

class QPainter;
class QImage;

// The font the headless renderer and the tests draw with, so that text metrics and pictures are
// the same on every machine: DejaVu Sans at a size in pixels. At 14 pixels its cell is 16 pixels
// high with an average character width of 7.
QFont RendererFont(int pixelSize = 14);

class QtSurface final : public Surface {
  public:
    // Draws with `painter`, which must be active and stay so while the surface is used. The font
    // is the application's unless one is given. The painter's pen, brush, font and render hints
    // are changed; pixels set by SetPixel may be held back until Flush() or the next other
    // operation, so flush (or destroy the surface) before ending the painter.
    explicit QtSurface(QPainter& painter);
    QtSurface(QPainter& painter, const QFont& font);
    ~QtSurface() override;
    QtSurface(const QtSurface&) = delete;
    QtSurface& operator=(const QtSurface&) = delete;

    // Draws the pixels that SetPixel is holding back.
    void Flush();

    // Smooth drawing: lines, rings and discs antialiased, beside the standard aliased one-pixel
    // look (off until asked for). Pixels, boxes and text are drawn as before.
    void SetSmooth(bool smooth);

    TextMetrics GetTextMetrics() override;
    int HorizontalResolution() override;
    int VerticalResolution() override;

    void SelectPen(const Pen& pen) override;
    void SelectBrush(const Brush& brush) override;
    void SetTextColor(Rgb colour) override;
    void SetBkColor(Rgb colour) override;
    void SetTextAlign(unsigned align) override;
    void TextOut(int x, int y, std::string_view text) override;
    int TextWidth(std::string_view text) override;
    void SetPixel(int x, int y, Rgb colour) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void Polyline(const Point* points, int count) override;
    void PolyPolygon(const Point* points, const int* counts, int polygons) override;
    void PolyPolyline(const Point* points, const int* counts, int lines) override;

  private:
    void Setup(const QFont& font);
    void UseOutlineAndFill(bool fill);
    void DrawBox(int left, int top, int right, int bottom, bool ellipse);
    void RasterEllipse(int left, int top, int right, int bottom);
    void FillRun(int x0, int x1, int y, const QColor& colour);
    bool WriteLines(const Point* points, const int* counts, int lines);
    bool WriteFill(const Point* points, const int* counts, int polygons);
    void DrawShapes(const Point* points, const int* counts, int shapes, bool polygons);

    // Beside the GDI rules: on a raster device of a whole-number pixel ratio s above 1 (a
    // high-density screen) the surface works in logical pixels but draws its shapes in device
    // pixels: a logical pixel is s x s device pixels, and outlines and lines are one device pixel
    // wide, so that the chart is drawn at the device's resolution, not enlarged.
    class DeviceSpace;
    int Scaled(int coordinate) const { return coordinate * scale_; }

    QPainter& painter_;
    bool vector_ = false;  // a vector device: geometry as shapes, not pixels
    int scale_ = 1;        // device pixels per logical pixel on a high-density raster device
    bool smooth_ = false;
    // The rows of the device in the painter's coordinates, and a little more.
    int visibleTop_ = -(1 << 20);
    int visibleBottom_ = 1 << 20;

    // Direct writes into a 32-bit image when nothing (clip, transform) stands in between.
    QImage* image_ = nullptr;
    uchar* imageBits_ = nullptr;
    qsizetype imageStride_ = 0;
    int imageWidth_ = 0;
    int imageHeight_ = 0;

    // Pixels of one colour waiting to be drawn together.
    QVector<QPoint> pendingPixels_;
    QColor pendingColour_;

    // Text widths measured so far in this font at this resolution (std::less<> finds a
    // string_view without a copy), shared by every surface alike; emptied past MaxKeptWidths.
    using TextWidths = std::map<std::string, int, std::less<>>;
    static constexpr std::size_t MaxKeptWidths = 20000;
    static std::mutex& WidthsLock();
    static TextWidths& WidthsOf(const QFont& font, int dotsPerInch);
    TextWidths* widths_ = nullptr;

    Pen pen_;
    Brush brush_{White};
    Rgb textColour_ = Black;
    Rgb backgroundColour_ = White;
    unsigned align_ = TA_LEFT | TA_TOP;
};
