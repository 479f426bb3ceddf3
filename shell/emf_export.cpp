// The metafile writer function of the chart exporter.
#include "shell/emf_export.h"

#include <QIODevice>

#include "shell/emf_surface.h"

// job: size in pixels (the metafile's reference device), mode, window and font of the pass.
// The metafile is built in memory, so the exporter replaces the file only once it is complete.
bool WriteEmfChart(QIODevice& out, const ExportJob& job, std::string& error) {
    EmfSurface surface(job.width, job.height, job.font);
    RunExportPass(surface, job);
    const std::vector<std::uint8_t>& bytes = surface.Finish();
    const qint64 size = static_cast<qint64>(bytes.size());
    if (out.write(reinterpret_cast<const char*>(bytes.data()), size) != size) {
        error = "The metafile could not be written: " + out.errorString().toStdString() + ".";
        return false;
    }
    return true;
}
