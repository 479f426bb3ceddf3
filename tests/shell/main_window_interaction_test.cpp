// The main window driven as a user drives it: the pointer readout, the magnitude scrollbar and
// the popup menu with every command.
#include <QApplication>
#include <QDateTimeEdit>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <cstring>

#include "app_fixture.h"
#include "chart/chart_pass.h"
#include "shell/about_dialog.h"
#include "shell/commands.h"
#include "shell/print_export.h"

namespace {

class InteractionTest : public AppTest {
  protected:
    void SetUp() override {
        AppTest::SetUp();
        WriteSettings("0");
        OpenWindow();
        PaintNow();
        passes_ = window_->chartPassCount();
        ASSERT_FALSE(window_->chartPending());
    }

    QImage Grab() { return window_->grab().toImage(); }

    // Whether the window asked for a new chart, and a paint then runs exactly one more pass.
    bool RepaintRequested() {
        const bool pending = window_->chartPending();
        PaintNow();
        const bool onePass = window_->chartPassCount() == passes_ + (pending ? 1 : 0);
        passes_ = window_->chartPassCount();
        return pending && onePass;
    }

    int passes_ = 0;
};

QRgb Colour(int red, int green, int blue) {
    return qRgb(red, green, blue);
}

using ReadoutTest = InteractionTest;

TEST_F(ReadoutTest, PointerOverSiriusNamesIt) {
    window_->picker()->setDateTime(QDateTime(QDate(2024, 1, 15), QTime(0, 0)));
    ASSERT_TRUE(RepaintRequested());
    int sirius = -1;
    for (int i = 0; i < HotSpotCount; ++i)
        if (std::strstr(HotSpotTable[i].text, "Sirius") != nullptr) sirius = i;
    ASSERT_GE(sirius, 0) << "Sirius is above the horizon at 0h on 15 January from the equator";
    MovePointer(QPoint(HotSpotTable[sirius].x, HotSpotTable[sirius].y));
    EXPECT_TRUE(window_->readoutShown());
    EXPECT_NE(window_->readoutText().find("Sirius"), std::string::npos) << window_->readoutText();
}

TEST_F(ReadoutTest, PointerOverNothingShowsTheEmptyBoxUnderItsCaption) {
    const int margin = ViewSettings.margin;
    MovePointer(QPoint(window_->width() - 2, 2));
    EXPECT_TRUE(window_->readoutShown());
    EXPECT_EQ(window_->readoutText(), "");
    const QImage image = Grab();
    EXPECT_EQ(image.pixel(margin, ViewSettings.readoutTop), Colour(255, 255, 255));
    EXPECT_EQ(image.pixel(ViewSettings.readoutRight - 1, ViewSettings.readoutBottom - 1),
              Colour(255, 255, 255));
    for (int x = margin + 1; x < ViewSettings.readoutRight - 1; ++x)
        ASSERT_EQ(image.pixel(x, (ViewSettings.readoutTop + ViewSettings.readoutBottom) / 2),
                  Colour(0, 48, 0));
    int captionPixels = 0;
    for (int y = ViewSettings.readoutTop - margin - ViewSettings.lineHeight;
         y < ViewSettings.readoutTop - margin; ++y)
        for (int x = margin; x < margin + 12 * ViewSettings.charWidth; ++x)
            captionPixels += image.pixel(x, y) != Colour(0, 48, 0);
    EXPECT_GT(captionPixels, 20) << "\"Cursor is on:\" above the box";
}

TEST_F(ReadoutTest, LaterHotSpotWinsAndTheEdgeCountsAsInside) {
    HotSpotCount = 2;
    HotSpotTable[0] = HotSpot{100, 100, 10, "first"};
    HotSpotTable[1] = HotSpot{105, 100, 10, "second"};
    MovePointer(QPoint(103, 100));
    EXPECT_EQ(window_->readoutText(), "second");
    MovePointer(QPoint(90, 100));  // on the first circle's edge, outside the second
    EXPECT_EQ(window_->readoutText(), "first");
    MovePointer(QPoint(89, 100));
    EXPECT_EQ(window_->readoutText(), "");
}

TEST_F(ReadoutTest, PointerMovesNeverRunAChartPassAndARepaintClearsTheReadout) {
    for (int x = 10; x < 790; x += 13) MovePointer(QPoint(x, 300));
    QCoreApplication::processEvents();
    Grab();
    EXPECT_EQ(window_->chartPassCount(), passes_);
    EXPECT_TRUE(window_->readoutShown());
    const QImage withReadout = Grab();
    EXPECT_EQ(withReadout.pixel(ViewSettings.margin, ViewSettings.readoutTop),
              Colour(255, 255, 255));

    window_->ExecuteCommand(CommandSouth);
    EXPECT_FALSE(window_->readoutShown());
    EXPECT_TRUE(RepaintRequested());
    EXPECT_EQ(Grab().pixel(ViewSettings.margin, ViewSettings.readoutTop), Colour(0, 48, 0));
}

TEST_F(ReadoutTest, ResizingMovesTheReadoutBoxAndRedrawsTheChart) {
    MovePointer(QPoint(5, 5));
    window_->resize(700, 500);
    const int margin = ViewSettings.margin;
    EXPECT_EQ(ViewSettings.clientWidth, 700);
    EXPECT_EQ(ViewSettings.clientHeight, 500);
    EXPECT_EQ(ViewSettings.readoutTop, 500 - 3 * margin - ViewSettings.lineHeight);
    EXPECT_EQ(ViewSettings.readoutBottom, 500 - margin);
    EXPECT_EQ(ViewSettings.readoutRight, 3 * margin + 25 * ViewSettings.capsWidth);
    EXPECT_FALSE(window_->readoutShown());
    EXPECT_TRUE(RepaintRequested());
    EXPECT_EQ(Grab().size(), QSize(700, 500));
}

using ScrollBarTest = InteractionTest;

// Each action of the bar is its scroll code on dimmestMagnitude, and the bar then stands at the
// magnitude's position: after 27 line steps that is 16, one below where the bar's own
// arithmetic would put it.
TEST_F(ScrollBarTest, ActionsStepTheMagnitudeSetThePositionAndRepaint) {
    struct Row {
        QAbstractSlider::SliderAction action;
        int repeats;
        double magnitude;
        int value;
    };
    const Row rows[] = {
        {QAbstractSlider::SliderSingleStepSub, 1, 4.3, 43},
        {QAbstractSlider::SliderSingleStepSub, 27, 1.7, 16},
        {QAbstractSlider::SliderSingleStepSub, 80, 0.0, 0},
        {QAbstractSlider::SliderPageStepSub, 1, 3.4, 34},
        {QAbstractSlider::SliderPageStepAdd, 80, 6.5, 65},
    };
    QScrollBar* bar = window_->magnitudeScrollBar();
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.action << " x" << row.repeats);
        ViewSettings.dimmestMagnitude = 4.4;
        bar->setValue(44);
        for (int i = 0; i < row.repeats; ++i) bar->triggerAction(row.action);
        EXPECT_NEAR(ViewSettings.dimmestMagnitude, row.magnitude, 1e-12);
        EXPECT_EQ(bar->value(), row.value);
        EXPECT_TRUE(RepaintRequested());
    }
}

