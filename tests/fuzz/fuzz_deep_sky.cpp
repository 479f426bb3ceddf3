// Fuzz target: any bytes as the deep-sky catalogue text.
#include <cstddef>
#include <cstdint>

#include "catalog/loaders.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SilenceMessages();
    DeepSkyTable.clear();
    DeepSkyCount = 0;
    LoadDeepSkyCatalogue({reinterpret_cast<const char*>(data), size});
    CheckDeepSky();
    return 0;
}
