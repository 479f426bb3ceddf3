// Reading metafile bytes back in tests: little-endian fields and the record list, independent of
// the writer's own code.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

struct ParsedRecord {
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    std::size_t offset = 0;
};

inline std::uint32_t ReadU32(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    if (offset + 4 > bytes.size()) return 0xDEADBEEF;
    return bytes[offset] | (bytes[offset + 1] << 8) | (bytes[offset + 2] << 16) |
           (static_cast<std::uint32_t>(bytes[offset + 3]) << 24);
}

inline std::int32_t ReadI32(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return static_cast<std::int32_t>(ReadU32(bytes, offset));
}

inline std::uint16_t ReadU16(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    if (offset + 2 > bytes.size()) return 0xBEEF;
    return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

// One 32-bit field expected at `base + offset`; `value` is compared modulo 2^32, so signed
// coordinates and unsigned counts or flags fit the same table.
struct Field {
    std::size_t offset;
    std::int64_t value;
};

inline void ExpectFields(const std::vector<std::uint8_t>& bytes, std::size_t base,
                         std::initializer_list<Field> fields) {
    for (const Field& field : fields) {
        EXPECT_EQ(ReadI32(bytes, base + field.offset), static_cast<std::int32_t>(field.value))
            << "field at offset " << field.offset;
    }
}

// Walks the records by their size fields; stops at a size that is zero, unaligned or too long
// (the list then ends short of the bytes, which the tests notice).
inline std::vector<ParsedRecord> ParseRecords(const std::vector<std::uint8_t>& bytes) {
    std::vector<ParsedRecord> records;
    std::size_t offset = 0;
    while (offset + 8 <= bytes.size()) {
        const ParsedRecord record{ReadU32(bytes, offset), ReadU32(bytes, offset + 4), offset};
        if (record.size < 8 || record.size % 4 != 0 || offset + record.size > bytes.size()) break;
        records.push_back(record);
        offset += record.size;
    }
    return records;
}

inline std::size_t CountOfType(const std::vector<ParsedRecord>& records, std::uint32_t type) {
    std::size_t n = 0;
    for (const ParsedRecord& r : records) n += r.type == type ? 1 : 0;
    return n;
}

// The UTF-16 text of an EMR_EXTTEXTOUTW record, as ASCII (tests use ASCII only).
inline std::string ExtTextOutString(const std::vector<std::uint8_t>& bytes,
                                    const ParsedRecord& record) {
    const std::uint32_t count = ReadU32(bytes, record.offset + 44);
    const std::uint32_t stringOffset = ReadU32(bytes, record.offset + 48);
    std::string text;
    for (std::uint32_t i = 0; i < count; ++i) {
        text.push_back(static_cast<char>(ReadU16(bytes, record.offset + stringOffset + 2 * i)));
    }
    return text;
}
