// Common ground of the chart tests: every global the chart pass reads or writes back at its
// start-up state before and after each test, messages recorded instead of shown, and the worked
// evening 2024-03-07 (a Thursday) 21:05:09 in an 800 x 600 window.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "astro/orbits.h"
#include "base/messages.h"
#include "catalog/sky_model.h"
#include "chart/chart_pass.h"
#include "chart/layout.h"
#include "chart/view_settings.h"

class ChartFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetAll();
        previous_ = Messages().Replace([this](const MessageRequest& r) { messages.push_back(r); });
    }
    void TearDown() override { Messages().Replace(previous_), ResetAll(); }
    static void ResetAll() {
        ResetViewSettings(), ResetSkyModel(), ResetBodyTable(), HotSpotCount = 0;
    }

    static constexpr SystemTime Evening{2024, 3, 4, 7, 21, 5, 9, 0};
    std::vector<MessageRequest> messages;
    MessageHandler previous_;
};
