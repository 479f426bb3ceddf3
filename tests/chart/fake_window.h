// A ChartWindow for tests: a settable client size and the date and time its picker shows.
#pragma once

#include "chart/layout.h"

class FakeChartWindow : public ChartWindow {
  public:
    int clientWidth = 800;
    int clientHeight = 600;
    // 2024-03-07 (a Thursday) 21:05:09.
    SystemTime time{2024, 3, 4, 7, 21, 5, 9, 0};

    int ClientWidth() const override { return clientWidth; }
    int ClientHeight() const override { return clientHeight; }
    SystemTime PickerTime() const override { return time; }
};
