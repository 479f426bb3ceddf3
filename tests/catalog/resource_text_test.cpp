// The line reader over the catalogue texts.
#include "catalog/resource_text.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

namespace {

// A text holding exactly the bytes given, with nothing after them.
struct Text {
    explicit Text(const std::string& content) : bytes(content.begin(), content.end()) {}
    ResourceText resource() const { return {bytes.data(), bytes.size()}; }
    std::vector<char> bytes;
};

// A line buffer with guard bytes behind it, to see that the reader writes no further.
struct GuardedBuffer {
    GuardedBuffer() { storage.fill('#'); }
    char* line() { return storage.data(); }
    bool guardsIntact() const {
        for (std::size_t i = LineBufferSize; i < storage.size(); ++i) {
            if (storage[i] != '#') return false;
        }
        return true;
    }
    std::array<char, LineBufferSize + 32> storage;
};

TEST(ReadResourceLine, CopiesEachLineKeepingItsCarriageReturn) {
    Text text("abc\r\n\r\nd%f\r\n%\r\nnever\r\n");
    ResourceCursor cursor = OpenResource(text.resource());
    char line[LineBufferSize];
    ASSERT_TRUE(ReadResourceLine(cursor, line));
    EXPECT_STREQ(line, "abc\r");
    ASSERT_TRUE(ReadResourceLine(cursor, line));
    EXPECT_STREQ(line, "\r");  // an empty line is a lone carriage return
    ASSERT_TRUE(ReadResourceLine(cursor, line));
    EXPECT_STREQ(line, "d%f\r");  // '%' inside a line is ordinary text
    EXPECT_FALSE(ReadResourceLine(cursor, line));
}

TEST(ReadResourceLine, PercentLineRefusesEveryTimeTouchingNothing) {
    Text text("x\r\n%end");
    ResourceCursor cursor = OpenResource(text.resource());
    char line[LineBufferSize];
    ASSERT_TRUE(ReadResourceLine(cursor, line));
    const ResourceCursor atMarker = cursor;
    std::strcpy(line, "untouched");
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(ReadResourceLine(cursor, line));
        EXPECT_EQ(cursor.position, atMarker.position);
        EXPECT_STREQ(line, "untouched");
    }
}

TEST(ReadResourceLine, TextWithoutMarkerStopsAtItsEnd) {
    Text text("one\r\ntwo");
    ResourceCursor cursor = OpenResource(text.resource());
    char line[LineBufferSize];
    ASSERT_TRUE(ReadResourceLine(cursor, line));
    EXPECT_STREQ(line, "one\r");
    ASSERT_TRUE(ReadResourceLine(cursor, line));
    EXPECT_STREQ(line, "two");
    EXPECT_FALSE(ReadResourceLine(cursor, line));
    EXPECT_FALSE(ReadResourceLine(cursor, line));
    EXPECT_EQ(cursor.position, cursor.end);
}

TEST(ReadResourceLine, OverlongLineIsCutAndItsRestSkipped) {
    Text text(std::string(450, 'a') + "\r\nnext\r\n%");
    ResourceCursor cursor = OpenResource(text.resource());
    GuardedBuffer buffer;
    ASSERT_TRUE(ReadResourceLine(cursor, buffer.line()));
    EXPECT_EQ(std::strlen(buffer.line()), static_cast<std::size_t>(LineBufferSize - 1));
    EXPECT_TRUE(buffer.guardsIntact());
    ASSERT_TRUE(ReadResourceLine(cursor, buffer.line()));
    EXPECT_STREQ(buffer.line(), "next\r");
}

TEST(ReadResourceLine, LineOfExactlyBufferCapacityIsWhole) {
    Text text(std::string(LineBufferSize - 1, 'b') + "\n%");
    ResourceCursor cursor = OpenResource(text.resource());
    GuardedBuffer buffer;
    ASSERT_TRUE(ReadResourceLine(cursor, buffer.line()));
    EXPECT_EQ(std::string(buffer.line()), std::string(LineBufferSize - 1, 'b'));
    EXPECT_TRUE(buffer.guardsIntact());
    EXPECT_FALSE(ReadResourceLine(cursor, buffer.line()));
}

TEST(ReadResourceLine, MissingTextGivesNoLine) {
    ResourceCursor cursor = OpenResource(ResourceText{});
    char line[LineBufferSize] = "kept";
    EXPECT_FALSE(ReadResourceLine(cursor, line));
    EXPECT_STREQ(line, "kept");
}

TEST(FindTextResource, KnowsTheThreeCataloguesAndNothingElse) {
    for (const char* name : {"STARSDATA", "CONSTELLATIONSDATA", "DEEPSKYDATA"}) {
        const ResourceText text = FindTextResource(name);
        ASSERT_NE(text.data, nullptr) << name;
        EXPECT_GT(text.size, 0u) << name;
    }
    EXPECT_EQ(FindTextResource("MOONDATA").data, nullptr);
    EXPECT_EQ(FindTextResource("").data, nullptr);
}

}  // namespace
