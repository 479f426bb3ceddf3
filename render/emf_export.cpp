// The metafile writer function of the chart exporter.
#include "render/emf_export.h"

#include <QCoreApplication>
#include <QIODevice>

#include "chart/chart_colours.h"
#include "render/emf_surface.h"

namespace {

// The page under the pass, as the other formats lay it: the window's background for the screen
// look, white paper for the printer look; the metafile look draws its own white frame. The
// surface's default black pen and white brush are selected again afterwards, because the
// metafile look's frame relies on them.
void FillPage(EmfSurface& surface, const ExportJob& job) {
    if (job.mode == ChartMetafile) return;
    const Rgb page = job.mode == ChartScreen ? job.pens.screenPaper : White;
    surface.SelectPen(Pen{page, 1});
    surface.SelectBrush(Brush{page});
    surface.Rectangle(0, 0, job.width, job.height);
    surface.SelectPen(Pen{Black, 1});
    surface.SelectBrush(Brush{White});
}

}  // namespace

// job: size in pixels (the metafile's reference device), mode, window and font of the pass.
// The metafile is built in memory, so the exporter replaces the file only once it is complete.
bool WriteEmfChart(QIODevice& out, const ExportJob& job, std::string& error) {
    EmfSurface surface(job.width, job.height, job.font);
    FillPage(surface, job);
    RunExportPass(surface, job);
    const std::vector<std::uint8_t>& bytes = surface.Finish();
    const qint64 size = static_cast<qint64>(bytes.size());
    if (out.write(reinterpret_cast<const char*>(bytes.data()), size) != size) {
        error = QCoreApplication::translate("FileOutput", "The metafile could not be written: %1.")
                    .arg(out.errorString())
                    .toStdString();
        return false;
    }
    return true;
}
