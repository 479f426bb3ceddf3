// Start-up and shut-down of the main window: creation, the settings file or the first-start
// dialog, and the save prompt on every way of closing.
#include <sys/resource.h>

#include <QApplication>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <cmath>
#include <csignal>
#include <optional>
#include <string>
#include <vector>

#include "app_fixture.h"
#include "shell/commands.h"
#include "render/qt_surface.h"

namespace {

using StartupTest = AppTest;

// Answers the settings dialog as soon as it is open: types `degrees`, picks the hemisphere and
// presses OK, or presses Cancel when `degrees` is null.
void AnswerSettingsDialog(const char* degrees, int hemisphere) {
    QTimer::singleShot(0, [degrees, hemisphere] {
        auto* dialog = qobject_cast<SettingsDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        if (degrees == nullptr) return QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
        dialog->latitudeEdit()->setText(QString::fromLatin1(degrees));
        dialog->hemisphereBox()->setCurrentIndex(hemisphere);
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    });
}

TEST_F(StartupTest, CreationFixesTitleLayoutControlsPickerAndMetafileName) {
    WriteSettings("51.5\n");
    MainWindow& window = OpenWindow();
    EXPECT_EQ(window.windowTitle(),
              QStringLiteral("Velquorran0.2    (right click below for menu)"));
    EXPECT_FALSE(window.windowIcon().isNull());
    EXPECT_GT(ConstellationCount, 80);
    EXPECT_GT(DeepSkyCount, 100);
    EXPECT_TRUE(ShellObjects.drawingObjectsCreated);

    const int margin = ViewSettings.margin;
    const QFontMetrics metrics(window.font());
    EXPECT_EQ(ViewSettings.lineHeight,
              metrics.ascent() + metrics.descent() + std::max(0, metrics.leading()));
    EXPECT_EQ(ViewSettings.charWidth, metrics.averageCharWidth());
    EXPECT_EQ(ViewSettings.capsWidth, 3 * ViewSettings.charWidth / 2);  // a variable-pitch font
    EXPECT_EQ(ViewSettings.pickerTop, margin + ViewSettings.lineHeight);
    EXPECT_EQ(ViewSettings.pickerBottom,
              ViewSettings.pickerTop + ViewSettings.lineHeight + 2 * margin);
    EXPECT_EQ(ViewSettings.scrollTop, ViewSettings.pickerBottom + margin + ViewSettings.lineHeight);
    EXPECT_EQ(ViewSettings.scrollBottom, ViewSettings.scrollTop + 20);

    EXPECT_EQ(window.picker()->geometry().topLeft(), QPoint(margin, ViewSettings.pickerTop));
    EXPECT_EQ(window.picker()->height(), ViewSettings.pickerBottom - ViewSettings.pickerTop);
    EXPECT_TRUE(window.picker()->calendarPopup());
    EXPECT_LE(std::abs(window.picker()->dateTime().secsTo(QDateTime::currentDateTime())), 60);
    EXPECT_EQ(window.magnitudeScrollBar()->geometry(),
              QRect(margin, ViewSettings.scrollTop, margin + 150, 20));
    EXPECT_EQ(window.magnitudeScrollBar()->minimum(), 0);
    EXPECT_EQ(window.magnitudeScrollBar()->maximum(), 65);
    EXPECT_EQ(window.magnitudeScrollBar()->value(), 44);
    EXPECT_FALSE(window.magnitudeScrollBar()->hasTracking());
    EXPECT_STREQ(ViewSettings.metafileName, "StarMap.emf");
    EXPECT_EQ(ShellObjects.popupMenu, window.popupMenu());

    // The picker: 12-hour clock, minutes, AM/PM, weekday, month, day and year.
    window.picker()->setDateTime(QDateTime(QDate(2026, 12, 6), QTime(21, 5)));
    if (window.picker()->locale().language() == QLocale::C ||
        window.picker()->locale().language() == QLocale::English) {
        EXPECT_EQ(window.picker()->text(), QStringLiteral("9:05 PM Sun Dec 06, 2026"));
    }
    EXPECT_TRUE(window.picker()->text().startsWith(QStringLiteral("9:05 ")));
    const SystemTime time = window.PickerTime();
    EXPECT_EQ(time.year, 2026);
    EXPECT_EQ(time.month, 12);
    EXPECT_EQ(time.day, 6);
    EXPECT_EQ(time.dayOfWeek, 0);  // a Sunday
    EXPECT_EQ(time.hour, 21);
    EXPECT_EQ(time.minute, 5);
}

// The window refuses to be made smaller than its minimum, and at the minimum nothing covers the
// sky disc: no caption cell (the window's green) lies inside it, and the controls and the readout
// drawn over the chart leave every pixel inside it as the chart pass left it.
TEST_F(StartupTest, AtTheMinimumSizeNoControlCaptionOrReadoutCoversTheDisc) {
    WriteSettings("0");
    MainWindow& window = OpenWindow(QSize(10, 10));
    ASSERT_EQ(window.size(), window.minimumSize());
    QImage chart(window.size(), QImage::Format_RGB32);
    window.render(&chart, QPoint(), QRegion(), QWidget::DrawWindowBackground);  // no controls
    MovePointer(QPoint(window.width() - 1, 0));
    ASSERT_TRUE(window.readoutShown());
    const QImage shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);

