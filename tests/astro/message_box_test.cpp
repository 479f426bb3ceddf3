#include "astro/message_box.h"

#include "astro_fixture.h"

using MessageBoxTest = AstroTest;

TEST_F(MessageBoxTest, ErrorBoxShowsTextWithEmptyCaptionAndErrorIcon) {
    ErrorBox("JulianDate: Month out-of-bounds");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "JulianDate: Month out-of-bounds");
    EXPECT_EQ(messages[0].caption, "");
    EXPECT_EQ(messages[0].icon, MessageIcon::Error);
}

TEST_F(MessageBoxTest, SetMessageHandlerReturnsThePreviousHandler) {
    int calls = 0;
    MessageHandler recording = SetMessageHandler([&calls](const MessageRequest&) { ++calls; });
    ShowMessage({"Velquorran", "first", MessageIcon::None});
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(messages.empty());

    SetMessageHandler(recording);  // the fixture's recorder takes over again
    ShowMessage({"Velquorran", "second", MessageIcon::None});
    EXPECT_EQ(calls, 1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "second");
}

TEST_F(MessageBoxTest, EmptyHandlerRestoresTheStderrDefault) {
    SetMessageHandler({});
    testing::internal::CaptureStderr();
    ShowMessage({"Velquorran", "Cannot read the catalogue", MessageIcon::Error});
    ErrorBox("JulianDate: Month out-of-bounds");
    const std::string written = testing::internal::GetCapturedStderr();
    EXPECT_EQ(written,
              "Velquorran: Cannot read the catalogue\n: JulianDate: Month out-of-bounds\n");
    EXPECT_TRUE(messages.empty());
}
