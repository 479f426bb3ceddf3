// The main window: creation, painting, the readout, the scrollbar, the popup menu and shut-down.
#include "shell/main_window.h"

#include <QAbstractSlider>
#include <QCloseEvent>
#include <QDateTimeEdit>
#include <QFontInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "base/messages.h"
#include "catalog/loaders.h"
#include "catalog/sky_model.h"
#include "chart/chart_pass.h"
#include "chart/view_settings.h"
#include "render/language.h"
#include "render/qt_surface.h"
#include "render/settings_file.h"
#include "shell/about_dialog.h"
#include "shell/commands.h"
#include "shell/getting_started.h"
#include "shell/label_menu.h"
#include "shell/message_boxes.h"
#include "shell/place_dialog.h"
#include "shell/planisphere_command.h"
#include "shell/preferences.h"
#include "shell/print_export.h"
#include "shell/settings_dialog.h"
#include "shell/shell_objects.h"
#include "shell/sky_menu.h"
#include "shell/time_controls.h"

namespace {

// The picker's display format: 12-hour clock, minutes, AM/PM, weekday, month, day and year,
// as in "9:05 PM Sun Dec 06, 2026"; a translation gives its language's order.
//: A Qt date format (QDateTime::toString): h hour, mm minutes, AP AM/PM, ddd weekday, MMM month,
//: dd day, yyyy year. Keep it about 24 characters long.
const char* const PickerFormat = QT_TRANSLATE_NOOP("MainWindow", "h:mm AP ddd MMM dd, yyyy");
// Width of the magnitude scrollbar beyond the margin, and its height, in pixels.
inline constexpr int ScrollBarLength = 150;
inline constexpr int ScrollBarHeight = 20;
// The picker is 24 average characters wide.
inline constexpr int PickerWidthInCharacters = 24;

QColor ToQColor(Rgb colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

// The scroll code that an action of the scrollbar stands for. A drag of the thumb is the thumb
// tracking (SliderMove); its release is reported separately as the thumb position.
int ScrollCodeOfAction(int action) {
    switch (action) {
        case QAbstractSlider::SliderSingleStepSub:
            return SB_LINELEFT;
        case QAbstractSlider::SliderSingleStepAdd:
            return SB_LINERIGHT;
        case QAbstractSlider::SliderPageStepSub:
            return SB_PAGELEFT;
        case QAbstractSlider::SliderPageStepAdd:
            return SB_PAGERIGHT;
        case QAbstractSlider::SliderToMinimum:
            return SB_LEFT;
        case QAbstractSlider::SliderToMaximum:
            return SB_RIGHT;
        case QAbstractSlider::SliderMove:
            return SB_THUMBTRACK;
        default:
            return SB_ENDSCROLL;
    }
}

// The platform's default size for a new top-level window: three quarters of the screen.
QSize DefaultWindowSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return QSize(1024, 768);
    const QSize available = screen->availableGeometry().size();
    return QSize(available.width() * 3 / 4, available.height() * 3 / 4);
}

}  // namespace