    QImage probe(1, 1, QImage::Format_RGB32);
    QPainter painter(&probe);
    QtSurface surface(painter, window.font());
    const ChartLayout disc = ComputeChartLayout(surface, ChartScreen, window, ViewSettings.margin);
    ASSERT_GT(disc.radius, 50);
    int inside = 0;
    for (int y = 0; y < chart.height(); ++y)
        for (int x = 0; x < chart.width(); ++x) {
            const int dx = x - disc.centreX, dy = y - disc.centreY;
            if (dx * dx + dy * dy >= (disc.radius - 1) * (disc.radius - 1)) continue;
            ++inside;
            ASSERT_NE(chart.pixel(x, y), qRgb(0, 48, 0)) << x << "," << y;
            ASSERT_EQ(shown.pixel(x, y), chart.pixel(x, y)) << x << "," << y;
        }
    EXPECT_GT(inside, 3 * disc.radius * disc.radius);
}

// Every shipped constellation, in resource order, after the header and separator of its letter
// submenu, unchecked.
TEST_F(StartupTest, ConstellationsFillTheLetterSubmenusInResourceOrder) {
    WriteSettings("10");
    MainWindow& window = OpenWindow();
    int row = 0;
    for (QMenu* letterMenu : window.popupMenuTree().letterMenus) {
        const QList<QAction*> actions = letterMenu->actions();
        ASSERT_GT(actions.size(), 2);
        EXPECT_EQ(actions[0]->data().toInt(), CommandLetterHeader);
        for (qsizetype i = 2; i < actions.size(); ++i, ++row) {
            EXPECT_EQ(actions[i]->data().toInt(), ConstellationCommandBase + row);
            EXPECT_EQ(actions[i]->text(), QString::fromLatin1(ConstellationTable[row].name));
            EXPECT_TRUE(actions[i]->isCheckable() && !actions[i]->isChecked());
            EXPECT_EQ(ConstellationTable[row].submenu, letterMenu);
        }
    }
    EXPECT_EQ(row, ConstellationCount);
}

