// Fuzz target: the renderer's command line. The bytes, split at NUL, are the arguments of
// ParseOptions (the figures list and every value parser behind it); the whole text is also given
// to each value parser alone. An accepted command line holds only values within the ranges the
// options promise; a refused one says why. A broken promise aborts.
#include <chrono>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "cli/options.h"
#include "fuzz_support.h"
#include "render/chart_export.h"

namespace {

// A date and time of the Gregorian calendar, its weekday checked against the standard library's.
bool IsValidTime(const SystemTime& t) {
    using namespace std::chrono;
    const year_month_day date{year{t.year}, month{unsigned(t.month)}, day{unsigned(t.day)}};
    return t.year >= 1 && t.year <= 9999 && date.ok() &&
           weekday{sys_days{date}}.c_encoding() == unsigned(t.dayOfWeek) && t.hour >= 0 &&
           t.hour <= 23 && t.minute >= 0 && t.minute <= 59 && t.second >= 0 && t.second <= 59;
}

bool IsChartSide(int side) {
    return side >= MinChartSide && side <= MaxChartSide;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> arguments;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find('\0', start);
        arguments.push_back(text.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }

    const ParseResult result = ParseOptions(arguments);
    if (result.ok) {
        const ChartOptions& o = result.options;
        Require(result.error.empty());
        Require(!o.latitude || (*o.latitude >= -90 && *o.latitude <= 90));
        Require(!o.time || IsValidTime(*o.time));
        Require(o.magnitude >= 0 && o.magnitude <= 6.5);
        Require(std::fmod(o.facing, 45.0) == 0 && o.facing >= 0 && o.facing < 360);
        Require(IsChartSide(o.width) && IsChartSide(o.height));
        Require(o.output.empty() || FindExportWriter(o.output) != nullptr);
        Require(o.help || o.list || !o.output.empty());
        Require(!(o.allFigures && !o.figures.empty()));
        for (const std::string& figure : o.figures)
            Require(figure.size() >= 2 && figure.size() <= 4);
    } else {
        Require(!result.error.empty());
    }

    if (const auto value = ParseDecimal(text)) Require(std::isfinite(*value));
    if (const auto time = ParseTime(text)) Require(text.size() == 19 && IsValidTime(*time));
    int width = 0, height = 0;
    if (ParseSize(text, width, height)) Require(IsChartSide(width) && IsChartSide(height));
    if (const auto facing = ParseFacing(text)) Require(text.size() <= 2);
    return 0;
}
