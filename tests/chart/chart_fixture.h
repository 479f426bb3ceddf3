// The chart tests' fixture: every global of the pass at its start-up state, messages recorded,
// and the worked evening 2024-03-07 (a Thursday) 21:05:09.
#pragma once

#include "chart/layout.h"
#include "tests/fresh_state.h"

class ChartFixture : public FreshState {
  protected:
    static constexpr SystemTime Evening{2024, 3, 4, 7, 21, 5, 9, 0};
};
