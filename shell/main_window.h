// The main window: the date-time picker and the magnitude scrollbar at the top left, the chart
// in the rest of the client area, the "Cursor is on:" readout at the bottom left, and every
// command on a popup menu under the right mouse button.
//
// The widget translates Qt events into the shell's plain functions and paints with DrawChart.
// The last painted chart is kept as an image, so that the readout, which follows every pointer
// move, is drawn over it without a new chart pass.
#pragma once

#include <QImage>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "chart/layout.h"
#include "chart/pass_values.h"
#include "chart/rise_set.h"
#include "render/place.h"
#include "shell/night_mode.h"
#include "shell/popup_menu.h"

class QDateTimeEdit;
class QScrollBar;
class TimeControls;
class TonightPanel;

// The window's texts in English; the window shows them through MainWindow::tr().
inline constexpr const char* MainWindowTitle =
    QT_TRANSLATE_NOOP("MainWindow", "Velquorran0.2    (right click below for menu)");
inline constexpr const char* CannotStartMessage =
    QT_TRANSLATE_NOOP("MainWindow", "Sorry, I cannot get started!");
inline constexpr const char* SavePromptCaption =
    QT_TRANSLATE_NOOP("MainWindow", "Save settings before exiting?");
inline constexpr const char* SavePromptText =
    QT_TRANSLATE_NOOP("MainWindow", "Do you want to save your new settings before exiting?");
inline constexpr const char* CannotWriteSettingsMessage =
    QT_TRANSLATE_NOOP("MainWindow", "Sorry, I cannot write to Settings.dat");

class MainWindow : public QWidget, public ChartWindow {
    Q_OBJECT
  public:
    // Window creation: loads the catalogues, creates the drawing objects, measures the window
    // font, creates the picker, the scrollbar and the popup menu, and reads the settings file or
    // runs the settings dialog. The window is not shown.
    MainWindow();
    ~MainWindow() override;

    int ClientWidth() const override;
    int ClientHeight() const override;
    SystemTime PickerTime() const override;
    ChartLabels LabelChoice() const override { return labels_; }

    // Carries out one popup menu command (0: the dismissed menu).
    void ExecuteCommand(int command);
    // Applies one scroll code of the magnitude scrollbar.
    void Scroll(int code, int thumbPosition);
    // Asks for a new chart pass at the next paint; the readout goes with the old picture.
    void Repaint();

    QDateTimeEdit* picker() const { return picker_; }
    QScrollBar* magnitudeScrollBar() const { return scrollBar_; }
    QMenu* popupMenu() const { return menu_.menu; }
    const PopupMenuTree& popupMenuTree() const { return menu_; }

    // Test and timing support: chart passes run by this window, whether a new pass is pending,
    // and the label the readout shows (empty without a hit).
    int chartPassCount() const { return chartPassCount_; }
    bool chartPending() const { return !chartValid_; }
    bool readoutShown() const { return readoutShown_; }
    const std::string& readoutText() const { return readoutText_; }
    // The object Find chose (none yet) and what the readout says of it.
    const std::optional<FoundObject>& foundObject() const { return found_; }
    const std::string& foundText() const { return foundText_; }

    // The place beyond the latitude and the time commands. Without a place the picker shows the
    // machine's local clock, taken as Greenwich time on the observer's meridian; with one it
    // shows the place's civil time (UT when it has no zone).
    const std::optional<Place>& place() const { return place_; }
    void SetPlace(const std::optional<Place>& place);
    void RunPlaceCommand();
    ChartView WindowView() const;
    TimeControls* timeControls() const { return time_; }

  signals:
    // After every chart pass painted on the window.
    void chartPainted();
    // Before each command is carried out, whether from the menu or a key.
    void commandStarted(int command);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void MeasureWindowFont();
    void CreatePicker();
    void CreateScrollBar();
    void ReadSettings();
    void RunChartPass();
    void DrawReadout(QPainter& painter);
    QRect ReadoutArea() const;
    QSize MinimumChartSize();
    void ShutDown();
    // Finding objects (main_window_find.cpp).
    void RunFindCommand();
    void GoToFoundEvent(bool transit);
    void UpdateFound(QPainter& painter);
    std::string PointerFallbackText(int x, int y) const;

    QDateTimeEdit* picker_ = nullptr;
    QScrollBar* scrollBar_ = nullptr;
    PopupMenuTree menu_;

    QSize layoutSize_;  // the client size of the last size change
    QImage chart_;
    bool chartValid_ = false;
    int chartPassCount_ = 0;
    bool readoutShown_ = true;  // from the first paint: the box, empty until a pointer moves
    std::string readoutText_;
    bool shutDown_ = false;
    ChartPassResult lastPass_;  // of the last screen pass
    std::unique_ptr<ObjectIndex> index_;
    std::optional<FoundObject> found_;
    RiseTransitSet foundTimes_;
    std::string foundText_;
    ChartLabels labels_;  // the Labels submenu's choice, remembered between runs
    SkyLayers sky_;       // the Sky submenu's choice, remembered between runs

    // Beside the original window: the keyboard (main_window_keys.cpp) and the night look and
    // smooth drawing (main_window_looks.cpp).
  public:
    // Opens the popup menu with its top left corner at the centre of the chart, as the Menu key
    // and Shift+F10 do, and carries out the chosen command.
    void OpenPopupMenuAtCentre();
    // The keyboard pointer: where it stands, and whether the ring is shown.
    QPoint keyPointer() const { return keyPointer_; }
    bool keyPointerShown() const { return keyPointerShown_; }
    const DisplayPreferences& displayPreferences() const { return display_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void SetUpKeyboard();
    bool FilterControlKeys(QObject* watched, QEvent* event);
    void RunPopupMenu(QPoint globalPosition);
    void ShowReadoutAt(int x, int y);
    std::vector<std::string> ReadoutLines() const;
    void DrawKeyPointer(QPainter& painter);
    void NameMagnitudeScrollBar();
    void ApplyDisplayPreferences();
    void SetDisplayPreferences(const DisplayPreferences& display);
    ChartPassResult DrawChartForScreen(QPainter& painter);
    Rgb ScreenInk() const;
    Rgb ScreenPaper() const;

    QPoint keyPointer_{-1, -1};  // none until the mouse or a key places it
    bool keyPointerShown_ = false;
    DisplayPreferences display_;
    void InstallPlaceAndTime();
    std::optional<QTimeZone> PickerZone() const;
    std::optional<Place> place_;
    std::optional<Place> startPlace_;  // as read at start-up; compared at shut-down
    TimeControls* time_ = nullptr;

    // The Tonight panel (main_window_find.cpp): opened by its command, beside the window.
  public:
    void ShowTonightPanel();
    TonightPanel* tonightPanel() const { return tonight_; }
    // Sets the picker to `at` and, given an object, finds it as Find does (ring and readout).
    void ShowFoundAt(const std::optional<FoundObject>& object, const SystemTime& at);

  private:
    void SetPickerClock(const SystemTime& at);
    TonightPanel* tonight_ = nullptr;
};
