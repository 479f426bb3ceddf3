// Shared fixture of the astro tests: a fresh body table and a handler that records messages.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "astro/message_box.h"
#include "astro/orbits.h"

class AstroTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetBodyTable();
        previous_ = SetMessageHandler(
            [this](const MessageRequest& request) { messages.push_back(request); });
    }
    void TearDown() override {
        SetMessageHandler(previous_);
        ResetBodyTable();
    }

    std::vector<MessageRequest> messages;

  private:
    MessageHandler previous_;
};
