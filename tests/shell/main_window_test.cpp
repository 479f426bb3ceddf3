// The window and its dialogs driven as a user drives them: start-up and exit, the minimum size,
// the readout, the scrollbar, the popup menu, the settings dialog, file and printer output.
#include "app_fixture.h"
#include "chart/chart_pass.h"
#include "render/qt_surface.h"
#include "shell/user_settings.h"

namespace {

// From the settings file, or the first-start dialog (answered before the window shows), to the
// save prompt at exit by each way of closing. A file read fixes startLatitude even when its value
// is ignored; after the dialog it stays 0.0, so only a latitude other than 0 (-0.0 is not) is
// offered. A file that cannot be replaced is reported.
TEST_F(AppTest, StartUpSettingsAndTheSavePromptAtExit) {
    // file (none: first start), typed into the dialog (none: Cancel), south, the way of closing
    // (close(), the window manager, Exit), the latitude set while running, the answer, whether
    // asked, and the file at exit.
    // clang-format off
    const struct { const char *file, *typed; int south, way; double later; bool yes, asked;
                   const char* atExit; } rows[] = {
        {nullptr, nullptr, 0, 0, NAN, true, false, ""}, {nullptr, "0", 1, 1, NAN, true, false, ""},
        {nullptr, "33", 1, 2, NAN, true, true, "-33.000000\n"},
        {nullptr, "30", 0, 0, NAN, false, true, ""}, {"junk", nullptr, 0, 1, NAN, 1, 0, "junk"},
        {"12.5", nullptr, 0, 2, 12.5, true, false, "12.5"},
        {"12.5", nullptr, 0, 1, -20.0, true, true, "-20.000000\n"}};
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << (row.file ? row.file : "first") << row.way);
        questions_.clear();
        bool beforeShown = false;
        if (!row.file)
            QTimer::singleShot(0, [&] {
                auto* dialog = qobject_cast<SettingsDialog*>(QApplication::activeModalWidget());
                beforeShown = !dialog->parentWidget()->isVisible();
                if (!row.typed) return dialog->reject();
                dialog->latitudeEdit()->setText(row.typed);
                dialog->hemisphereBox()->setCurrentIndex(row.south);
                QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
            });
        MainWindow& window = OpenWindow(row.file);
        EXPECT_EQ(beforeShown, !row.file);
        if (!std::isnan(row.later)) ViewSettings.latitude = row.later;
        answer_ = row.yes;
        if (row.way == 0) window.close();
        if (row.way == 1) window.windowHandle()->close();
        if (row.way == 2) window.ExecuteCommand(CommandExit);
        EXPECT_FALSE(window.isVisible() || ShellObjects.drawingObjectsCreated);
        EXPECT_EQ(questions_, std::vector<std::string>(row.asked, SavePromptCaption));
        QFile file("Settings.dat");
        EXPECT_EQ(file.open(QIODevice::ReadOnly) ? file.readAll() : "", row.atExit);
    }
    OpenWindow("10");
    ViewSettings.latitude = 20.0;
    QFile::remove("Settings.dat");
    QDir().mkdir("Settings.dat");  // cannot be replaced by a file
    answer_ = true;
    window_->close();
    EXPECT_TRUE(messages.size() == 1 && messages[0].text == CannotWriteSettingsMessage);
}

// The window is no smaller than its minimum, where no caption cell (the window's green) lies
// inside the disc and the controls and the readout leave every pixel inside it as it was.
TEST_F(AppTest, AtTheMinimumSizeNothingCoversTheDisc) {
    MainWindow& window = OpenWindow("0", QSize(10, 10));
    ASSERT_EQ(window.size(), window.minimumSize());
    QImage chart(window.size(), QImage::Format_RGB32);
    window.render(&chart, QPoint(), QRegion(), QWidget::DrawWindowBackground);  // no controls
    MovePointer(QPoint(window.width() - 1, 0));
    ASSERT_TRUE(window.readoutShown());
    const QImage shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QPainter painter(&chart);
    QtSurface surface(painter, window.font());
    const ChartLayout disc = ComputeChartLayout(surface, ChartScreen, window, ViewSettings.margin);
    painter.end();
    for (int y = 0; y < chart.height(); ++y)
        for (int x = 0; x < chart.width(); ++x) {
            const int dx = x - disc.centreX, dy = y - disc.centreY, r = disc.radius - 1;
            if (dx * dx + dy * dy >= r * r) continue;
            ASSERT_NE(chart.pixel(x, y), qRgb(0, 48, 0)) << x << "," << y;
            ASSERT_EQ(shown.pixel(x, y), chart.pixel(x, y)) << x << "," << y;
        }
    EXPECT_GT(disc.radius, 50);
}

