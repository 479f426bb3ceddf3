// The metafile surface: its objects, its metrics and its text records.
#include "render/emf_surface.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <algorithm>
#include <climits>

#include "emf_records.h"
#include "render/qt_surface.h"

namespace {

TEST(EmfSurfaceObjects, StartsWithBlackPenAndWhiteBrushSelectedExplicitly) {
    EmfSurface surface(200, 100, RendererFont());
    const std::vector<std::uint8_t> bytes = surface.Finish();
    const std::vector<ParsedRecord> records = ParseRecords(bytes);
    ASSERT_GE(records.size(), 4u);
    EXPECT_EQ(records[1].type, EMR_SELECTOBJECT);
    EXPECT_EQ(records[2].type, EMR_SELECTOBJECT);
    ExpectFields(bytes, records[1].offset, {{8, 0x80000007}});  // BLACK_PEN
    ExpectFields(bytes, records[2].offset, {{8, 0x80000000}});  // WHITE_BRUSH
}

TEST(EmfSurfaceObjects, WhiteAndBlackAreStockOthersCreatedAndDeletedWhenReplaced) {
    EmfSurface surface(200, 100, RendererFont());
    surface.SelectPen(Pen{White, 1});         // stock, nothing created
    surface.SelectBrush(Brush{{0, 0, 64}});   // created in slot 1
    surface.SelectBrush(Brush{{0, 0, 64}});   // the same: no record
    surface.SelectPen(Pen{{255, 0, 0}, 1});   // created in slot 2
    surface.SelectPen(Pen{{0, 255, 0}, 1});   // slot 3, then slot 2 deleted
    surface.SelectBrush(Brush{White});        // stock, slot 1 deleted
    surface.SelectPen(Pen{White, 1});         // stock, slot 3 deleted
    surface.SelectBrush(Brush{{0, 0, 128}});  // reuses slot 1
    const std::vector<std::uint8_t> bytes = surface.Finish();
    const std::vector<ParsedRecord> records = ParseRecords(bytes);
    EXPECT_EQ(CountOfType(records, EMR_CREATEPEN), 2u);
    EXPECT_EQ(CountOfType(records, EMR_CREATEBRUSHINDIRECT), 2u);
    // Every object created is deleted by the end: the metafile leaves none behind.
    EXPECT_EQ(CountOfType(records, EMR_DELETEOBJECT), 4u);
    EXPECT_EQ(ReadU16(bytes, 56), 4u);  // slots 0 to 3
    EXPECT_EQ(ReadU32(bytes, 52), records.size());
}

// Measured with the screen font, and bottom-right aligned text boxed above and left of its point.
TEST(EmfSurfaceText, MeasuresWithTheScreenFontAndBoxesAlignedTextWithItsAdvances) {
    const QFont font = RendererFont();
    const QFontMetrics metrics(font);
    EmfSurface surface(300, 200, font);
    const TextMetrics tm = surface.GetTextMetrics();
    EXPECT_EQ(tm.height, metrics.ascent() + metrics.descent());
    EXPECT_EQ(tm.aveCharWidth, metrics.averageCharWidth());
    EXPECT_EQ(tm.pitchAndFamily & TMPF_FIXED_PITCH, TMPF_FIXED_PITCH);  // variable pitch
    EXPECT_EQ(surface.HorizontalResolution(), 300);
    EXPECT_EQ(surface.VerticalResolution(), 200);
    surface.SetTextAlign(TA_RIGHT | TA_BOTTOM);
    surface.TextOut(100, 50, "NW");
    const std::vector<std::uint8_t> bytes = surface.Finish();
    const std::vector<ParsedRecord> records = ParseRecords(bytes);
    EXPECT_EQ(CountOfType(records, EMR_EXTCREATEFONTINDIRECTW), 1u);
    ASSERT_EQ(CountOfType(records, EMR_EXTTEXTOUTW), 1u);
    const auto text = std::find_if(records.begin(), records.end(),
                                   [](const ParsedRecord& r) { return r.type == EMR_EXTTEXTOUTW; });
    EXPECT_EQ(ExtTextOutString(bytes, *text), "NW");
    const int advanceN = metrics.horizontalAdvance(QLatin1Char('N'));
    const int advanceW = metrics.horizontalAdvance(QLatin1Char('W'));
    const std::size_t dx = text->offset + ReadU32(bytes, text->offset + 72);
    EXPECT_EQ(ReadI32(bytes, dx), advanceN);
    EXPECT_EQ(ReadI32(bytes, dx + 4), advanceW);
    ExpectFields(bytes, text->offset,  // bounds
                 {{8, 100 - advanceN - advanceW}, {12, 50 - metrics.height()}, {16, 99}, {20, 49}});

    // At the low end of the int range the box stays there instead of wrapping.
    EmfSurface far(300, 200, font);
    far.SetTextAlign(TA_RIGHT | TA_BOTTOM);
    far.TextOut(INT_MIN, INT_MIN, "NW");
    const std::vector<std::uint8_t> farBytes = far.Finish();
    const std::vector<ParsedRecord> farRecords = ParseRecords(farBytes);
    const auto farText =
        std::find_if(farRecords.begin(), farRecords.end(),
                     [](const ParsedRecord& r) { return r.type == EMR_EXTTEXTOUTW; });
    ASSERT_NE(farText, farRecords.end());
    ExpectFields(farBytes, farText->offset,
                 {{8, INT_MIN}, {12, INT_MIN}, {16, INT_MIN}, {20, INT_MIN}});
}

}  // namespace