// The creation steps in their fixed order; the window stays hidden, so a first start's settings
// dialog appears before the chart.
MainWindow::MainWindow() {
    setWindowTitle(tr(MainWindowTitle));
    QIcon icon;
    for (int side : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(RenderVelquorranIcon(QSize(side, side)));
    setWindowIcon(icon);
    setAttribute(Qt::WA_OpaquePaintEvent);  // every paint covers the whole window
    setMouseTracking(true);
    // The window itself takes the keyboard, not the picker, until the user clicks a control.
    setFocusPolicy(Qt::ClickFocus);
    setFocus();
    resize(DefaultWindowSize());

    LoadAllCatalogues();
    CreateDrawingObjects();
    MeasureWindowFont();
    CreatePicker();
    CreateScrollBar();
    setMinimumSize(MinimumChartSize());
    menu_ = BuildPopupMenu(this);
    ShellObjects.popupMenu = menu_.menu;
    FillLetterSubmenus(menu_);
    labels_ = ReadLabelChoice();
    AddLabelsMenu(menu_.menu, labels_, [this] { Repaint(); });
    sky_ = ReadSkyChoice();
    AddSkyMenu(menu_.menu, sky_);
    LoadPreferences();
    AddPreferenceItems(menu_.menu);
    AddGettingStartedItem(menu_.menu);
    ReadSettings();
    std::snprintf(ViewSettings.metafileName, MetafileNameSize, "%s", FirstMetafileName);
    ApplyDisplayPreferences();
    SetUpKeyboard();
    InstallPlaceAndTime();
}

// The place kept in the user's settings, the "Place..." item after "Settings..." and the "Time"
// submenu after it. With a place the picker opens on the present in its zone.
void MainWindow::InstallPlaceAndTime() {
    time_ = new TimeControls(
        picker_, [this] { return PickerZone(); }, this);
    QAction* settings = FindCommandAction(menu_.menu, CommandSettings);
    const QList<QAction*> actions = menu_.menu->actions();
    const qsizetype at = actions.indexOf(settings);
    QAction* before = at >= 0 && at + 1 < actions.size() ? actions[at + 1] : nullptr;
    auto* placeAction = new QAction(tr("Place..."), menu_.menu);
    placeAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+L")));
    connect(placeAction, &QAction::triggered, this, &MainWindow::RunPlaceCommand);
    menu_.menu->insertAction(before, placeAction);
    addAction(placeAction);
    menu_.menu->insertMenu(before, time_->BuildMenu(this));
    startPlace_ = LoadPlace(*OpenUserSettings());
    if (startPlace_) {
        SetPlace(startPlace_);
        time_->Now();
    }
}

std::optional<QTimeZone> MainWindow::PickerZone() const {
    if (!place_) return std::nullopt;
    return ZoneFromName(place_->zone).value_or(QTimeZone(0));
}

// The picker keeps its clock reading across a change of place; with a place it holds plain UTC
// fields, so that no reading is moved by the machine's own daylight-saving rules.
void MainWindow::SetPlace(const std::optional<Place>& place) {
    const QDateTime reading = picker_->dateTime();
    place_ = place;
    setMinimumSize(MinimumChartSize());
    picker_->setTimeSpec(place_ ? Qt::UTC : Qt::LocalTime);
    time_->ShowReading(reading);
    Repaint();
}

void MainWindow::RunPlaceCommand() {
    const std::optional<PlaceChoice> choice = PlaceDialogs()(this, ViewSettings.latitude, place_);
    if (!choice) return;
    ViewSettings.latitude = choice->latitude;
    SetPlace(choice->place);
}

ChartView MainWindow::WindowView() const {
    ChartView view = ViewFromSettings();
    view.labels = labels_;
    view.sky = sky_;
    if (place_) ApplyPlace(view, *place_);
    return view;
}

// The letter submenus go with the window: no constellation may keep pointing at them.
MainWindow::~MainWindow() {
    for (Constellation& constellation : ConstellationTable) {
        for (QMenu* letterMenu : menu_.letterMenus)
            if (constellation.submenu == letterMenu) constellation.submenu = nullptr;
    }
    if (ShellObjects.popupMenu == menu_.menu) ShellObjects.popupMenu = nullptr;
    if (ShellObjects.pickerWindow == picker_) ShellObjects.pickerWindow = nullptr;
    if (ShellObjects.scrollWindow == scrollBar_) ShellObjects.scrollWindow = nullptr;
}

// The window font, measured as the chart pass measures it on the screen: line height = height +
// external leading; capsWidth = 3/2 of the average character width for a variable-pitch font,
// one width for a fixed-pitch one (integer arithmetic). The font is fixed at its size in pixels
// on this screen, so that every surface the chart is drawn on (the kept image, a metafile of
// the screen's size) measures exactly these metrics.
void MainWindow::MeasureWindowFont() {
    QFont windowFont = font();
    windowFont.setPixelSize(QFontInfo(font()).pixelSize());
    setFont(windowFont);
    QImage probe(1, 1, QImage::Format_RGB32);
    QPainter painter(&probe);
    QtSurface surface(painter, font());
    const TextMetrics metrics = surface.GetTextMetrics();
    ViewSettings.lineHeight = metrics.height + metrics.externalLeading;
    ViewSettings.charWidth = metrics.aveCharWidth;
    ViewSettings.capsWidth =
        ((metrics.pitchAndFamily & TMPF_FIXED_PITCH) ? 3 : 2) * ViewSettings.charWidth / 2;
}

// The date-time picker at the current date and time, one line plus margins high, directly
// under the chart's "Date" caption line. Every change of its date or time asks for a new pass.
void MainWindow::CreatePicker() {
    const int margin = ViewSettings.margin;
    ViewSettings.pickerTop = margin + ViewSettings.lineHeight;
    ViewSettings.pickerBottom = ViewSettings.pickerTop + ViewSettings.lineHeight + 2 * margin;
    picker_ = new QDateTimeEdit(QDateTime::currentDateTime(), this);
    picker_->setObjectName(QStringLiteral("DateTime"));
    picker_->setCalendarPopup(true);
    picker_->setDisplayFormat(tr(PickerFormat));
    // 24 average characters hold the platform's picker; Qt's drop-down button and frame need
    // more, so the picker widens to show its whole text.
    const int width =
        std::max(PickerWidthInCharacters * ViewSettings.charWidth, picker_->sizeHint().width());
    picker_->setGeometry(margin, ViewSettings.pickerTop, width,
                         ViewSettings.pickerBottom - ViewSettings.pickerTop);
    ShellObjects.pickerWindow = picker_;
    connect(picker_, &QDateTimeEdit::dateTimeChanged, this, [this] { Repaint(); });
}

// The magnitude scrollbar: range 0-65, one unit per 0.1 magnitude, at dimmestMagnitude x 10.
// With tracking off the chart follows a dragged thumb only when it is released. The wheel and
// the scrollbar's own context menu would move it without a scroll code, so both are off.
void MainWindow::CreateScrollBar() {
    const int margin = ViewSettings.margin;
    ViewSettings.scrollTop = ViewSettings.pickerBottom + margin + ViewSettings.lineHeight;
    ViewSettings.scrollBottom = ViewSettings.scrollTop + ScrollBarHeight;
    scrollBar_ = new QScrollBar(Qt::Horizontal, this);
    scrollBar_->setRange(MagnitudeScrollMinimum, MagnitudeScrollMaximum);
    scrollBar_->setSingleStep(1);
    scrollBar_->setPageStep(10);
    scrollBar_->setValue(MagnitudeScrollPosition(ViewSettings.dimmestMagnitude));
    scrollBar_->setTracking(false);
    scrollBar_->setContextMenuPolicy(Qt::PreventContextMenu);
    scrollBar_->installEventFilter(this);
    scrollBar_->setGeometry(margin, ViewSettings.scrollTop, margin + ScrollBarLength,
                            ViewSettings.scrollBottom - ViewSettings.scrollTop);
    ShellObjects.scrollWindow = scrollBar_;
    connect(scrollBar_, &QAbstractSlider::actionTriggered, this, [this](int action) {
        Scroll(ScrollCodeOfAction(action), scrollBar_->sliderPosition());
    });
    connect(scrollBar_, &QAbstractSlider::sliderMoved, this,
            [this](int position) { Scroll(SB_THUMBTRACK, position); });
    connect(scrollBar_, &QAbstractSlider::sliderReleased, this,
            [this] { Scroll(SB_THUMBPOSITION, scrollBar_->sliderPosition()); });
}

// The smallest client size at which nothing drawn over the chart covers its disc: as wide as the
// widest control or caption at the left, and as high as the disc of that width needs to fit
// between the date and magnitude controls above and the readout below. The boxes are those the
// controls were given, the pass's caption cells (its text, bottom on its line) and the readout's
// caption and box from the window-size layout; the disc is the pass's layout for the size.
QSize MainWindow::MinimumChartSize() {
    const int margin = ViewSettings.margin;
    QImage probe(1, 1, QImage::Format_RGB32);
    QPainter painter(&probe);
    QtSurface surface(painter, font());
    const TextMetrics text = surface.GetTextMetrics();
    const QFontMetrics metrics(font());
    auto caption = [&](const QString& words, int bottom) {
        return QRect(margin, bottom - text.height, metrics.horizontalAdvance(words), text.height);
    };
    auto layoutFor = [&](int width, int height) {
        return ComputeChartLayout(surface, ChartScreen, FixedChartWindow(width, height, {}),
                                  margin);
    };
    const ChartLayout captions = layoutFor(1, 1);
    // Digits share one advance, so any magnitude gives the caption's width.
    QRect top = caption(FromCoreText(DateCaptionText()), captions.dateLabelY) |
                picker_->geometry() |
                caption(FromCoreText(MagnitudeCaptionText(0.0)), captions.magnitudeTextY) |
                scrollBar_->geometry();
    auto meetsDisc = [](const QRect& box, const ChartLayout& disc) {
        const double x = std::clamp(disc.centreX, box.left(), box.right() + 1) - disc.centreX;
        const double y = std::clamp(disc.centreY, box.top(), box.bottom() + 1) - disc.centreY;
        return x * x + y * y <= double(disc.radius + 1) * (disc.radius + 1);
    };
    // The compass labels stand outside the rim; each is given the widest label's cell, so that
    // any orientation is covered.
    int labelWidth = 0;
    for (const CompassPoint& compass : CompassPoints)
        labelWidth =
            std::max(labelWidth, metrics.horizontalAdvance(FromCoreText(CompassLabel(compass))));
    auto meetsLabels = [&](const QRect& box, const ChartLayout& disc) {
        for (const CompassPoint& compass : CompassPoints) {
            const Point p = ProjectToChart(0.0, compass.azimuth, disc.centreX, disc.centreY,
                                           disc.radius, 180.0);
            const unsigned align = CompassAlignment(p, disc.centreX, disc.centreY);
            const QRect label((align & TA_RIGHT) ? p.x - labelWidth : p.x,
                              (align & TA_BOTTOM) ? p.y - text.height : p.y, labelWidth,
                              text.height);
            if (label.intersects(box)) return true;
        }
        return false;
    };
    UpdateWindowSizeLayout(1, 1);
    // With a place, its lines follow below the scrollbar as the pass draws them, the zone's
    // offset taken at its widest ("UTC-9:30").
    Observer widestOffset;
    widestOffset.utcOffsetSeconds = -(9 * 3600 + 30 * 60);
    int lineBottom = std::max(captions.magnitudeTextY, ViewSettings.scrollBottom);
    for (const std::string& line : PlaceCaptionLines(WindowView(), widestOffset)) {
        lineBottom += margin + captions.lineHeight;
        top |= caption(FromCoreText(line), lineBottom);
    }
    const int width = std::max(top.right() + 1, ViewSettings.readoutRight) + margin;
    QSize minimum(width, 0xFFFF);
    for (int height = 1; height < 0xFFFF; ++height) {
        UpdateWindowSizeLayout(static_cast<unsigned>(width), static_cast<unsigned>(height));
        const QRect readout =
            caption(tr("Cursor is on:"), ViewSettings.readoutTop - margin) |
            QRect(QPoint(margin, ViewSettings.readoutTop),
                  QPoint(ViewSettings.readoutRight - 1, ViewSettings.readoutBottom - 1));
        const ChartLayout disc = layoutFor(width, height);
        if (disc.radius > 0 && readout.top() > top.bottom() && !meetsDisc(top, disc) &&
            !meetsDisc(readout, disc) && !meetsLabels(top, disc) && !meetsLabels(readout, disc)) {
            minimum.setHeight(height);
            break;
        }
    }
    UpdateWindowSizeLayout(static_cast<unsigned>(this->width()),
                           static_cast<unsigned>(this->height()));
    return minimum;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scrollBar_ && event->type() == QEvent::Wheel) return true;
    if (FilterControlKeys(watched, event)) return true;
    return QWidget::eventFilter(watched, event);
}

