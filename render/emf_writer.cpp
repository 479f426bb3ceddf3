// Enhanced Metafile records, byte by byte. Record layouts follow Microsoft's [MS-EMF] format
// description; the section numbers there are given with each record.
#include "render/emf_writer.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cmath>

namespace {

constexpr std::uint32_t EmfVersion = 0x00010000u;
constexpr std::uint32_t GM_COMPATIBLE = 1;
constexpr std::uint32_t PS_SOLID = 0;
constexpr std::uint32_t PS_DOT = 2;
constexpr std::uint32_t PS_NULL = 5;
constexpr std::uint32_t BS_SOLID = 0;
constexpr std::size_t LogFontFaceUnits = 32;    // WCHAR lfFaceName[32], NUL included
constexpr std::size_t LogFontPanoseSize = 320;  // LogFont (92) and the Panose tail, zeroed

// The box that GDI fills and outlines for (left, top, right, bottom) with a one-pixel pen: the
// right and bottom edges are excluded, and a reversed box is first put in order.
EmfRect DrawnBox(int left, int top, int right, int bottom) {
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    return EmfRect{left, top, right > left ? right - 1 : left, bottom > top ? bottom - 1 : top};
}

}  // namespace

// deviceWidth/Height: the reference device in pixels; dotsPerInch converts them to millimetres
// (25.4 mm to the inch). The header is reserved now and filled in by Finish.
EmfWriter::EmfWriter(int deviceWidth, int deviceHeight, double dotsPerInch)
    : deviceWidth_(std::max(deviceWidth, 1)),
      deviceHeight_(std::max(deviceHeight, 1)),
      dotsPerInch_(dotsPerInch > 0 && std::isfinite(dotsPerInch) ? dotsPerInch : 96.0) {
    bytes_.reserve(1 << 16);
    bytes_.resize(EmfHeaderSize, 0);
    records_ = 1;
}

void EmfWriter::Put32(std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) bytes_.push_back((value >> shift) & 0xFF);
}

// COLORREF: red in the low byte, then green, blue and a zero byte ([MS-WMF] 2.2.2.8).
void EmfWriter::PutColour(Rgb colour) {
    Put32(colour.red | (colour.green << 8) | (colour.blue << 16));
}

void EmfWriter::PutRect(const EmfRect& rect) {
    PutInt(rect.left);
    PutInt(rect.top);
    PutInt(rect.right);
    PutInt(rect.bottom);
}

void EmfWriter::Patch32(std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes_[offset + i] = (value >> (8 * i)) & 0xFF;
}

// Every record opens with its type and its size in bytes; the size is patched by EndRecord, which
// also pads the record to a whole number of 32-bit words.
void EmfWriter::BeginRecord(EmfRecordType type) {
    recordStart_ = bytes_.size();
    Put32(type);
    Put32(0);
}

void EmfWriter::EndRecord() {
    while (bytes_.size() % 4 != 0) bytes_.push_back(0);
    Patch32(recordStart_ + 4, static_cast<std::uint32_t>(bytes_.size() - recordStart_));
    ++records_;
}

void EmfWriter::SimpleRecord(EmfRecordType type, std::uint32_t value) {
    if (finished_) return;
    BeginRecord(type);
    Put32(value);
    EndRecord();
}

void EmfWriter::Widen(const EmfRect& rect) {
    if (!drawn_) {
        bounds_ = rect;
        drawn_ = true;
        return;
    }
    bounds_.left = std::min(bounds_.left, rect.left);
    bounds_.top = std::min(bounds_.top, rect.top);
    bounds_.right = std::max(bounds_.right, rect.right);
    bounds_.bottom = std::max(bounds_.bottom, rect.bottom);
}

// The lowest free slot of the object table, growing it when all are taken.
std::uint32_t EmfWriter::TakeSlot() {
    for (std::size_t i = 1; i < slots_.size(); ++i) {
        if (!slots_[i]) {
            slots_[i] = true;
            return static_cast<std::uint32_t>(i);
        }
    }
    slots_.push_back(true);
    return static_cast<std::uint32_t>(slots_.size() - 1);
}

// EMR_CREATEPEN (2.3.7.7): slot, then LogPen: style, width as a point (x used), colour.
std::uint32_t EmfWriter::CreatePen(const Pen& pen) {
    if (finished_) return 0;
    const std::uint32_t slot = TakeSlot();
    BeginRecord(EMR_CREATEPEN);
    Put32(slot);
    Put32(pen.style == PenStyle::Dot ? PS_DOT : pen.style == PenStyle::None ? PS_NULL : PS_SOLID);
    PutInt(std::max(pen.width, 0));
    PutInt(0);
    PutColour(pen.colour);
    EndRecord();
    return slot;
}

