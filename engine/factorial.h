// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// n! rounded once to the nearest extended value.
#include <cstdint>

#include "engine/zqvalue.h"

// n from 0 to 1754 (1755! is beyond the extended range).
Extended FactorialOf(std::int64_t n);
