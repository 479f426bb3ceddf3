// Shared fixture of the astro tests: a fresh body table and a handler that records messages.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "astro/orbits.h"
#include "base/messages.h"

class AstroTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetBodyTable();
        previous_ = Messages().Replace(
            [this](const MessageRequest& request) { messages.push_back(request); });
    }
    void TearDown() override {
        Messages().Replace(previous_);
        ResetBodyTable();
    }

    std::vector<MessageRequest> messages;

  private:
    MessageHandler previous_;
};