// The settings file, or the settings dialog on a first start. A file that was read fixes
// startLatitude even when its value was not taken; after the dialog startLatitude stays 0.0, so
// a latitude chosen now is offered for saving at exit.
void MainWindow::ReadSettings() {
    const SettingsReadResult settings = ReadSettingsFile(SettingsFileName);
    if (settings.opened) {
        if (settings.latitude) ViewSettings.latitude = *settings.latitude;
        ViewSettings.startLatitude = ViewSettings.latitude;
    } else {
        RunSettingsDialog(this);
    }
}

int MainWindow::ClientWidth() const {
    return width();
}
int MainWindow::ClientHeight() const {
    return height();
}

// The picker's date and time in the fields of the platform's SYSTEMTIME (day of week 0 for
// Sunday).
SystemTime MainWindow::PickerTime() const {
    return ToSystemTime(picker_->dateTime());
}

// The readout keeps its box and last text over the new chart.
void MainWindow::Repaint() {
    chartValid_ = false;
    update();
}

// A resize gives a new readout box and, as the whole window is redrawn on every size change,
// a new chart. Qt also repeats the resize event of a hidden window each time it is rendered
// (grab()), without an old size; the size has not changed then, and the kept chart stays.
void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    UpdateWindowSizeLayout(static_cast<unsigned>(width()), static_cast<unsigned>(height()));
    if (size() != layoutSize_) {
        layoutSize_ = size();
        Repaint();
    }
}

