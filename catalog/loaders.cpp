// Start-up loading of the three compiled-in catalogues.
#include "catalog/loaders.h"

// Runs the loaders in the order start-up needs: stars first (figures mark stars already
// loaded), figures before the links (links compare star names with abbreviations), deep sky
// last.
void LoadAllCatalogues() {
    LoadStarCatalogue();
    LoadConstellations();
    LinkStarsToConstellations();
    LoadDeepSkyCatalogue();
}
