// Charts in files: painted within the picture at every size, written to PNG without loss, and
// as a metafile: the writer's header and record fields at their published offsets, and a whole
// chart read back by an independent reader (Debian's emf2svg-conv) and by our own reading of the
// pixel records, which that reader does not draw.
#include "render/chart_export.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "bench/bench_support.h"
#include "render/emf_writer.h"
#include "render/png_writer.h"
#include "tests/chart/recording_surface.h"

// A little-endian 32-bit field, read independently of the writer; 0x7EADBEEF past the end.
std::int32_t At(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    if (offset + 4 > bytes.size()) return 0x7EADBEEF;
    return std::int32_t(bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
                        std::uint32_t(bytes[offset + 3]) << 24);
}

// 2024-03-07 21:05:09: the Sun is down.
const FixedChartWindow Evening(800, 600, SystemTime{2024, 3, 4, 7, 21, 5, 9, 0});

QImage Picture(int width, int height, QRgb (*colour)(int x, int y)) {
    QImage image = NewChartImage(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.setPixel(x, y, colour(x, y));
    return image;
}

// Each row: a 32-bit field at its offset in the file. Records follow the 108-byte header.
TEST(EmfWriter, HeaderAndRecordFieldsAreAtTheirOffsets) {
    EmfWriter writer(800, 600);
    writer.SelectObject(writer.CreateBrush(Brush{{0, 0, 128}}));  // slot 1
    writer.CreatePen(Pen{{255, 0, 0}, 1});                        // slot 2
    writer.DeleteObject(1), writer.DeleteObject(1), writer.DeleteObject(EmfStock(WHITE_PEN));
    writer.SelectObject(EmfStock(BLACK_BRUSH));
    writer.Ellipse(100, 50, 601, 451);
    writer.SetPixel(20, 400, Rgb{0x11, 0x22, 0x33});
    const Point line[3] = {{500, 10}, {520, 30}, {-3, 12}}, one[1] = {{1, 1}};
    writer.Polyline(line, 3), writer.Polyline(one, 1);  // GDI draws nothing for one point
    writer.ExtTextOut(10, 20, u"NNE", {9, 9, 8}, EmfRect{10, 4, 35, 19});
    EmfFont font{-14, 700, false, 0x22, u"DejaVu Sans With A Name Longer Than Thirty-One"};
    writer.CreateFont(font);  // the freed slot 1
    const std::vector<std::uint8_t> bytes = writer.Finish();

    EmfWriter wide(10, 10);  // a flat box over the whole int range
    wide.Rectangle(INT_MIN, INT_MIN, INT_MAX, INT_MIN);
    const std::vector<std::uint8_t> wideBytes = wide.Finish();

    // Each row: consecutive 32-bit fields from an offset (X: not checked).
    constexpr std::int64_t X = INT64_MAX;
    const struct {
        const std::vector<std::uint8_t>& bytes;
        std::size_t offset;
        std::vector<std::int64_t> fields;
    } rows[] = {
        // Header: size, bounds (inclusive; the ellipse leaves out its right and bottom), frame in
        // 0.01 mm at 96 dpi, signature, version, bytes, records, handles (slots 0-2), reference
        // device in pixels, millimetres and micrometres.
        {bytes, 0, {EMR_HEADER, 108,          -3,      4,   600, 450, -79, 106,    15900,
                    11932,      EmfSignature, 0x10000, 728, 12,  3,   0,   0,      0,
                    800,        600,          212,     159, 0,   0,   0,   211667, 158750}},
        // Brush: slot, BS_SOLID, COLORREF (red first); selected; pen: slot, PS_SOLID, width,
        // COLORREF; one delete; a stock object by its flag.
        {bytes, 108, {EMR_CREATEBRUSHINDIRECT, 24, 1, 0, 0x800000, 0, EMR_SELECTOBJECT, 12, 1}},
        {bytes, 144, {EMR_CREATEPEN, 28, 2, 0, 1, X, 0xFF, EMR_DELETEOBJECT, 12, 1}},
        {bytes, 184, {EMR_SELECTOBJECT, 12, 0x80000004, EMR_ELLIPSE, 24, 100, 50, 601, 451}},
        {bytes, 220, {EMR_SETPIXELV, 20, 20, 400, 0x332211}},
        // 16-bit polyline: bounds, count, points as pairs of int16.
        {bytes,
         240,
         {EMR_POLYLINE16, 40, -3, 10, 520, 30, 3, 500 | 10 << 16, 520 | 30 << 16,
          0xFFFD | 12 << 16}},
        // Text: bounds, GM_COMPATIBLE, reference point, count, offset of the UTF-16 string
        // (padded to whole words), offset of the advances, the string, the advances.
        {bytes,
         280,
         {EMR_EXTTEXTOUTW, 96,  10, 4, 35, 19, 1, X, X, 10, 20, 3, 76, X, X, X, X, X, 84,
          'N' | 'N' << 16, 'E', 9,  9, 8}},
        // Font: slot, height, weight, pitch and family; the face cut to 31 units and a NUL.
        {bytes,
         376,
         {EMR_EXTCREATEFONTINDIRECTW, 332, 1, -14, 0, 0, 0, 700, X, 0x22000000, 'D' | 'e' << 16}},
        {bytes, 472, {'e' | 'r' << 16, ' '}},
        // End: no palette, offset 16, its size again last, at the end of the bytes.
        {bytes, 708, {EMR_EOF, 20, 0, 16, 20, 0x7EADBEEF}},
        // The bounds reach the ends of the int range and the frame stays there, not wrapping.
        {wideBytes,
         8,
         {INT_MIN, INT_MIN, INT_MAX - 1, INT_MIN, INT_MIN, INT_MIN, INT_MAX, INT_MIN}},
    };
    for (const auto& row : rows)
        for (std::size_t i = 0; i < row.fields.size(); ++i)
            EXPECT_TRUE(row.fields[i] == X ||
                        At(row.bytes, row.offset + 4 * i) == std::int32_t(row.fields[i]))
                << "offset " << row.offset + 4 * i << ": " << At(row.bytes, row.offset + 4 * i);
}

// Every width and height from 1 to 200 (against a range of the other side, and square) and
// extreme aspect ratios, where the disc lies partly or wholly outside the picture. Nothing may be
// written outside the image: the ordinary build crashes, and the suite runs under AddressSanitizer.
TEST(ChartExport, EverySmallOrExtremeSizePaintsWithinThePicture) {
    PrepareFullSky(51.5);
    std::vector<QSize> sizes = {{1, 4000}, {4000, 1}, {2, 4000}, {4000, 2}, {3, 10000}};
    for (int n = 1; n <= 200; ++n)
        for (int other : {1, 2, 3, 7, 40, 199, 200, 600, n})
            sizes.emplace_back(n, other), sizes.emplace_back(other, n);
    for (const QSize& size : sizes) {
        QImage image(size, QImage::Format_RGB32);
        QPainter painter(&image);
        QtSurface surface(painter, RendererFont());
        RunExportPass(surface, {size.width(), size.height(), ChartScreen, Evening, RendererFont()});
    }
}

// Each picture decodes to exactly its pixels: indexed up to 256 colours, RGB beyond; the last is
// larger than a huge page (the chart's memory) and its data spans several IDAT chunks.
TEST(ChartExport, PngDecodesToTheExactPixelsIndexedUpTo256Colours) {
    const struct {
        QImage image;
        char colourType;  // 3 indexed, 2 RGB
    } rows[] = {
        {Picture(16, 16, [](int x, int y) { return qRgb(x * 16 + y, 255 - y, x); }), 3},
        {Picture(257, 1, [](int x, int) { return qRgb(x % 256, x / 256, 7); }), 2},
        {Picture(1024, 600, [](int x, int y) { return qRgb(x & 255, y & 255, (x * y) & 255); }), 2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.image.width());
        QByteArray file;
        QBuffer buffer(&file);
        ASSERT_TRUE(buffer.open(QIODevice::WriteOnly) && WritePng(buffer, row.image));
        EXPECT_EQ(file[25], row.colourType);
        EXPECT_GE(file.count("IDAT"), row.image.width() > 1000 ? 2 : 1);
        EXPECT_EQ(QImage::fromData(file, "PNG").convertToFormat(QImage::Format_RGB32), row.image);
    }
    // A device that stops taking bytes part-way through the image data: the failure is reported.
    QFile full("/dev/full");
    EXPECT_FALSE(full.open(QIODevice::WriteOnly) && WritePng(full, rows[2].image));
}

// The full sky at latitude 40 N, an 800 x 600 window at 2024-03-07 21:05:09 (the Sun down).
TEST(ChartExport, IndependentReaderSeesTheMetafileAndThePixelRecordsAreTheStars) {
    PrepareFullSky(40.0);
    QTemporaryDir folder;
    const QString emf = folder.filePath("chart.emf"), svgPath = folder.filePath("out.svg");
    std::string error;
    ASSERT_TRUE(ExportChart(emf.toStdString(),
                            ExportJob{800, 600, ChartMetafile, Evening, RendererFont()}, error))
        << error;
    QProcess process;
    process.start("emf2svg-conv", {"-i", emf, "-o", svgPath});
    ASSERT_TRUE(process.waitForFinished(30000)) << "emf2svg-conv (Debian package emf2svg)";
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    QFile svgFile(svgPath), emfFile(emf);
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly) && emfFile.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(svgFile.readAll());
    const auto count = [&](const QString& pattern) {
        int n = 0;
        for (auto it = QRegularExpression(pattern).globalMatch(svg); it.hasNext(); it.next()) ++n;
        return n;
    };
    // The night sky disc in the white star pen, centred; the compass
    // points and captions; the figures in red and the crosses in green.
    EXPECT_EQ(count("<ellipse cx=\"400\\.0+\" cy=\"300\\.0+\" rx=\"2[0-9.]+\" ry=\"2[0-9.]+\"\\s+"
                    "fill=\"#000040\" stroke=\"#FFFFFF\""),
              1);
    EXPECT_EQ(
        count("CDATA\\[(N|NE|E|SE|S|SW|W|NW|2024/03/07  21:05:09|Dimmest Star Magnitude: 6.5)\\]"),
        10);
    EXPECT_GT(count("<path d=\"M [-0-9.,]+ L [-0-9.,]+ \" stroke=\"#FF0000\""), 50);
    EXPECT_GT(count("<path d=\"M [-0-9.,]+ L [-0-9.,]+ \" stroke=\"#00FF00\""), 40);

    // The pixel records: the two white corners that keep the page size, then the glyph of every
    // star the pass placed, at its chart position, in catalogue order.
    RecordingSurface expected;
    expected.SetPixel(0, 0, White), expected.SetPixel(800, 600, White);
    for (int number = 1; number <= MaxStarNumber; ++number) {
        const Star& star = StarTable[number];
        if (star.visible)
            DrawStarGlyph(expected, star.chartX, star.chartY, star.magnitude, White, 0);
    }
    const QByteArray data = emfFile.readAll();
    const std::vector<std::uint8_t> bytes(data.begin(), data.end());
    std::vector<std::string> written;
    for (std::size_t at = 0; at + 8 <= bytes.size() && At(bytes, at + 4) >= 8;
         at += At(bytes, at + 4)) {
        if (At(bytes, at) != EMR_SETPIXELV) continue;
        written.push_back("SetPixel(" + std::to_string(At(bytes, at + 8)) + "," +
                          std::to_string(At(bytes, at + 12)) + "," +
                          std::to_string(bytes[at + 16]) + "," + std::to_string(bytes[at + 17]) +
                          "," + std::to_string(bytes[at + 18]) + ")");
    }
    EXPECT_GT(written.size(), 2000u);
    EXPECT_EQ(written, expected.calls);
}
