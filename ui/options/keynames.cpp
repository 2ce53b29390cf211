// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/options/keynames.h"

#include "platform/vkeymap.h"

namespace {

struct TKeyName {
  std::uint32_t code;
  const char* name;
};

// Keys that type no character of their own, or whose character (Tab,
// Space) would not show in the key field.
constexpr TKeyName kKeyNames[] = {
    {9, "TAB"},    {19, "PAUSE"},    {32, "SPACE"},   {33, "Page Up"},   {34, "Page Down"},
    {35, "END"},   {36, "HOME"},     {45, "INSERT"},  {46, "DELETE"},    {144, "NUMLOCK"},
    {145, "SCROLL"},
};

constexpr std::uint32_t kF1 = 112;
constexpr std::uint32_t kF24 = 135;

}  // namespace

std::string KeyCodeToName(std::uint32_t keyCode) {
  for (const TKeyName& k : kKeyNames) {
    if (k.code == keyCode) return k.name;
  }
  if (keyCode >= kF1 && keyCode <= kF24) return "F" + std::to_string(keyCode - kF1 + 1);
  // The layout's character: only the low byte of the mapping's answer counts.
  const auto ch = static_cast<unsigned char>(VirtualKeyToChar(keyCode) & 0xFF);
  // The layout in use types ASCII only; a byte above that would not be text.
  if (ch == 0 || ch > 0x7F) return {};
  return std::string(1, static_cast<char>(ch));
}
