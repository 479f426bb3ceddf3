// The chart tests' fixture: every global of the pass at its start-up state, messages recorded,
// and the worked evening 2024-03-07 (a Thursday) 21:05:09.
#pragma once

#include <cstdio>

#include "chart/layout.h"
#include "tests/fresh_state.h"

// "2026-12-10T21:03:00" as the fields of a time (the day of the week left 0).
inline SystemTime Iso(const char* text) {
    SystemTime t;
    std::sscanf(text, "%d-%d-%dT%d:%d:%d", &t.year, &t.month, &t.day, &t.hour, &t.minute,
                &t.second);
    return t;
}

class ChartFixture : public FreshState {
  protected:
    static constexpr SystemTime Evening{2024, 3, 4, 7, 21, 5, 9, 0};
};
