// Fuzz target: the settings dialog's latitude entry, as typed, in either hemisphere. An accepted
// entry gives a latitude short of the pole (90 is stored as 89.9999) on the chosen side of the
// equator, and what the edit box then shows reads back as the same latitude to the degree.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_support.h"
#include "shell/latitude_entry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const bool south : {false, true}) {
        const auto latitude = ParseLatitudeEntry(text, south);
        if (!latitude) continue;
        Require(std::fabs(*latitude) < 90.0);
        Require(std::signbit(*latitude) == south);
        Require(LatitudeSelectsSouth(*latitude) == (south && *latitude != 0));
        const auto shown = ParseLatitudeEntry(FormatLatitudeEntry(*latitude), south);
        Require(shown && std::fabs(*shown - *latitude) <= 0.5);
    }
    return 0;
}
