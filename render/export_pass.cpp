// The chart pass of every file format.
#include "render/export_pass.h"

namespace {

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

}  // namespace

// On screen the date-time picker shows the chart's instant above the magnitude caption; a file
// has no picker, so the screen look writes the instant on the picker's line instead, as the
// paper look does ("2024/01/15  21:00:00"), in the screen's colours.
ChartPassResult RunExportPass(Surface& surface, const ExportJob& job) {
    const SizedWindow window(job);
    ChartPassResult pass = RunChartPass(window, surface, job.mode, ViewSettings.margin, job.view,
                                        job.latitude, job.pens);
    ViewSettings.siderealTime = pass.observer.siderealTime;
    if (job.result != nullptr) *job.result = pass;
    if (job.mode != ChartScreen) return pass;
    surface.SetTextColor(job.pens.screenInk);
    surface.SetBkColor(job.pens.screenPaper);
    surface.SetTextAlign(TA_LEFT | TA_BOTTOM);
    surface.TextOut(ViewSettings.margin, pass.layout.dateTextY, ChartInstantText(pass.time));
    return pass;
}