// One chart pass for the screen into the kept image, on the background colour as the window
// class would erase it. The image has the screen's pixel density; the pass works in logical
// pixels, the unit of the pointer's positions.
void MainWindow::RunChartPass() {
    const qreal ratio = devicePixelRatioF();
    chart_ =
        QImage(QSize(std::max(1, qRound(width() * ratio)), std::max(1, qRound(height() * ratio))),
               QImage::Format_RGB32);
    chart_.setDevicePixelRatio(ratio);
    chart_.fill(ToQColor(ScreenPaper()));
    {
        QPainter painter(&chart_);
        // DrawChart's pass, keeping what it placed for the pointer and the found object's mark.
        lastPass_ = DrawChartForScreen(painter);
        UpdateFound(painter);
    }
    chartValid_ = true;
    ++chartPassCount_;
}

void MainWindow::paintEvent(QPaintEvent*) {
    const bool newPass = !chartValid_ || chart_.deviceIndependentSize().toSize() != size();
    if (newPass) RunChartPass();
    QPainter painter(this);
    painter.drawImage(0, 0, chart_);
    if (readoutShown_) DrawReadout(painter);
    DrawKeyPointer(painter);
    painter.end();
    if (newPass) emit chartPainted();
}

// The readout box with "Cursor is on:" above it and the hit's label inside, white on the
// window's background (red on black at night), drawn over the kept chart.
void MainWindow::DrawReadout(QPainter& painter) {
    const int margin = ViewSettings.margin;
    QtSurface surface(painter, font());
    const bool night = display_.night;
    surface.SelectPen(night ? Pen{NightInkColour, 1} : StockPen(WHITE_PEN));
    surface.SelectBrush(night ? Brush{NightBackgroundColour} : ShellObjects.backgroundBrush);
    surface.SetTextColor(ScreenInk());
    surface.SetBkColor(ScreenPaper());
    const std::vector<std::string> lines = ReadoutLines();
    const int lineHeight = ViewSettings.lineHeight;
    const int top = ViewSettings.readoutTop - static_cast<int>(lines.size() - 1) * lineHeight;
    int right = ViewSettings.readoutRight;
    if (lines.size() > 1) {
        const QFontMetrics metrics(font());
        for (const std::string& line : lines)
            right = std::max(right, 3 * margin + metrics.horizontalAdvance(QString::fromLatin1(
                                                     line.data(), qsizetype(line.size()))));
    }
    surface.Rectangle(margin, top, right, ViewSettings.readoutBottom);
    surface.SetTextAlign(TA_BOTTOM | TA_LEFT);
    surface.TextOut(margin, top - margin, ToCoreText(tr("Cursor is on:")));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        const int bottom = ViewSettings.readoutBottom - margin -
                           static_cast<int>(lines.size() - 1 - i) * lineHeight;
        surface.TextOut(2 * margin, bottom, lines[i]);
    }
}