TEST_F(ScrollBarTest, DraggingChangesNothingUntilTheThumbIsReleasedAt37) {
    QScrollBar* bar = window_->magnitudeScrollBar();
    bar->setSliderDown(true);
    bar->setSliderPosition(20);
    bar->setSliderPosition(37);
    EXPECT_EQ(ViewSettings.dimmestMagnitude, 4.4);
    EXPECT_EQ(bar->value(), 44);
    EXPECT_FALSE(window_->chartPending());
    bar->setSliderDown(false);
    EXPECT_EQ(ViewSettings.dimmestMagnitude, 37 * 0.1);
    EXPECT_EQ(bar->value(), 37);
    EXPECT_EQ(bar->sliderPosition(), 37);
    EXPECT_TRUE(RepaintRequested());
}

TEST_F(ScrollBarTest, ArrowAndTroughClicksStepAndTheWheelDoesNothing) {
    QScrollBar* bar = window_->magnitudeScrollBar();
    const QPointF at(bar->width() / 2.0, bar->height() / 2.0);
    QWheelEvent wheel(at, bar->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(bar, &wheel);
    EXPECT_EQ(bar->value(), 44);
    EXPECT_EQ(ViewSettings.dimmestMagnitude, 4.4);
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(2, bar->height() / 2));
    EXPECT_NEAR(ViewSettings.dimmestMagnitude, 4.3, 1e-12);
    EXPECT_EQ(bar->value(), 43);
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 4, bar->height() / 2));
    EXPECT_NEAR(ViewSettings.dimmestMagnitude, 3.3, 1e-12);
    EXPECT_EQ(bar->value(), 33);
}

