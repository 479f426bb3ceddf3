#include "cli/tonight_run.h"

#include <QString>

#include "chart/tonight_text.h"
#include "chart/view_settings.h"
#include "render/observing_sheet.h"

int RunTonight(std::FILE* out, const ChartOptions& options, const ChartView& view,
               const SystemTime& time, std::string& error) {
    const ObjectIndex index = ObjectIndex::Build();
    const double latitude = ViewSettings.latitude;
    const Tonight tonight = ComputeTonight(time, view, latitude, index);
    if (!options.output.empty()) {
        const ObservingSheet sheet{tonight, view, latitude,
                                   options.letterPaper ? PaperSize::Letter : PaperSize::A4};
        return WriteObservingSheet(options.output, sheet, error) ? 0 : 1;
    }
    // The core's texts are Latin-1; the terminal reads UTF-8.
    auto utf8 = [](const std::string& latin1) {
        return QString::fromLatin1(latin1.data(), static_cast<qsizetype>(latin1.size()))
            .toUtf8()
            .toStdString();
    };
    std::fprintf(out, "%s\n", utf8(TonightTitle(tonight, view, latitude)).c_str());
    for (const TonightLine& line : TonightLines(tonight))
        std::fprintf(out, "%s\n", utf8(TonightRow(line)).c_str());
    return 0;
}
