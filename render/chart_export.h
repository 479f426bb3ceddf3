// Writing a chart to a file: PNG, SVG or PDF, chosen by the file name's extension.
//
// Each format is one writer function that runs the chart pass on a surface of its own and puts
// the finished file's bytes into a device. ExportChart picks the writer, renders into memory and
// only then replaces the file (written aside and renamed), so a failed export never leaves a
// half-written file behind. Adding a format is one writer function and one row of the table in
// chart_export.cpp.
#pragma once

#include <QImage>
#include <string>

#include "render/export_pass.h"
#include "render/qt_surface.h"

class QIODevice;

// A format: renders the job and writes the whole file into `out` (open for writing). On failure
// returns false with a sentence for the user in `error`.
using ExportWriter = bool (*)(QIODevice& out, const ExportJob& job, std::string& error);

// The job's chart as a 32-bit image of its size (a null image when memory is short).
QImage ChartImage(const ExportJob& job);

bool WritePngChart(QIODevice& out, const ExportJob& job, std::string& error);
bool WriteSvgChart(QIODevice& out, const ExportJob& job, std::string& error);
bool WritePdfChart(QIODevice& out, const ExportJob& job, std::string& error);

// The writer for a file name, by its extension in any case (".png", ".PNG"), or null.
ExportWriter FindExportWriter(const std::string& path);

// The extensions ExportChart knows, for messages: ".png, .svg or .pdf".
std::string KnownExportExtensions();

// Renders the job's chart and writes it to `path` in the format its extension names. Returns
// false, with the reason in `error` and the file as it was before, when the extension is unknown,
// the size is outside 1..MaxExportSide, or the file cannot be written.
bool ExportChart(const std::string& path, const ExportJob& job, std::string& error);

// Renders the job with `writer` and replaces `path` with the result. Returns false, with the
// reason naming the file in `error` and the file as it was before, when it cannot be written.
bool WriteChartFile(const std::string& path, ExportWriter writer, const ExportJob& job,
                    std::string& error);
