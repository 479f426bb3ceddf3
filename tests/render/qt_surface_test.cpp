// The Qt surface reproduces the GDI conventions pixel by pixel on an image: boxes with right and
// bottom excluded, one-pixel unsmoothed lines that leave out their last point, exact SetPixel,
// text cells placed by their reference point on an opaque background, and text metrics.
#include "render/qt_surface.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <QSvgRenderer>
#include <climits>
#include <functional>

namespace {

constexpr QRgb Paper = 0xff808080;  // an image's colour before drawing
constexpr Rgb Red{255, 0, 0};
constexpr Rgb Blue{0, 0, 255};
constexpr Rgb Odd{1, 2, 3};
constexpr Rgb Green{0, 48, 0};

QRgb ToQRgb(Rgb c) {
    return qRgb(c.red, c.green, c.blue);
}

using Drawing = std::function<void(QtSurface&)>;

// Draws on a fresh grey image of the given size and returns it.
QImage Draw(int width, int height, const Drawing& draw,
            QImage::Format format = QImage::Format_RGB32) {
    QImage image(width, height, format);
    image.fill(Paper);
    QPainter painter(&image);
    {
        QtSurface surface(painter, RendererFont());
        draw(surface);
    }
    painter.end();
    return image;
}

// The smallest rectangle holding every pixel that is not paper.
QRect Touched(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != Paper) box |= QRect(x, y, 1, 1);
    return box;
}

// Every pixel of the image is one of `colours`: nothing is smoothed.
bool OnlyColours(const QImage& image, std::initializer_list<QRgb> colours) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (std::find(colours.begin(), colours.end(), image.pixel(x, y)) == colours.end())
                return false;
    return true;
}

void RedOnBlue(QtSurface& s) {
    s.SelectPen(Pen{Red, 1});
    s.SelectBrush(Brush{Blue});
}

int Advance(const char* text) {
    return QFontMetrics(RendererFont()).horizontalAdvance(QString::fromLatin1(text));
}

}  // namespace

