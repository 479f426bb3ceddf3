#include "shell/png_writer.h"

#include <sys/mman.h>
#include <zlib.h>

#include <QIODevice>
#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

// ---- The picture's memory ----

constexpr std::size_t HugePageSize = std::size_t{2} << 20;

struct Mapping {
    void* base;
    std::size_t length;
};

void Unmap(void* info) {
    const Mapping* mapping = static_cast<Mapping*>(info);
    munmap(mapping->base, mapping->length);
    delete mapping;
}

// ---- PNG chunks ----
// The layout is the PNG specification's (W3C, second edition): the signature, then chunks of a
// 4-byte big-endian length, a 4-letter type, the data and the CRC-32 of type and data. The image
// data is one zlib stream cut into IDAT chunks; each row starts with its filter type.

constexpr char Signature[8] = {'\x89', 'P', 'N', 'G', '\r', '\n', '\x1a', '\n'};
constexpr unsigned char ColourTypeRgb = 2;
constexpr unsigned char ColourTypeIndexed = 3;
constexpr unsigned char FilterNone = 0;
constexpr unsigned char FilterSub = 1;  // each byte minus the same byte of the pixel to its left
constexpr std::size_t IdatChunkSize = 32 * 1024;

// The chart is mostly large flat areas: runs of one palette index or, through the Sub filter,
// runs of zero bytes. Deflate's run-length matching (Z_RLE; the level only has to be above 0)
// suits them. Measured on a full 1920 x 1080 chart (bench/bench_export.cpp, BM_EncodePng):
// indexed, it wrote 38 kB where level 6 of the ordinary search wrote 42 kB in three times the
// time; RGB, 94 kB where levels 1 and 3 wrote 112 and 102 kB no faster, and level 6 67 kB in
// twice the time. Qt's writer (libpng at level 6, every filter tried) took four times as long.
constexpr int DeflateLevel = 1;
constexpr int DeflateStrategy = Z_RLE;
// Memory level 6 instead of zlib's 8 or 9 keeps the compressor's state at a third, so there are
// fewer fresh pages to touch; the chart's files came out no bigger.
constexpr int DeflateMemoryLevel = 6;

void PutBigEndian(unsigned char* at, std::uint32_t value) {
    at[0] = static_cast<unsigned char>(value >> 24);
    at[1] = static_cast<unsigned char>(value >> 16);
    at[2] = static_cast<unsigned char>(value >> 8);
    at[3] = static_cast<unsigned char>(value);
}

bool WriteBytes(QIODevice& out, const void* bytes, std::size_t size) {
    const auto length = static_cast<qint64>(size);
    return size == 0 || out.write(static_cast<const char*>(bytes), length) == length;
}

bool WriteChunk(QIODevice& out, const char (&type)[5], const unsigned char* data,
                std::size_t size) {
    unsigned char head[8];
    PutBigEndian(head, static_cast<std::uint32_t>(size));
    std::memcpy(head + 4, type, 4);
    uLong crc = crc32(0, head + 4, 4);
    if (size > 0) crc = crc32(crc, data, static_cast<uInt>(size));
    unsigned char tail[4];
    PutBigEndian(tail, static_cast<std::uint32_t>(crc));
    return WriteBytes(out, head, sizeof head) && WriteBytes(out, data, size) &&
           WriteBytes(out, tail, sizeof tail);
}

// The header, and the physical pixel size when the image has one (Qt's own writer wrote it too).
bool WriteHeader(QIODevice& out, const QImage& image, unsigned char colourType) {
    unsigned char header[13] = {};
    PutBigEndian(header, static_cast<std::uint32_t>(image.width()));
    PutBigEndian(header + 4, static_cast<std::uint32_t>(image.height()));
    header[8] = 8;  // bits per sample or per palette index
    header[9] = colourType;
    // Compression, filter method and interlace stay 0: deflate, adaptive filters, none.
    if (!WriteBytes(out, Signature, sizeof Signature) ||
        !WriteChunk(out, "IHDR", header, sizeof header))
        return false;
    if (image.dotsPerMeterX() <= 0 || image.dotsPerMeterY() <= 0) return true;
    unsigned char physical[9];
    PutBigEndian(physical, static_cast<std::uint32_t>(image.dotsPerMeterX()));
    PutBigEndian(physical + 4, static_cast<std::uint32_t>(image.dotsPerMeterY()));
    physical[8] = 1;  // the unit is the metre
    return WriteChunk(out, "pHYs", physical, sizeof physical);
}

