// The nearest drawn object to the pointer.
#include "chart/nearest_object.h"

#include <cstdint>
#include <cstring>

#include "astro/orbits.h"
#include "catalog/sky_model.h"
#include "chart/chart_pass.h"

int NearestPlacedObject(const ChartPassResult& pass, int x, int y, int reach) {
    const std::int64_t limit = static_cast<std::int64_t>(reach) * reach;
    int nearest = -1;
    std::int64_t best = 0;
    for (std::size_t i = 0; i < pass.placed.size(); ++i) {
        const PlacedObject& object = pass.placed[i];
        if (!object.marked) continue;
        const std::int64_t dx = static_cast<std::int64_t>(object.position.x) - x;
        const std::int64_t dy = static_cast<std::int64_t>(object.position.y) - y;
        if (dx < -reach || dx > reach || dy < -reach || dy > reach) continue;
        const std::int64_t d2 = dx * dx + dy * dy;
        if (d2 <= limit && (nearest < 0 || d2 <= best)) {
            nearest = static_cast<int>(i);
            best = d2;
        }
    }
    return nearest;
}

std::string PlacedObjectLabel(const ChartPassResult& pass, const PlacedObject& object) {
    if (object.hotSpot >= 0 && object.hotSpot < static_cast<int>(pass.hotSpots.size())) {
        const char* text = pass.hotSpots[object.hotSpot].text;
        return std::string(text, strnlen(text, HotSpotTextSize));
    }
    switch (object.kind) {
        case PlacedKind::Star:
            if (object.index < 1 || object.index > MaxStarNumber) return {};
            return std::to_string(object.index) + ": " +
                   std::string(StarTable[object.index].name,
                               strnlen(StarTable[object.index].name, StarNameSize));
        case PlacedKind::DeepSky: {
            if (object.index < 0 || object.index >= static_cast<int>(DeepSkyTable.size()))
                return {};
            const DeepSkyObject& deepSky = DeepSkyTable[object.index];
            return std::string(deepSky.identifier,
                               strnlen(deepSky.identifier, DeepSkyIdentifierSize)) +
                   ": " + std::string(deepSky.name, strnlen(deepSky.name, DeepSkyNameSize));
        }
        case PlacedKind::Body:
            break;
    }
    std::string name;
    GetBodyName(object.index, name);
    return name;
}
