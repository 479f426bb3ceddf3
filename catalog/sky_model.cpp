// The sky model tables. StarTable and ConstellationTable are static so that every row holds
// its defaults from program start; DeepSkyTable is sized by its loader.
#include "catalog/sky_model.h"

Star StarTable[MaxStarNumber + 1];
Constellation ConstellationTable[MaxConstellations];
int ConstellationCount = 0;
std::vector<DeepSkyObject> DeepSkyTable;
int DeepSkyCount = 0;

// Puts every table back to its start-up state: default rows, no constellations, an empty
// deep-sky table. The program never reloads; tests and benchmarks use this to start afresh.
void ResetSkyModel() {
    for (Star& star : StarTable) star = Star{};
    for (Constellation& constellation : ConstellationTable) constellation = Constellation{};
    ConstellationCount = 0;
    DeepSkyTable.clear();
    DeepSkyTable.shrink_to_fit();
    DeepSkyCount = 0;
}