// The image data: rows go in one at a time; the compressed stream comes out in IDAT chunks.
class ImageDataWriter {
  public:
    explicit ImageDataWriter(QIODevice& out) : out_(out), buffer_(IdatChunkSize) {
        started_ = deflateInit2(&stream_, DeflateLevel, Z_DEFLATED, MAX_WBITS, DeflateMemoryLevel,
                                DeflateStrategy) == Z_OK;
        ok_ = started_;
        stream_.next_out = buffer_.data();
        stream_.avail_out = static_cast<uInt>(buffer_.size());
    }
    ~ImageDataWriter() {
        if (started_) deflateEnd(&stream_);
    }
    ImageDataWriter(const ImageDataWriter&) = delete;
    ImageDataWriter& operator=(const ImageDataWriter&) = delete;

    bool AddRow(const std::vector<unsigned char>& row) { return Deflate(row.data(), row.size()); }
    // Ends the stream, writes what remains and the closing chunk; false if anything failed.
    bool Finish() {
        return Deflate(nullptr, 0, Z_FINISH) && EmitChunk() && WriteChunk(out_, "IEND", nullptr, 0);
    }

  private:
    bool Deflate(const unsigned char* bytes, std::size_t size, int flush = Z_NO_FLUSH) {
        if (!ok_) return false;
        stream_.next_in = const_cast<unsigned char*>(bytes);
        stream_.avail_in = static_cast<uInt>(size);
        for (;;) {
            const int result = deflate(&stream_, flush);
            if (result == Z_STREAM_ERROR) return ok_ = false;
            if (stream_.avail_out == 0 && !EmitChunk()) return false;
            if (flush == Z_FINISH ? result == Z_STREAM_END : stream_.avail_in == 0) return true;
        }
    }
    bool EmitChunk() {
        const std::size_t used = buffer_.size() - stream_.avail_out;
        if (used > 0 && !WriteChunk(out_, "IDAT", buffer_.data(), used)) return ok_ = false;
        stream_.next_out = buffer_.data();
        stream_.avail_out = static_cast<uInt>(buffer_.size());
        return true;
    }

    QIODevice& out_;
    std::vector<unsigned char> buffer_;
    z_stream stream_{};
    bool started_ = false;  // the stream holds memory to give back
    bool ok_ = false;       // started, and nothing has failed since
};

// ---- Indexed pictures ----

// The colours of a picture in the order first met, at most 256, found again through a small
// open-addressing hash table. Colours are kept with their alpha byte set, so 0 marks a free slot.
class Palette {
  public:
    static constexpr std::size_t MaxColours = 256;

    // The index of `colour`, added when new; -1 when it would be colour number 257.
    int IndexOf(QRgb colour) {
        colour |= 0xff000000u;
        std::uint32_t slot = (colour * 0x9e3779b1u) >> (32 - SlotBits);
        while (keys_[slot] != 0) {
            if (keys_[slot] == colour) return indices_[slot];
            slot = (slot + 1) & (Slots - 1);
        }
        if (colours_.size() == MaxColours) return -1;
        keys_[slot] = colour;
        indices_[slot] = static_cast<unsigned char>(colours_.size());
        colours_.push_back(colour);
        return indices_[slot];
    }
    const std::vector<QRgb>& Colours() const { return colours_; }

  private:
    static constexpr int SlotBits = 10;  // 1024 slots: at most a quarter in use
    static constexpr std::uint32_t Slots = 1u << SlotBits;
    std::array<QRgb, Slots> keys_{};
    std::array<unsigned char, Slots> indices_{};
    std::vector<QRgb> colours_;
};

// Puts the palette index of each pixel of `pixels` into `indices`; false as soon as the picture
// has a 257th colour. Neighbouring pixels mostly share their colour, so the last one is kept.
bool IndexRow(const QRgb* pixels, int width, Palette& palette, unsigned char* indices) {
    QRgb last = 0;
    int index = -1;
    for (int x = 0; x < width; ++x) {
        if (pixels[x] != last || index < 0) {
            last = pixels[x];
            index = palette.IndexOf(last);
            if (index < 0) return false;
        }
        indices[x] = static_cast<unsigned char>(index);
    }
    return true;
}

