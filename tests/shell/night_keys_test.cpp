// The night look, the keyboard and the high-density screen, driven as a user drives them.
#include <set>

#include "app_fixture.h"
#include "catalog/loaders.h"
#include "chart/chart_pass.h"
#include "render/chart_export.h"
#include "render/qt_surface.h"
#include "shell/key_table.h"
#include "shell/sky_menu.h"
#include "shell/tonight_panel.h"

namespace {

// The first pixel with more green or blue than a quarter of its red, or "".
std::string GlaringPixel(const QImage& picture) {
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (4 * qGreen(p) > qRed(p) || 4 * qBlue(p) > qRed(p))
                return QString::asprintf("(%d,%d) is #%06x", x, y, p & 0xFFFFFF).toStdString();
        }
    return "";
}

// Night mode by its key, remembered for the next window: the chart with figures, deep-sky
// objects, every label, every sky layer and the legend, the controls, the menu, the dialogs, a
// renderer picture and the Tonight panel hold no green or blue light.
TEST_F(AppTest, NightLookHoldsNoGreenOrBlueLight) {
    const ChartLabels everyLabel{true, true, true, true, true, true};
    const SkyLayers everyLayer{true, true, true, true, true};
    WriteLabelChoice(everyLabel);
    WriteSkyChoice(everyLayer);
    OpenWindow();
    QTest::keyClick(window_->picker(), Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    window_.reset();
    MainWindow& window = OpenWindow();
    ASSERT_TRUE(window.displayPreferences().night && NightLookApplied());
    window.ExecuteCommand(CommandShowAllConstellations);
    window.ExecuteCommand(CommandShowAllDeepSky);
    Repainted();
    MovePointer(QPoint(400, 300));
    std::vector<std::pair<const char*, QImage>> pictures{{"window", window.grab().toImage()}};
    window.popupMenu()->popup(QPoint(0, 0));
    pictures.emplace_back("menu", window.popupMenu()->grab().toImage());
    window.popupMenu()->hide();
    SettingsDialog settings(&window);
    pictures.emplace_back("settings", settings.grab().toImage());
    AboutDialog about(&window);
    pictures.emplace_back("about", about.grab().toImage());
    QMessageBox box(QMessageBox::NoIcon, "Save?", "Save?", QMessageBox::Yes | QMessageBox::No);
    pictures.emplace_back("question", box.grab().toImage());
    ExportJob job{900, 700, ChartScreen, window, RendererFont()};
    job.pens = NightChartPens();  // as velquorran-chart --night
    job.view.labels = everyLabel;
    job.view.sky = everyLayer;
    QBuffer png;
    std::string error;
    ASSERT_TRUE(png.open(QIODevice::WriteOnly) && WritePngChart(png, job, error));
    pictures.emplace_back("renderer", QImage::fromData(png.data()));
    window.picker()->setDateTime(QDateTime(QDate(2026, 12, 10), QTime(21, 0)));
    window.ExecuteCommand(CommandTonight);  // its first timed row highlighted, with the focus
    QApplication::setActiveWindow(window.tonightPanel());
    window.tonightPanel()->rows()->setFocus();
    pictures.emplace_back("tonight", window.tonightPanel()->grab().toImage());
    for (const auto& [name, picture] : pictures) EXPECT_EQ(GlaringPixel(picture), "") << name;
    WriteLabelChoice({});
    WriteSkyChoice({});
}

// Every row of the key table carries out its command with the focus on the picker, the
// scrollbar or the chart; the Menu key and Shift+F10 open the menu at the chart's centre; Tab
// walks picker, scrollbar, chart; + steps the scrollbar; arrows move the pointer over Sirius.
TEST_F(AppTest, EveryCommandHasItsKeyWhereverTheFocusIs) {
    // No two rows share a command's number or a key (each part of the window numbers its own).
    std::set<int> commands;
    std::set<QKeySequence> keys;
    for (const CommandKey& row : CommandKeyTable()) {
        EXPECT_TRUE(commands.insert(row.command).second) << row.command;
        EXPECT_TRUE(keys.insert(QKeySequence(row.keys)).second) << row.keys;
    }
    MainWindow& window = OpenWindow();
    const ScopedReplacement<SavePathSeam> save(SavePaths(), [](QWidget*, auto&, auto& f) {
        return SaveChoice{QString(), f[0]};
    });
    const ScopedReplacement<PrinterSeam> print(Printers(),
                                               [](QWidget*, QPrinter&) { return false; });
    int started = 0;
    QObject::connect(&window, &MainWindow::commandStarted, [&](int command) { started = command; });
    QWidget* const focuses[] = {window.picker(), window.magnitudeScrollBar(), &window};
    for (QWidget* focus : focuses) {
        for (const CommandKey& row : CommandKeyTable()) {
            if (row.command == CommandExit) continue;  // last, below
            started = 0;
            QApplication::setActiveWindow(&window);  // as it is again once a dialog closes
            focus->setFocus();
            QTimer::singleShot(0, [] {
                if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
            });
            const QKeySequence keys(row.keys);
            QTest::keySequence(focus, keys);
            EXPECT_EQ(started, row.command)
                << row.keys << " on " << focus->metaObject()->className();
        }
        for (const char* keys : PopupMenuKeys) {
            QApplication::setActiveWindow(&window);
            focus->setFocus();
            QPoint at;
            QTimer::singleShot(0, [&] {
                at = QApplication::activePopupWidget()->pos();
                QApplication::activePopupWidget()->close();
            });
            QTest::keySequence(focus, QKeySequence(keys));
            EXPECT_EQ(at, window.mapToGlobal(QPoint(window.width() / 2, window.height() / 2)));
        }
    }
    QApplication::setActiveWindow(&window);
    window.picker()->setFocus();
    QTest::keyClick(window.picker(), Qt::Key_Tab);
    EXPECT_TRUE(window.magnitudeScrollBar()->hasFocus());
    QTest::keyClick(window.magnitudeScrollBar(), Qt::Key_Plus);
    EXPECT_EQ(window.magnitudeScrollBar()->accessibleName(), "Dimmest Star Magnitude 4.5");
    QTest::keyClick(window.magnitudeScrollBar(), Qt::Key_Tab);
    ASSERT_TRUE(window.hasFocus());
    // The keys above include Now: put Sirius back above the horizon whatever the clock says.
    window.picker()->setDateTime(QDateTime(QDate(2024, 1, 15), QTime(21, 0)));
    window.setFocus();
    Repainted();
    int sirius = HotSpotCount - 1;
    while (sirius >= 0 && !std::strstr(HotSpotTable[sirius].text, "Sirius")) --sirius;
    ASSERT_GE(sirius, 0);
    MovePointer(QPoint(HotSpotTable[sirius].x - 1, HotSpotTable[sirius].y));
    QTest::keyClick(&window, Qt::Key_Right);
    EXPECT_TRUE(window.keyPointerShown() &&
                window.readoutText().find("Sirius") != std::string::npos);
    ViewSettings.latitude = 20.0;
    answer_ = true;
    QTest::keySequence(&window, QKeySequence(CommandKeys(CommandExit)));
    EXPECT_TRUE(!window.isVisible() && questions_.size() == 1);
}

// The real save question: Escape leaves it open, Yes answers it.
TEST_F(AppTest, EscapeDoesNotAnswerTheSaveQuestion) {
    const ScopedReplacement<QuestionSeam> real(Questions(), {});
    bool openAfterEscape = false;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, Qt::Key_Escape);
        openAfterEscape = box->isVisible();
        QTest::mouseClick(qobject_cast<QMessageBox*>(box)->button(QMessageBox::Yes),
                          Qt::LeftButton);
    });
    EXPECT_TRUE(AskYesNo(nullptr, SavePromptCaption, SavePromptText) && openAfterEscape);
}