// EMR_CREATEBRUSHINDIRECT (2.3.7.1): slot, then LogBrush32: style, colour, hatch.
std::uint32_t EmfWriter::CreateBrush(const Brush& brush) {
    if (finished_) return 0;
    const std::uint32_t slot = TakeSlot();
    BeginRecord(EMR_CREATEBRUSHINDIRECT);
    Put32(slot);
    Put32(BS_SOLID);
    PutColour(brush.colour);
    Put32(0);
    EndRecord();
    return slot;
}

// EMR_EXTCREATEFONTINDIRECTW (2.3.7.8) with a fixed-length LogFont (2.2.13). It is written in the
// 320-byte room of a LogFontPanose, the rest zero, which the format reads as a plain LogFont and
// which readers that expect the longer form accept too.
std::uint32_t EmfWriter::CreateFont(const EmfFont& font) {
    if (finished_) return 0;
    const std::uint32_t slot = TakeSlot();
    BeginRecord(EMR_EXTCREATEFONTINDIRECTW);
    Put32(slot);
    const std::size_t logFontStart = bytes_.size();
    PutInt(font.height);
    PutInt(0);  // width: the face's own
    PutInt(0);  // escapement
    PutInt(0);  // orientation
    PutInt(font.weight);
    bytes_.push_back(font.italic ? 1 : 0);
    bytes_.push_back(0);  // underline
    bytes_.push_back(0);  // strike-out
    bytes_.push_back(1);  // DEFAULT_CHARSET
    bytes_.push_back(0);  // OUT_DEFAULT_PRECIS
    bytes_.push_back(0);  // CLIP_DEFAULT_PRECIS
    bytes_.push_back(0);  // DEFAULT_QUALITY
    bytes_.push_back(font.pitchAndFamily);
    const std::size_t units = std::min(font.faceName.size(), LogFontFaceUnits - 1);
    for (std::size_t i = 0; i < LogFontFaceUnits; ++i) {
        const char16_t unit = i < units ? font.faceName[i] : u'\0';
        bytes_.push_back(unit & 0xFF);
        bytes_.push_back(unit >> 8);
    }
    bytes_.resize(logFontStart + LogFontPanoseSize, 0);
    EndRecord();
    return slot;
}

// EMR_SELECTOBJECT (2.3.8.5): a slot index or a stock object number with the top bit set.
void EmfWriter::SelectObject(std::uint32_t handle) {
    SimpleRecord(EMR_SELECTOBJECT, handle);
}

// EMR_DELETEOBJECT (2.3.8.3). Stock objects are never deleted; the slot becomes free for reuse.
void EmfWriter::DeleteObject(std::uint32_t handle) {
    if (finished_ || (handle & EmfStockObjectFlag) != 0 || handle == 0 || handle >= slots_.size() ||
        !slots_[handle]) {
        return;
    }
    slots_[handle] = false;
    SimpleRecord(EMR_DELETEOBJECT, handle);
}

void EmfWriter::SetTextAlign(unsigned align) {
    SimpleRecord(EMR_SETTEXTALIGN, align);
}

void EmfWriter::SetTextColor(Rgb colour) {
    SimpleRecord(EMR_SETTEXTCOLOR, colour.red | (colour.green << 8) | (colour.blue << 16));
}

void EmfWriter::SetBkColor(Rgb colour) {
    SimpleRecord(EMR_SETBKCOLOR, colour.red | (colour.green << 8) | (colour.blue << 16));
}

void EmfWriter::SetBkMode(unsigned mode) {
    SimpleRecord(EMR_SETBKMODE, mode);
}

void EmfWriter::SetPolyFillMode(unsigned mode) {
    SimpleRecord(EMR_SETPOLYFILLMODE, mode);
}

// EMR_SETPIXELV (2.3.5.36): the point, then the colour; it covers exactly that pixel.
void EmfWriter::SetPixel(int x, int y, Rgb colour) {
    if (finished_) return;
    BeginRecord(EMR_SETPIXELV);
    PutInt(x);
    PutInt(y);
    PutColour(colour);
    EndRecord();
    Widen(EmfRect{x, y, x, y});
}

// EMR_RECTANGLE (2.3.5.34) and EMR_ELLIPSE (2.3.5.5): the box as the caller gave it.
void EmfWriter::BoxRecord(EmfRecordType type, int left, int top, int right, int bottom) {
    if (finished_) return;
    BeginRecord(type);
    PutRect(EmfRect{left, top, right, bottom});
    EndRecord();
    Widen(DrawnBox(left, top, right, bottom));
}

void EmfWriter::Rectangle(int left, int top, int right, int bottom) {
    BoxRecord(EMR_RECTANGLE, left, top, right, bottom);
}

void EmfWriter::Ellipse(int left, int top, int right, int bottom) {
    BoxRecord(EMR_ELLIPSE, left, top, right, bottom);
}