const QRgb* Row(const QImage& image, int y) {
    return reinterpret_cast<const QRgb*>(image.constScanLine(y));
}

// Every colour of the image in `palette`, or false when there are more than 256.
bool CollectColours(const QImage& image, Palette& palette) {
    const int width = image.width(), height = image.height();
    std::vector<unsigned char> indices(static_cast<std::size_t>(width));
    for (int y = 0; y < height; ++y)
        if (!IndexRow(Row(image, y), width, palette, indices.data())) return false;
    return true;
}

bool WriteIndexed(QIODevice& out, const QImage& image, Palette& palette) {
    std::vector<unsigned char> entries;
    for (const QRgb colour : palette.Colours()) {
        entries.push_back(static_cast<unsigned char>(qRed(colour)));
        entries.push_back(static_cast<unsigned char>(qGreen(colour)));
        entries.push_back(static_cast<unsigned char>(qBlue(colour)));
    }
    if (!WriteHeader(out, image, ColourTypeIndexed) ||
        !WriteChunk(out, "PLTE", entries.data(), entries.size()))
        return false;
    ImageDataWriter data(out);
    const int width = image.width(), height = image.height();
    std::vector<unsigned char> row(static_cast<std::size_t>(width) + 1);
    row[0] = FilterNone;  // indices have no order that a difference could use
    for (int y = 0; y < height; ++y) {
        IndexRow(Row(image, y), width, palette, row.data() + 1);
        if (!data.AddRow(row)) return false;
    }
    return data.Finish();
}

// ---- RGB pictures ----

bool WriteRgb(QIODevice& out, const QImage& image) {
    if (!WriteHeader(out, image, ColourTypeRgb)) return false;
    ImageDataWriter data(out);
    const int width = image.width(), height = image.height();
    std::vector<unsigned char> row(3 * static_cast<std::size_t>(width) + 1);
    row[0] = FilterSub;
    for (int y = 0; y < height; ++y) {
        const QRgb* pixels = Row(image, y);
        unsigned char* at = row.data() + 1;
        QRgb left = 0;  // left of the first pixel the filter counts zeros
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = pixels[x];
            *at++ = static_cast<unsigned char>(qRed(pixel) - qRed(left));
            *at++ = static_cast<unsigned char>(qGreen(pixel) - qGreen(left));
            *at++ = static_cast<unsigned char>(qBlue(pixel) - qBlue(left));
            left = pixel;
        }
        if (!data.AddRow(row)) return false;
    }
    return data.Finish();
}

}  // namespace

QImage NewChartImage(int width, int height) {
    const std::size_t bytes =
        std::size_t{4} * static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
#ifdef MADV_HUGEPAGE
    if (width > 0 && height > 0 && bytes >= HugePageSize) {
        // Whole huge pages, and one more so that the pixels can start on a boundary.
        const std::size_t pages = (bytes + HugePageSize - 1) / HugePageSize;
        const std::size_t length = (pages + 1) * HugePageSize;
        void* base =
            mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (base != MAP_FAILED) {
            const auto address = reinterpret_cast<std::uintptr_t>(base);
            auto* pixels =
                reinterpret_cast<uchar*>((address + HugePageSize - 1) & ~(HugePageSize - 1));
            madvise(pixels, pages * HugePageSize, MADV_HUGEPAGE);  // ordinary pages if refused
            auto* mapping = new Mapping{base, length};
            QImage image(pixels, width, height, 4 * width, QImage::Format_RGB32, Unmap, mapping);
            if (!image.isNull()) return image;
            Unmap(mapping);
        }
    }
#endif
    return QImage(width, height, QImage::Format_RGB32);
}

bool WritePng(QIODevice& out, const QImage& image) {
    if (image.isNull() || image.format() != QImage::Format_RGB32) return false;
    Palette palette;
    if (CollectColours(image, palette)) return WriteIndexed(out, image, palette);
    return WriteRgb(out, image);
}
