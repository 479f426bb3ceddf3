// Start-up and shut-down of the main window: creation, the settings file or the first-start
// dialog, and the save prompt on every way of closing.
#include <sys/resource.h>

#include <QApplication>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <cmath>
#include <csignal>

#include "app_fixture.h"
#include "shell/commands.h"

namespace {

using StartupTest = AppTest;

// Fills the settings dialog as soon as it is open and presses OK.
void AnswerSettingsDialog(const QString& degrees, int hemisphere) {
    QTimer::singleShot(0, [degrees, hemisphere] {
        auto* dialog = qobject_cast<SettingsDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->latitudeEdit()->setText(degrees);
        dialog->hemisphereBox()->setCurrentIndex(hemisphere);
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    });
}

TEST_F(StartupTest, CreationFixesTitleLayoutControlsAndMetafileName) {
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
}

TEST_F(StartupTest, PickerShowsTwelveHourTimeWeekdayMonthDayAndYear) {
    WriteSettings("10");
    MainWindow& window = OpenWindow();
    window.picker()->setDateTime(QDateTime(QDate(2026, 12, 6), QTime(21, 5)));
    EXPECT_EQ(window.picker()->text(),
              QLocale().toString(QDateTime(QDate(2026, 12, 6), QTime(21, 5)),
                                 QStringLiteral("h:mm AP ddd MMM dd, yyyy")));
    EXPECT_TRUE(window.picker()->text().startsWith(QStringLiteral("9:05 ")));
    const SystemTime time = window.PickerTime();
    EXPECT_EQ(time.year, 2026);
    EXPECT_EQ(time.month, 12);
    EXPECT_EQ(time.day, 6);
    EXPECT_EQ(time.dayOfWeek, 0);  // a Sunday
    EXPECT_EQ(time.hour, 21);
    EXPECT_EQ(time.minute, 5);
}

TEST_F(StartupTest, ConstellationsFillTheLetterSubmenusAfterHeaderAndSeparator) {
    WriteSettings("10");
    MainWindow& window = OpenWindow();
    const char* labels[] = {"A - B", "C", "D - H", "I - M", "N - P", "R - S", "T - V"};
    int items = 0;
    for (int group = 0; group < 7; ++group) {
        QMenu* letterMenu = window.popupMenuTree().letterMenus[static_cast<std::size_t>(group)];
        ASSERT_NE(letterMenu, nullptr);
        const QList<QAction*> actions = letterMenu->actions();
        ASSERT_GT(actions.size(), 2);
        EXPECT_EQ(actions[0]->text(), QString::fromLatin1(labels[group]));
        EXPECT_EQ(actions[0]->data().toInt(), CommandLetterHeader);
        EXPECT_EQ(actions[0]->isEnabled(), group == 4);
        EXPECT_TRUE(actions[1]->isSeparator());
        for (qsizetype i = 2; i < actions.size(); ++i) {
            const int row = actions[i]->data().toInt() - ConstellationCommandBase;
            EXPECT_EQ(row, items) << "resource order";
            EXPECT_EQ(actions[i]->text(), QString::fromLatin1(ConstellationTable[row].name));
            EXPECT_TRUE(actions[i]->isCheckable());
            EXPECT_FALSE(actions[i]->isChecked());
            EXPECT_EQ(ConstellationTable[row].submenu, letterMenu);
            ++items;
        }
    }
    EXPECT_EQ(items, ConstellationCount);
    EXPECT_EQ(window.popupMenu()->actions()[0]->menu()->actions()[9]->text(),
              QStringLiteral("T -  V"));
}

TEST_F(StartupTest, FirstStartOpensTheSettingsDialogBeforeTheWindowShows) {
    MainWindow& window = OpenWindow();
    EXPECT_EQ(dialogRuns_, 1);
    EXPECT_FALSE(dialogOwnerVisible_);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(ViewSettings.latitude, 0.0);
    EXPECT_EQ(ViewSettings.startLatitude, 0.0);
}

TEST_F(StartupTest, FirstStartWithZeroSouthStoresNegativeZeroAndOffersNoSave) {
    SetSettingsDialogRunner({});  // the real dialog
    AnswerSettingsDialog(QStringLiteral("0"), 1);
    MainWindow& window = OpenWindow();
    EXPECT_EQ(ViewSettings.latitude, 0.0);
    EXPECT_TRUE(std::signbit(ViewSettings.latitude));
    window.close();
    EXPECT_TRUE(questions_.empty());
    EXPECT_EQ(ReadSettings(), QByteArray("<missing>"));
}

TEST_F(StartupTest, FirstStartWithThirtyNorthOffersTheSaveAndWritesIt) {
    SetSettingsDialogRunner({});
    AnswerSettingsDialog(QStringLiteral("30"), 0);
    MainWindow& window = OpenWindow();
    EXPECT_EQ(ViewSettings.latitude, 30.0);
    answer_ = true;
    window.close();
    ASSERT_EQ(questions_.size(), 1u);
    EXPECT_EQ(questions_[0].caption, "Save settings before exiting?");
    EXPECT_EQ(questions_[0].text, "Do you want to save your new settings before exiting?");
    EXPECT_EQ(questions_[0].owner, &window);
    EXPECT_EQ(ReadSettings(), QByteArray("30.000000\n"));
    EXPECT_FALSE(ShellObjects.drawingObjectsCreated);
    EXPECT_FALSE(ShellObjects.backgroundBrushCreated);
}

TEST_F(StartupTest, AnsweringNoLeavesNoFile) {
    dialogAction_ = [] { ViewSettings.latitude = -33.0; };
    MainWindow& window = OpenWindow();
    answer_ = false;
    window.close();
    EXPECT_EQ(questions_.size(), 1u);
    EXPECT_EQ(ReadSettings(), QByteArray("<missing>"));
}

TEST_F(StartupTest, FileHoldingNinetyGivesExactlyNinety) {
    WriteSettings("90");
    MainWindow& window = OpenWindow();
    EXPECT_EQ(dialogRuns_, 0);
    EXPECT_EQ(ViewSettings.latitude, 90.0);
    EXPECT_EQ(ViewSettings.startLatitude, 90.0);
    window.close();
    EXPECT_TRUE(questions_.empty());
}

TEST_F(StartupTest, UnusableFilesLeaveZeroSilentlyAndOfferNoSave) {
    const QByteArray contents[] = {
        "-90.5", "junk", "", "1e308", "99999999999999999999", QByteArray(100000, ' ') + "45x"};
    for (const QByteArray& content : contents) {
        ResetViewSettings();
        CreateBackgroundBrush();
        WriteSettings(content);
        MainWindow& window = OpenWindow();
        const double expected = content.endsWith("45x") ? 45.0 : 0.0;
        EXPECT_EQ(ViewSettings.latitude, expected) << content.left(20).toStdString();
        EXPECT_EQ(ViewSettings.startLatitude, expected);
        window.close();
        EXPECT_TRUE(questions_.empty()) << content.left(20).toStdString();
    }
    EXPECT_EQ(dialogRuns_, 0);
    EXPECT_TRUE(messages_.empty());
}

TEST_F(StartupTest, ChangedAndChangedBackOffersNoSave) {
    WriteSettings("12.5");
    MainWindow& window = OpenWindow();
    dialogAction_ = [] { ViewSettings.latitude = 40.0; };
    window.ExecuteCommand(CommandSettings);
    dialogAction_ = [] { ViewSettings.latitude = 12.5; };
    window.ExecuteCommand(CommandSettings);
    window.close();
    EXPECT_TRUE(questions_.empty());
    EXPECT_EQ(ReadSettings(), QByteArray("12.5"));
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
