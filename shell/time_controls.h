// Moving the chart through time: Now, Follow the clock, steps back and forward, and an animation
// that turns the sky at a chosen rate. All of them set the picker, so the chart follows through
// the picker's change signal, as it does for a date the user picks.
//
// The picker shows civil time: the place's zone's clocks when a place is set (UT for a place
// without a zone), the machine's local clock without one, as the chart has always started.
#pragma once

#include <QDateTime>
#include <QElapsedTimer>
#include <QObject>
#include <QTimeZone>
#include <functional>
#include <optional>

#include "base/seam.h"

class QAction;
class QActionGroup;
class QDateTimeEdit;
class QMenu;
class QTimer;
class QWidget;

// The present moment; a seam so that tests can set the clock.
using ClockSeam = Seam<QDateTime()>;
ClockSeam& Clock();

// One step of the picker. Steps of a fixed length move by real elapsed time (across a
// daylight-saving change the clock reading moves by an hour more or less); steps of days keep
// the clock reading and move the date.
struct TimeStep {
    const char* label;
    qint64 milliseconds;  // elapsed time, or 0
    int days;             // calendar days, or 0
};
// 1 minute, 10 minutes, 1 hour, 1 day, 1 sidereal day (86164.0905 s), 1 week.
// The labels are English here; the menu shows them in the user's language.
inline constexpr TimeStep TimeSteps[] = {
    {QT_TRANSLATE_NOOP("TimeControls", "1 minute"), 60'000, 0},
    {QT_TRANSLATE_NOOP("TimeControls", "10 minutes"), 600'000, 0},
    {QT_TRANSLATE_NOOP("TimeControls", "1 hour"), 3'600'000, 0},
    {QT_TRANSLATE_NOOP("TimeControls", "1 day"), 0, 1},
    {QT_TRANSLATE_NOOP("TimeControls", "1 sidereal day"), 86'164'091, 0},
    {QT_TRANSLATE_NOOP("TimeControls", "1 week"), 0, 7},
};

// The clock reading `shown` (its date and time fields) moved by `step` `times` times (negative:
// back), on the clocks of `zone` (none: the reading is taken as it stands, with no gaps). The
// result's fields are the new reading.
QDateTime StepClockReading(const QDateTime& shown, const TimeStep& step, int times,
                           const std::optional<QTimeZone>& zone);

// Animation rates: seconds of sky per second.
inline constexpr int AnimationRates[] = {60, 600, 3600};

class TimeControls : public QObject {
    Q_OBJECT
  public:
    // `zone` tells the clocks the picker shows: a zone, or none for the machine's local clock.
    TimeControls(QDateTimeEdit* picker, std::function<std::optional<QTimeZone>()> zone,
                 QObject* parent);

    // The "Time" submenu, with every command; each action is also added to `window`, so that
    // its shortcut works while the window has the focus.
    QMenu* BuildMenu(QWidget* window);

    void Now();
    void SetFollowing(bool on);
    bool following() const;
    void Step(const TimeStep& step, int times);
    void SetPlaying(bool on);
    bool playing() const;
    void SetRate(int skySecondsPerSecond);

    // One tick of each timer, as the timers call them.
    void FollowTick();
    void AnimationTick();

    QTimer* followTimer() const { return followTimer_; }
    QTimer* animationTimer() const { return animationTimer_; }
    QAction* followAction() const { return followAction_; }
    QAction* playAction() const { return playAction_; }

    // The picker set to a clock reading (its fields) without counting as a change by hand.
    void ShowReading(const QDateTime& reading);

  private:
    void PickerChanged();

    QDateTimeEdit* picker_;
    std::function<std::optional<QTimeZone>()> zone_;
    QTimer* followTimer_ = nullptr;
    QTimer* animationTimer_ = nullptr;
    QElapsedTimer sinceFrame_;
    QAction* followAction_ = nullptr;
    QAction* playAction_ = nullptr;
    int rate_ = AnimationRates[0];
    double pendingSkyMs_ = 0.0;  // animation time not yet shown by the picker
    bool settingPicker_ = false;
};
