// The metafile writer, checked byte by byte against the published record layouts.
#include "render/emf_writer.h"

#include <gtest/gtest.h>

#include <climits>

#include "emf_records.h"

namespace {

TEST(EmfWriterHeader, CountsRecordsBytesAndHandlesAndBoundsWhatWasDrawn) {
    EmfWriter writer(800, 600);
    writer.SelectObject(writer.CreateBrush(Brush{{0, 0, 64}}));
    writer.Ellipse(100, 50, 301, 251);
    writer.SetPixel(20, 400, White);
    const Point line[2] = {{500, 10}, {520, 30}};
    writer.Polyline(line, 2);
    const std::vector<std::uint8_t> bytes = writer.Finish();

    const std::vector<ParsedRecord> records = ParseRecords(bytes);
    ASSERT_EQ(records.size(), 7u);  // header, brush, select, ellipse, pixel, polyline, EOF
    EXPECT_EQ(records.front().type, EMR_HEADER);
    EXPECT_EQ(records.front().size, EmfHeaderSize);
    EXPECT_EQ(records.back().type, EMR_EOF);
    EXPECT_EQ(records.back().offset + records.back().size, bytes.size());
    EXPECT_EQ(ReadU16(bytes, 56), 2u);  // handles: slot 0 and the brush
    EXPECT_EQ(ReadU16(bytes, 58), 0u);
    const std::int64_t size = bytes.size();
    ExpectFields(bytes, 0, {{40, EmfSignature}, {44, 0x00010000}, {48, size}, {52, 7}});
    // Bounds, inclusive: the ellipse leaves out its right and bottom edges.
    ExpectFields(bytes, 0, {{8, 20}, {12, 10}, {16, 520}, {20, 400}});
    // Frame in 0.01 mm at 96 dpi (2540 / 96 = 26.458 per pixel): 20 px -> 529, 521 px -> 13785.
    ExpectFields(bytes, 0, {{24, 529}, {28, 265}, {32, 13785 - 1}, {36, 10610 - 1}});
    // Reference device: pixels, millimetres (800 px at 96 dpi = 211.7 mm), micrometres.
    ExpectFields(bytes, 0,
                 {{72, 800}, {76, 600}, {80, 212}, {84, 159}, {100, 211667}, {104, 158750}});
}

// A flat box across the whole int range: its bounds reach the ends of the range and its frame in
// 0.01 mm stays there instead of wrapping.
TEST(EmfWriterHeader, BoundsAtTheEndsOfTheIntRangeHoldTheFrameThere) {
    EmfWriter writer(10, 10);
    writer.Rectangle(INT_MIN, INT_MIN, INT_MAX, INT_MIN);
    const std::vector<std::uint8_t> bytes = writer.Finish();
    ExpectFields(bytes, 0, {{8, INT_MIN}, {12, INT_MIN}, {16, INT_MAX - 1}, {20, INT_MIN}});
    ExpectFields(bytes, 0, {{24, INT_MIN}, {28, INT_MIN}, {32, INT_MAX}, {36, INT_MIN}});
}

TEST(EmfWriterHeader, EmptyPictureHasOnlyHeaderAndEofAndNothingIsAddedAfterFinish) {
    EmfWriter writer(10, 10);
    const std::vector<std::uint8_t> bytes = writer.Finish();
    ASSERT_EQ(bytes.size(), EmfHeaderSize + 20u);
    EXPECT_EQ(ReadU16(bytes, 56), 1u);
    ExpectFields(bytes, 0, {{52, 2}, {8, 0}, {16, -1}, {20, -1}});  // two records, no bounds
    // EMR_EOF: no palette, offset 16, its own size repeated last.
    ExpectFields(bytes, EmfHeaderSize, {{8, 0}, {12, 16}, {16, 20}});

    writer.SetPixel(1, 1, White);
    writer.Rectangle(0, 0, 5, 5);
    EXPECT_EQ(writer.CreatePen(Pen{}), 0u);
    EXPECT_EQ(writer.Finish(), bytes);
}

TEST(EmfWriterRecords, ValuesAreLittleEndianAndColoursRedFirst) {
    EmfWriter writer(100, 100);
    writer.SetPixel(0x0102, -2, Rgb{0x11, 0x22, 0x33});
    const std::vector<std::uint8_t> bytes = writer.Finish();
    const std::size_t at = EmfHeaderSize;
    const std::vector<std::uint8_t> expected = {
        15, 0, 0, 0, 20, 0, 0, 0, 0x02, 0x01, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 0x11, 0x22, 0x33, 0};
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + at, bytes.begin() + at + 20), expected);
}

TEST(EmfWriterObjects, FreedSlotsAreReusedAndTheTableSizeIsTheHighestSlotPlusOne) {
    EmfWriter writer(100, 100);
    const std::uint32_t pen = writer.CreatePen(Pen{{255, 0, 0}, 1});
    EXPECT_EQ(pen, 1u);
    EXPECT_EQ(writer.CreateBrush(Brush{{0, 0, 128}}), 2u);
    writer.DeleteObject(pen);
    writer.DeleteObject(pen);                  // twice: ignored
    writer.DeleteObject(EmfStock(WHITE_PEN));  // stock: never deleted
    EXPECT_EQ(writer.CreatePen(Pen{{0, 255, 0}, 1}), 1u);
    EXPECT_EQ(writer.CreateBrush(Brush{White}), 3u);
    const std::vector<std::uint8_t> bytes = writer.Finish();
    EXPECT_EQ(ReadU16(bytes, 56), 4u);
    EXPECT_EQ(CountOfType(ParseRecords(bytes), EMR_DELETEOBJECT), 1u);
}