// EMR_EXTTEXTOUTW (2.3.5.8): bounds, graphics mode, the two scales to 0.01 mm, then EmrText
// (2.2.5): reference point, character count, string offset, options, clip rectangle (none),
// advance offset; then the UTF-16 string padded to 32 bits and one 32-bit advance per unit.
// Offsets count from the start of the record.
void EmfWriter::ExtTextOut(int x, int y, std::u16string_view text, const std::vector<int>& advances,
                           const EmfRect& box) {
    if (finished_ || text.empty()) return;
    const std::uint32_t count = static_cast<std::uint32_t>(text.size());
    const std::uint32_t stringOffset = 76;
    const std::uint32_t advanceOffset = stringOffset + ((2 * count + 3) & ~3u);
    const float scale = static_cast<float>(2540.0 / dotsPerInch_);
    BeginRecord(EMR_EXTTEXTOUTW);
    PutRect(box);
    Put32(GM_COMPATIBLE);
    Put32(std::bit_cast<std::uint32_t>(scale));
    Put32(std::bit_cast<std::uint32_t>(scale));
    PutInt(x);
    PutInt(y);
    Put32(count);
    Put32(stringOffset);
    Put32(0);  // options: the device context's background mode governs the opaque box
    PutRect(EmfRect{0, 0, -1, -1});
    Put32(advanceOffset);
    for (char16_t unit : text) {
        bytes_.push_back(unit & 0xFF);
        bytes_.push_back(unit >> 8);
    }
    while ((bytes_.size() - recordStart_) < advanceOffset) bytes_.push_back(0);
    for (std::uint32_t i = 0; i < count; ++i) PutInt(i < advances.size() ? advances[i] : 0);
    EndRecord();
    Widen(box);
}

// EMR_EOF (2.3.4.1): no palette; its last field repeats the record's size. Then EMR_HEADER
// (2.3.4.2 with both extensions): bounds of everything drawn (inclusive, device pixels, or
// (0, 0, -1, -1) for an empty picture), the frame of the same area in 0.01 mm, signature,
// version, total bytes, record count, object table size (slot 0 counted), the reference device
// in pixels, millimetres and micrometres.
const std::vector<std::uint8_t>& EmfWriter::Finish() {
    if (finished_) return bytes_;
    BeginRecord(EMR_EOF);
    Put32(0);
    Put32(16);
    Put32(20);
    EndRecord();
    finished_ = true;

    const double hundredthsPerPixel = 2540.0 / dotsPerInch_;
    // The edge of pixel `pixels` in 0.01 mm, plus `adjust`; computed in doubles and held within
    // the int range, as the bounds may reach its ends.
    auto frame = [&](double pixels, int adjust = 0) {
        const double value = std::round(pixels * hundredthsPerPixel) + adjust;
        return static_cast<int>(std::clamp(value, double(INT_MIN), double(INT_MAX)));
    };
    const EmfRect frameRect =
        drawn_ ? EmfRect{frame(bounds_.left), frame(bounds_.top), frame(bounds_.right + 1.0, -1),
                         frame(bounds_.bottom + 1.0, -1)}
               : EmfRect{0, 0, -1, -1};
    auto put = [&](std::size_t offset, std::uint32_t value) { Patch32(offset, value); };
    auto putInt = [&](std::size_t offset, int value) {
        put(offset, static_cast<std::uint32_t>(value));
    };
    put(0, EMR_HEADER);
    put(4, EmfHeaderSize);
    putInt(8, bounds_.left);
    putInt(12, bounds_.top);
    putInt(16, bounds_.right);
    putInt(20, bounds_.bottom);
    putInt(24, frameRect.left);
    putInt(28, frameRect.top);
    putInt(32, frameRect.right);
    putInt(36, frameRect.bottom);
    put(40, EmfSignature);
    put(44, EmfVersion);
    put(48, static_cast<std::uint32_t>(bytes_.size()));
    put(52, records_);
    put(56, HandleCount());  // 16-bit handle count, then 16 reserved bits (zero)
    put(60, 0);              // no description
    put(64, 0);
    put(68, 0);  // no palette entries
    putInt(72, deviceWidth_);
    putInt(76, deviceHeight_);
    putInt(80, static_cast<int>(std::lround(deviceWidth_ * 25.4 / dotsPerInch_)));
    putInt(84, static_cast<int>(std::lround(deviceHeight_ * 25.4 / dotsPerInch_)));
    put(88, 0);  // no pixel format
    put(92, 0);
    put(96, 0);  // no OpenGL records
    putInt(100, static_cast<int>(std::lround(deviceWidth_ * 25400.0 / dotsPerInch_)));
    putInt(104, static_cast<int>(std::lround(deviceHeight_ * 25400.0 / dotsPerInch_)));
    return bytes_;
}
