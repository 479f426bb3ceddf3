// The Tonight panel as a user works it: Ctrl+T opens it beside the chart, which stays as it was;
// the arrow keys and Enter (or a click) find a row's object at its best time; it follows the
// picker's night and the place, and speaks to screen readers. (Its night look is checked with the
// window's, in night_keys_test.cpp.)
#include "shell/tonight_panel.h"

#include <QDateTimeEdit>

#include "app_fixture.h"
#include "chart/rise_set.h"

namespace {

QDateTime Reading(int year, int month, int day, int hour) {
    return QDateTime(QDate(year, month, day), QTime(hour, 0), Qt::UTC);
}

// The first row whose words are `words`, or null.
QTreeWidgetItem* RowOf(QTreeWidget* rows, const QString& words) {
    for (int i = 0; i < rows->topLevelItemCount(); ++i)
        if (rows->topLevelItem(i)->text(0) == words) return rows->topLevelItem(i);
    return nullptr;
}

TEST_F(AppTest, TonightPanelFindsRowsAndFollowsTheNight) {
    MainWindow& window = OpenWindow("51.5072");
    window.SetPlace(Place{-0.1275, "Europe/London", "London"});
    window.picker()->setDateTime(Reading(2026, 12, 10, 21));
    Repainted();
    const QImage before = window.grab().toImage();
    QTest::keyClick(&window, Qt::Key_T, Qt::ControlModifier);
    TonightPanel* panel = window.tonightPanel();
    ASSERT_TRUE(panel && panel->isVisible());
    EXPECT_GE(panel->x(), window.frameGeometry().right());  // beside the chart, not over it
    EXPECT_EQ(window.grab().toImage(), before);
    EXPECT_TRUE(panel->title()->text().startsWith("Tonight at London"));
    QTreeWidget* rows = panel->rows();
    ASSERT_TRUE(RowOf(rows, "Sunset"));
    EXPECT_EQ(RowOf(rows, "Sunset")->text(1), "15:51");

    // Down to Betelgeuse and Enter: found, ringed and described at its best time.
    QTreeWidgetItem* betelgeuse = RowOf(rows, "Betelgeuse");
    ASSERT_TRUE(betelgeuse);
    rows->setFocus();
    int steps = 0;
    while (rows->currentItem() != betelgeuse && steps++ < 100) QTest::keyClick(rows, Qt::Key_Down);
    ASSERT_EQ(rows->currentItem(), betelgeuse);
    QTest::keyClick(rows, Qt::Key_Return);
    ASSERT_EQ(window.foundObject(), (FoundObject{FoundKind::Star, 2061}));
    EXPECT_EQ(window.picker()->dateTime().toString("hh:mm"), betelgeuse->text(1));
    Repainted();
    EXPECT_EQ(window.readoutText().rfind("Betelgeuse: altitude 45.", 0), 0u)
        << window.readoutText();
    EXPECT_TRUE(betelgeuse->data(0, Qt::AccessibleTextRole)
                    .toString()
                    .startsWith("Betelgeuse, highest at " + betelgeuse->text(1) + ", 4"));

    // A click on a planet does the same; the night is not computed again for a time within it.
    const int computed = panel->computed();
    ASSERT_TRUE(RowOf(rows, "Jupiter"));
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {},
                      rows->visualItemRect(RowOf(rows, "Jupiter")).center());
    EXPECT_EQ(*window.foundObject(), (FoundObject{FoundKind::Body, JupiterRow}));
    Repainted();
    EXPECT_EQ(panel->computed(), computed);

    // The next night, and another place, are computed afresh.
    window.picker()->setDateTime(Reading(2026, 12, 11, 21));
    Repainted();
    EXPECT_EQ(panel->computed(), computed + 1);
    window.SetPlace(Place{151.2093, "Australia/Sydney", "Sydney"});
    ViewSettings.latitude = -33.8688;
    Repainted();
    EXPECT_EQ(panel->computed(), computed + 2);
    EXPECT_TRUE(panel->title()->text().startsWith("Tonight at Sydney"));

    // Escape closes the panel; the command brings it back.
    QTest::keyClick(rows, Qt::Key_Escape);
    EXPECT_FALSE(panel->isVisible());
    window.ExecuteCommand(CommandTonight);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_FALSE(panel->accessibleName().isEmpty() || panel->accessibleDescription().isEmpty() ||
                 rows->accessibleName().isEmpty() || rows->accessibleDescription().isEmpty());
}

}  // namespace
