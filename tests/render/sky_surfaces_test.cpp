// The sky layers on every surface: filled polygons by the even-odd rule and dotted lines on the Qt
// surface (written straight into the image and through the painter alike), their metafile records
// read back by the independent reader, and the Milky Way and boundaries on the star wheel.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <QTemporaryDir>

#include "bench/bench_support.h"
#include "render/chart_export.h"
#include "render/emf_writer.h"
#include "render/planisphere_pages.h"
#include "render/qt_surface.h"

namespace {

constexpr QRgb Paper = 0xff808080, Fill = 0xff0000ff, Ink = 0xffff0000;

// A 40 x 30 image drawn on by `draw`, its pixels straight into memory or, with a clip, through the
// painter.
QImage Drawn(bool clipped, const std::function<void(QtSurface&)>& draw) {
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Paper);
    QPainter painter(&image);
    if (clipped) painter.setClipRect(image.rect());
    QtSurface surface(painter, RendererFont());
    surface.SelectBrush(Brush{{0, 0, 255}});
    draw(surface);
    return image;
}

// A square with a square hole, and a polygon too small to fill: a pixel is filled when its centre
// lies inside an odd number of the polygons, without an outline under the null pen, the same
// whichever way the pixels are written.
TEST(SkySurfaces, PolyPolygonFillsByTheEvenOddRule) {
    const Point points[] = {{2, 2},  {22, 2},  {22, 22}, {2, 22}, {8, 8},
                            {16, 8}, {16, 16}, {8, 16},  {30, 2}, {35, 2}};
    const int counts[] = {4, 4, 2};
    for (const bool clipped : {false, true}) {
        const QImage image = Drawn(clipped, [&](QtSurface& s) {
            s.SelectPen(Pen{{255, 0, 0}, 1, PenStyle::None});
            s.PolyPolygon(points, counts, 3);
        });
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x) {
                const bool outer = x >= 2 && x < 22 && y >= 2 && y < 22;
                const bool hole = x >= 8 && x < 16 && y >= 8 && y < 16;
                ASSERT_EQ(image.pixel(x, y), outer != hole ? Fill : Paper)
                    << x << "," << y << (clipped ? " clipped" : "");
            }
    }
    // With a pen the polygons are outlined too.
    const QImage outlined = Drawn(false, [&](QtSurface& s) {
        s.SelectPen(Pen{{255, 0, 0}, 1});
        s.PolyPolygon(points, counts, 2);
    });
    EXPECT_EQ(outlined.pixel(2, 10), Ink);
    EXPECT_EQ(outlined.pixel(12, 12), Paper);
}

// A dotted pen draws one pixel in three along each line, the line's last point left out; a solid
// one every pixel; lines that run off the image are drawn by the painter instead, as far as the
// image goes.
TEST(SkySurfaces, PolyPolylineDrawsSolidAndDottedLines) {
    const Point points[] = {{0, 5}, {30, 5}, {3, 10}, {3, 20}, {-50, 25}, {60, 25}};
    const int counts[] = {2, 2, 2};
    const QImage dotted = Drawn(false, [&](QtSurface& s) {
        s.SelectPen(Pen{{255, 0, 0}, 1, PenStyle::Dot});
        s.PolyPolyline(points, counts, 2);
    });
    for (int x = 0; x <= 30; ++x) EXPECT_EQ(dotted.pixel(x, 5), x % 3 == 0 && x < 30 ? Ink : Paper);
    for (int y = 10; y <= 20; ++y)
        EXPECT_EQ(dotted.pixel(3, y), (y - 10) % 3 == 0 && y < 20 ? Ink : Paper);
    for (const bool clipped : {false, true}) {
        const QImage solid = Drawn(clipped, [&](QtSurface& s) {
            s.SelectPen(Pen{{255, 0, 0}, 1});
            s.PolyPolyline(points, counts, 3);
        });
        int lit = 0;
        for (int x = 0; x < 40; ++x) lit += solid.pixel(x, 5) == Ink;
        EXPECT_EQ(lit, 30) << clipped;
        EXPECT_EQ(solid.pixel(0, 25), Ink) << clipped;
        EXPECT_EQ(solid.pixel(39, 25), Ink) << clipped;
    }
}

