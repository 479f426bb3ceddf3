// A whole chart in metafile mode, written by our writer and read back by an independent reader,
// Debian's emf2svg-conv, and by our own parsing of the header and the pixel records (the
// reader draws no EMR_SETPIXELV, so it cannot see the stars).
#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <set>

#include "emf_chart_fixture.h"
#include "emf_records.h"
#include "render/chart_export.h"
#include "render/emf_surface.h"
#include "render/qt_surface.h"
#include "tests/chart/recording_surface.h"

namespace {

class EmfChart : public EmfChartFixture {
  protected:
    // Runs the metafile pass into "chart.emf" in the temporary folder; gives the bytes written.
    std::vector<std::uint8_t> Export() {
        EmfSurface probe(window.clientWidth, window.clientHeight, RendererFont());
        layout = ComputeChartLayout(probe, ChartMetafile, window, ViewSettings.margin);
        std::string error;
        EXPECT_TRUE(ExportChart(folder.filePath("chart.emf").toStdString(),
                                ExportJob{window.clientWidth, window.clientHeight, ChartMetafile,
                                          window, RendererFont()},
                                error))
            << error;
        return FileBytes("chart.emf");
    }

    // The metafile converted by emf2svg-conv.
    QString ConvertToSvg() {
        const QString converter = QStandardPaths::findExecutable("emf2svg-conv");
        EXPECT_FALSE(converter.isEmpty()) << "emf2svg-conv is missing (Debian package emf2svg)";
        QProcess process;
        process.start(converter,
                      {"-i", folder.filePath("chart.emf"), "-o", folder.filePath("out.svg")});
        EXPECT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        QFile svg(folder.filePath("out.svg"));
        EXPECT_TRUE(svg.open(QIODevice::ReadOnly));
        return QString::fromUtf8(svg.readAll());
    }

    static int CountMatches(const QString& text, const QString& pattern) {
        int count = 0;
        for (auto it = QRegularExpression(pattern).globalMatch(text); it.hasNext(); it.next())
            ++count;
        return count;
    }

    // Figure segments the last pass drew: both ends above the horizon and a drawing flag on
    // the end point.
    static int DrawnFigureSegments() {
        int segments = 0;
        for (int c = 0; c < ConstellationCount; ++c) {
            const Constellation& figure = ConstellationTable[c];
            for (int j = 0; figure.shown && j + 1 < figure.pointCount; ++j) {
                segments += StarTable[figure.points[j]].visible &&
                            StarTable[figure.points[j + 1]].visible && figure.drawFlags[j + 1];
            }
        }
        return segments;
    }

