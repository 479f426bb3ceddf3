// A known chart for the export and print tests: the chart tests' fresh globals and recorded
// messages, the benchmarks' full sky (shipped catalogues, every figure and deep-sky object,
// magnitude 6.5) at latitude 40 N, the picker at 2024-03-07 21:05:09 (the Sun below the
// horizon), an 800 x 600 window and files in a temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

#include "bench/bench_support.h"
#include "tests/chart/chart_fixture.h"
#include "tests/chart/fake_window.h"

// Each 32-bit little-endian field expected at `base + offset`, compared modulo 2^32.
inline void ExpectFields(const std::vector<std::uint8_t>& bytes, std::size_t base,
                         std::initializer_list<std::pair<std::size_t, std::int64_t>> fields) {
    for (const auto& [offset, value] : fields) {
        const std::size_t at = base + offset;
        ASSERT_LE(at + 4, bytes.size());
        const std::uint32_t field = bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
                                    std::uint32_t(bytes[at + 3]) << 24;
        EXPECT_EQ(field, std::uint32_t(value)) << "field at offset " << offset;
    }
}

class EmfChartFixture : public ChartFixture {
  protected:
    void SetUp() override {
        ChartFixture::SetUp();
        PrepareFullSky(40.0);
        // The full sky drops messages; these tests record them.
        Messages().Replace([this](const MessageRequest& r) { messages.push_back(r); });
        ASSERT_TRUE(folder.isValid());
    }

    // The bytes of `name` in the temporary folder (none if it cannot be read).
    std::vector<std::uint8_t> FileBytes(const QString& name) const {
        QFile file(folder.filePath(name));
        const QByteArray data = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        return std::vector<std::uint8_t>(data.begin(), data.end());
    }

    FakeChartWindow window;  // 800 x 600
    QTemporaryDir folder;
};
