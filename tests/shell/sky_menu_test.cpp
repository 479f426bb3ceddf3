// The Sky submenu beside Labels: its items start off, flip by the menu or their keys, repaint,
// reach the exported chart and the planisphere, and are there again at the next start.
#include "shell/sky_menu.h"

#include "app_fixture.h"
#include "shell/key_table.h"

namespace {

QMenu* SkyMenu(const MainWindow& window) {
    QMenu* sky = nullptr;
    bool afterLabels = false;
    for (QAction* action : window.popupMenu()->actions()) {
        if (action->menu() && action->text() == "Sky" && afterLabels) sky = action->menu();
        afterLabels = action->menu() && action->text() == LabelsMenuTitle;
    }
    return sky;
}

TEST_F(AppTest, SkyItemsFlipRepaintReachExportsAndAreRemembered) {
    WriteSkyChoice({});
    MainWindow& window = OpenWindow("51.5");
    window.picker()->setDateTime(QDateTime(QDate(2024, 8, 15), QTime(22, 0)));  // the Sun down
    QMenu* sky = SkyMenu(window);
    ASSERT_NE(sky, nullptr) << "a Sky submenu straight after Labels";
    const int commands[] = {CommandMilkyWay, CommandBoundaries, CommandEcliptic, CommandEquator,
                            CommandAltAzGrid};
    ASSERT_EQ(sky->actions().size(), 5);
    for (int i = 0; i < 5; ++i) {
        QAction* item = sky->actions()[i];
        EXPECT_TRUE(item->isCheckable() && !item->isChecked()) << i;
        EXPECT_EQ(item->data().toInt(), commands[i]);
        ASSERT_NE(CommandKeys(commands[i]), nullptr);
        EXPECT_EQ(item->shortcut(), QKeySequence(QString::fromLatin1(CommandKeys(commands[i]))));
    }
    // The Milky Way by its menu command, the ecliptic by its key.
    window.ExecuteCommand(CommandMilkyWay);
    EXPECT_TRUE(Repainted() && sky->actions()[0]->isChecked());
    QTest::keyClick(&window, Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(Repainted() && sky->actions()[2]->isChecked());
    EXPECT_TRUE(window.WindowView().sky.milkyWay && window.WindowView().sky.ecliptic);

    const QString path = folder_.filePath("chart.svg");
    const ScopedReplacement<SavePathSeam> save(SavePaths(), [&](QWidget*, auto&, auto& f) {
        return SaveChoice{path, f[1]};
    });
    window.ExecuteCommand(CommandToFile);
    QFile svg(path);
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const SkyColours colours =
        MakeSkyColours(SkyNightColour, ScreenMilkyWayColour, {}, {}, {}, {}, {});
    const QByteArray faintest =
        QString::asprintf("#%02x%02x%02x", colours.milkyWay[0].red, colours.milkyWay[0].green,
                          colours.milkyWay[0].blue)
            .toLatin1();
    EXPECT_TRUE(svg.readAll().toLower().contains(faintest));

    window_.reset();
    MainWindow& again = OpenWindow("51.5");
    const QList<QAction*> items = SkyMenu(again)->actions();
    EXPECT_TRUE(items[0]->isChecked() && !items[1]->isChecked() && items[2]->isChecked());
    again.ExecuteCommand(CommandMilkyWay);
    EXPECT_FALSE(ReadSkyChoice().milkyWay);
    WriteSkyChoice({});
}

}  // namespace
