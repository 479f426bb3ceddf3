#include "cli/find_run.h"

#include <QCoreApplication>
#include <QStringList>

#include "base/translate.h"
#include "chart/chart_pass.h"
#include "chart/object_index.h"
#include "chart/rise_set.h"
#include "chart/view_settings.h"
#include "render/language.h"

bool PrintFound(std::FILE* out, const std::string& name, const SystemTime& time,
                const ChartView& view, std::string& error) {
    const ObjectIndex index = ObjectIndex::Build();
    const std::string key = ToCoreText(QString::fromLocal8Bit(name));  // the index is Latin-1
    const std::optional<FoundObject> object = index.Find(key);
    if (!object) {
        std::vector<std::string> near = index.CloseMatches(key);
        if (near.empty()) near = index.Complete(key, 5);
        // The index's names are the core's Latin-1; the message is UTF-8.
        QStringList matches;
        for (const std::string& match : near) matches << FromCoreText(match);
        const QString asked = QString::fromStdString(name);
        error =
            (matches.empty()
                 ? QCoreApplication::translate("Options", "no object is named \"%1\"").arg(asked)
                 : QCoreApplication::translate("Options",
                                               "no object is named \"%1\"; close matches: %2")
                       .arg(asked, matches.join(QStringLiteral(", "))))
                .toStdString();
        return false;
    }
    // The line is for scripts: English names whatever the language (a name in the language was
    // found all the same).
    const EnglishTexts english;
    const double latitude = ViewSettings.latitude;
    const RiseTransitSet times = NextRiseTransitSet(*object, time, view, latitude);
    const SkyPlace place = FoundPlace(*object, time, view, latitude);
    auto iso = [](const std::optional<SystemTime>& at) { return at ? IsoTime(*at) : "-"; };
    std::fprintf(out, "%s\t%.2f\t%.2f\t%s\t%s\t%s\n", index.Label(*object).c_str(), place.altitude,
                 place.azimuth, iso(times.rising).c_str(), iso(times.transit).c_str(),
                 iso(times.setting).c_str());
    return true;
}
