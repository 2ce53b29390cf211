// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The category of an entry that was given none.
inline constexpr const char* kOtherCategory = "Другие";
