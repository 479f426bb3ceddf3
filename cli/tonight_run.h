// velquorran-chart --tonight: the night of --time as text, or as an observing sheet in PDF.
#pragma once

#include <cstdio>
#include <string>

#include "chart/pass_values.h"
#include "cli/options.h"

// Prints the night holding `time` at ViewSettings' latitude under the view (the options applied):
// a header line, then one tab-separated line a row (kind, name, time, value; see the man page).
// With -o the rows go on a one-page observing sheet instead. Returns the exit status: 0, or 1
// with a message in `error` when the sheet cannot be written.
int RunTonight(std::FILE* out, const ChartOptions& options, const ChartView& view,
               const SystemTime& time, std::string& error);
