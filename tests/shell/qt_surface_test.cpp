// The Qt surface reproduces the GDI conventions pixel by pixel on an image: boxes with right and
// bottom excluded, one-pixel unsmoothed lines that leave out their last point, exact SetPixel,
// text cells placed by their reference point on an opaque background, and text metrics.
#include "shell/qt_surface.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <QSvgRenderer>
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

// Draws on a fresh grey image of the given size and returns it.
QImage Draw(int width, int height, const std::function<void(QtSurface&)>& draw,
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

}  // namespace

TEST(QtSurfaceBoxes, RectangleCoversLeftToRightMinusOne) {
    const QImage image = Draw(8, 8, [](QtSurface& s) { s.Rectangle(0, 0, 4, 4); });
    EXPECT_EQ(Touched(image), QRect(0, 0, 4, 4));
}

TEST(QtSurfaceBoxes, RectangleOutlinesInPenAndFillsInBrush) {
    const QImage image = Draw(12, 12, [](QtSurface& s) {
        s.SelectPen(Pen{Red, 1});
        s.SelectBrush(Brush{Blue});
        s.Rectangle(2, 3, 7, 9);
    });
    EXPECT_EQ(Touched(image), QRect(QPoint(2, 3), QPoint(6, 8)));
    for (int x = 2; x <= 6; ++x) {
        EXPECT_EQ(image.pixel(x, 3), ToQRgb(Red)) << x;
        EXPECT_EQ(image.pixel(x, 8), ToQRgb(Red)) << x;
    }
    for (int y = 3; y <= 8; ++y) {
        EXPECT_EQ(image.pixel(2, y), ToQRgb(Red)) << y;
        EXPECT_EQ(image.pixel(6, y), ToQRgb(Red)) << y;
    }
    for (int y = 4; y <= 7; ++y)
        for (int x = 3; x <= 5; ++x) EXPECT_EQ(image.pixel(x, y), ToQRgb(Blue));
}

TEST(QtSurfaceBoxes, BoxGivenTheWrongWayRoundIsPutRight) {
    const QImage image = Draw(8, 8, [](QtSurface& s) { s.Rectangle(5, 6, 1, 2); });
    EXPECT_EQ(Touched(image), QRect(QPoint(1, 2), QPoint(4, 5)));
}

TEST(QtSurfaceBoxes, EmptyBoxDrawsNothing) {
    const QImage image = Draw(8, 8, [](QtSurface& s) {
        s.Ellipse(4, 4, 4, 4);
        s.Rectangle(2, 2, 2, 6);
    });
    EXPECT_TRUE(Touched(image).isNull());
}

TEST(QtSurfaceBoxes, EllipseTouchesEveryEdgeOfItsBoxAndNothingOutside) {
    const QImage image = Draw(40, 30, [](QtSurface& s) {
        s.SelectPen(Pen{Red, 1});
        s.SelectBrush(Brush{Blue});
        s.Ellipse(10, 10, 30, 20);
    });
    EXPECT_EQ(Touched(image), QRect(QPoint(10, 10), QPoint(29, 19)));
    EXPECT_EQ(image.pixel(10, 15), ToQRgb(Red));
    EXPECT_EQ(image.pixel(20, 15), ToQRgb(Blue));
    // Aliased: only the pen, the brush and the paper occur.
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            const QRgb p = image.pixel(x, y);
            EXPECT_TRUE(p == Paper || p == ToQRgb(Red) || p == ToQRgb(Blue)) << x << "," << y;
        }
}

TEST(QtSurfaceLines, LineIsOnePixelWideAndLeavesOutItsLastPoint) {
    const QImage image = Draw(16, 10, [](QtSurface& s) {
        s.SelectPen(Pen{Red, 1});
        const Point line[2] = {{2, 5}, {10, 5}};
        s.Polyline(line, 2);
    });
    EXPECT_EQ(Touched(image), QRect(QPoint(2, 5), QPoint(9, 5)));
    for (int x = 2; x <= 9; ++x) EXPECT_EQ(image.pixel(x, 5), ToQRgb(Red));
}

