// Chart export: the format by extension, the picture's size and look, and no half-written file
// when something goes wrong.
#include "render/chart_export.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "catalog/loaders.h"
#include "catalog/sky_model.h"
#include "chart/view_settings.h"
#include "render/png_writer.h"

namespace {

// 2024-01-15 21:00:00: the Sun is down at every northern latitude.
class FixedWindow final : public ChartWindow {
  public:
    int ClientWidth() const override { return 999; }  // never the export's size
    int ClientHeight() const override { return 999; }
    SystemTime PickerTime() const override { return SystemTime{2024, 1, 1, 15, 21, 0, 0, 0}; }
};

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ChartExportTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        InitProjectionPi();
        ResetSkyModel();
        LoadAllCatalogues();
    }
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        ResetViewSettings();
        ViewSettings.latitude = 51.5;
    }
    QString Path(const char* name) const { return folder_.filePath(QString::fromLatin1(name)); }
    bool Export(const QString& path, int width, int height, ChartMode mode = ChartScreen) {
        return ExportChart(path.toStdString(),
                           ExportJob{width, height, mode, window_, RendererFont()}, error_);
    }
    QStringList Entries() const {
        return QDir(folder_.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    }

    QTemporaryDir folder_;
    FixedWindow window_;
    std::string error_;
};

}  // namespace

TEST_F(ChartExportTest, PngHasTheAskedSizeAndTheScreenLook) {
    ASSERT_TRUE(Export(Path("chart.png"), 320, 240)) << error_;
    const QImage image(Path("chart.png"));
    ASSERT_EQ(image.size(), QSize(320, 240));
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 48, 0));
    EXPECT_EQ(image.pixel(160, 120 + 60), qRgb(0, 0, 64)) << "the night sky below the zenith";
    // The disc's rim is on the layout's radius: 240/2 - 16 - 3 = 101 pixels from the centre.
    EXPECT_EQ(image.pixel(160, 120 - 101), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(160, 120 - 103), qRgb(0, 48, 0));
    EXPECT_TRUE(error_.empty());
}

// Each picture decodes to exactly its pixels: indexed up to 256 colours, RGB beyond. The chart
// is compared with its rendering on an ordinary 32-bit image; the last picture is larger than a
// huge page (the chart's memory) and its data spans several IDAT chunks.
TEST_F(ChartExportTest, PngDecodesToTheExactPixelsIndexedUpTo256Colours) {
    const ExportJob job{320, 240, ChartScreen, window_, RendererFont()};
    QImage chart(job.width, job.height, QImage::Format_RGB32);
    QPainter painter(&chart);
    painter.fillRect(chart.rect(), QColor(0, 48, 0));
    QtSurface surface(painter, job.font);
    RunExportPass(surface, job);
    painter.end();
    QBuffer exported;
    exported.open(QIODevice::WriteOnly);
    ASSERT_TRUE(WritePngChart(exported, job, error_)) << error_;

    const auto picture = [](QImage image, QRgb (*colour)(int x, int y)) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, colour(x, y));
        return image;
    };
    const struct {
        const char* name;
        QImage image;
        QByteArray file;  // empty: written here with WritePng
        char colourType;  // 3 indexed, 2 RGB; 0 either (the chart's text has many shades)
        int idatChunks;   // at least
    } rows[] = {
        {"the exported chart", chart, exported.data(), 0, 1},
        {"256 colours",
         picture(QImage(16, 16, QImage::Format_RGB32),
                 [](int x, int y) { return qRgb(x * 16 + y, 255 - y, x); }),
         {},
         3,
         1},
        {"257 colours",
         picture(QImage(257, 1, QImage::Format_RGB32),
                 [](int x, int) { return qRgb(x % 256, x / 256, 7); }),
         {},
         2,
         1},
        {"one pixel",
         picture(QImage(1, 1, QImage::Format_RGB32), [](int, int) { return qRgb(1, 2, 3); }),
         {},
         3,
         1},
        {"many colours in huge pages",
         picture(NewChartImage(1024, 600),
                 [](int x, int y) { return qRgb(x & 255, y & 255, (x * y) & 255); }),
         {},
         2,
         2},
    };
    for (const auto& row : rows) {
        QByteArray file = row.file;
        if (file.isEmpty()) {
            QBuffer buffer(&file);
            buffer.open(QIODevice::WriteOnly);
            ASSERT_TRUE(WritePng(buffer, row.image)) << row.name;
        }
        ASSERT_GT(file.size(), 25) << row.name;
        if (row.colourType != 0) {
            EXPECT_EQ(file[25], row.colourType) << row.name;
        }
        EXPECT_GE(file.count("IDAT"), row.idatChunks) << row.name;
        EXPECT_EQ(QImage::fromData(file, "PNG").convertToFormat(QImage::Format_RGB32), row.image)
            << row.name;
    }
    // A device that stops taking bytes part-way through the image data: the failure is reported.
    QFile full("/dev/full");
    ASSERT_TRUE(full.open(QIODevice::WriteOnly));
    EXPECT_FALSE(WritePng(full, rows[4].image));
}

// The screen pass on an image, as the window paints it, at every width and every height from 1
// to 200 (each against a range of the other side, and square) and at extreme aspect ratios,
// where the disc lies partly or wholly outside the picture. Nothing may be written outside the
// image: the ordinary build crashes, and the suite also runs under AddressSanitizer.
TEST_F(ChartExportTest, EverySmallOrExtremeSizePaintsWithinThePicture) {
    std::vector<QSize> sizes = {{1, 4000}, {4000, 1}, {2, 4000}, {4000, 2}, {3, 10000}};
    for (int n = 1; n <= 200; ++n) {
        sizes.emplace_back(n, n);
        for (int other : {1, 2, 3, 7, 40, 199, 200, 600}) {
            sizes.emplace_back(n, other);
            sizes.emplace_back(other, n);
        }
    }
    for (const QSize& size : sizes) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(qRgb(0, 48, 0));
        QPainter painter(&image);
        {
            QtSurface surface(painter, RendererFont());
            RunExportPass(surface, ExportJob{size.width(), size.height(), ChartScreen, window_,
                                             RendererFont()});
        }
        painter.end();
        ASSERT_EQ(image.size(), size);
    }
}