    ChartLayout layout;
};

TEST_F(EmfChart, IndependentReaderSeesDiscLabelsCaptionsFiguresAndCrosses) {
    Export();
    const QString svg = ConvertToSvg();
    ASSERT_FALSE(svg.isEmpty());

    // The night sky disc in the white star pen, centred, of the layout's radius.
    const QRegularExpressionMatch disc =
        QRegularExpression(
            "<ellipse cx=\"400\\.0+\" cy=\"300\\.0+\" rx=\"([0-9.]+)\" "
            "ry=\"([0-9.]+)\"\\s+fill=\"#000040\" stroke=\"#FFFFFF\"")
            .match(svg);
    ASSERT_TRUE(disc.hasMatch()) << svg.left(2000).toStdString();
    EXPECT_DOUBLE_EQ(disc.captured(1).toDouble(), layout.radius);
    // The white page with a black frame from the metafile preparation.
    EXPECT_EQ(CountMatches(svg,
                           "<rect x=\"0\\.0+\" y=\"0\\.0+\" width=\"799\\.0+\" "
                           "height=\"599\\.0+\"\\s+fill=\"#FFFFFF\" stroke=\"#000000\""),
              1);
    for (const CompassPoint& point : CompassPoints) {
        EXPECT_EQ(CountMatches(svg, QString("CDATA\\[%1\\]").arg(point.label)), 1) << point.label;
    }
    for (const char* caption :
         {"2024/03/07  21:05:09", "Date & Time of Map:", "Dimmest Star Magnitude: 6.5"}) {
        EXPECT_TRUE(svg.contains(QString("CDATA[%1]").arg(caption))) << caption;
    }

    // Every figure segment in red and every cross (two strokes) in green.
    const int segments = DrawnFigureSegments();
    int crosses = 0;
    for (int i = 0; i < DeepSkyCount; ++i) crosses += DeepSkyTable[i].visible ? 1 : 0;
    ASSERT_GT(segments, 50);
    ASSERT_GT(crosses, 20);
    const QString stroke = "<path d=\"M [-0-9.,]+ L [-0-9.,]+ \" stroke=\"#%1\"";
    EXPECT_EQ(CountMatches(svg, stroke.arg("FF0000")), segments);
    EXPECT_EQ(CountMatches(svg, stroke.arg("00FF00")), 2 * crosses);
    EXPECT_TRUE(messages.empty());
}

// The pixel records, read from the bytes: the two white corner pixels that keep the page size,
// then the glyph of every star the pass placed, at its chart position, in catalogue order.
TEST_F(EmfChart, PixelRecordsAreTheCornersThenTheGlyphOfEveryPlacedStar) {
    const std::vector<std::uint8_t> bytes = Export();
    RecordingSurface expected;
    expected.SetPixel(0, 0, White);
    expected.SetPixel(800, 600, White);
    for (int number = 1; number <= MaxStarNumber; ++number) {
        const Star& star = StarTable[number];
        if (star.visible)
            DrawStarGlyph(expected, star.chartX, star.chartY, star.magnitude, White, 0);
    }
    std::vector<std::string> written;
    for (const ParsedRecord& r : ParseRecords(bytes)) {
        if (r.type != EMR_SETPIXELV) continue;
        written.push_back("SetPixel(" + std::to_string(ReadI32(bytes, r.offset + 8)) + "," +
                          std::to_string(ReadI32(bytes, r.offset + 12)) + "," +
                          std::to_string(bytes[r.offset + 16]) + "," +
                          std::to_string(bytes[r.offset + 17]) + "," +
                          std::to_string(bytes[r.offset + 18]) + ")");
    }
    EXPECT_GT(written.size(), 2000u);
    EXPECT_EQ(written, expected.calls);
}

TEST_F(EmfChart, RecordsRunToTheEndBoundsSpanThePageAndEveryObjectIsFreed) {
    const std::vector<std::uint8_t> bytes = Export();
    const std::vector<ParsedRecord> records = ParseRecords(bytes);
    ASSERT_FALSE(records.empty());
    EXPECT_EQ(records.back().type, EMR_EOF);
    EXPECT_EQ(records.back().offset + records.back().size, bytes.size());
    // The corner pixels (0, 0) and (width, height) span the bounds.
    ExpectFields(bytes, 0, {{8, 0}, {12, 0}, {16, 800}, {20, 600}});

    // The object table is as large as the highest slot used, and everything created is
    // deleted again by the end.
    std::uint32_t highest = 0;
    std::multiset<std::uint32_t> live;
    for (const ParsedRecord& r : records) {
        const std::uint32_t slot = ReadU32(bytes, r.offset + 8);
        if (r.type == EMR_CREATEPEN || r.type == EMR_CREATEBRUSHINDIRECT ||
            r.type == EMR_EXTCREATEFONTINDIRECTW) {
            EXPECT_EQ(live.count(slot), 0u) << "slot " << slot << " created twice";
            live.insert(slot);
            highest = std::max(highest, slot);
        } else if (r.type == EMR_DELETEOBJECT) {
            EXPECT_EQ(live.count(slot), 1u) << "slot " << slot << " deleted while free";
            live.erase(slot);
        } else if (r.type == EMR_SELECTOBJECT && (slot & 0x80000000u) == 0) {
            EXPECT_EQ(live.count(slot), 1u) << "slot " << slot << " selected while free";
        }
    }
    EXPECT_TRUE(live.empty());
    EXPECT_EQ(ReadU16(bytes, 56), highest + 1);
    EXPECT_LE(highest, 3u);  // a pen, a brush and the font at most at any time
}

}  // namespace