// The readout's lines: the label of the object under the pointer on one line, as it always was
// (a long label runs past the box); the found object's description, longer than any label, one
// clause a line ("Betelgeuse: altitude 24.5..., azimuth ...", "sets ...", "rises ...") in a box
// grown upward and widened to hold it.
std::vector<std::string> MainWindow::ReadoutLines() const {
    if (!found_ || readoutText_ != foundText_) return {readoutText_};
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at; (at = readoutText_.find("; ", start)) != std::string::npos; start = at + 2)
        lines.push_back(readoutText_.substr(start, at - start));
    lines.push_back(readoutText_.substr(start));
    return lines;
}

// The band at the bottom of the window that the readout can cover: from the caption's line to
// the bottom edge, across the whole width, as a label may run past the box; with room above for
// the three more lines of a found object's description.
QRect MainWindow::ReadoutArea() const {
    const int top = ViewSettings.readoutTop - ViewSettings.margin - 4 * ViewSettings.lineHeight - 2;
    return QRect(0, top, width(), height() - top);
}

// Every pointer move over the client area names the object under it: the latest hot spot of the
// last pass that holds the pointer. Only the readout is redrawn; the chart is not recomputed.
// Moves outside the client area (while a button holds the pointer) are not the window's.
void MainWindow::mouseMoveEvent(QMouseEvent* event) {
    const QPointF position = event->position();
    const int x = static_cast<int>(std::floor(position.x()));
    const int y = static_cast<int>(std::floor(position.y()));
    if (!rect().contains(x, y)) return;
    ShowReadoutAt(x, y);
}