// Which pixels an operation touches: the GDI box, line and text-cell rules.
TEST(QtSurface, EachOperationTouchesExactlyItsGdiExtent) {
    const Point line[2] = {{2, 5}, {10, 5}};
    const Point one[1] = {{3, 3}};
    struct Row {
        const char* what;
        Drawing draw;
        QRect extent;  // null: nothing drawn
    };
    const std::vector<Row> rows = {
        {"rectangle, right and bottom excluded", [](QtSurface& s) { s.Rectangle(0, 0, 4, 4); },
         QRect(0, 0, 4, 4)},
        {"box the wrong way round", [](QtSurface& s) { s.Rectangle(5, 6, 1, 2); },
         QRect(QPoint(1, 2), QPoint(4, 5))},
        {"empty boxes",
         [](QtSurface& s) {
             s.Ellipse(4, 4, 4, 4);
             s.Rectangle(2, 2, 2, 6);
         },
         QRect()},
        {"ellipse inside its box", [](QtSurface& s) { s.Ellipse(10, 10, 30, 20); },
         QRect(QPoint(10, 10), QPoint(29, 19))},
        {"ellipses wholly left and right of the image",
         [](QtSurface& s) {
             s.Ellipse(-60, 5, -10, 30);
             s.Ellipse(90, 5, 140, 30);
         },
         QRect()},
        {"ellipse over the right edge", [](QtSurface& s) { s.Ellipse(70, 10, 90, 20); },
         QRect(QPoint(70, 10), QPoint(79, 19))},
        {"boxes as wide as the int range",
         [](QtSurface& s) {
             s.Ellipse(INT_MIN, 5, INT_MAX, 30);
             s.Rectangle(INT_MIN, 32, INT_MAX, 34);
         },
         QRect(QPoint(0, 5), QPoint(79, 33))},
        {"line without its last point", [&](QtSurface& s) { s.Polyline(line, 2); },
         QRect(QPoint(2, 5), QPoint(9, 5))},
        {"fewer than two points",
         [&](QtSurface& s) {
             s.Polyline(one, 1);
             s.Polyline(nullptr, 2);
         },
         QRect()},
        {"top-left text cell", [](QtSurface& s) { s.TextOut(20, 10, "NE"); },
         QRect(20, 10, Advance("NE"), 16)},
        {"bottom-right text cell",
         [](QtSurface& s) {
             s.SetTextAlign(TA_RIGHT | TA_BOTTOM);
             s.TextOut(60, 30, "SW");
         },
         QRect(60 - Advance("SW"), 30 - 16, Advance("SW"), 16)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(Touched(Draw(80, 40, row.draw)), row.extent);
    }
}

TEST(QtSurface, BoxesOutlineInPenAndFillInBrushWithoutSmoothing) {
    const QImage box = Draw(12, 12, [](QtSurface& s) {
        RedOnBlue(s);
        s.Rectangle(2, 3, 7, 9);
    });
    for (int y = 3; y <= 8; ++y)
        for (int x = 2; x <= 6; ++x) {
            const bool edge = x == 2 || x == 6 || y == 3 || y == 8;
            EXPECT_EQ(box.pixel(x, y), ToQRgb(edge ? Red : Blue)) << x << "," << y;
        }
    const QImage ellipse = Draw(40, 30, [](QtSurface& s) {
        RedOnBlue(s);
        s.Ellipse(10, 10, 30, 20);
    });
    EXPECT_EQ(ellipse.pixel(10, 15), ToQRgb(Red));
    EXPECT_EQ(ellipse.pixel(20, 15), ToQRgb(Blue));
    EXPECT_TRUE(OnlyColours(ellipse, {Paper, ToQRgb(Red), ToQRgb(Blue)}));
    // A new surface, as a new device context: black pen, white brush.
    const QImage fresh = Draw(8, 8, [](QtSurface& s) { s.Rectangle(1, 1, 6, 6); });
    EXPECT_EQ(fresh.pixel(1, 1), qRgb(0, 0, 0));
    EXPECT_EQ(fresh.pixel(3, 3), qRgb(255, 255, 255));
}

TEST(QtSurface, SlantedLineHasOnePixelPerColumnInPenColourOnly) {
    const QImage image = Draw(20, 20, [](QtSurface& s) {
        s.SelectPen(Pen{Red, 1});
        const Point line[2] = {{1, 2}, {17, 9}};
        s.Polyline(line, 2);
    });
    EXPECT_TRUE(OnlyColours(image, {Paper, ToQRgb(Red)}));
    for (int x = 0; x < 20; ++x) {
        int count = 0;
        for (int y = 0; y < 20; ++y) count += image.pixel(x, y) == ToQRgb(Red);
        EXPECT_EQ(count, x >= 1 && x <= 16 ? 1 : 0) << x;
    }
    EXPECT_EQ(image.pixel(1, 2), ToQRgb(Red));
}

TEST(QtSurface, SetPixelWritesExactlyTheColourOnEveryImageFormat) {
    for (QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32,
                                  QImage::Format_ARGB32_Premultiplied, QImage::Format_RGB888}) {
        SCOPED_TRACE(format);
        const QImage image = Draw(
            6, 6,
            [](QtSurface& s) {
                s.SetPixel(2, 3, Odd);
                s.SetPixel(4, 1, Red);
                s.SetPixel(-1, 2, Red);  // outside: nothing
                s.SetPixel(6, 6, Red);
            },
            format);
        EXPECT_EQ(image.pixel(2, 3), ToQRgb(Odd));
        EXPECT_EQ(image.pixel(4, 1), ToQRgb(Red));
        EXPECT_EQ(Touched(image), QRect(QPoint(2, 1), QPoint(4, 3)));
    }
}

TEST(QtSurface, HeldBackPixelsKeepTheirPlaceInTheDrawingOrder) {
    // A clip turns off direct writes; pixels are then held back and must still come out under
    // a rectangle drawn after them.
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Paper);
    QPainter painter(&image);
    painter.setClipRect(0, 0, 8, 10);
    {
        QtSurface surface(painter, RendererFont());
        surface.SetPixel(1, 1, Odd);
        surface.SetPixel(3, 3, Odd);
        surface.SetPixel(9, 9, Odd);  // clipped away
        surface.SelectBrush(Brush{Blue});
        surface.SelectPen(Pen{Blue, 1});
        surface.Rectangle(3, 3, 5, 5);
        surface.SetPixel(6, 6, Red);
    }
    painter.end();
    EXPECT_EQ(image.pixel(1, 1), ToQRgb(Odd));
    EXPECT_EQ(image.pixel(3, 3), ToQRgb(Blue));
    EXPECT_EQ(image.pixel(6, 6), ToQRgb(Red));
    EXPECT_EQ(image.pixel(9, 9), Paper);
}

