// The Qt surface keeps the GDI conventions pixel by pixel: boxes with right and bottom excluded
// and never beyond their box, one-pixel unsmoothed lines without their last point, exact
// SetPixel kept in drawing order, and text cells by their reference point on an opaque
// background.
#include "render/qt_surface.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <climits>
#include <functional>
#include <set>

constexpr QRgb Paper = 0xff808080, R = 0xffff0000, B = 0xff0000ff, G = 0xff003000;
constexpr QRgb Odd = 0xff010203, K = 0xff000000, W = 0xffffffff;  // black, white
enum Device { Direct, Clipped, Text };  // written directly; held back by a clip; text, smoothed

// Each row: what is drawn on an 80 x 40 image, then the device, the box of every pixel changed
// (inclusive; 0, 0, -1, -1: none) and pixels as x, y, colour (x = 999: somewhere in the image).
TEST(QtSurface, EachOperationTouchesExactlyItsGdiPixels) {
    const Point line[2] = {{2, 5}, {10, 5}}, slant[2] = {{1, 12}, {17, 19}}, one[1] = {{3, 3}};
    const int ne = QFontMetrics(RendererFont()).horizontalAdvance("NE"),
              sw = QFontMetrics(RendererFont()).horizontalAdvance("SW");
    const auto redOnBlue = [](QtSurface& s) {
        s.SelectPen(Pen{{255, 0, 0}, 1}), s.SelectBrush(Brush{{0, 0, 255}});
    };
    const struct {
        std::function<void(QtSurface&)> draw;
        std::vector<long long> expected;
    } rows[] = {
        // Outline in the pen, fill in the brush, right and bottom excluded.
        {[&](auto& s) { redOnBlue(s), s.Rectangle(2, 3, 7, 9); },
         {Direct, 2, 3, 6, 8, 2, 3, R, 6, 8, R, 6, 5, R, 3, 4, B, 5, 7, B}},
        // A box the wrong way round; a new surface draws in a black pen and a white brush.
        {[](auto& s) { s.Rectangle(5, 6, 1, 2); }, {Direct, 1, 2, 4, 5, 1, 2, K, 2, 3, W}},
        // Nothing: empty boxes, ellipses wholly beside the image, lines of fewer than 2 points.
        {[&](auto& s) {
             s.Ellipse(4, 4, 4, 4), s.Rectangle(2, 2, 2, 6), s.Ellipse(-60, 5, -10, 30);
             s.Ellipse(90, 5, 140, 30), s.Polyline(one, 1), s.Polyline(nullptr, 2);
         },
         {Direct, 0, 0, -1, -1}},
        {[&](auto& s) { redOnBlue(s), s.Ellipse(10, 10, 30, 20); },
         {Clipped, 10, 10, 29, 19, 10, 15, R, 29, 14, R, 20, 10, R, 20, 15, B}},
        {[](auto& s) { s.Ellipse(70, 10, 90, 20); },
         {Direct, 70, 10, 79, 19, 70, 15, K, 75, 15, W}},
        {[](auto& s) { s.Ellipse(INT_MIN, 5, INT_MAX, 30), s.Rectangle(INT_MIN, 32, INT_MAX, 34); },
         {Direct, 0, 5, 79, 33}},
        // Lines leave out their last point.
        {[&](auto& s) { redOnBlue(s), s.Polyline(line, 2), s.Polyline(slant, 2); },
         {Direct, 1, 5, 16, 18, 2, 5, R, 9, 5, R, 10, 5, Paper, 1, 12, R, 17, 19, Paper}},
        // Exact pixels, none outside the image.
        {[](auto& s) {
             s.SetPixel(2, 3, {1, 2, 3}), s.SetPixel(4, 1, {255, 0, 0});
             s.SetPixel(-1, 2, {}), s.SetPixel(80, 40, {});
         },
         {Direct, 2, 1, 4, 3, 2, 3, Odd, 4, 1, R}},
        // Held back by a clip, pixels keep their place under a later box; clipped ones stay out.
        {[&](auto& s) {
             s.SetPixel(1, 1, {1, 2, 3}), s.SetPixel(3, 3, {1, 2, 3}), s.SetPixel(75, 9, {});
             redOnBlue(s), s.Rectangle(3, 3, 5, 5), s.SetPixel(6, 6, {255, 0, 0});
         },
         {Clipped, 1, 1, 6, 6, 1, 1, Odd, 3, 3, R, 6, 6, R}},
        // Text cells by their top left and bottom right, on an opaque background.
        {[](auto& s) { s.TextOut(20, 10, "NE"); },
         {Text, 20, 10, 19 + ne, 25, 20, 10, W, 20, 25, W, 999, 0, K}},
        {[](auto& s) {
             s.SetTextColor({255, 0, 0}), s.SetBkColor({0, 48, 0});
             s.SetTextAlign(TA_RIGHT | TA_BOTTOM), s.TextOut(60, 30, "SW");
         },
         {Text, 60 - sw, 14, 59, 29, 59, 14, G, 59, 29, G, 999, 0, R}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(&row - rows);
        QImage image(80, 40, QImage::Format_RGB32);
        image.fill(Paper);
        {
            QPainter painter(&image);
            if (row.expected[0] == Clipped) painter.setClipRect(0, 0, 70, 40);
            QtSurface surface(painter, RendererFont());
            row.draw(surface);
        }
        QRect touched;
        std::set<QRgb> colours;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                colours.insert(image.pixel(x, y));
                if (image.pixel(x, y) != Paper) touched |= QRect(x, y, 1, 1);
            }
        const std::vector<long long>& e = row.expected;
        EXPECT_EQ(touched, QRect(QPoint(e[1], e[2]), QPoint(e[3], e[4])));
        for (std::size_t i = 5; i + 2 < e.size(); i += 3)
            EXPECT_TRUE(e[i] == 999 ? colours.count(e[i + 2]) > 0
                                    : image.pixel(e[i], e[i + 1]) == e[i + 2])
                << e[i] << "," << e[i + 1];
        for (QRgb c : colours)  // nothing smoothed
            EXPECT_TRUE(e[0] == Text || std::set<QRgb>({Paper, R, B, K, W, Odd}).count(c));
    }
}
