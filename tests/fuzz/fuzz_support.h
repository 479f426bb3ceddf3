// Shared by the catalogue fuzz targets: a silent message handler and the invariants every load
// must leave, whatever text it was given. A broken invariant aborts, which both libFuzzer and
// the corpus runner report as a failure.
#pragma once

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "base/messages.h"
#include "catalog/sky_model.h"

inline void SilenceMessages() {
    static const bool installed = [] {
        Messages().Replace([](const MessageRequest&) {});
        return true;
    }();
    (void)installed;
}

inline void Require(bool condition) {
    if (!condition) std::abort();
}

// A text field holds its NUL inside its storage.
template <std::size_t N>
inline void RequireTerminated(const char (&field)[N]) {
    Require(std::memchr(field, '\0', N) != nullptr);
}

inline void CheckStars() {
    for (int n = 0; n <= MaxStarNumber; ++n) {
        const Star& star = StarTable[n];
        RequireTerminated(star.name);
        Require(std::isfinite(star.magnitude) && std::isfinite(star.rightAscension) &&
                std::isfinite(star.declination));
        Require(star.constellationIndex >= NoConstellation &&
                star.constellationIndex < MaxConstellations);
    }
    Require(StarTable[0].name[0] == '\0' && !StarTable[0].inFigure);
}

inline void CheckConstellations() {
    Require(ConstellationCount >= 0 && ConstellationCount <= MaxConstellations);
    for (const Constellation& c : ConstellationTable) {
        RequireTerminated(c.name);
        RequireTerminated(c.abbreviation);
        Require(c.pointCount >= 0 && c.pointCount <= MaxFigurePoints);
        for (int k = 0; k < c.pointCount; ++k) {
            Require(c.points[k] >= 1 && c.points[k] <= MaxStarNumber);
            Require(StarTable[c.points[k]].inFigure);
        }
    }
}

inline void CheckDeepSky() {
    Require(DeepSkyCount >= 0 && static_cast<std::size_t>(DeepSkyCount) <= DeepSkyTable.size());
    for (int i = 0; i < DeepSkyCount; ++i) {
        const DeepSkyObject& object = DeepSkyTable[static_cast<std::size_t>(i)];
        RequireTerminated(object.identifier);
        RequireTerminated(object.name);
        Require(!object.shown);
        Require(std::isfinite(object.magnitude) && std::isfinite(object.rightAscension) &&
                std::isfinite(object.declination));
        Require(std::strchr(object.name, '_') == nullptr);
    }
}