// The cell is filled in the background colour; the glyphs are in the text colour. A new surface
// writes black on white.
TEST(QtSurface, TextIsDrawnOnAnOpaqueBoxOfTheBackgroundColour) {
    const int advance = Advance("NE");
    const QImage image = Draw(80, 40, [](QtSurface& s) {
        s.SetTextColor(White);
        s.SetBkColor(Green);
        s.TextOut(20, 10, "NE");
    });
    bool inked = false;
    for (int x = 20; x < 20 + advance; ++x) {
        EXPECT_EQ(image.pixel(x, 10), ToQRgb(Green)) << x;  // above the capitals
        EXPECT_EQ(image.pixel(x, 25), ToQRgb(Green)) << x;  // below the baseline
        for (int y = 10; y < 26; ++y) inked |= qGreen(image.pixel(x, y)) > 200;
    }
    EXPECT_TRUE(inked);

    const QImage fresh = Draw(60, 30, [](QtSurface& s) { s.TextOut(5, 5, "Mag"); });
    EXPECT_EQ(fresh.pixel(5, 5), qRgb(255, 255, 255));
    bool black = false;
    for (int y = 5; y < 21; ++y)
        for (int x = 5; x < 5 + Advance("Mag"); ++x) black |= fresh.pixel(x, y) == qRgb(0, 0, 0);
    EXPECT_TRUE(black);
}

TEST(QtSurface, MetricsAreThoseOfTheFontOnTheDevice) {
    QImage image(321, 123, QImage::Format_RGB32);
    QPainter painter(&image);
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setPixelSize(14);
    {
        // The renderer's font measures like the classic system font, variable pitch.
        QtSurface surface(painter, RendererFont());
        const TextMetrics metrics = surface.GetTextMetrics();
        EXPECT_EQ(metrics.height, 16);
        EXPECT_EQ(metrics.externalLeading, 0);
        EXPECT_EQ(metrics.aveCharWidth, 7);
        EXPECT_EQ(metrics.pitchAndFamily & TMPF_FIXED_PITCH, TMPF_FIXED_PITCH);
        EXPECT_EQ(surface.HorizontalResolution(), 321);
        EXPECT_EQ(surface.VerticalResolution(), 123);
    }
    QtSurface surface(painter, mono);
    const TextMetrics metrics = surface.GetTextMetrics();
    EXPECT_EQ(metrics.pitchAndFamily & TMPF_FIXED_PITCH, 0);
    EXPECT_EQ(metrics.height, QFontMetrics(mono).ascent() + QFontMetrics(mono).descent());
}

// On a vector device the shapes are written so that, drawn again at the device's size, they
// cover the same pixels as on an image; a pixel set twice (overlapping star glyphs) stays set.
TEST(QtSurface, SvgShapesLandOnTheSamePixels) {
    QBuffer svg;
    svg.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&svg);
    generator.setSize(QSize(20, 20));
    generator.setViewBox(QRect(0, 0, 20, 20));
    QPainter painter(&generator);
    {
        QtSurface surface(painter, RendererFont());
        RedOnBlue(surface);
        surface.Rectangle(2, 3, 7, 9);
        surface.SetPixel(12, 14, Odd);
        surface.SetPixel(12, 14, Odd);
    }
    painter.end();

    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(Paper);
    QPainter replay(&image);
    QSvgRenderer(svg.data()).render(&replay);
    replay.end();
    // The middle of each side (the renderer smooths the corners), then just outside.
    const std::vector<std::pair<QPoint, QRgb>> expected = {
        {{4, 3}, ToQRgb(Red)}, {{4, 8}, ToQRgb(Red)},  {{2, 5}, ToQRgb(Red)},
        {{6, 5}, ToQRgb(Red)}, {{4, 5}, ToQRgb(Blue)}, {{7, 5}, Paper},
        {{4, 9}, Paper},       {{1, 5}, Paper},        {{12, 14}, ToQRgb(Odd)},
        {{13, 14}, Paper},
    };
    for (const auto& [point, colour] : expected)
        EXPECT_EQ(image.pixel(point), colour) << point.x() << "," << point.y();
}
