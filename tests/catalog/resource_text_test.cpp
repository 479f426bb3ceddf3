// The line reader over the catalogue texts.
#include "catalog/resource_text.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

// Reads every line of `content` (a text holding exactly those bytes) into a buffer with guard
// bytes behind it, and checks that the reader writes no further.
std::vector<std::string> ReadAll(const std::string& content) {
    const std::vector<char> bytes(content.begin(), content.end());
    ResourceCursor cursor = OpenResource({bytes.data(), bytes.size()});
    std::array<char, LineBufferSize + 32> buffer;
    buffer.fill('#');
    std::vector<std::string> lines;
    while (ReadResourceLine(cursor, buffer.data())) lines.emplace_back(buffer.data());
    for (std::size_t i = LineBufferSize; i < buffer.size(); ++i) EXPECT_EQ(buffer[i], '#') << i;
    return lines;
}

using Lines = std::vector<std::string>;

TEST(ReadResourceLine, ReadsLinesUpToTheMarker) {
    const std::string full(LineBufferSize - 1, 'b'), longer(450, 'a');
    const struct {
        const char* what;
        std::string text;
        Lines lines;
    } rows[] = {
        // The carriage return stays; an empty line is a lone CR; '%' inside a line is text.
        {"lines", "abc\r\n\r\nd%f\r\n%\r\nnever\r\n", {"abc\r", "\r", "d%f\r"}},
        {"% at the start", "%end\r\nx\r\n", {}},
        {"no marker", "one\r\ntwo", {"one\r", "two"}},
        {"a line of buffer capacity", full + "\n%", {full}},
        {"an overlong line is cut, its rest skipped",
         longer + "\r\nnext\r\n%",
         {longer.substr(0, LineBufferSize - 1), "next\r"}},
        {"empty text", "", {}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        EXPECT_EQ(ReadAll(r.text), r.lines);
    }
    ResourceCursor missing = OpenResource(ResourceText{});
    char line[LineBufferSize] = "kept";
    EXPECT_FALSE(ReadResourceLine(missing, line));
    EXPECT_STREQ(line, "kept");
}

}  // namespace
