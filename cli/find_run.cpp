#include "cli/find_run.h"

#include "chart/chart_pass.h"
#include "chart/object_index.h"
#include "chart/rise_set.h"
#include "chart/view_settings.h"

bool PrintFound(std::FILE* out, const std::string& name, const SystemTime& time,
                const ChartView& view, std::string& error) {
    const ObjectIndex index = ObjectIndex::Build();
    const std::optional<FoundObject> object = index.Find(name);
    if (!object) {
        std::vector<std::string> near = index.CloseMatches(name);
        if (near.empty()) near = index.Complete(name, 5);
        error = "no object is named \"" + name + "\"";
        for (std::size_t i = 0; i < near.size(); ++i)
            error += (i == 0 ? "; close matches: " : ", ") + near[i];
        return false;
    }
    const double latitude = ViewSettings.latitude;
    const RiseTransitSet times = NextRiseTransitSet(*object, time, view, latitude);
    const SkyPlace place = FoundPlace(*object, time, view, latitude);
    auto iso = [](const std::optional<SystemTime>& at) { return at ? IsoTime(*at) : "-"; };
    std::fprintf(out, "%s\t%.2f\t%.2f\t%s\t%s\t%s\n", index.Label(*object).c_str(), place.altitude,
                 place.azimuth, iso(times.rising).c_str(), iso(times.transit).c_str(),
                 iso(times.setting).c_str());
    return true;
}
