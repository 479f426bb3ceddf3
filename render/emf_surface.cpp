// The chart's surface over an Enhanced Metafile, with the screen as reference device.
#include "render/emf_surface.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

constexpr std::uint32_t StockBlackPen = EmfStock(BLACK_PEN);
constexpr std::uint32_t StockWhiteBrush = EmfStock(WHITE_BRUSH);

// The stock object that draws exactly like `pen`, or 0 when there is none.
std::uint32_t StockPenHandle(const Pen& pen) {
    if (pen.style == PenStyle::None) return EmfStock(NULL_PEN);
    if (pen == Pen{White, 1}) return EmfStock(WHITE_PEN);
    if (pen == Pen{Black, 1}) return EmfStock(BLACK_PEN);
    return 0;
}

std::uint32_t StockBrushHandle(const Brush& brush) {
    if (brush == Brush{White}) return EmfStock(WHITE_BRUSH);
    if (brush == Brush{Black}) return EmfStock(BLACK_BRUSH);
    return 0;
}

// The logical font that plays the screen font back: its em height in pixels as a negative
// height (GDI's convention for a character height), its weight on the same 100-900 scale, and a
// variable-pitch sans-serif family unless the face is fixed-pitch.
EmfFont LogicalFont(const QFont& font) {
    const QFontInfo info(font);
    EmfFont logical;
    logical.height = -std::max(1, info.pixelSize());
    logical.weight = std::clamp(info.weight(), 100, 900);
    logical.italic = info.italic();
    logical.pitchAndFamily = info.fixedPitch() ? 0x31 : 0x22;  // FF_MODERN|FIXED, FF_SWISS|VARIABLE
    const QString family = info.family();
    logical.faceName.assign(reinterpret_cast<const char16_t*>(family.utf16()),
                            static_cast<std::size_t>(family.size()));
    return logical;
}

int WithinInt(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

}  // namespace

// width, height: the reference device (and the picture) in pixels; font: the screen's font.
EmfSurface::EmfSurface(int width, int height, const QFont& font)
    : width_(std::max(width, 1)),
      height_(std::max(height, 1)),
      font_(font),
      writer_(width_, height_),
      penHandle_(StockBlackPen),
      brushHandle_(StockWhiteBrush) {
    // A device context starts with these, but not every player assumes it (some start with a
    // black brush), so the metafile says so itself.
    writer_.SelectObject(StockBlackPen);
    writer_.SelectObject(StockWhiteBrush);
}

// Before the end record, the defaults go back in and our objects are deleted, so that no object
// outlives the metafile in a player's table.
const std::vector<std::uint8_t>& EmfSurface::Finish() {
    if (!writer_.Finished()) {
        Replace(penHandle_, StockBlackPen);
        Replace(brushHandle_, StockWhiteBrush);
        if (fontHandle_ != 0) {
            writer_.SelectObject(EmfStock(SYSTEM_FONT));
            writer_.DeleteObject(fontHandle_);
            fontHandle_ = 0;
        }
    }
    return writer_.Finish();
}

// GDI's text metrics of the screen font: cell height (ascent + descent), external leading,
// average character width, and the pitch bit set for a variable-pitch font.
TextMetrics EmfSurface::GetTextMetrics() {
    const QFontMetrics metrics(font_);
    TextMetrics result;
    result.height = metrics.height();
    result.externalLeading = std::max(0, metrics.leading());
    result.aveCharWidth = metrics.averageCharWidth();
    result.pitchAndFamily = QFontInfo(font_).fixedPitch() ? 0 : TMPF_FIXED_PITCH;
    return result;
}

// Selects `next` in place of `current` and deletes `current` when it is one of ours.
void EmfSurface::Replace(std::uint32_t& current, std::uint32_t next) {
    if (current == next) return;
    writer_.SelectObject(next);
    writer_.DeleteObject(current);  // stock objects are left alone
    current = next;
}

void EmfSurface::SelectPen(const Pen& pen) {
    if (pen == pen_ || writer_.Finished()) return;
    const std::uint32_t stock = StockPenHandle(pen);
    Replace(penHandle_, stock != 0 ? stock : writer_.CreatePen(pen));
    pen_ = pen;
}

