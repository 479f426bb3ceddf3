// Moving through time and setting a place, as a user does it: steps across midnight, 29 February,
// the year's end and both daylight-saving changes; Follow the clock on an injected clock; the
// place dialog's refusals; the place on the chart and in the save prompt at exit.
#include <QDateTimeEdit>

#include "app_fixture.h"
#include "shell/place_dialog.h"
#include "shell/time_controls.h"

namespace {

QDateTime At(const char* text) {
    QDateTime at = QDateTime::fromString(QString::fromLatin1(text), Qt::ISODateWithMs);
    at.setTimeSpec(Qt::UTC);  // the reading's fields, as the picker shows them
    return at;
}

TEST(TimeSteps, CarryAcrossDaysMonthsYearsAndClockChanges) {
    // clang-format off
    const struct { const char* from; int step, times; const char* zone; const char* to; } rows[] = {
        {"2024-01-15T23:59:30", 0, 1, "", "2024-01-16T00:00:30"},
        {"2024-02-28T23:30:00", 2, 1, "", "2024-02-29T00:30:00"},
        {"2024-02-29T21:00:00", 3, 1, "", "2024-03-01T21:00:00"},
        {"2024-12-31T23:55:00", 1, 1, "", "2025-01-01T00:05:00"},
        {"2025-01-03T21:00:00", 5, -1, "", "2024-12-27T21:00:00"},
        {"2024-01-01T00:00:00", 4, 1, "", "2024-01-01T23:56:04.091"},
        {"2024-03-31T00:30:00", 2, 1, "Europe/London", "2024-03-31T02:30:00"},
        {"2024-10-27T00:30:00", 2, 1, "Europe/London", "2024-10-27T01:30:00"},
        {"2024-10-27T02:30:00", 2, -2, "Europe/London", "2024-10-27T01:30:00"},
        {"2024-03-30T21:00:00", 3, 1, "Europe/London", "2024-03-31T21:00:00"},
        {"2024-10-06T01:50:00", 1, 2, "Australia/Sydney", "2024-10-06T03:10:00"},
    };
    // clang-format on
    for (const auto& row : rows) {
        const std::optional<QTimeZone> zone =
            *row.zone ? std::optional(QTimeZone(row.zone)) : std::nullopt;
        EXPECT_EQ(StepClockReading(At(row.from), TimeSteps[row.step], row.times, zone), At(row.to))
            << row.from << " " << TimeSteps[row.step].label << " x" << row.times << " " << row.zone;
    }
}

// The clock is read when following starts and on every tick of a timer of at most a minute;
// a step, or a date picked by hand, ends it.
TEST_F(AppTest, FollowTheClockUntilTheTimeIsSetByHand) {
    QDateTime now = At("2024-07-01T21:00:00");
    ScopedReplacement<ClockSeam> clock(Clock(), [&] { return now; });
    MainWindow& window = OpenWindow("51.5");
    window.SetPlace(Place{-0.1275, "Europe/London", "London"});
    TimeControls& time = *window.timeControls();
    time.followAction()->trigger();
    EXPECT_TRUE(time.following() && time.followTimer()->interval() <= 60'000);
    EXPECT_EQ(window.picker()->dateTime(), At("2024-07-01T22:00:00"));  // BST
    now = At("2024-12-31T23:59:00");
    time.FollowTick();
    EXPECT_EQ(window.picker()->dateTime(), At("2024-12-31T23:59:00"));  // GMT
    EXPECT_TRUE(Repainted());
    time.Step(TimeSteps[1], 1);
    EXPECT_FALSE(time.following() || time.followAction()->isChecked());
    EXPECT_EQ(window.picker()->dateTime(), At("2025-01-01T00:09:00"));
    time.SetFollowing(true);
    window.picker()->setDateTime(At("2024-01-15T21:00:00"));
    EXPECT_FALSE(time.following());
    window.picker()->setFocus();  // where "]" would otherwise be typed into a field
    QTest::keyClick(window.picker(), Qt::Key_BracketRight);
    EXPECT_EQ(window.picker()->dateTime(), At("2024-01-15T22:00:00"));
    window.picker()->setDateTime(At("2024-01-15T21:00:00"));
    time.playAction()->trigger();
    EXPECT_TRUE(time.playing());
    QTest::qWait(120);
    time.AnimationTick();
    EXPECT_GT(window.picker()->dateTime(), At("2024-01-15T21:00:06"));  // a minute of sky a second
}

// Each bad field is named, with what is allowed, and the dialog stays open; a city fills the
// fields. The place reaches the chart's caption and the user's settings through the exit prompt.
TEST_F(AppTest, PlaceDialogRefusesBadEntriesAndThePlaceIsSavedAtExit) {
    MainWindow& window = OpenWindow("51.5");
    PlaceDialog dialog(&window, ViewSettings.latitude, std::nullopt);
    dialog.show();
    const struct {
        const char *latitude, *longitude, *zone, *message;
    } refusals[] = {
        {"91 N", "0.1 W", "", PlaceLatitudeMessage},
        {"51.5 N", "181 E", "", PlaceLongitudeMessage},
        {"51.5 N", "0.1 W", "Europe/Lodnon", PlaceZoneMessage},
    };
    for (const auto& row : refusals) {
        messages.clear();
        dialog.latitudeEdit()->setText(row.latitude);
        dialog.longitudeEdit()->setText(row.longitude);
        dialog.zoneEdit()->setText(row.zone);
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        EXPECT_TRUE(dialog.isVisible() && messages.size() == 1 && messages[0].text == row.message)
            << row.message;
    }
    QTest::keyClicks(dialog.searchEdit(), "SYDN");
    QListWidget& list = *dialog.cityList();
    int shown = 0;
    for (int row = 0; row < list.count(); ++row) shown += !list.item(row)->isHidden();
    EXPECT_EQ(shown, 1);
    list.setCurrentRow(
        static_cast<int>(list.row(list.findItems("Sydney", Qt::MatchStartsWith)[0])));
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const PlaceChoice choice = dialog.choice();
    EXPECT_NEAR(choice.latitude, -33.8667, 1e-4);
    EXPECT_EQ(choice.place, (Place{151.2167, "Australia/Sydney", "Sydney"}));

    ScopedReplacement<PlaceDialogSeam> answer(PlaceDialogs(), [&](auto...) { return choice; });
    window.RunPlaceCommand();
    EXPECT_TRUE(Repainted());
    EXPECT_EQ(ViewSettings.latitude, choice.latitude);
    EXPECT_EQ(window.WindowView().zoneName, "Australia/Sydney");
    answer_ = true;
    window.close();
    EXPECT_EQ(questions_, std::vector<std::string>{SavePromptCaption});
    EXPECT_EQ(LoadPlace(*OpenUserSettings()), choice.place);
    SavePlace(*OpenUserSettings(), std::nullopt);
}

}  // namespace
