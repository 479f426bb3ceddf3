// The main window's side of finding objects: the Find command and its shortcut, the found
// object's mark and readout after every pass, the commands that move the chart to its next
// rising or transit, the nearest object named when no hot spot holds the pointer, and the Tonight
// panel, whose rows find their objects.
#include <QAction>
#include <QDateTimeEdit>
#include <QMenu>
#include <QPainter>

#include "chart/nearest_object.h"
#include "shell/commands.h"
#include "shell/find_dialog.h"
#include "shell/main_window.h"
#include "shell/tonight_panel.h"

// The index is built on first use, from the catalogues loaded at start-up.
void MainWindow::RunFindCommand() {
    if (!index_) index_ = std::make_unique<ObjectIndex>(ObjectIndex::Build());
    const std::optional<FoundObject> chosen = RunFindDialog(this, *index_);
    if (!chosen) return;
    found_ = chosen;
    Repaint();
}

// Where the found object stands at the chart's instant and when it next rises, transits and
// sets, computed as the pass just drawn computes it; its mark goes on the kept chart and its
// description into the readout, which stays until the pointer names something else.
void MainWindow::UpdateFound(QPainter& painter) {
    if (!found_) return;
    const SystemTime& time = lastPass_.time;
    const double latitude = lastPass_.observer.latitude;
    foundTimes_ = NextRiseTransitSet(*found_, time, lastPass_.view, latitude);
    const SkyPlace place = FoundPlace(*found_, time, lastPass_.view, latitude);
    foundText_ = DescribeFound(index_->Label(*found_), place, foundTimes_);
    DrawFoundMark(painter, *found_, place, lastPass_, display_.night);
    readoutText_ = foundText_;
    readoutShown_ = true;
    if (QAction* rising = FindCommandAction(menu_.menu, CommandGoToRising))
        rising->setEnabled(foundTimes_.rising.has_value());
    if (QAction* transit = FindCommandAction(menu_.menu, CommandGoToTransit))
        transit->setEnabled(foundTimes_.transit.has_value());
}

// The picker set to the found object's next rising or transit; the change repaints the chart.
void MainWindow::GoToFoundEvent(bool transit) {
    const std::optional<SystemTime>& at = transit ? foundTimes_.transit : foundTimes_.rising;
    if (!found_ || !at) return;
    SetPickerClock(*at);
}

// The picker's own time spec: with a place it holds the place's clock as plain UTC fields.
void MainWindow::SetPickerClock(const SystemTime& at) {
    picker_->setDateTime(QDateTime(QDate(at.year, at.month, at.day),
                                   QTime(at.hour, at.minute, at.second), picker_->timeSpec()));
}

void MainWindow::ShowFoundAt(const std::optional<FoundObject>& object, const SystemTime& at) {
    if (!index_) index_ = std::make_unique<ObjectIndex>(ObjectIndex::Build());
    if (object) found_ = object;
    SetPickerClock(at);
    Repaint();
}

// The panel is made on first use and follows the window from then on; the command shows it again
// when it was closed and brings it forward.
void MainWindow::ShowTonightPanel() {
    if (!tonight_) tonight_ = new TonightPanel(*this);
    tonight_->Open();
}

// Off every hot spot: the nearest object drawn within reach, else what was found, else nothing.
std::string MainWindow::PointerFallbackText(int x, int y) const {
    const int nearest = NearestPlacedObject(lastPass_, x, y);
    if (nearest >= 0) return PlacedObjectLabel(lastPass_, lastPass_.placed[nearest]);
    return foundText_;
}
