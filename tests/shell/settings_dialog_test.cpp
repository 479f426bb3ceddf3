// The settings dialog and the About box, driven through their widgets.
#include "shell/settings_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <vector>

#include "base/messages.h"
#include "chart/view_settings.h"
#include "shell/about_dialog.h"

namespace {

class SettingsDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetViewSettings();
        previous_ = Messages().Replace(
            [this](const MessageRequest& request) { messages_.push_back(request); });
    }
    void TearDown() override { Messages().Replace(previous_); }

    // Shows the dialog without its own event loop, so a test can press its buttons in turn.
    std::unique_ptr<SettingsDialog> Open() {
        auto dialog = std::make_unique<SettingsDialog>(nullptr);
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        return dialog;
    }

    void ExpectRangeMessage() {
        ASSERT_EQ(messages_.size(), 1u);
        EXPECT_EQ(messages_[0].caption, "Velquorran");
        EXPECT_EQ(messages_[0].text, "Lattitude must be between 0 and 90 degrees");
        EXPECT_EQ(messages_[0].icon, MessageIcon::Error);
        messages_.clear();
    }

    MessageHandler previous_;
    std::vector<MessageRequest> messages_;
};

TEST_F(SettingsDialogTest, HasItsCaptionGroupAndControlsWithTheFocusOnOk) {
    ViewSettings.latitude = 51.5;
    const auto dialog = Open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Velquorran Settings"));
    const auto groups = dialog->findChildren<QGroupBox*>();
    ASSERT_EQ(groups.size(), 1);
    EXPECT_EQ(groups[0]->title(), QStringLiteral("Latitude (0-90 degrees)"));
    EXPECT_EQ(dialog->hemisphereBox()->count(), 2);
    EXPECT_EQ(dialog->hemisphereBox()->itemText(0), QStringLiteral("N"));
    EXPECT_EQ(dialog->hemisphereBox()->itemText(1), QStringLiteral("S"));
    EXPECT_EQ(dialog->latitudeEdit()->text(), QStringLiteral("52"));
    EXPECT_TRUE(dialog->okButton()->isDefault());
    EXPECT_TRUE(dialog->okButton()->hasFocus());
}

TEST_F(SettingsDialogTest, TheEditBoxTakesDigitsOnly) {
    const auto dialog = Open();
    dialog->latitudeEdit()->clear();
    QTest::keyClicks(dialog->latitudeEdit(), QStringLiteral("-4a.5 3"));
    EXPECT_EQ(dialog->latitudeEdit()->text(), QStringLiteral("453"));
}

// What the dialog shows for the stored latitude, and what each way of leaving it stores. A
// rejected entry shows the range message and keeps the dialog open with its contents.
TEST_F(SettingsDialogTest, ShowsTheLatitudeAndStoresTheAnswer) {
    enum class Press { Ok, Enter, Cancel, Escape };
    struct Row {
        const char* name;
        double stored;
        const char* shown;
        const char* shownHemisphere;
        const char* typed;  // null: as shown
        int hemisphere;     // -1: as shown
        Press press;
        double result;
        bool rejected;
    };
    const Row rows[] = {
        {"30.6 shows 31, OK untouched keeps 30.6", 30.6, "31", "N", nullptr, -1, Press::Ok, 30.6,
         false},
        {"30.6 retyped as 31 stores 31", 30.6, "31", "N", "31", -1, Press::Ok, 31.0, false},
        {"30.6 turned south stores -31", 30.6, "31", "N", nullptr, 1, Press::Ok, -31.0, false},
        {"cancel keeps 30.6", 30.6, "31", "N", "45", 1, Press::Cancel, 30.6, false},
        {"escape cancels", 7.0, "7", "N", "60", -1, Press::Escape, 7.0, false},
        {"-33 shows 33 and S", -33.0, "33", "S", nullptr, -1, Press::Ok, -33.0, false},
        {"-0.0 shows N and is kept", -0.0, "0", "N", nullptr, -1, Press::Ok, -0.0, false},
        {"0 with S is -0.0", 0.0, "0", "N", nullptr, 1, Press::Ok, -0.0, false},
        {"90 S moves inward", 0.0, "0", "N", "90", 1, Press::Ok, -89.9999, false},
        {"-89.9999 shows 90 again", -89.9999, "90", "S", nullptr, -1, Press::Ok, -89.9999, false},
        {"90 N moves inward", 10.0, "10", "N", "90", -1, Press::Ok, 89.9999, false},
        {"91 is rejected", 12.0, "12", "N", "91", -1, Press::Ok, 12.0, true},
        {"an empty box is rejected", 12.0, "12", "N", "", -1, Press::Enter, 12.0, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ViewSettings.latitude = row.stored;
        const auto dialog = Open();
        EXPECT_EQ(dialog->latitudeEdit()->text(), QString::fromLatin1(row.shown));
        EXPECT_EQ(dialog->hemisphereBox()->currentText(), QString::fromLatin1(row.shownHemisphere));
        if (row.typed != nullptr) {  // typed as a user types: select all, erase, type
            dialog->latitudeEdit()->selectAll();
            QTest::keyClick(dialog->latitudeEdit(), Qt::Key_Backspace);
            QTest::keyClicks(dialog->latitudeEdit(), QString::fromLatin1(row.typed));
        }
        if (row.hemisphere >= 0) dialog->hemisphereBox()->setCurrentIndex(row.hemisphere);
        switch (row.press) {
            case Press::Ok:
                QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
                break;
            case Press::Enter:
                QTest::keyClick(dialog->latitudeEdit(), Qt::Key_Return);
                break;
            case Press::Cancel:
                QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
                break;
            case Press::Escape:
                QTest::keyClick(dialog.get(), Qt::Key_Escape);
                break;
        }
        EXPECT_EQ(ViewSettings.latitude, row.result);
        EXPECT_EQ(std::signbit(ViewSettings.latitude), std::signbit(row.result));
        EXPECT_EQ(dialog->isVisible(), row.rejected);
        if (row.rejected) {
            ExpectRangeMessage();
            EXPECT_EQ(dialog->latitudeEdit()->text(), QString::fromLatin1(row.typed));
        }
        EXPECT_TRUE(messages_.empty());
    }
}

// The modal run, as the window runs it: the real dialog's event loop answered by a user who
// first types a rejected value, reads the message, and then enters 30 south.
TEST_F(SettingsDialogTest, ModalRunThroughTheRealDialogStoresTheAnswer) {
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<SettingsDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->latitudeEdit()->setText(QStringLiteral("95"));
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        EXPECT_TRUE(dialog->isVisible());
        dialog->latitudeEdit()->setText(QStringLiteral("30"));
        dialog->hemisphereBox()->setCurrentIndex(1);
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    });
    RunSettingsDialog(nullptr);
    ExpectRangeMessage();
    EXPECT_EQ(ViewSettings.latitude, -30.0);
}

TEST(AboutDialog, TitleLogoAndOkButton) {
    AboutDialog about(nullptr);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Velquorran Version 0.2..."));
    EXPECT_FALSE(about.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(about.okButton()->isDefault());
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    QTest::mouseClick(about.okButton(), Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

TEST(AboutDialog, TheIconIsDrawnFromItsSvg) {
    const QImage icon = RenderVelquorranIcon(QSize(64, 64)).toImage();
    // The sky disc at the centre and the window's green in the corner.
    EXPECT_EQ(icon.pixelColor(32, 45).blue(), 64);
    EXPECT_EQ(icon.pixelColor(3, 20), QColor(0, 48, 0));
}

}  // namespace
