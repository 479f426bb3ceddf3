// The main window from the keyboard: the command keys of the key table, the Menu key and
// Shift+F10 for the popup menu, Tab from the picker to the magnitude scrollbar to the chart, the
// keyboard pointer on the chart, and the names a screen reader speaks.
#include <QAccessible>
#include <QDateTimeEdit>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QShortcut>
#include <algorithm>

#include "chart/view_settings.h"
#include "render/language.h"
#include "shell/key_table.h"
#include "shell/main_window.h"

namespace {

// The keyboard pointer's steps in client pixels, and the radius of its ring.
inline constexpr int PointerStep = 1;
inline constexpr int PointerLongStep = 10;  // with Shift
inline constexpr int PointerRingRadius = 6;

QKeySequence KeysOf(const char* keys) {
    return QKeySequence(QString::fromLatin1(keys), QKeySequence::PortableText);
}

}  // namespace

// The window's shortcuts answer while the focus is anywhere in it (the picker, the scrollbar or
// the chart), and not while a dialog or the menu is open.
void MainWindow::SetUpKeyboard() {
    setFocusPolicy(Qt::StrongFocus);
    scrollBar_->setFocusPolicy(Qt::StrongFocus);
    picker_->installEventFilter(this);
    setTabOrder(picker_, scrollBar_);
    setTabOrder(scrollBar_, this);
    for (const CommandKey& row : CommandKeyTable()) {
        const int command = row.command;
        auto* shortcut = new QShortcut(KeysOf(row.keys), this);
        connect(shortcut, &QShortcut::activated, this,
                [this, command] { ExecuteCommand(command); });
    }
    for (const char* keys : PopupMenuKeys) {
        auto* shortcut = new QShortcut(KeysOf(keys), this);
        connect(shortcut, &QShortcut::activated, this, [this] { OpenPopupMenuAtCentre(); });
    }

    setAccessibleName(tr("Star chart"));
    setAccessibleDescription(
        tr("The sky above the horizon. Arrow keys move a pointer ring and the object under it is "
           "named; the Menu key or Shift+F10 opens the commands."));
    picker_->setAccessibleName(tr("Date & Time of Map"));
    picker_->setAccessibleDescription(
        tr("The date and time the chart shows. Left and right choose a field, up and down change "
           "it."));
    scrollBar_->setAccessibleDescription(
        tr("Stars fainter than this magnitude are not drawn. Arrow keys, plus and minus step it "
           "by 0.1; Page Up and Page Down by 1."));
    NameMagnitudeScrollBar();
    menu_.menu->setAccessibleName(tr("Chart commands"));
}

void MainWindow::NameMagnitudeScrollBar() {
    scrollBar_->setAccessibleName(
        tr("Dimmest Star Magnitude %1")
            .arg(TextLocale().toString(ViewSettings.dimmestMagnitude, 'f', 1)));
}

// The chart's centre is the centre of the client area, where the pass puts the disc's centre.
void MainWindow::OpenPopupMenuAtCentre() {
    RunPopupMenu(mapToGlobal(QPoint(width() / 2, height() / 2)));
}

// Tab leaves the picker for the scrollbar (the picker would walk its own fields), Shift+Tab for
// the chart; + and - step the scrollbar as its arrows do.
bool MainWindow::FilterControlKeys(QObject* watched, QEvent* event) {
    // The time keys without a modifier ([ ] , . and Space) mean nothing in the picker's fields,
    // which would take them as typing: they stay the window's shortcuts there.
    if (watched == picker_ && event->type() == QEvent::ShortcutOverride) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_BracketLeft:
            case Qt::Key_BracketRight:
            case Qt::Key_Comma:
            case Qt::Key_Period:
            case Qt::Key_Space:
                event->ignore();
                return true;
            default:
                return false;
        }
    }
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    if (watched == picker_ && key->key() == Qt::Key_Tab) {
        scrollBar_->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (watched == picker_ && key->key() == Qt::Key_Backtab) {
        setFocus(Qt::BacktabFocusReason);
        return true;
    }
    if (watched == scrollBar_) {
        if (key->key() == Qt::Key_Plus || key->key() == Qt::Key_Equal) {
            scrollBar_->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            return true;
        }
        if (key->key() == Qt::Key_Minus) {
            scrollBar_->triggerAction(QAbstractSlider::SliderSingleStepSub);
            return true;
        }
    }
    return false;
}

// Arrow keys on the chart move the keyboard pointer, which starts at the chart's centre, or
// where the mouse last was, and names what is under it as the mouse does.
void MainWindow::keyPressEvent(QKeyEvent* event) {
    const int step = (event->modifiers() & Qt::ShiftModifier) ? PointerLongStep : PointerStep;
    QPoint move;
    switch (event->key()) {
        case Qt::Key_Left:
            move = {-step, 0};
            break;
        case Qt::Key_Right:
            move = {step, 0};
            break;
        case Qt::Key_Up:
            move = {0, -step};
            break;
        case Qt::Key_Down:
            move = {0, step};
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    QPoint at = keyPointer_.x() < 0 ? QPoint(width() / 2, height() / 2) : keyPointer_ + move;
    at.setX(std::clamp(at.x(), 0, width() - 1));
    at.setY(std::clamp(at.y(), 0, height() - 1));
    ShowReadoutAt(at.x(), at.y());
    keyPointerShown_ = true;
    update();
}

// A ring around the keyboard pointer in the text's colour, one pixel wide.
void MainWindow::DrawKeyPointer(QPainter& painter) {
    if (!keyPointerShown_ || !hasFocus()) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const Rgb ink = ScreenInk();
    painter.setPen(QPen(QColor(ink.red, ink.green, ink.blue), 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(keyPointer_, PointerRingRadius, PointerRingRadius);
    painter.restore();
}
