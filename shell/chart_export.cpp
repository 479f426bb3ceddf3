#include "shell/chart_export.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cstdio>

#include "chart/chart_pass.h"
#include "chart/view_settings.h"
#include "shell/emf_export.h"
#include "shell/file_output.h"
#include "shell/shell_objects.h"

namespace {

// SVG is written at 96 dots per inch: one chart pixel is one CSS pixel. PDF is written at 72:
// one chart pixel is one point, because PDF page sizes are whole points and any other scale would
// round the page, and with it the pass's layout, by a pixel.
constexpr int SvgDotsPerInch = 96;
constexpr int PdfDotsPerInch = 72;

// The job's window with the job's size as its client area, so that a ChartScreen pass lays the
// chart out on the exported picture rather than on the window it came from.
class SizedWindow final : public ChartWindow {
  public:
    explicit SizedWindow(const ExportJob& job) : job_(job) {}
    int ClientWidth() const override { return job_.width; }
    int ClientHeight() const override { return job_.height; }
    SystemTime PickerTime() const override { return job_.window.PickerTime(); }

  private:
    const ExportJob& job_;
};

// The screen look starts from the window's background, as the window erases its client area
// before the pass; paper and the metafile look start from white.
QColor PageColour(ChartMode mode) {
    if (mode == ChartScreen)
        return QColor(BackgroundColour.red, BackgroundColour.green, BackgroundColour.blue);
    return Qt::white;
}

// Paints the page colour and runs the pass with `painter`, which must be active.
void PaintChart(QPainter& painter, const ExportJob& job) {
    painter.fillRect(QRect(0, 0, job.width, job.height), PageColour(job.mode));
    QtSurface surface(painter, job.font);
    RunExportPass(surface, job);
}

struct ExportFormat {
    const char* extension;  // lower case, with the dot
    ExportWriter writer;
};

// The formats by extension. A new format (the Enhanced Metafile) is one more row.
constexpr ExportFormat ExportFormats[] = {
    {".png", WritePngChart},
    {".svg", WriteSvgChart},
    {".pdf", WritePdfChart},
    {".emf", WriteEmfChart},
};

std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}

}  // namespace

// On screen the date-time picker shows the chart's instant above the magnitude caption; a file
// has no picker, so the screen look writes the instant on the picker's line instead, as the
// paper look does ("2024/01/15  21:00:00"), in the screen's colours.
void RunExportPass(Surface& surface, const ExportJob& job) {
    if (!ShellObjects.drawingObjectsCreated) CreateDrawingObjects();
    const SizedWindow window(job);
    DrawChart(window, surface, job.mode, ViewSettings.margin, ShellObjects.figurePen,
              ShellObjects.deepSkyPen, ShellObjects.skyDayBrush, ShellObjects.skyNightBrush);
    if (job.mode != ChartScreen) return;
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

// PNG: a 32-bit image of the chart's size, opaque.
bool WritePngChart(QIODevice& out, const ExportJob& job, std::string& error) {
    QImage image(job.width, job.height, QImage::Format_RGB32);
    if (image.isNull()) {
        error = "Not enough memory for a picture of " + std::to_string(job.width) + " x " +
                std::to_string(job.height) + " pixels.";
        return false;
    }
    QPainter painter(&image);
    PaintChart(painter, job);
    painter.end();
    if (!image.save(&out, "PNG")) {
        error = "The PNG picture could not be encoded.";
        return false;
    }
    return true;
}

// SVG: the chart's shapes and texts at 96 dots per inch, the view box in chart pixels.
bool WriteSvgChart(QIODevice& out, const ExportJob& job, std::string& error) {
    QSvgGenerator generator;
    generator.setOutputDevice(&out);
    generator.setSize(QSize(job.width, job.height));
    generator.setViewBox(QRect(0, 0, job.width, job.height));
    generator.setResolution(SvgDotsPerInch);
    generator.setTitle(QStringLiteral("Velquorran star chart"));
    QPainter painter;
    if (!painter.begin(&generator)) {
        error = "The SVG drawing could not be started.";
        return false;
    }
    PaintChart(painter, job);
    painter.end();
    return true;
}

// PDF: one page exactly the chart's size, one point per pixel, no margins.
bool WritePdfChart(QIODevice& out, const ExportJob& job, std::string& error) {
    QPdfWriter pdf(&out);
    pdf.setResolution(PdfDotsPerInch);
    pdf.setCreator(QStringLiteral("Velquorran"));
    pdf.setTitle(QStringLiteral("Velquorran star chart"));
    pdf.setPageSize(QPageSize(QSizeF(job.width, job.height), QPageSize::Point, QString(),
                              QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&pdf)) {
        error = "The PDF document could not be started.";
        return false;
    }
    if (pdf.width() != job.width || pdf.height() != job.height) {
        error = "The PDF page could not be made " + std::to_string(job.width) + " x " +
                std::to_string(job.height) + " points.";
        return false;
    }
    PaintChart(painter, job);
    painter.end();
    return true;
}

ExportWriter FindExportWriter(const std::string& path) {
    const QString suffix = QFileInfo(QString::fromStdString(path)).suffix().toLower();
    for (const ExportFormat& format : ExportFormats)
        if (suffix == QLatin1String(format.extension + 1)) return format.writer;
    return nullptr;
}

std::string KnownExportExtensions() {
    std::string list;
    const std::size_t count = std::size(ExportFormats);
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) list += i + 1 == count ? " or " : ", ";
        list += ExportFormats[i].extension;
    }
    return list;
}

bool ExportChart(const std::string& path, int width, int height, ChartMode mode,
                 const ChartWindow& window, std::string& error, const QFont& font) {
    error.clear();
    const ExportWriter writer = FindExportWriter(path);
    if (writer == nullptr) {
        error = "Cannot tell the file type of " + Quoted(path) + ": its name must end in " +
                KnownExportExtensions() + ".";
        return false;
    }
    if (width < 1 || height < 1 || width > MaxExportSide || height > MaxExportSide) {
        error =
            "The chart size must be 1 to " + std::to_string(MaxExportSide) + " pixels each way.";
        return false;
    }
    return WriteChartFile(path, writer, ExportJob{width, height, mode, window, font}, error);
}

// Renders into memory first, then replaces the file with the bytes as every user's file is
// replaced (ReplaceFileContents: whole or not at all, never over anything but a regular file).
bool WriteChartFile(const std::string& path, ExportWriter writer, const ExportJob& job,
                    std::string& error) {
    error.clear();
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!writer(buffer, job, error)) return false;
    }
    std::string reason;
    if (ReplaceFileContents(path, bytes, reason)) return true;
    error = "Cannot write " + Quoted(path) + ": " + reason + ".";
    return false;
}
