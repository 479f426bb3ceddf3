// Shared set-up of the catalogue tests: a fresh sky model for every test, every message
// recorded instead of shown, and catalogue texts built from strings.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/messages.h"
#include "catalog/resource_text.h"
#include "catalog/sky_model.h"

class CatalogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetSkyModel();
        previous_ = Messages().Replace(
            [this](const MessageRequest& request) { messages_.push_back(request); });
    }
    void TearDown() override {
        Messages().Replace(previous_);
        ResetSkyModel();
    }

    // A text holding exactly the bytes of `content`, kept until the test ends. Nothing follows
    // its last byte, so a reader that runs past the end is caught by AddressSanitizer.
    ResourceText TextOf(const std::string& content) {
        texts_.emplace_back(content.begin(), content.end());
        return {texts_.back().data(), texts_.back().size()};
    }

    std::vector<MessageRequest> messages_;

  private:
    MessageHandler previous_;
    std::vector<std::vector<char>> texts_;
};
