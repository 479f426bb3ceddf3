// A known chart for the export and print tests: the shipped catalogues, latitude 40 N, the
// picker at 2024-03-07 21:05:09 (the Sun below the horizon), every figure and deep-sky object
// shown, messages recorded, files in a temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <vector>

#include "astro/message_box.h"
#include "astro/orbits.h"
#include "catalog/loaders.h"
#include "catalog/sky_model.h"
#include "chart/chart_pass.h"
#include "chart/view_settings.h"
#include "shell/shell_objects.h"
#include "tests/chart/fake_window.h"

class EmfChartFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetAll();
        LoadAllCatalogues();
        CreateDrawingObjects();
        ViewSettings.latitude = 40.0;
        ViewSettings.dimmestMagnitude = 6.5;
        for (int i = 0; i < ConstellationCount; ++i) ConstellationTable[i].shown = true;
        for (int i = 0; i < DeepSkyCount; ++i) DeepSkyTable[i].shown = true;
        window.clientWidth = 800;
        window.clientHeight = 600;
        previousHandler_ =
            SetMessageHandler([this](const MessageRequest& r) { messages.push_back(r); });
        ASSERT_TRUE(folder.isValid());
    }
    void TearDown() override {
        SetMessageHandler(previousHandler_);
        ReleaseDrawingObjects();
        ResetAll();
    }
    static void ResetAll() {
        ResetViewSettings();
        ResetSkyModel();
        ResetBodyTable();
        HotSpotCount = 0;
    }

    // Figure segments and deep-sky objects the last pass put on the chart, by the drawing rule:
    // a segment needs both ends above the horizon and a drawing flag on its end point.
    static int DrawnFigureSegments() {
        int segments = 0;
        for (int c = 0; c < ConstellationCount; ++c) {
            const Constellation& figure = ConstellationTable[c];
            if (!figure.shown) continue;
            for (int j = 0; j + 1 < figure.pointCount; ++j) {
                if (StarTable[figure.points[j]].visible &&
                    StarTable[figure.points[j + 1]].visible && figure.drawFlags[j + 1]) {
                    ++segments;
                }
            }
        }
        return segments;
    }
    static int VisibleDeepSkyObjects() {
        int visible = 0;
        for (int i = 0; i < DeepSkyCount; ++i) visible += DeepSkyTable[i].visible ? 1 : 0;
        return visible;
    }

    FakeChartWindow window;
    QTemporaryDir folder;
    std::vector<MessageRequest> messages;

  private:
    MessageHandler previousHandler_;
};
