// Fuzz target: the settings reader, any bytes, NUL-terminated or not, of any length.
// Whatever it is given, the reader must not read outside the text and must give either nothing
// or a latitude within -90..90.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "render/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto latitude =
        ParseSettingsText(std::string_view(reinterpret_cast<const char*>(data), size));
    if (latitude && !(*latitude >= -90.0 && *latitude <= 90.0)) std::abort();
    return 0;
}
