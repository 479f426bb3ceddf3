// Common ground of the chart tests: every global the chart pass reads or writes back at its
// start-up state before and after each test, and messages recorded instead of shown.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "astro/orbits.h"
#include "base/messages.h"
#include "catalog/sky_model.h"
#include "chart/chart_pass.h"
#include "chart/view_settings.h"

class ChartFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetAll();
        previousHandler_ =
            Messages().Replace([this](const MessageRequest& r) { messages.push_back(r); });
    }
    void TearDown() override {
        Messages().Replace(previousHandler_);
        ResetAll();
    }
    static void ResetAll() {
        ResetViewSettings();
        ResetSkyModel();
        ResetBodyTable();
        HotSpotCount = 0;
    }

    std::vector<MessageRequest> messages;

  private:
    MessageHandler previousHandler_;
};