TEST(QtSurfaceLines, SlantedLineHasOnePixelPerColumnInPenColourOnly) {
    const QImage image = Draw(20, 20, [](QtSurface& s) {
        s.SelectPen(Pen{Red, 1});
        const Point line[2] = {{1, 2}, {17, 9}};
        s.Polyline(line, 2);
    });
    for (int x = 0; x < 20; ++x) {
        int count = 0;
        for (int y = 0; y < 20; ++y) {
            const QRgb p = image.pixel(x, y);
            EXPECT_TRUE(p == Paper || p == ToQRgb(Red));
            count += p == ToQRgb(Red);
        }
        EXPECT_EQ(count, x >= 1 && x <= 16 ? 1 : 0) << x;
    }
    EXPECT_EQ(image.pixel(1, 2), ToQRgb(Red));
}

TEST(QtSurfaceLines, FewerThanTwoPointsDrawNothing) {
    const Point one[1] = {{3, 3}};
    const QImage image = Draw(8, 8, [&](QtSurface& s) {
        s.Polyline(one, 1);
        s.Polyline(nullptr, 2);
    });
    EXPECT_TRUE(Touched(image).isNull());
}

TEST(QtSurfacePixels, SetPixelWritesExactlyTheColourOnEveryImageFormat) {
    for (QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32,
                                  QImage::Format_ARGB32_Premultiplied, QImage::Format_RGB888}) {
        const QImage image = Draw(
            6, 6,
            [](QtSurface& s) {
                s.SetPixel(2, 3, Odd);
                s.SetPixel(4, 1, Red);
                s.SetPixel(-1, 2, Red);  // outside: nothing
                s.SetPixel(6, 6, Red);
            },
            format);
        EXPECT_EQ(image.pixel(2, 3), ToQRgb(Odd)) << format;
        EXPECT_EQ(image.pixel(4, 1), ToQRgb(Red)) << format;
        EXPECT_EQ(Touched(image), QRect(QPoint(2, 1), QPoint(4, 3))) << format;
    }
}

TEST(QtSurfacePixels, PixelsKeepTheirPlaceInTheDrawingOrderWhenHeldBack) {
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

TEST(QtSurfaceText, TopLeftTextCellStartsAtTheReferencePoint) {
    int advance = QFontMetrics(RendererFont()).horizontalAdvance(QStringLiteral("NE"));
    const QImage image = Draw(80, 40, [](QtSurface& s) {
        s.SetTextColor(White);
        s.SetBkColor(Green);
        s.TextOut(20, 10, "NE");
    });
    EXPECT_EQ(Touched(image), QRect(20, 10, advance, 16));
    // Above the capitals and below the baseline the cell is the background colour.
    for (int x = 20; x < 20 + advance; ++x) {
        EXPECT_EQ(image.pixel(x, 10), ToQRgb(Green)) << x;
        EXPECT_EQ(image.pixel(x, 25), ToQRgb(Green)) << x;
    }
    bool inked = false;
    for (int y = 10; y < 26; ++y)
        for (int x = 20; x < 20 + advance; ++x) inked |= qGreen(image.pixel(x, y)) > 200;
    EXPECT_TRUE(inked);
}

TEST(QtSurfaceText, BottomRightTextCellEndsAtTheReferencePoint) {
    int advance = QFontMetrics(RendererFont()).horizontalAdvance(QStringLiteral("SW"));
    const QImage image = Draw(80, 40, [](QtSurface& s) {
        s.SetBkColor(Green);
        s.SetTextAlign(TA_RIGHT | TA_BOTTOM);
        s.TextOut(60, 30, "SW");
    });
    EXPECT_EQ(Touched(image), QRect(60 - advance, 30 - 16, advance, 16));
}

TEST(QtSurfaceText, NewSurfaceWritesBlackTextOnWhiteFromTheTopLeft) {
    const QImage image = Draw(60, 30, [](QtSurface& s) { s.TextOut(5, 5, "Mag"); });
    const QRect cell = Touched(image);
    EXPECT_EQ(cell.topLeft(), QPoint(5, 5));
    EXPECT_EQ(image.pixel(5, 5), qRgb(255, 255, 255));
    bool black = false;
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x)
            black |= image.pixel(x, y) == qRgb(0, 0, 0);
    EXPECT_TRUE(black);
}