void EmfSurface::SelectBrush(const Brush& brush) {
    if (brush == brush_ || writer_.Finished()) return;
    const std::uint32_t stock = StockBrushHandle(brush);
    Replace(brushHandle_, stock != 0 ? stock : writer_.CreateBrush(brush));
    brush_ = brush;
}

void EmfSurface::SetTextColor(Rgb colour) {
    if (colour == textColour_) return;
    writer_.SetTextColor(colour);
    textColour_ = colour;
}

void EmfSurface::SetBkColor(Rgb colour) {
    if (colour == backgroundColour_) return;
    writer_.SetBkColor(colour);
    backgroundColour_ = colour;
}

void EmfSurface::SetTextAlign(unsigned align) {
    if (align == align_) return;
    writer_.SetTextAlign(align);
    align_ = align;
}

// The text, one byte per character as the ANSI TextOut takes it, written as UTF-16 with the
// screen font's whole-pixel advance of every character, so that any player spaces it as the
// screen does. The recorded box is the text's cell placed by the current alignment.
void EmfSurface::TextOut(int x, int y, std::string_view text) {
    if (text.empty() || writer_.Finished()) return;
    if (fontHandle_ == 0) {
        fontHandle_ = writer_.CreateFont(LogicalFont(font_));
        writer_.SelectObject(fontHandle_);
    }
    const QString string = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    const QFontMetrics metrics(font_);
    std::vector<int> advances;
    advances.reserve(static_cast<std::size_t>(string.size()));
    int width = 0;
    for (QChar character : string) {
        advances.push_back(metrics.horizontalAdvance(character));
        width += advances.back();
    }
    const int height = metrics.height();
    EmfRect box;
    // Horizontal bits 1-2: left 0, right 2, centre 6; vertical bits 3-4: top 0, bottom 8,
    // baseline 24.
    const unsigned horizontal = align_ & 6u;
    const unsigned vertical = align_ & 24u;
    // In 64 bits, held within the int range: the reference point may lie at either end of it.
    const std::int64_t left = horizontal == 6u         ? std::int64_t{x} - width / 2
                              : horizontal == TA_RIGHT ? std::int64_t{x} - width
                                                       : x;
    const std::int64_t top = vertical == 24u         ? std::int64_t{y} - metrics.ascent()
                             : vertical == TA_BOTTOM ? std::int64_t{y} - height
                                                     : y;
    box.left = WithinInt(left);
    box.top = WithinInt(top);
    box.right = WithinInt(left + std::max(width, 1) - 1);
    box.bottom = WithinInt(top + std::max(height, 1) - 1);
    writer_.ExtTextOut(x, y,
                       std::u16string_view(reinterpret_cast<const char16_t*>(string.utf16()),
                                           static_cast<std::size_t>(string.size())),
                       advances, box);
}

// The sum of the whole-pixel advances TextOut writes.
int EmfSurface::TextWidth(std::string_view text) {
    const QFontMetrics metrics(font_);
    int width = 0;
    for (char c : text) width += metrics.horizontalAdvance(QChar::fromLatin1(c));
    return width;
}

void EmfSurface::SetPixel(int x, int y, Rgb colour) {
    writer_.SetPixel(x, y, colour);
}

void EmfSurface::Rectangle(int left, int top, int right, int bottom) {
    writer_.Rectangle(left, top, right, bottom);
}

void EmfSurface::Ellipse(int left, int top, int right, int bottom) {
    writer_.Ellipse(left, top, right, bottom);
}

void EmfSurface::Polyline(const Point* points, int count) {
    writer_.Polyline(points, count);
}

// The fill mode is said once, before the first polygons: ALTERNATE is a new device context's
// mode, but the metafile does not leave it to the player.
void EmfSurface::PolyPolygon(const Point* points, const int* counts, int polygons) {
    if (!fillModeSet_) {
        writer_.SetPolyFillMode(ALTERNATE);
        fillModeSet_ = true;
    }
    writer_.PolyPolygon(points, counts, polygons);
}

void EmfSurface::PolyPolyline(const Point* points, const int* counts, int lines) {
    writer_.PolyPolyline(points, counts, lines);
}