// The picker's date as the chart reads it, and a change repaints; the readout box is there from
// the start; the pointer over Sirius names it, and a repaint keeps the name; over nothing the
// readout is empty, without a chart pass.
TEST_F(AppTest, DateChangeAndPointerReadout) {
    MainWindow& window = OpenWindow();
    window.picker()->setDateTime(QDateTime(QDate(2024, 1, 14), QTime(23, 5, 7, 250)));
    const SystemTime t = window.PickerTime();
    EXPECT_EQ(std::vector<int>({t.year, t.month, t.day, t.dayOfWeek, t.hour, t.minute, t.second,
                                t.milliseconds}),
              std::vector<int>({2024, 1, 14, 0, 23, 5, 7, 250}));
    ASSERT_TRUE(Repainted());
    int sirius = HotSpotCount - 1;
    while (sirius >= 0 && !std::strstr(HotSpotTable[sirius].text, "Sirius")) --sirius;
    ASSERT_GE(sirius, 0);
    EXPECT_TRUE(window.readoutShown() && window.readoutText().empty());  // there from the start
    MovePointer(QPoint(HotSpotTable[sirius].x, HotSpotTable[sirius].y));
    EXPECT_NE(window.readoutText().find("Sirius"), std::string::npos) << window.readoutText();
    window.ExecuteCommand(CommandSouth);
    EXPECT_TRUE(Repainted() && window.readoutText().find("Sirius") != std::string::npos);
    MovePointer(QPoint(window.width() - 2, 2));
    EXPECT_TRUE(window.readoutShown() && window.readoutText().empty() && !Repainted());
}

// Each bar action is its scroll code; a dragged thumb counts only when released; the wheel does
// nothing; a click on the left arrow steps down.
TEST_F(AppTest, ScrollBarSetsTheMagnitude) {
    QScrollBar* bar = OpenWindow().magnitudeScrollBar();
    using S = QAbstractSlider;
    // clang-format off
    for (const auto& [action, value] : std::vector<std::pair<int, int>>{
             {S::SliderSingleStepSub, 43}, {S::SliderSingleStepAdd, 45},
             {S::SliderPageStepSub, 34}, {S::SliderPageStepAdd, 54}}) {
        // clang-format on
        ViewSettings.dimmestMagnitude = 4.4;
        bar->triggerAction(S::SliderAction(action));
        EXPECT_NEAR(ViewSettings.dimmestMagnitude, value / 10.0, 1e-12) << action;
        EXPECT_TRUE(bar->value() == value && Repainted()) << action;
    }
    bar->setSliderDown(true);
    bar->setSliderPosition(37);
    EXPECT_FALSE(Repainted());
    bar->setSliderDown(false);
    EXPECT_TRUE(ViewSettings.dimmestMagnitude == 37 * 0.1 && bar->value() == 37 && Repainted());
    QWheelEvent wheel({5, 5}, bar->mapToGlobal(QPointF(5, 5)), {}, {0, -120}, {}, {},
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(bar, &wheel);
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(2, bar->height() / 2));
    EXPECT_EQ(bar->value(), 36);
}

// The real menu under the right button: dismissed, nothing happens; "Map Orientation" > "North"
// by keyboard turns the chart. A constellation command sets its check mark, "Show all" every one.
TEST_F(AppTest, PopupMenuCommandsChangeTheChart) {
    MainWindow& window = OpenWindow();
    for (const auto& keys :
         {std::vector{Qt::Key_Escape},
          std::vector{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Return}}) {
        QTimer::singleShot(0, [keys] {
            for (Qt::Key key : keys) QTest::keyClick(QApplication::activePopupWidget(), key);
        });
        QTest::mouseClick(&window, Qt::RightButton, {}, QPoint(400, 300));
        EXPECT_EQ(Repainted(), keys.size() > 1);
    }
    EXPECT_EQ(ViewSettings.orientationAzimuth, 0.0);
    const auto checked = [&](int row) {
        return FindCommandAction(window.popupMenu(), ConstellationCommandBase + row)->isChecked();
    };
    window.ExecuteCommand(ConstellationCommandBase + 4);
    EXPECT_TRUE(checked(4) && !checked(5) && Repainted());
    window.ExecuteCommand(CommandShowAllConstellations);
    EXPECT_TRUE(checked(0) && checked(ConstellationCount - 1));
}

// A Labels item repaints, goes into the exported chart and is there again at the next start.
TEST_F(AppTest, LabelsChoiceRepaintsReachesExportsAndIsRemembered) {
    WriteLabelChoice({});
    OpenWindow("51.5");
    const auto labelsMenu = [&] {
        for (QAction* action : window_->popupMenu()->actions())
            if (action->menu() && action->text() == LabelsMenuTitle) return action->menu();
        return static_cast<QMenu*>(nullptr);
    };
    ASSERT_NE(labelsMenu(), nullptr);
    labelsMenu()->actions()[0]->trigger();  // star names
    EXPECT_TRUE(Repainted() && window_->LabelChoice().stars);
    const QString path = folder_.filePath("chart.svg");
    const ScopedReplacement<SavePathSeam> save(SavePaths(), [&](QWidget*, auto&, auto& f) {
        return SaveChoice{path, f[0]};
    });
    window_->ExecuteCommand(CommandToFile);
    QFile svg(path);
    EXPECT_TRUE(svg.open(QIODevice::ReadOnly) && svg.readAll().contains("Polaris"));  // circumpolar
    OpenWindow("51.5");
    EXPECT_TRUE(window_->LabelChoice().stars && labelsMenu()->actions()[0]->isChecked());
    WriteLabelChoice({});
}

