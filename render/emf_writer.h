// A small writer of Enhanced Metafile (EMF) records, after Microsoft's published format
// description [MS-EMF]. It holds the whole metafile in memory and hands out its bytes when
// finished, with the header filled in from what was written: the bounds of everything drawn, the
// frame, the record count, the byte size and the size of the object table.
//
// Only the records the chart needs are here. Every record is a whole number of 32-bit words and
// every value is written little-endian, whatever the host's byte order. Coordinates are device
// pixels of the reference device (the screen).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "chart/surface.h"

// Record types of [MS-EMF] 2.1.1.
enum EmfRecordType : std::uint32_t {
    EMR_HEADER = 1,
    EMR_POLYLINE = 4,
    EMR_EOF = 14,
    EMR_SETPIXELV = 15,
    EMR_POLYPOLYLINE = 7,
    EMR_POLYPOLYGON = 8,
    EMR_SETBKMODE = 18,
    EMR_SETPOLYFILLMODE = 19,
    EMR_SETTEXTALIGN = 22,
    EMR_SETTEXTCOLOR = 24,
    EMR_SETBKCOLOR = 25,
    EMR_SELECTOBJECT = 37,
    EMR_CREATEPEN = 38,
    EMR_CREATEBRUSHINDIRECT = 39,
    EMR_DELETEOBJECT = 40,
    EMR_ELLIPSE = 42,
    EMR_RECTANGLE = 43,
    EMR_EXTCREATEFONTINDIRECTW = 82,
    EMR_EXTTEXTOUTW = 84,
    EMR_POLYLINE16 = 87,
    EMR_POLYPOLYLINE16 = 90,
    EMR_POLYPOLYGON16 = 91,
};

// A stock object is selected by its GetStockObject number with the top bit set.
inline constexpr std::uint32_t EmfStockObjectFlag = 0x80000000u;
inline constexpr std::uint32_t EmfStock(std::uint32_t stockNumber) {
    return EmfStockObjectFlag | stockNumber;
}
inline constexpr std::uint32_t NULL_PEN = 8;
inline constexpr std::uint32_t SYSTEM_FONT = 13;
// Polygon fill modes of EMR_SETPOLYFILLMODE.
inline constexpr std::uint32_t ALTERNATE = 1;

inline constexpr std::uint32_t EmfSignature = 0x464D4520u;  // " EMF"
inline constexpr std::uint32_t EmfHeaderSize = 108;         // base header with both extensions

// Inclusive rectangle in device pixels, as the header's bounds and a record's bounds are kept.
struct EmfRect {
    int left = 0;
    int top = 0;
    int right = -1;
    int bottom = -1;
    friend constexpr bool operator==(const EmfRect&, const EmfRect&) = default;
};

// The few fields of a logical font (LOGFONTW) that the writer fills; the rest stay zero.
struct EmfFont {
    int height = 0;  // negative: character (em) height in pixels, as a point size converts
    int weight = 400;
    bool italic = false;
    std::uint8_t pitchAndFamily = 0;  // VARIABLE_PITCH 2 | FF_SWISS 0x20 for a sans face
    std::u16string faceName;          // at most 31 UTF-16 units are kept
};

class EmfWriter {
  public:
    // A metafile whose reference device is `deviceWidth` x `deviceHeight` pixels at `dotsPerInch`.
    EmfWriter(int deviceWidth, int deviceHeight, double dotsPerInch = 96.0);

    // Object table. Create* takes the lowest free slot (slot 0 belongs to the metafile itself)
    // and returns its index; DeleteObject frees it again. A pen keeps its style (solid PS_SOLID,
    // dotted PS_DOT, null PS_NULL).
    std::uint32_t CreatePen(const Pen& pen);
    std::uint32_t CreateBrush(const Brush& brush);
    std::uint32_t CreateFont(const EmfFont& font);
    void SelectObject(std::uint32_t handle);  // a slot index or EmfStock(n)
    void DeleteObject(std::uint32_t handle);

    // State records.
    void SetTextAlign(unsigned align);
    void SetTextColor(Rgb colour);
    void SetBkColor(Rgb colour);
    void SetBkMode(unsigned mode);        // TRANSPARENT 1, OPAQUE 2
    void SetPolyFillMode(unsigned mode);  // ALTERNATE 1, WINDING 2

    // Drawing records; each widens the picture's bounds.
    void SetPixel(int x, int y, Rgb colour);
    void Rectangle(int left, int top, int right, int bottom);
    void Ellipse(int left, int top, int right, int bottom);
    void Polyline(const Point* points, int count);
    // Closed polygons filled by the fill mode and outlined; counts[i] points each.
    void PolyPolygon(const Point* points, const int* counts, int polygons);
    // Polylines in the current pen, counts[i] points each.
    void PolyPolyline(const Point* points, const int* counts, int lines);
    // UTF-16 text at a reference point; `advances` holds one advance per UTF-16 unit and `box`
    // the inclusive box the text covers, both from the caller's font metrics.
    void ExtTextOut(int x, int y, std::u16string_view text, const std::vector<int>& advances,
                    const EmfRect& box);

    // Ends the metafile (EMR_EOF), fills in the header and returns the bytes. The writer accepts
    // no more records afterwards.
    const std::vector<std::uint8_t>& Finish();

    bool Finished() const { return finished_; }
    EmfRect Bounds() const { return bounds_; }
    std::uint32_t RecordCount() const { return records_; }
    std::uint16_t HandleCount() const { return static_cast<std::uint16_t>(slots_.size()); }

  private:
    void BeginRecord(EmfRecordType type);
    void EndRecord();
    void Put32(std::uint32_t value);
    void PutInt(int value) { Put32(static_cast<std::uint32_t>(value)); }
    void PutColour(Rgb colour);
    void PutRect(const EmfRect& rect);
    void PutPoints(const Point* points, int count, bool small);
    void PolyRecord(EmfRecordType small, EmfRecordType large, const Point* points,
                    const int* counts, int shapes, int fewest);
    void Patch32(std::size_t offset, std::uint32_t value);
    void Widen(const EmfRect& rect);
    void BoxRecord(EmfRecordType type, int left, int top, int right, int bottom);
    void SimpleRecord(EmfRecordType type, std::uint32_t value);
    std::uint32_t TakeSlot();

    std::vector<std::uint8_t> bytes_;
    std::size_t recordStart_ = 0;
    std::uint32_t records_ = 0;
    std::vector<bool> slots_{true};  // in use; slot 0 is reserved
    EmfRect bounds_;
    bool drawn_ = false;
    bool finished_ = false;
    int deviceWidth_;
    int deviceHeight_;
    double dotsPerInch_;
};