using MenuTest = InteractionTest;

QAction* ConstellationAction(int row) {
    return FindCommandAction(static_cast<QMenu*>(ConstellationTable[row].submenu),
                             ConstellationCommandBase + row);
}

// Whether every constellation row and its check mark, and every deep-sky row, are `shown`.
bool AllConstellations(bool shown) {
    for (int row = 0; row < ConstellationCount; ++row)
        if (ConstellationTable[row].shown != shown ||
            ConstellationAction(row)->isChecked() != shown)
            return false;
    return true;
}
bool AllDeepSky(bool shown) {
    for (int row = 0; row < DeepSkyCount; ++row)
        if (DeepSkyTable[row].shown != shown) return false;
    return true;
}

// The commands in turn, each with what it leaves behind and whether it repaints. Orientation
// commands repaint even when the azimuth is already theirs; the dismissed menu, the letter
// header, identifiers outside the menu and past the last constellation change nothing.
TEST_F(MenuTest, EachCommandHasItsEffectAndRepaintRule) {
    const int row4 = ConstellationCommandBase + 4;
    const auto azimuth = [](double value) {
        return [value] { return ViewSettings.orientationAzimuth == value; };
    };
    const auto unchanged = [] {
        return ViewSettings.orientationAzimuth == 315.0 && AllConstellations(false) &&
               AllDeepSky(false);
    };
    struct Row {
        int command;
        bool repaints;
        std::function<bool()> effect;
    };
    const Row rows[] = {
        {row4, true,
         [] { return ConstellationTable[4].shown && ConstellationAction(4)->isChecked(); }},
        {row4, true,
         [] { return !ConstellationTable[4].shown && !ConstellationAction(4)->isChecked(); }},
        {ConstellationCommandBase + 7, true, [] { return ConstellationTable[7].shown; }},
        {CommandShowAllConstellations, true, [] { return AllConstellations(true); }},
        {CommandHideAllConstellations, true, [] { return AllConstellations(false); }},
        {CommandShowAllDeepSky, true, [] { return AllDeepSky(true); }},
        {CommandHideAllDeepSky, true, [] { return AllDeepSky(false); }},
        {40012, true, azimuth(0.0)},
        {40013, true, azimuth(45.0)},
        {40014, true, azimuth(90.0)},
        {40017, true, azimuth(135.0)},
        {40018, true, azimuth(180.0)},
        {40019, true, azimuth(225.0)},
        {40020, true, azimuth(270.0)},
        {40021, true, azimuth(315.0)},
        {40021, true, azimuth(315.0)},
        {CommandDismissed, false, unchanged},
        {CommandLetterHeader, false, unchanged},
        {40003, false, unchanged},
        {ConstellationCommandBase - 1, false, unchanged},
        {ConstellationCommandBase + ConstellationCount, false, unchanged},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.command);
        window_->ExecuteCommand(row.command);
        EXPECT_TRUE(row.effect());
        EXPECT_EQ(window_->chartPending(), row.repaints);
        PaintNow();
    }
}

TEST_F(MenuTest, AboutShowsTheBoxAndDoesNotRepaint) {
    QString texts;
    QString title;
    QTimer::singleShot(0, [&] {
        auto* about = qobject_cast<AboutDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(about, nullptr);
        title = about->windowTitle();
        for (const QLabel* label : about->findChildren<QLabel*>()) texts += label->text() + '\n';
        QTest::mouseClick(about->okButton(), Qt::LeftButton);
    });
    window_->ExecuteCommand(CommandAbout);
    EXPECT_EQ(title, QStringLiteral("About Velquorran Version 0.2..."));
    for (const char* part : {"Velquorran Version 0.2", "beginning star-gazers", "MIT License",
                             "NO WARRANTY", "Acknowledgements:", "Duffett-Smith",
                             "Bright Star Catalogue, 5th", "Messier", "astronomy club"})
        EXPECT_TRUE(texts.contains(QString::fromLatin1(part))) << part;
    EXPECT_FALSE(window_->chartPending());
}