// From the settings file, or the first-start dialog before the window shows, to the save
// prompt at exit. A file that was read fixes startLatitude even when its value is ignored
// (silently); after the first-start dialog startLatitude stays 0.0, so a latitude other than 0
// (-0.0 is not) is offered for saving.
TEST_F(StartupTest, SettingsReadFirstStartDialogAndSavePrompt) {
    enum class Prompt { Unasked, Yes, No };
    struct Row {
        const char* name;
        std::optional<std::string> file;  // none: first start, the real dialog answers
        const char* degrees;              // typed into it; null: Cancel
        int hemisphere;                   // 0 "N", 1 "S"
        std::vector<double> changes;      // latitudes set later by the settings command
        double latitude;                  // at exit
        Prompt prompt;                    // the save prompt at exit and its answer
        const char* fileAtExit;           // null: no file
    };
    const std::string spaces(100000, ' ');
    const Row rows[] = {
        {"first start, cancel", {}, nullptr, 0, {}, 0.0, Prompt::Unasked, nullptr},
        {"first start, 0 S", {}, "0", 1, {}, -0.0, Prompt::Unasked, nullptr},
        {"first start, 30 N, Yes", {}, "30", 0, {}, 30.0, Prompt::Yes, "30.000000\n"},
        {"first start, 33 S, Yes", {}, "33", 1, {}, -33.0, Prompt::Yes, "-33.000000\n"},
        {"first start, 90 N, Yes", {}, "90", 0, {}, 89.9999, Prompt::Yes, "89.999900\n"},
        {"first start, 30 N, No", {}, "30", 0, {}, 30.0, Prompt::No, nullptr},
        {"file 90", "90", nullptr, 0, {}, 90.0, Prompt::Unasked, "90"},
        {"file 90.000000", "90.000000\n", nullptr, 0, {}, 90.0, Prompt::Unasked, "90.000000\n"},
        {"file -90.5", "-90.5", nullptr, 0, {}, 0.0, Prompt::Unasked, "-90.5"},
        {"file junk", "junk", nullptr, 0, {}, 0.0, Prompt::Unasked, "junk"},
        {"file empty", "", nullptr, 0, {}, 0.0, Prompt::Unasked, ""},
        {"file 1e308", "1e308", nullptr, 0, {}, 0.0, Prompt::Unasked, "1e308"},
        {"file 20 digits",
         "99999999999999999999",
         nullptr,
         0,
         {},
         0.0,
         Prompt::Unasked,
         "99999999999999999999"},
        {"file, far 45", spaces + "45x", nullptr, 0, {}, 45.0, Prompt::Unasked, nullptr},
        {"file 12.5, changed and back",
         "12.5",
         nullptr,
         0,
         {40.0, 12.5},
         12.5,
         Prompt::Unasked,
         "12.5"},
        {"file 12.5, changed", "12.5", nullptr, 0, {-20.0}, -20.0, Prompt::Yes, "-20.000000\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ResetViewSettings();
        CreateBackgroundBrush();
        QFile::remove(QStringLiteral("Settings.dat"));
        questions_.clear();
        dialogRuns_ = 0;
        dialogOwnerVisible_ = false;
        realDialog_ = !row.file;
        if (row.file) WriteSettings(QByteArray::fromStdString(*row.file));
        if (realDialog_) AnswerSettingsDialog(row.degrees, row.hemisphere);
        MainWindow& window = OpenWindow();
        EXPECT_EQ(dialogRuns_, row.file ? 0 : 1);
        EXPECT_FALSE(dialogOwnerVisible_);
        realDialog_ = false;
        for (double latitude : row.changes) {
            dialogAction_ = [latitude] { ViewSettings.latitude = latitude; };
            window.ExecuteCommand(CommandSettings);
        }
        answer_ = row.prompt == Prompt::Yes;
        window.close();
        EXPECT_EQ(ViewSettings.latitude, row.latitude);
        EXPECT_EQ(std::signbit(ViewSettings.latitude), std::signbit(row.latitude));
        const bool asked = row.prompt != Prompt::Unasked;
        ASSERT_EQ(questions_.size(), asked ? 1u : 0u);
        if (asked) {
            EXPECT_EQ(questions_[0].caption, "Save settings before exiting?");
            EXPECT_EQ(questions_[0].text, "Do you want to save your new settings before exiting?");
            EXPECT_EQ(questions_[0].owner, &window);
        }
        if (row.fileAtExit || !row.file) {
            EXPECT_EQ(ReadSettings(), row.fileAtExit ? QByteArray(row.fileAtExit) : "<missing>");
        }
        EXPECT_TRUE(messages_.empty());
    }
}

TEST_F(StartupTest, CloseBoxWindowManagerAndExitAllAskOnce) {
    for (int way = 0; way < 3; ++way) {
        questions_.clear();
        ResetViewSettings();
        CreateBackgroundBrush();
        WriteSettings("10");
        MainWindow& window = OpenWindow();
        ViewSettings.latitude = 20.0;
        if (way == 0) {
            window.close();
        } else if (way == 1) {
            window.windowHandle()->close();  // as the window manager closes it
        } else {
            window.ExecuteCommand(CommandExit);
        }
        EXPECT_FALSE(window.isVisible()) << way;
        EXPECT_EQ(questions_.size(), 1u) << way;
        EXPECT_FALSE(ShellObjects.drawingObjectsCreated) << way;
    }
}

// A process may not grow any file: the write fails as a full disc would fail it.
class NoFileGrowth {
  public:
    NoFileGrowth() {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit none = previous_;
        none.rlim_cur = 0;
        setrlimit(RLIMIT_FSIZE, &none);
    }
    ~NoFileGrowth() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }

  private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST_F(StartupTest, FailedWriteIsReportedAndKeepsTheOldFileIntact) {
    WriteSettings("12.000000\n");
    MainWindow& window = OpenWindow();
    ViewSettings.latitude = 30.0;
    answer_ = true;
    {
        NoFileGrowth noGrowth;
        window.close();
    }
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].caption, "Velquorran");
    EXPECT_EQ(messages_[0].text, "Sorry, I cannot write to Settings.dat");
    EXPECT_EQ(messages_[0].icon, MessageIcon::Error);
    EXPECT_EQ(ReadSettings(), QByteArray("12.000000\n"));
    EXPECT_EQ(QDir().entryList(QDir::Files), QStringList{QStringLiteral("Settings.dat")});
    EXPECT_FALSE(ShellObjects.drawingObjectsCreated);
}

}  // namespace