TEST(EmfWriterObjects, PenAndBrushRecordsCarryStyleWidthAndColour) {
    EmfWriter writer(100, 100);
    writer.CreatePen(Pen{{255, 0, 0}, 1});
    writer.CreateBrush(Brush{{0, 0, 128}});
    writer.SelectObject(EmfStock(BLACK_BRUSH));
    const std::vector<std::uint8_t> bytes = writer.Finish();
    const std::vector<ParsedRecord> records = ParseRecords(bytes);
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[1].type, EMR_CREATEPEN);
    EXPECT_EQ(records[1].size, 28u);
    // Slot, PS_SOLID, width, red as a COLORREF.
    ExpectFields(bytes, records[1].offset, {{8, 1}, {12, 0}, {16, 1}, {24, 0x0000FF}});
    EXPECT_EQ(records[2].type, EMR_CREATEBRUSHINDIRECT);
    EXPECT_EQ(records[2].size, 24u);
    ExpectFields(bytes, records[2].offset, {{12, 0}, {16, 0x800000}});  // BS_SOLID, dark blue
    ExpectFields(bytes, records[3].offset, {{8, 0x80000004}});          // stock BLACK_BRUSH
}

TEST(EmfWriterRecords, PolylineUses16BitPointsWhenTheyFitAnd32BitOtherwise) {
    EmfWriter writer(100, 100);
    const Point small[3] = {{1, 2}, {-3, 40}, {7, 8}};
    const Point large[2] = {{0, 0}, {40000, 5}};
    writer.Polyline(small, 3);
    writer.Polyline(large, 2);
    writer.Polyline(small, 1);  // GDI draws nothing for one point
    const std::vector<std::uint8_t> bytes = writer.Finish();
    const std::vector<ParsedRecord> records = ParseRecords(bytes);
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[1].type, EMR_POLYLINE16);
    EXPECT_EQ(records[1].size, 28u + 3 * 4);
    ExpectFields(bytes, records[1].offset, {{8, -3}, {20, 40}, {24, 3}});  // bounds, count
    EXPECT_EQ(static_cast<std::int16_t>(ReadU16(bytes, records[1].offset + 32)), -3);
    EXPECT_EQ(records[2].type, EMR_POLYLINE);
    EXPECT_EQ(records[2].size, 28u + 2 * 8);
    ExpectFields(bytes, records[2].offset, {{36, 40000}});  // the second point's x
}

TEST(EmfWriterRecords, TextCarriesUtf16StringAdvancesAndPaddingToWholeWords) {
    EmfWriter writer(100, 100);
    writer.ExtTextOut(10, 20, u"NNE", {9, 9, 8}, EmfRect{10, 4, 35, 19});
    const std::vector<std::uint8_t> bytes = writer.Finish();
    const std::vector<ParsedRecord> records = ParseRecords(bytes);
    ASSERT_EQ(records.size(), 3u);
    const ParsedRecord& text = records[1];
    EXPECT_EQ(text.type, EMR_EXTTEXTOUTW);
    EXPECT_EQ(text.size, 76u + 8 + 3 * 4);  // 6 bytes of text padded to 8
    EXPECT_EQ(ExtTextOutString(bytes, text), "NNE");
    // Bounds, GM_COMPATIBLE, reference point, offset of the advances, first and last advance;
    // the header's bounds are the text box.
    ExpectFields(bytes, text.offset,
                 {{8, 10}, {20, 19}, {24, 1}, {36, 10}, {40, 20}, {72, 84}, {84, 9}, {92, 8}});
    ExpectFields(bytes, 0, {{8, 10}, {12, 4}});
}

TEST(EmfWriterRecords, FontRecordHoldsHeightWeightAndFaceName) {
    EmfWriter writer(100, 100);
    EmfFont font;
    font.height = -14;
    font.weight = 700;
    font.pitchAndFamily = 0x22;
    font.faceName = u"DejaVu Sans With A Name Longer Than Thirty-One";
    EXPECT_EQ(writer.CreateFont(font), 1u);
    const std::vector<std::uint8_t> bytes = writer.Finish();
    const std::vector<ParsedRecord> records = ParseRecords(bytes);
    ASSERT_EQ(records.size(), 3u);
    const std::size_t at = records[1].offset;
    EXPECT_EQ(records[1].type, EMR_EXTCREATEFONTINDIRECTW);
    EXPECT_EQ(records[1].size, 12u + 320);
    ExpectFields(bytes, at, {{12, -14}, {28, 700}});  // height, weight
    EXPECT_EQ(bytes[at + 39], 0x22);
    EXPECT_EQ(ReadU16(bytes, at + 40), u'D');
    EXPECT_EQ(ReadU16(bytes, at + 40 + 2 * 29), u'r');  // the 30th and 31st units kept
    EXPECT_EQ(ReadU16(bytes, at + 40 + 2 * 30), u' ');
    EXPECT_EQ(ReadU16(bytes, at + 40 + 2 * 31), 0u);  // then the terminating NUL
}

}  // namespace
