// Fuzz target: any bytes as the star catalogue text, then the link to constellations.
#include <cstddef>
#include <cstdint>

#include "catalog/loaders.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SilenceMessages();
    ResetSkyModel();
    LoadStarCatalogue({reinterpret_cast<const char*>(data), size});
    LoadConstellations(FindTextResource("CONSTELLATIONSDATA"));
    LinkStarsToConstellations();
    CheckStars();
    CheckConstellations();
    return 0;
}