TEST_F(MenuTest, ToFileWritesTheChartAndRepaintsUnlessCancelled) {
    const SavePathSeam::Function previous = SavePaths().Replace(
        [](QWidget*, const QString&, const QStringList&) { return SaveChoice{}; });
    window_->ExecuteCommand(CommandToFile);
    EXPECT_FALSE(window_->chartPending());
    const QString path = QDir::current().absoluteFilePath(QStringLiteral("chart.emf"));
    SavePaths().Replace([&](QWidget*, const QString& start, const QStringList& filters) {
        EXPECT_EQ(start, QStringLiteral("StarMap.emf"));
        return SaveChoice{path, filters.value(0)};
    });
    window_->ExecuteCommand(CommandToFile);
    SavePaths().Replace(previous);
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_TRUE(RepaintRequested());
}

TEST_F(MenuTest, ToPrinterRepaintsUnlessCancelled) {
    const PrinterSeam::Function previous =
        Printers().Replace([](QWidget*, QPrinter&) { return false; });
    window_->ExecuteCommand(CommandToPrinter);
    EXPECT_FALSE(window_->chartPending());
    const QString path = QDir::current().absoluteFilePath(QStringLiteral("page.pdf"));
    Printers().Replace([&](QWidget*, QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    });
    window_->ExecuteCommand(CommandToPrinter);
    Printers().Replace(previous);
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_TRUE(RepaintRequested());
}

// Right-clicks the window and, once the menu is up, runs `choose` on it.
void RightClickMenu(MainWindow& window, std::function<void(QMenu*)> choose) {
    QTimer::singleShot(0, [choose] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        choose(menu);
    });
    QTest::mouseClick(&window, Qt::RightButton, {}, QPoint(400, 300));
}

QAction* ActionNamed(QMenu* menu, const char* label) {
    for (QAction* action : menu->actions())
        if (action->text() == QString::fromLatin1(label)) return action;
    return nullptr;
}

TEST_F(MenuTest, DismissingTheMenuChangesNothingAndDoesNotRepaint) {
    bool opened = false;
    RightClickMenu(*window_, [&](QMenu* menu) {
        opened = menu == window_->popupMenu();
        QTest::keyClick(menu, Qt::Key_Escape);
    });
    EXPECT_TRUE(opened);
    EXPECT_FALSE(window_->chartPending());
    EXPECT_EQ(window_->chartPassCount(), passes_);
}

// "Settings..." repaints after the dialog whether it was confirmed or not (here it changes
// nothing).
TEST_F(MenuTest, ChoosingFromTheRealMenuCarriesOutTheCommand) {
    RightClickMenu(*window_, [](QMenu* menu) {
        QAction* settings = ActionNamed(menu, "Settings...");
        ASSERT_NE(settings, nullptr);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(settings).center());
    });
    EXPECT_EQ(dialogRuns_, 1);
    EXPECT_EQ(ViewSettings.latitude, 0.0);
    EXPECT_TRUE(RepaintRequested());
}

TEST_F(MenuTest, ChoosingFromASubmenuOfTheRealMenu) {
    RightClickMenu(*window_, [](QMenu* menu) {
        QAction* orientation = ActionNamed(menu, "Map Orientation");
        ASSERT_NE(orientation, nullptr);
        menu->setActiveAction(orientation);
        QMenu* submenu = orientation->menu();
        submenu->popup(menu->mapToGlobal(menu->actionGeometry(orientation).topRight()));
        ASSERT_TRUE(QTest::qWaitFor([submenu] { return submenu->isVisible(); }));
        QAction* north = ActionNamed(submenu, "North");
        QTest::mouseClick(submenu, Qt::LeftButton, {}, submenu->actionGeometry(north).center());
    });
    EXPECT_EQ(ViewSettings.orientationAzimuth, 0.0);
    EXPECT_TRUE(RepaintRequested());
}

}  // namespace
