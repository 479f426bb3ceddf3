// The chart tests' fixture: every global of the pass at its start-up state, messages recorded.
#pragma once

#include "tests/fresh_state.h"

using ChartFixture = FreshState;