// At a device pixel ratio of 2 the picture has four times the pixels, the sky disc's rim is one
// device pixel thick, and the hot spots are those of the logical-size pass.
TEST_F(AppTest, HighDensityPassKeepsLogicalHotSpots) {
    LoadAllCatalogues();
    const FixedChartWindow window(500, 400, SystemTime{2024, 1, 1, 15, 21});
    std::vector<std::tuple<int, int, int, std::string>> spots[2];
    QImage images[2];
    for (int ratio : {1, 2}) {
        images[ratio - 1] = QImage(500 * ratio, 400 * ratio, QImage::Format_RGB32);
        images[ratio - 1].setDevicePixelRatio(ratio);
        QPainter painter(&images[ratio - 1]);
        QtSurface surface(painter, RendererFont());
        const ChartPassResult pass =
            RunChartPass(window, surface, ChartScreen, 3, ChartView{}, 50, ChartPens{});
        for (const HotSpot& s : pass.hotSpots)
            spots[ratio - 1].emplace_back(s.x, s.y, s.radius, s.text);
        const ChartLayout& l = pass.layout;
        const int top = (l.centreY - l.radius) * ratio, x = l.centreX * ratio;
        EXPECT_EQ(images[ratio - 1].pixel(x, top), qRgb(255, 255, 255)) << ratio;
        EXPECT_NE(images[ratio - 1].pixel(x, top + 1), qRgb(255, 255, 255)) << ratio;
    }
    EXPECT_GT(spots[0].size(), 100u);
    EXPECT_EQ(spots[0], spots[1]);
    EXPECT_EQ(images[1].size(), images[0].size() * 2);
}

}  // namespace
