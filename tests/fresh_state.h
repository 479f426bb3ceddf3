// The fixture of the core's tests: every global table the computation and the chart pass read or
// write back at its start-up state before and after each test, and messages recorded instead of
// shown.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "astro/orbits.h"
#include "base/messages.h"
#include "catalog/sky_model.h"
#include "chart/chart_pass.h"
#include "chart/view_settings.h"

class FreshState : public ::testing::Test {
  protected:
    void SetUp() override { ResetAll(); }
    void TearDown() override { ResetAll(); }
    static void ResetAll() {
        ResetViewSettings();
        ResetSkyModel();
        ResetBodyTable();
        HotSpotCount = 0;
    }

    std::vector<MessageRequest> messages;

  private:
    ScopedReplacement<MessageSeam> recorder_{
        Messages(), [this](const MessageRequest& r) { messages.push_back(r); }};
};
