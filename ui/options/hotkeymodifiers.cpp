// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/options/hotkeymodifiers.h"

namespace {
constexpr std::uint16_t kFlags[] = {1, 2, 4};  // Alt, Control, Shift
}

std::uint16_t ModifierIndexToFlags(int index) {
  if (index < 0 || index > 2) return 0;
  return kFlags[index];
}

std::optional<int> ModifierFlagsToIndex(std::uint32_t flags) {
  for (int i = 0; i < 3; ++i) {
    if (kFlags[i] == flags) return i;
  }
  return std::nullopt;
}