// "Precise Positions" flips the choice, repaints, and is remembered for the next window; the
// next pass moves the bodies to the other places (the Moon's precise and model places differ).
TEST_F(AppTest, PrecisePositionsIsCheckableAndRemembered) {
    UserSettings().clear();
    for (bool expected : {true, false}) {
        MainWindow& window = OpenWindow();
        QAction* item = FindCommandAction(window.popupMenu(), CommandPrecisePositions);
        ASSERT_TRUE(item && item->isCheckable() && item->isChecked() != expected);
        const double moon = BodyTable[MoonRow].rightAscension;
        window.ExecuteCommand(CommandPrecisePositions);
        EXPECT_TRUE(item->isChecked() == expected && Repainted());
        EXPECT_NE(BodyTable[MoonRow].rightAscension, moon);
        ResetViewSettings();
    }
    EXPECT_FALSE(UserSettings().value("chart/precisePositions").toBool());
}

// About opens its box and does not repaint. To File and To Printer, offered the last path,
// repaint unless cancelled; a failed write or printer is reported.
TEST_F(AppTest, AboutToFileAndToPrinterCommands) {
    MainWindow& window = OpenWindow();
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    window.ExecuteCommand(CommandAbout);
    EXPECT_FALSE(Repainted());
    QString path, offered;  // empty: cancelled
    const ScopedReplacement<SavePathSeam> save(SavePaths(), [&](QWidget*, auto& from, auto& f) {
        offered = from;
        return SaveChoice{path, f[0]};
    });
    const ScopedReplacement<PrinterSeam> print(Printers(), [&](QWidget*, QPrinter& printer) {
        printer.setOutputFileName(path);
        return !path.isEmpty();
    });
    const char* names[] = {"", "no/chart", "chart", "", "no/page.pdf", "page.pdf"};
    for (int i = 0; i < 6; ++i) {
        path = *names[i] ? folder_.filePath(names[i]) : "";
        window.ExecuteCommand(i < 3 ? CommandToFile : CommandToPrinter);
        EXPECT_EQ(Repainted(), i % 3 != 0) << i;
    }
    EXPECT_EQ(offered, folder_.filePath("no/chart.emf"));
    EXPECT_TRUE(QFileInfo(folder_.filePath("chart.emf")).size() > 1000 && QFile::exists(path));
    EXPECT_TRUE(messages.size() == 2 && messages[1].text == "Could not print");
}

// What the dialog shows for the stored latitude and hemisphere and stores after typing and
// pressing Return (OK, the default button) or Escape (Cancel). OK on an untouched entry keeps
// the exact latitude; a rejected one shows a message and keeps the dialog open.
TEST_F(AppTest, SettingsDialogShowsAndStoresTheLatitude) {
    // clang-format off
    const struct { double stored; const char *shown, *typed; int south; bool escape;
                   double result; } rows[] = {
        {30.6, "31N", nullptr, -1, 0, 30.6}, {30.6, "31N", "31", -1, 0, 31},
        {30.6, "31N", "45", 1, 1, 30.6}, {-33, "33S", nullptr, -1, 0, -33},
        {-0.0, "0N", nullptr, -1, 0, -0.0}, {0, "0N", nullptr, 1, 0, -0.0},
        {12, "12N", "9a1.", -1, 0, 12}, {12, "12N", "", -1, 0, 12}};
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.stored << " " << (row.typed ? row.typed : "-"));
        ViewSettings.latitude = row.stored;
        SettingsDialog dialog(nullptr);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog) && dialog.okButton()->hasFocus());
        QLineEdit* edit = dialog.latitudeEdit();
        EXPECT_EQ(edit->text() + dialog.hemisphereBox()->currentText(), row.shown);
        if (row.typed) edit->clear();
        if (row.typed) QTest::keyClicks(edit, row.typed);
        if (row.south >= 0) dialog.hemisphereBox()->setCurrentIndex(row.south);
        QTest::keyClick(edit, row.escape ? Qt::Key_Escape : Qt::Key_Return);
        EXPECT_EQ(ViewSettings.latitude, row.result);
        EXPECT_EQ(std::signbit(ViewSettings.latitude), std::signbit(row.result));
        const bool rejected = row.result == row.stored && row.typed && !row.escape;
        EXPECT_EQ(dialog.isVisible(), rejected);
        EXPECT_EQ(messages.size(), rejected ? 1u : 0u);
        messages.clear();
    }
}

}  // namespace