// The whole sky with every layer, labels and legend: the metafile holds the Milky Way's polygons
// and the dotted boundaries, which the independent reader turns into filled shapes in the five
// colours of the steps and dashed strokes.
TEST(SkySurfaces, IndependentReaderSeesTheMilkyWayAndTheDottedBoundaries) {
    PrepareFullSky(40.0);
    QTemporaryDir folder;
    const QString emf = folder.filePath("sky.emf"), svgPath = folder.filePath("sky.svg");
    const FixedChartWindow august(800, 600, {2024, 8, 4, 15, 22, 0, 0, 0});
    ExportJob job{800, 600, ChartMetafile, august, RendererFont()};
    job.view = ViewFromSettings();
    job.view.sky = SkyLayers{true, true, true, true, true};
    job.view.labels.legend = true;
    std::string error;
    ASSERT_TRUE(ExportChart(emf.toStdString(), job, error)) << error;
    QFile emfFile(emf);
    ASSERT_TRUE(emfFile.open(QIODevice::ReadOnly));
    const QByteArray bytes = emfFile.readAll();
    int polygons = 0, polylines = 0, fillModes = 0, dottedPens = 0;
    for (qsizetype at = 108; at + 8 <= bytes.size();) {
        const auto field = [&](qsizetype o) {
            return std::uint32_t(std::uint8_t(bytes[at + o])) |
                   std::uint32_t(std::uint8_t(bytes[at + o + 1])) << 8 |
                   std::uint32_t(std::uint8_t(bytes[at + o + 2])) << 16 |
                   std::uint32_t(std::uint8_t(bytes[at + o + 3])) << 24;
        };
        const std::uint32_t type = field(0), size = field(4);
        if (size < 8) break;
        polygons += type == EMR_POLYPOLYGON16;
        polylines += type == EMR_POLYPOLYLINE16;
        fillModes += type == EMR_SETPOLYFILLMODE && field(8) == ALTERNATE;
        dottedPens += type == EMR_CREATEPEN && field(12) == 2;  // PS_DOT
        at += size;
    }
    EXPECT_EQ(polygons, 5);  // the five steps (the legend's swatch is a rectangle)
    EXPECT_GT(polylines, 3);
    EXPECT_EQ(fillModes, 1);
    EXPECT_GE(dottedPens, 1);

    QProcess process;
    process.start("emf2svg-conv", {"-i", emf, "-o", svgPath});
    ASSERT_TRUE(process.waitForFinished(30000)) << "emf2svg-conv (Debian package emf2svg)";
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    QFile svgFile(svgPath);
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(svgFile.readAll());
    const SkyColours colours =
        MakeSkyColours(SkyNightColour, ScreenMilkyWayColour, {}, {}, {}, {}, {});
    for (const Rgb& step : colours.milkyWay)
        EXPECT_TRUE(svg.contains(
            QString::asprintf("fill=\"#%02X%02X%02X\"", step.red, step.green, step.blue)))
            << int(step.red) << "," << int(step.green) << "," << int(step.blue);
    EXPECT_TRUE(svg.contains("stroke-dasharray"));
}

// The star wheel shows the Milky Way in its greys and the boundaries dotted when the kit asks for
// them, and says so under the wheel; without them the page is as it was.
TEST(SkySurfaces, StarWheelShowsTheMilkyWayAndBoundariesWhenAsked) {
    PrepareFullSky(51.5);
    auto page = [](const SkyLayers& sky) {
        PlanisphereKit kit;
        kit.latitude = 51.5;
        kit.sky = sky;
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(QSize(2100, 2970));
        svg.setViewBox(QRect(0, 0, 2100, 2970));
        QPainter painter(&svg);
        PaintPlanispherePage(painter, kit, 1);
        painter.end();
        return QString::fromUtf8(buffer.data());
    };
    const QString plain = page({}), both = page({true, true});
    EXPECT_EQ(plain,
              page({false, false, true, true, true}));  // the chart's lines: not on the wheel
    EXPECT_FALSE(plain.contains("#eeeeee") || plain.contains("Milky Way"));
    for (const char* grey : {"#eeeeee", "#e4e4e4", "#d9d9d9", "#cdcdcd", "#c0c0c0"})
        EXPECT_TRUE(both.contains(grey)) << grey;
    EXPECT_TRUE(both.contains("Grey: the Milky Way") && both.contains("constellation boundaries"));
    EXPECT_TRUE(both.contains("stroke-dasharray"));
}

}  // namespace