TEST_F(ChartExportTest, PrinterLookIsBlackOnWhite) {
    ASSERT_TRUE(Export(Path("paper.png"), 400, 300, ChartPrinter)) << error_;
    const QImage image(Path("paper.png"));
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));
    int white = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            white += p == qRgb(255, 255, 255);
            ASSERT_NE(p, qRgb(0, 0, 64));
            ASSERT_NE(p, qRgb(0, 48, 0));
        }
    EXPECT_GT(white, image.width() * image.height() * 9 / 10);
    // Radius 300/2 - 16 - 3 = 131.
    EXPECT_EQ(image.pixel(200, 150 - 131), qRgb(0, 0, 0)) << "the disc's outline";
}

TEST_F(ChartExportTest, SvgIsAViewBoxOfTheChartSizeAtNinetySixDotsPerInch) {
    ASSERT_TRUE(Export(Path("chart.svg"), 400, 300)) << error_;
    const QString svg = QString::fromUtf8(ReadAll(Path("chart.svg")));
    EXPECT_TRUE(svg.contains(QStringLiteral("viewBox=\"0 0 400 300\"")));
    const auto width =
        QRegularExpression(QStringLiteral("<svg[^>]*width=\"([0-9.]+)mm\"")).match(svg);
    ASSERT_TRUE(width.hasMatch());
    EXPECT_NEAR(width.captured(1).toDouble() / 25.4 * 96, 400, 0.5);
    EXPECT_TRUE(svg.contains(QStringLiteral("Dimmest Star Magnitude: 4.4")));
}

TEST_F(ChartExportTest, PdfIsOnePageOfTheChartSize) {
    ASSERT_TRUE(Export(Path("chart.pdf"), 1001, 777, ChartPrinter)) << error_;
    const QByteArray pdf = ReadAll(Path("chart.pdf"));
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page/") +
                  pdf.count("/Type /Page "),
              1);
    const auto box = QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"))
                         .match(QString::fromLatin1(pdf));
    ASSERT_TRUE(box.hasMatch());
    EXPECT_EQ(box.captured(1).toDouble(), 1001);
    EXPECT_EQ(box.captured(2).toDouble(), 777);
}

TEST_F(ChartExportTest, PassLaysTheChartOutOnTheExportedSize) {
    ASSERT_TRUE(Export(Path("a.pdf"), 1001, 777));
    // Betelgeuse (catalogue number 2061) is up; its place is on the 1001 x 777 chart, whose
    // disc has centre (500, 388) and radius 388 - 16 - 3 = 369.
    const Star& star = StarTable[2061];
    ASSERT_TRUE(star.visible);
    const double dx = star.chartX - 500, dy = star.chartY - 388;
    EXPECT_LE(dx * dx + dy * dy, 369.0 * 369.0);
}

TEST_F(ChartExportTest, FormatIsChosenByExtensionInAnyCaseAndAnUnknownOneWritesNothing) {
    const std::vector<std::pair<const char*, ExportWriter>> rows = {
        {"a.PNG", &WritePngChart},
        {"dir.v2/a.Svg", &WriteSvgChart},
        {"a.pdf", &WritePdfChart},
        {"a.png.txt", nullptr},
        {"png", nullptr}};
    for (const auto& [name, writer] : rows) EXPECT_EQ(FindExportWriter(name), writer) << name;
    EXPECT_FALSE(Export(Path("chart.bmp"), 100, 100));
    EXPECT_NE(error_.find("chart.bmp"), std::string::npos);
    EXPECT_NE(error_.find(".png"), std::string::npos);
    EXPECT_TRUE(Entries().isEmpty());
}

TEST_F(ChartExportTest, RefusedSizeOrFailedRenderingKeepsTheOldFile) {
    QFile old(Path("chart.png"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    EXPECT_FALSE(Export(Path("chart.png"), 0, 100));
    EXPECT_FALSE(Export(Path("chart.png"), 100, MaxExportSide + 1));
    EXPECT_FALSE(error_.empty());
    // A writer that fails leaves the file alone and says why.
    const ExportWriter failing = [](QIODevice&, const ExportJob&, std::string& error) {
        error = "no picture";
        return false;
    };
    EXPECT_FALSE(WriteChartFile(Path("chart.png").toStdString(), failing,
                                ExportJob{100, 100, ChartScreen, window_, RendererFont()}, error_));
    EXPECT_EQ(error_, "no picture");
    EXPECT_EQ(ReadAll(Path("chart.png")), "old");
    EXPECT_EQ(Entries(), QStringList{"chart.png"});
}

TEST_F(ChartExportTest, UnwritablePathFailsWithoutLeavingAnything) {
    ASSERT_TRUE(QDir(folder_.path()).mkdir("taken.png"));
    EXPECT_FALSE(Export(Path("taken.png"), 100, 100));
    EXPECT_NE(error_.find("taken.png"), std::string::npos);
    EXPECT_TRUE(QFileInfo(Path("taken.png")).isDir());
    EXPECT_EQ(Entries(), QStringList{"taken.png"});
    EXPECT_FALSE(Export(Path("missing/chart.svg"), 100, 100));
    EXPECT_EQ(Entries(), QStringList{"taken.png"});
}
