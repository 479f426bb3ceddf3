// The window's message boxes: the handler the program installs shows real QMessageBoxes with the
// caption, text and icon asked for, and the save question answers Yes or No.
#include "shell/message_boxes.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace {

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
};

// Reads the message box once it is open and presses `button` on it.
void AnswerMessageBox(SeenBox& seen, QMessageBox::StandardButton button) {
    QTimer::singleShot(0, [&seen, button] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = {box->windowTitle(), box->text(), box->icon(),
                static_cast<int>(box->buttons().size())};
        QTest::mouseClick(box->button(button), Qt::LeftButton);
    });
}

TEST(MessageBoxes, ErrorRequestShowsCaptionTextErrorIconAndOk) {
    SeenBox seen;
    AnswerMessageBox(seen, QMessageBox::Ok);
    ShowMessageBox({"Velquorran", "Sorry, I cannot write to Settings.dat", MessageIcon::Error});
    EXPECT_EQ(seen.title, QStringLiteral("Velquorran"));
    EXPECT_EQ(seen.text, QStringLiteral("Sorry, I cannot write to Settings.dat"));
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.buttons, 1);
}

TEST(MessageBoxes, InstalledAsTheHandlerItShowsTheCoresMessages) {
    const MessageHandler previous = Messages().Replace(ShowMessageBox);
    SeenBox seen;
    AnswerMessageBox(seen, QMessageBox::Ok);
    ErrorBox("Month out of range");
    Messages().Replace(previous);
    EXPECT_EQ(seen.text, QStringLiteral("Month out of range"));
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
}

TEST(MessageBoxes, SaveQuestionHasNoIconAndAnswersYesOrNo) {
    SeenBox seen;
    AnswerMessageBox(seen, QMessageBox::Yes);
    EXPECT_TRUE(AskYesNo(nullptr, "Save settings before exiting?",
                         "Do you want to save your new settings before exiting?"));
    EXPECT_EQ(seen.title, QStringLiteral("Save settings before exiting?"));
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.buttons, 2);
    AnswerMessageBox(seen, QMessageBox::No);
    EXPECT_FALSE(AskYesNo(nullptr, "caption", "text"));
}

}  // namespace
