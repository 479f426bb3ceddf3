// Now, Follow the clock, the steps and the animation.
#include "shell/time_controls.h"

#include <QAction>
#include <QActionGroup>
#include <QDateTimeEdit>
#include <QMenu>
#include <QTimer>
#include <QWidget>
#include <cmath>

namespace {

// The clock is read at least this often while the chart follows it.
constexpr int FollowIntervalMs = 10'000;
// Animation frames: 25 a second; a full chart pass takes a few milliseconds.
constexpr int FrameIntervalMs = 40;

// A clock reading's fields as a UTC date-time, which has no gaps or repeats.
QDateTime Fields(const QDateTime& reading) {
    return QDateTime(reading.date(), reading.time(), Qt::UTC);
}

struct StepKeys {
    const char* back;
    const char* forward;
};
// Shortcuts of the steps, in the order of TimeSteps: brackets for the short steps, comma and
// full stop (the keys of < and >) for the long ones.
constexpr StepKeys StepShortcuts[] = {
    {"Alt+[", "Alt+]"}, {"Ctrl+[", "Ctrl+]"}, {"[", "]"},
    {",", "."},         {"Alt+,", "Alt+."},   {"Ctrl+,", "Ctrl+."},
};

}  // namespace

ClockSeam& Clock() {
    static ClockSeam seam([] { return QDateTime::currentDateTimeUtc(); });
    return seam;
}

QDateTime StepClockReading(const QDateTime& shown, const TimeStep& step, int times,
                           const std::optional<QTimeZone>& zone) {
    if (step.days != 0) return Fields(shown).addDays(qint64{step.days} * times);
    const qint64 elapsed = step.milliseconds * times;
    if (!zone) return Fields(shown).addMSecs(elapsed);
    const QDateTime instant(shown.date(), shown.time(), *zone);
    return Fields(instant.addMSecs(elapsed).toTimeZone(*zone));
}

TimeControls::TimeControls(QDateTimeEdit* picker, std::function<std::optional<QTimeZone>()> zone,
                           QObject* parent)
    : QObject(parent), picker_(picker), zone_(std::move(zone)) {
    followTimer_ = new QTimer(this);
    followTimer_->setInterval(FollowIntervalMs);
    connect(followTimer_, &QTimer::timeout, this, &TimeControls::FollowTick);
    animationTimer_ = new QTimer(this);
    animationTimer_->setInterval(FrameIntervalMs);
    animationTimer_->setTimerType(Qt::PreciseTimer);
    connect(animationTimer_, &QTimer::timeout, this, &TimeControls::AnimationTick);
    connect(picker_, &QDateTimeEdit::dateTimeChanged, this, &TimeControls::PickerChanged);
}

QMenu* TimeControls::BuildMenu(QWidget* window) {
    auto* menu = new QMenu(tr("Time"), window);
    auto add = [&](QMenu* to, const QString& label, const char* keys) {
        QAction* action = to->addAction(label);
        if (keys != nullptr) action->setShortcut(QKeySequence(QString::fromLatin1(keys)));
        window->addAction(action);
        return action;
    };
    connect(add(menu, tr("Now"), "Home"), &QAction::triggered, this, &TimeControls::Now);
    followAction_ = add(menu, tr("Follow the clock"), "Shift+Home");
    followAction_->setCheckable(true);
    connect(followAction_, &QAction::toggled, this, &TimeControls::SetFollowing);
    menu->addSeparator();
    QMenu* back = menu->addMenu(tr("Back"));
    QMenu* forward = menu->addMenu(tr("Forward"));
    for (std::size_t i = 0; i < std::size(TimeSteps); ++i) {
        const TimeStep& step = TimeSteps[i];
        const QString label = tr(step.label);
        connect(add(back, label, StepShortcuts[i].back), &QAction::triggered, this,
                [this, &step] { Step(step, -1); });
        connect(add(forward, label, StepShortcuts[i].forward), &QAction::triggered, this,
                [this, &step] { Step(step, 1); });
    }
    menu->addSeparator();
    playAction_ = add(menu, tr("Play"), "Space");
    playAction_->setCheckable(true);
    connect(playAction_, &QAction::toggled, this, &TimeControls::SetPlaying);
    auto* rates = new QActionGroup(menu);
    for (const int rate : AnimationRates) {
        const QString label = rate < 3600 ? tr("%1 min of sky a second").arg(rate / 60)
                                          : tr("1 hour of sky a second");
        QAction* action = add(menu, label, nullptr);
        action->setCheckable(true);
        action->setChecked(rate == rate_);
        rates->addAction(action);
        connect(action, &QAction::triggered, this, [this, rate] { SetRate(rate); });
    }
    return menu;
}

void TimeControls::ShowReading(const QDateTime& reading) {
    settingPicker_ = true;
    picker_->setDateTime(QDateTime(reading.date(), reading.time(), picker_->timeSpec()));
    settingPicker_ = false;
}

void TimeControls::Now() {
    const QDateTime now = Clock()();
    const std::optional<QTimeZone> zone = zone_();
    ShowReading(zone ? now.toTimeZone(*zone) : now.toLocalTime());
}

// Following reads the clock at once and then on every tick.
void TimeControls::SetFollowing(bool on) {
    if (followAction_ != nullptr && followAction_->isChecked() != on) {
        followAction_->setChecked(on);  // comes back here through toggled
        return;
    }
    if (on) {
        SetPlaying(false);
        Now();
        followTimer_->start();
    } else {
        followTimer_->stop();
    }
}

bool TimeControls::following() const {
    return followTimer_->isActive();
}

void TimeControls::FollowTick() {
    if (following()) Now();
}

// A step is a time set by hand: the chart stops following the clock.
void TimeControls::Step(const TimeStep& step, int times) {
    SetFollowing(false);
    ShowReading(StepClockReading(picker_->dateTime(), step, times, zone_()));
}

void TimeControls::SetPlaying(bool on) {
    if (playAction_ != nullptr && playAction_->isChecked() != on) {
        playAction_->setChecked(on);
        return;
    }
    if (on) {
        SetFollowing(false);
        pendingSkyMs_ = 0;
        sinceFrame_.start();
        animationTimer_->start();
    } else {
        animationTimer_->stop();
    }
}

bool TimeControls::playing() const {
    return animationTimer_->isActive();
}

void TimeControls::SetRate(int skySecondsPerSecond) {
    rate_ = skySecondsPerSecond;
}

// Each frame moves the picker by the sky time that the real time since the last frame stands
// for, whole milliseconds at a time, so that a slow frame does not slow the sky.
void TimeControls::AnimationTick() {
    pendingSkyMs_ += static_cast<double>(sinceFrame_.restart()) * rate_;
    const qint64 whole = static_cast<qint64>(std::floor(pendingSkyMs_));
    pendingSkyMs_ -= static_cast<double>(whole);
    if (whole == 0) return;
    const TimeStep elapsed{"", whole, 0};
    ShowReading(StepClockReading(picker_->dateTime(), elapsed, 1, zone_()));
}

// A date or time the user picks ends following the clock.
void TimeControls::PickerChanged() {
    if (!settingPicker_ && following()) SetFollowing(false);
}
