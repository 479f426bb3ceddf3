// Find... as a user works it: Ctrl+F, a misspelled name answered with the name meant, completion,
// the object ringed and described, the commands that move the chart to its rising and transit,
// and the pointer near a star off its hot spot.
#include "app_fixture.h"
#include "chart/nearest_object.h"
#include "shell/find_dialog.h"

namespace {

int CountYellow(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == qRgb(255, 255, 0);
    return count;
}

TEST_F(AppTest, FindRingsTheObjectAndMovesTheChartToItsRisingAndTransit) {
    MainWindow& window = OpenWindow("51.5");
    window.picker()->setDateTime(QDateTime(QDate(2024, 1, 15), QTime(21, 0)));
    Repainted();
    EXPECT_EQ(CountYellow(window.grab().toImage()), 0);
    QStringList completions, message;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<FindDialog*>(QApplication::activeModalWidget());
        QTest::keyClicks(dialog->nameEdit(), "Betelguese");
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        message << dialog->messageLabel()->text();
        dialog->nameEdit()->clear();
        QTest::keyClicks(dialog->nameEdit(), "alp or");
        completions = qobject_cast<QStringListModel*>(dialog->completer()->model())->stringList();
        dialog->nameEdit()->setText("58 Ori");
        QTest::keyClick(dialog->nameEdit(), Qt::Key_Return);
    });
    QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(message.join("").contains("Did you mean: Betelgeuse?"))
        << message.join("").toStdString();
    EXPECT_TRUE(completions.contains("Alp Ori")) << completions.join(",").toStdString();
    ASSERT_TRUE(window.foundObject() && Repainted());
    EXPECT_GT(CountYellow(window.grab().toImage()), 20);
    EXPECT_EQ(window.readoutText().rfind("Betelgeuse: altitude 43.", 0), 0) << window.readoutText();
    const std::string found = window.foundText();
    MovePointer(QPoint(window.width() - 2, 2));
    EXPECT_EQ(window.readoutText(), found);
    // One clause a line: the box's left edge grows by three lines above its usual height.
    const QImage shown = window.grab().toImage();
    int edge = 0;
    for (int y = 0; y < shown.height(); ++y)
        edge += shown.pixelColor(ViewSettings.margin, y) == QColor(Qt::white);
    EXPECT_GE(edge,
              ViewSettings.readoutBottom - ViewSettings.readoutTop + 3 * ViewSettings.lineHeight);

    // Off a faint star's one-pixel hot spot the star is still named.
    int faint = 0;
    while (faint < HotSpotCount &&
           (HotSpotTable[faint].radius != 0 ||
            FindHotSpot(HotSpotTable[faint].x + 3, HotSpotTable[faint].y) >= 0))
        ++faint;
    ASSERT_LT(faint, HotSpotCount);
    MovePointer(QPoint(HotSpotTable[faint].x + 3, HotSpotTable[faint].y));
    EXPECT_FALSE(window.readoutText().empty() || window.readoutText() == found);

    window.ExecuteCommand(CommandGoToTransit);
    ASSERT_TRUE(Repainted());
    EXPECT_NE(window.foundText().find("(S)"), std::string::npos) << window.foundText();
    // At its rising by the almanac's convention the star stands just below the chart's horizon,
    // lifted into view by refraction: the readout says it is on the horizon.
    window.ExecuteCommand(CommandGoToRising);
    ASSERT_TRUE(Repainted());
    EXPECT_EQ(window.foundText().rfind("Betelgeuse: on the horizon, azimuth ", 0), 0u)
        << window.foundText();
}

}  // namespace
