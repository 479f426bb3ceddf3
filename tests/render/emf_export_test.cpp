// The metafile as a format of the chart exporter: by extension through ExportChart, in the
// three looks.
#include "render/chart_export.h"
#include "render/emf_export.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <algorithm>

#include "emf_chart_fixture.h"
#include "emf_records.h"
#include "render/emf_writer.h"

namespace {

class EmfExport : public EmfChartFixture {
  protected:
    std::vector<std::uint8_t> Write(ChartMode mode, int width = 640, int height = 480) {
        const ExportJob job{width, height, mode, window, RendererFont()};
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        std::string error;
        EXPECT_TRUE(WriteEmfChart(buffer, job, error)) << error;
        return std::vector<std::uint8_t>(buffer.data().begin(), buffer.data().end());
    }
    static std::vector<std::string> Texts(const std::vector<std::uint8_t>& bytes) {
        std::vector<std::string> texts;
        for (const ParsedRecord& r : ParseRecords(bytes)) {
            if (r.type == EMR_EXTTEXTOUTW) texts.push_back(ExtTextOutString(bytes, r));
        }
        return texts;
    }
    static bool HasBrush(const std::vector<std::uint8_t>& bytes, std::uint32_t colourRef) {
        for (const ParsedRecord& r : ParseRecords(bytes)) {
            if (r.type == EMR_CREATEBRUSHINDIRECT && ReadU32(bytes, r.offset + 16) == colourRef)
                return true;
        }
        return false;
    }
};

TEST_F(EmfExport, ExportChartWritesAMetafileForTheEmfExtension) {
    const std::string path = folder.filePath("cli.EMF").toStdString();
    std::string error;
    ASSERT_TRUE(
        ExportChart(path, ExportJob{640, 480, ChartMetafile, window, RendererFont()}, error))
        << error;
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    const std::vector<std::uint8_t> bytes(data.begin(), data.end());
    EXPECT_EQ(ReadU32(bytes, 40), EmfSignature);
    EXPECT_EQ(ReadI32(bytes, 72), 640);
    EXPECT_NE(KnownExportExtensions().find(".emf"), std::string::npos);
}

TEST_F(EmfExport, ScreenLookHasTheWindowBackgroundAndThePickerLine) {
    const std::vector<std::uint8_t> bytes = Write(ChartScreen);
    EXPECT_TRUE(HasBrush(bytes, 0x003000));  // RGB(0, 48, 0) as a COLORREF
    const std::vector<std::string> texts = Texts(bytes);
    EXPECT_NE(std::find(texts.begin(), texts.end(), "2024/03/07  21:05:09"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Date & Time of Map:"), texts.end());
    // Bounds: the page fill, exactly the picture.
    EXPECT_EQ(ReadI32(bytes, 8), 0);
    EXPECT_EQ(ReadI32(bytes, 16), 639);
    EXPECT_EQ(ReadI32(bytes, 20), 479);
}

TEST_F(EmfExport, MetafileLookIsExactlyThePassWithNoFillOfItsOwn) {
    const std::vector<std::uint8_t> bytes = Write(ChartMetafile);
    const std::vector<ParsedRecord> records = ParseRecords(bytes);
    // After the header and the two default selections, the pass begins with its corner pixels.
    ASSERT_GT(records.size(), 5u);
    EXPECT_EQ(records[3].type, EMR_SETPIXELV);
    EXPECT_EQ(records[4].type, EMR_SETPIXELV);
    EXPECT_EQ(records[5].type, EMR_RECTANGLE);
    EXPECT_FALSE(HasBrush(bytes, 0x003000));
    EXPECT_TRUE(HasBrush(bytes, 0x400000));  // the night sky, RGB(0, 0, 64)
}

}  // namespace
