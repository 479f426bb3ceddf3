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

#include "astro/message_box.h"
#include "chart/view_settings.h"
#include "shell/about_dialog.h"

namespace {

class SettingsDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetViewSettings();
        previous_ = SetMessageHandler(
            [this](const MessageRequest& request) { messages_.push_back(request); });
    }
    void TearDown() override { SetMessageHandler(previous_); }

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

TEST_F(SettingsDialogTest, NinetyOneIsRejectedAndTheDialogStaysOpen) {
    ViewSettings.latitude = 12.0;
    const auto dialog = Open();
    dialog->latitudeEdit()->setText(QStringLiteral("91"));
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    ExpectRangeMessage();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->latitudeEdit()->text(), QStringLiteral("91"));
    EXPECT_EQ(ViewSettings.latitude, 12.0);
}

TEST_F(SettingsDialogTest, AnEmptyBoxIsRejectedAndTheDialogStaysOpen) {
    const auto dialog = Open();
    dialog->latitudeEdit()->clear();
    QTest::keyClick(dialog->latitudeEdit(), Qt::Key_Return);  // Enter presses OK
    ExpectRangeMessage();
    EXPECT_TRUE(dialog->isVisible());
    dialog->latitudeEdit()->setText(QStringLiteral("45"));
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    EXPECT_TRUE(messages_.empty());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(ViewSettings.latitude, 45.0);
}

TEST_F(SettingsDialogTest, SouthernLatitudeOpensWithItsMagnitudeAndS) {
    ViewSettings.latitude = -33.0;
    const auto dialog = Open();
    EXPECT_EQ(dialog->latitudeEdit()->text(), QStringLiteral("33"));
    EXPECT_EQ(dialog->hemisphereBox()->currentText(), QStringLiteral("S"));
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    EXPECT_EQ(ViewSettings.latitude, -33.0);
}

TEST_F(SettingsDialogTest, NegativeZeroOpensWithN) {
    ViewSettings.latitude = -0.0;
    const auto dialog = Open();
    EXPECT_EQ(dialog->latitudeEdit()->text(), QStringLiteral("0"));
    EXPECT_EQ(dialog->hemisphereBox()->currentText(), QStringLiteral("N"));
}

TEST_F(SettingsDialogTest, ThirtyPointSixShows31AndOkStores31ButCancelKeepsIt) {
    ViewSettings.latitude = 30.6;
    {
        const auto dialog = Open();
        EXPECT_EQ(dialog->latitudeEdit()->text(), QStringLiteral("31"));
        QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(ViewSettings.latitude, 30.6);
    }
    const auto dialog = Open();
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    EXPECT_EQ(ViewSettings.latitude, 31.0);
}

TEST_F(SettingsDialogTest, NinetyMovesInwardAndShowsNinetyAgain) {
    {
        const auto dialog = Open();
        dialog->latitudeEdit()->setText(QStringLiteral("90"));
        dialog->hemisphereBox()->setCurrentIndex(1);
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        EXPECT_EQ(ViewSettings.latitude, -89.9999);
    }
    const auto dialog = Open();
    EXPECT_EQ(dialog->latitudeEdit()->text(), QStringLiteral("90"));
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    EXPECT_EQ(ViewSettings.latitude, -89.9999);
}

TEST_F(SettingsDialogTest, EscapeCancels) {
    ViewSettings.latitude = 7.0;
    const auto dialog = Open();
    dialog->latitudeEdit()->setText(QStringLiteral("60"));
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(ViewSettings.latitude, 7.0);
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
