// The metafile format of the chart exporter (render/chart_export.h): the chart pass on an
// EmfSurface of the job's size and font, its bytes written to the exporter's device.
#pragma once

#include <string>

#include "render/export_pass.h"

class QIODevice;

bool WriteEmfChart(QIODevice& out, const ExportJob& job, std::string& error);