TEST(QtSurfaceState, NewSurfaceDrawsWithBlackPenAndWhiteBrush) {
    const QImage image = Draw(8, 8, [](QtSurface& s) { s.Rectangle(1, 1, 6, 6); });
    EXPECT_EQ(image.pixel(1, 1), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(3, 3), qRgb(255, 255, 255));
}

TEST(QtSurfaceMetrics, RendererFontMeasuresLikeTheClassicSystemFont) {
    QImage image(10, 10, QImage::Format_RGB32);
    QPainter painter(&image);
    QtSurface surface(painter, RendererFont());
    const TextMetrics metrics = surface.GetTextMetrics();
    EXPECT_EQ(metrics.height, 16);
    EXPECT_EQ(metrics.externalLeading, 0);
    EXPECT_EQ(metrics.aveCharWidth, 7);
    EXPECT_EQ(metrics.pitchAndFamily & TMPF_FIXED_PITCH, TMPF_FIXED_PITCH);  // variable pitch
}

TEST(QtSurfaceMetrics, FixedPitchFontClearsThePitchBit) {
    QImage image(10, 10, QImage::Format_RGB32);
    QPainter painter(&image);
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setPixelSize(14);
    QtSurface surface(painter, mono);
    const TextMetrics metrics = surface.GetTextMetrics();
    EXPECT_EQ(metrics.pitchAndFamily & TMPF_FIXED_PITCH, 0);
    EXPECT_EQ(metrics.height, QFontMetrics(mono).ascent() + QFontMetrics(mono).descent());
}

TEST(QtSurfaceMetrics, ResolutionIsTheDeviceSizeInPixels) {
    QImage image(321, 123, QImage::Format_RGB32);
    QPainter painter(&image);
    QtSurface surface(painter);
    EXPECT_EQ(surface.HorizontalResolution(), 321);
    EXPECT_EQ(surface.VerticalResolution(), 123);
}

// On a vector device the shapes are written so that, drawn again at the device's size, they
// cover the same pixels as on an image.
TEST(QtSurfaceVector, SvgShapesLandOnTheSamePixels) {
    QBuffer svg;
    svg.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&svg);
    generator.setSize(QSize(20, 20));
    generator.setViewBox(QRect(0, 0, 20, 20));
    QPainter painter(&generator);
    {
        QtSurface surface(painter, RendererFont());
        surface.SelectPen(Pen{Red, 1});
        surface.SelectBrush(Brush{Blue});
        surface.Rectangle(2, 3, 7, 9);
        surface.SetPixel(12, 14, Odd);
    }
    painter.end();

    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(Paper);
    QPainter replay(&image);
    QSvgRenderer(svg.data()).render(&replay);
    replay.end();
    // The middle of each side (the renderer smooths the corners).
    EXPECT_EQ(image.pixel(4, 3), ToQRgb(Red));
    EXPECT_EQ(image.pixel(4, 8), ToQRgb(Red));
    EXPECT_EQ(image.pixel(2, 5), ToQRgb(Red));
    EXPECT_EQ(image.pixel(6, 5), ToQRgb(Red));
    EXPECT_EQ(image.pixel(4, 5), ToQRgb(Blue));
    EXPECT_EQ(image.pixel(7, 5), Paper);
    EXPECT_EQ(image.pixel(4, 9), Paper);
    EXPECT_EQ(image.pixel(1, 5), Paper);
    EXPECT_EQ(image.pixel(12, 14), ToQRgb(Odd));
    EXPECT_EQ(image.pixel(13, 14), Paper);
}
