// The drawing operations the chart uses, with the conventions of the Windows GDI that the chart
// relies on:
//   - Rectangle and Ellipse outline with the current pen and fill with the current brush inside
//     (left, top, right, bottom), the right and bottom edges excluded;
//   - pens are one device pixel wide; lines are not antialiased;
//   - SetPixel writes exactly the colour given;
//   - text is placed by its reference point (SetTextAlign) on an opaque box of the background
//     colour;
//   - text metrics report height, external leading, average character width and the pitch bit;
//   - PolyPolygon fills by the even-odd rule (the ALTERNATE fill mode): a point inside an odd
//     number of the polygons is filled;
//   - a dotted pen (PS_DOT) draws one pixel and leaves two along each line, a null pen (NULL_PEN)
//     draws nothing, so that a shape is filled without an outline.
#pragma once

#include <cstdint>
#include <string_view>

// A 24-bit colour.
struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

inline constexpr Rgb White{255, 255, 255};
inline constexpr Rgb Black{0, 0, 0};

// How a pen draws: solid, dotted, or not at all.
enum class PenStyle { Solid, Dot, None };

struct Pen {
    Rgb colour;
    int width = 1;
    PenStyle style = PenStyle::Solid;
    friend constexpr bool operator==(const Pen&, const Pen&) = default;
};

struct Brush {
    Rgb colour;
    friend constexpr bool operator==(const Brush&, const Brush&) = default;
};

// The stock objects the chart selects, numbered as GetStockObject numbers them.
enum StockObject { WHITE_BRUSH = 0, BLACK_BRUSH = 4, WHITE_PEN = 6, BLACK_PEN = 7 };
Pen StockPen(StockObject object);
Brush StockBrush(StockObject object);

// Text alignment flags, combined by OR.
inline constexpr unsigned TA_LEFT = 0;
inline constexpr unsigned TA_RIGHT = 2;
inline constexpr unsigned TA_TOP = 0;
inline constexpr unsigned TA_BOTTOM = 8;

// Bit 0 of pitchAndFamily is set for a variable-pitch font (the platform's historical
// TMPF_FIXED_PITCH bit, named the wrong way round).
inline constexpr int TMPF_FIXED_PITCH = 1;

struct TextMetrics {
    int height = 0;
    int externalLeading = 0;
    int aveCharWidth = 0;
    int pitchAndFamily = 0;
};

struct Point {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(Point, Point) = default;
};

class Surface {
  public:
    virtual ~Surface() = default;

    virtual TextMetrics GetTextMetrics() = 0;
    virtual int HorizontalResolution() = 0;  // pixels
    virtual int VerticalResolution() = 0;    // pixels

    virtual void SelectPen(const Pen& pen) = 0;
    virtual void SelectBrush(const Brush& brush) = 0;
    virtual void SetTextColor(Rgb colour) = 0;
    virtual void SetBkColor(Rgb colour) = 0;
    virtual void SetTextAlign(unsigned align) = 0;
    virtual void TextOut(int x, int y, std::string_view text) = 0;
    // The width TextOut gives `text` in the current font, pixels. A surface that cannot measure
    // it answers an estimate no smaller than the usual text: the layout's capsWidth per character.
    virtual int TextWidth(std::string_view text);
    virtual void SetPixel(int x, int y, Rgb colour) = 0;
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;
    virtual void Ellipse(int left, int top, int right, int bottom) = 0;
    virtual void Polyline(const Point* points, int count) = 0;
    // `polygons` closed polygons, filled together with the current brush and outlined with the
    // current pen; counts[i] points of polygon i follow those of polygon i - 1 in `points`.
    // Polygons of fewer than three points are left out.
    virtual void PolyPolygon(const Point* points, const int* counts, int polygons) = 0;
    // `lines` polylines in the current pen, as so many Polyline calls (which this default makes);
    // counts[i] points of line i follow those of line i - 1 in `points`.
    virtual void PolyPolyline(const Point* points, const int* counts, int lines);
};
