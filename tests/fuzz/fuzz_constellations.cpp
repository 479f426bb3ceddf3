// Fuzz target: any bytes as the constellation figure text, over the shipped stars.
#include <cstddef>
#include <cstdint>

#include "catalog/loaders.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SilenceMessages();
    static const bool starsLoaded = [] {
        LoadStarCatalogue();
        return true;
    }();
    (void)starsLoaded;
    // Only the figure fields change between runs; put them back without reloading the stars.
    for (Constellation& constellation : ConstellationTable) constellation = Constellation{};
    ConstellationCount = 0;
    for (int n = 0; n <= MaxStarNumber; ++n) {
        StarTable[n].inFigure = false;
        StarTable[n].constellationIndex = NoConstellation;
    }
    LoadConstellations({reinterpret_cast<const char*>(data), size});
    LinkStarsToConstellations();
    CheckStars();
    CheckConstellations();
    return 0;
}
