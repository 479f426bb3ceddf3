// The astro tests' fixture: a fresh body table, messages recorded.
#pragma once

#include "tests/fresh_state.h"

using AstroTest = FreshState;
