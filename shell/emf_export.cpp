// The metafile writer function of the chart exporter.
#include "shell/emf_export.h"

#include <QIODevice>
#include <cstdio>

#include "chart/view_settings.h"
#include "shell/emf_surface.h"
#include "shell/shell_objects.h"

namespace {

// The page under the pass, as the other formats lay it: the window's background for the screen
// look, white paper for the printer look; the metafile look draws its own white frame. The
// surface's default black pen and white brush are selected again afterwards, because the
// metafile look's frame relies on them.
void FillPage(EmfSurface& surface, const ExportJob& job) {
    if (job.mode == ChartMetafile) return;
    const Rgb page = job.mode == ChartScreen ? BackgroundColour : White;
    surface.SelectPen(Pen{page, 1});
    surface.SelectBrush(Brush{page});
    surface.Rectangle(0, 0, job.width, job.height);
    surface.SelectPen(Pen{Black, 1});
    surface.SelectBrush(Brush{White});
}

// A file has no date-time picker: the screen look writes the chart's instant on the picker's
// line, white on the window's background, as the other formats do.
void WritePickerLine(EmfSurface& surface, const ExportJob& job) {
    struct SizedWindow final : ChartWindow {
        const ExportJob& job;
        explicit SizedWindow(const ExportJob& j) : job(j) {}
        int ClientWidth() const override { return job.width; }
        int ClientHeight() const override { return job.height; }
        SystemTime PickerTime() const override { return job.window.PickerTime(); }
    } window(job);
    const ChartLayout layout = ComputeChartLayout(surface, job.mode, window, ViewSettings.margin);
    const SystemTime t = job.window.PickerTime();
    char text[80];
    std::snprintf(text, sizeof text, "%4d/%02d/%02d  %02d:%02d:%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    surface.SetTextColor(White);
    surface.SetBkColor(BackgroundColour);
    surface.SetTextAlign(TA_LEFT | TA_BOTTOM);
    surface.TextOut(ViewSettings.margin, layout.dateTextY, text);
}

}  // namespace

// job: size in pixels (the metafile's reference device), mode, window and font of the pass.
// The metafile is built in memory, so the exporter replaces the file only once it is complete.
bool WriteEmfChart(QIODevice& out, const ExportJob& job, std::string& error) {
    EmfSurface surface(job.width, job.height, job.font);
    FillPage(surface, job);
    RunExportPass(surface, job);
    if (job.mode == ChartScreen) WritePickerLine(surface, job);
    const std::vector<std::uint8_t>& bytes = surface.Finish();
    const qint64 size = static_cast<qint64>(bytes.size());
    if (out.write(reinterpret_cast<const char*>(bytes.data()), size) != size) {
        error = "The metafile could not be written: " + out.errorString().toStdString() + ".";
        return false;
    }
    return true;
}
