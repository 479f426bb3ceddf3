// The loaders of the three catalogue texts. Main-window creation calls them once, in this
// order: LoadStarCatalogue, LoadConstellations, LinkStarsToConstellations, LoadDeepSkyCatalogue.
// Each takes the text to read; the default is the compiled-in catalogue.
#pragma once

#include "catalog/resource_text.h"

void LoadStarCatalogue(const ResourceText& text = FindTextResource("STARSDATA"));
void LoadConstellations(const ResourceText& text = FindTextResource("CONSTELLATIONSDATA"));
void LinkStarsToConstellations();
void LoadDeepSkyCatalogue(const ResourceText& text = FindTextResource("DEEPSKYDATA"));

// All four, in start-up order.
void LoadAllCatalogues();