// The readout for a pointer at (x, y) in client pixels, from the mouse or the keyboard pointer.
void MainWindow::ShowReadoutAt(int x, int y) {
    if (keyPointerShown_) update();  // the keyboard pointer's ring goes until a key moves it
    keyPointerShown_ = false;
    keyPointer_ = QPoint(x, y);
    const int hit = FindHotSpot(x, y);
    readoutText_ = hit >= 0 ? std::string(HotSpotTable[hit].text,
                                          strnlen(HotSpotTable[hit].text, HotSpotTextSize))
                            : PointerFallbackText(x, y);
    readoutShown_ = true;
    setAccessibleName(tr("Star chart, cursor is on: %1").arg(FromCoreText(readoutText_)));
    update(ReadoutArea());
}

// The right button opens the popup menu with its top left corner at the pointer and carries out
// the chosen command once the menu has closed; the left button does nothing.
void MainWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton) return;
    RunPopupMenu(event->globalPosition().toPoint());
}

void MainWindow::RunPopupMenu(QPoint globalPosition) {
    const QAction* chosen = menu_.menu->exec(globalPosition);
    ExecuteCommand(chosen != nullptr ? chosen->data().toInt() : CommandDismissed);
}

void MainWindow::Scroll(int code, int thumbPosition) {
    const ScrollOutcome outcome = ApplyScrollCode(code, thumbPosition);
    if (!outcome.changed) return;
    scrollBar_->setSliderPosition(outcome.position);
    NameMagnitudeScrollBar();
    Repaint();
}

void MainWindow::ExecuteCommand(int command) {
    emit commandStarted(command);
    if (command == CommandMakePlanisphere) {
        RunPlanisphereCommand(this, *this, WindowView());
        return;
    }
    if (command == CommandGettingStarted) {
        RunGettingStarted(this);
        Repaint();  // the page's pictures were chart passes of their own
        return;
    }
    if (ApplyPreferenceCommand(menu_.menu, command) || ApplySkyCommand(menu_.menu, sky_, command)) {
        Repaint();
        return;
    }
    const CommandOutcome outcome = DispatchCommand(command);
    switch (outcome.action) {
        case CommandAction::None:
            return;
        case CommandAction::Repaint:
            Repaint();
            return;
        case CommandAction::ToggleConstellation:
            UpdateConstellationCheck(outcome.row);
            Repaint();
            return;
        case CommandAction::SetAllConstellationMarks:
            for (int row = 0; row < ConstellationCount; ++row) UpdateConstellationCheck(row);
            Repaint();
            return;
        case CommandAction::Settings:
            RunSettingsDialog(this);
            Repaint();
            return;
        case CommandAction::About:
            RunAboutDialog(this);
            return;
        case CommandAction::Export:
            if (RunExportCommand(this, *this, WindowView())) Repaint();
            return;
        case CommandAction::Print:
            if (RunPrintCommand(this, *this, WindowView())) Repaint();
            return;
        case CommandAction::Exit:
            close();
            return;
        case CommandAction::Find:
            RunFindCommand();
            return;
        case CommandAction::GoToRising:
        case CommandAction::GoToTransit:
            GoToFoundEvent(outcome.action == CommandAction::GoToTransit);
            return;
        case CommandAction::NightMode:
            SetDisplayPreferences({!display_.night, display_.smooth});
            return;
        case CommandAction::SmoothDrawing:
            SetDisplayPreferences({display_.night, !display_.smooth});
            return;
        case CommandAction::Tonight:
            ShowTonightPanel();
            return;
    }
}

// Closing by the close box, the window manager or "Exit" all arrive here. A latitude that
// differs from the one read at start-up is offered for saving; a failed write is reported and
// shut-down goes on. The drawing objects are released once.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (!shutDown_) ShutDown();
    event->accept();
}

// The place (longitude, zone, name) is offered with the latitude and kept in the user's settings.
void MainWindow::ShutDown() {
    const bool latitudeChanged = ViewSettings.latitude != ViewSettings.startLatitude;
    const bool placeChanged = place_ != startPlace_;
    if ((latitudeChanged || placeChanged) &&
        AskYesNo(this, tr(SavePromptCaption).toStdString(), tr(SavePromptText).toStdString())) {
        if (latitudeChanged && !WriteSettingsFile(ViewSettings.latitude, SettingsFileName))
            ShowMessage(
                {ProductName, tr(CannotWriteSettingsMessage).toStdString(), MessageIcon::Error});
        if (placeChanged) SavePlace(*OpenUserSettings(), place_);
    }
    ReleaseDrawingObjects();
    shutDown_ = true;
}
