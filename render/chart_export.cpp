#include "render/chart_export.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "chart/chart_colours.h"
#include "render/emf_export.h"
#include "render/file_output.h"
#include "render/png_writer.h"

namespace {

// SVG is written at 96 dots per inch: one chart pixel is one CSS pixel. PDF is written at 72:
// one chart pixel is one point, because PDF page sizes are whole points and any other scale would
// round the page, and with it the pass's layout, by a pixel.
constexpr int SvgDotsPerInch = 96;
constexpr int PdfDotsPerInch = 72;

// The screen look starts from the window's background, as the window erases its client area
// before the pass; paper and the metafile look start from white.
QColor PageColour(const ExportJob& job) {
    const Rgb paper = job.pens.screenPaper;  // the window's green, or black at night
    if (job.mode == ChartScreen) return QColor(paper.red, paper.green, paper.blue);
    return Qt::white;
}

// Paints the page colour and runs the pass with `painter`, which must be active.
void PaintChart(QPainter& painter, const ExportJob& job) {
    painter.fillRect(QRect(0, 0, job.width, job.height), PageColour(job));
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

}  // namespace

QImage ChartImage(const ExportJob& job) {
    QImage image = NewChartImage(job.width, job.height);
    if (image.isNull()) return image;
    QPainter painter(&image);
    PaintChart(painter, job);
    return image;
}

// PNG: a 32-bit image of the chart's size, opaque, written indexed when it has few colours.
bool WritePngChart(QIODevice& out, const ExportJob& job, std::string& error) {
    const QImage image = ChartImage(job);
    if (image.isNull()) {
        error = QCoreApplication::translate("FileOutput",
                                            "Not enough memory for a picture of %1 x %2 pixels.")
                    .arg(job.width)
                    .arg(job.height)
                    .toStdString();
        return false;
    }
    if (!WritePng(out, image)) {
        error = QCoreApplication::translate("FileOutput", "The PNG picture could not be encoded.")
                    .toStdString();
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
    generator.setTitle(QCoreApplication::translate("FileOutput", "Velquorran star chart"));
    QPainter painter;
    if (!painter.begin(&generator)) {
        error = QCoreApplication::translate("FileOutput", "The SVG drawing could not be started.")
                    .toStdString();
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
    pdf.setTitle(QCoreApplication::translate("FileOutput", "Velquorran star chart"));
    pdf.setPageSize(QPageSize(QSizeF(job.width, job.height), QPageSize::Point, QString(),
                              QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&pdf)) {
        error = QCoreApplication::translate("FileOutput", "The PDF document could not be started.")
                    .toStdString();
        return false;
    }
    if (pdf.width() != job.width || pdf.height() != job.height) {
        error = QCoreApplication::translate("FileOutput",
                                            "The PDF page could not be made %1 x %2 points.")
                    .arg(job.width)
                    .arg(job.height)
                    .toStdString();
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
    QStringList first;
    const std::size_t count = std::size(ExportFormats);
    for (std::size_t i = 0; i + 1 < count; ++i) first << QLatin1String(ExportFormats[i].extension);
    //: The end of a list: "%1 or %2" gives ".png, .svg, .pdf or .emf".
    return QCoreApplication::translate("FileOutput", "%1 or %2")
        .arg(first.join(QStringLiteral(", ")), QLatin1String(ExportFormats[count - 1].extension))
        .toStdString();
}

bool ExportChart(const std::string& path, const ExportJob& job, std::string& error) {
    error.clear();
    const ExportWriter writer = FindExportWriter(path);
    if (writer == nullptr) {
        error =
            QCoreApplication::translate("FileOutput",
                                        "Cannot tell the file type of \"%1\": its name must "
                                        "end in %2.")
                .arg(QString::fromStdString(path), QString::fromStdString(KnownExportExtensions()))
                .toStdString();
        return false;
    }
    if (job.width < 1 || job.height < 1 || job.width > MaxExportSide ||
        job.height > MaxExportSide) {
        error = QCoreApplication::translate("FileOutput",
                                            "The chart size must be 1 to %1 pixels each way.")
                    .arg(MaxExportSide)
                    .toStdString();
        return false;
    }
    return WriteChartFile(path, writer, job, error);
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
    error = CannotWriteMessage(path, reason);
    return false;
}
