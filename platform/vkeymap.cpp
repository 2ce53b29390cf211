// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/vkeymap.h"

namespace {

struct TKeyChar {
  std::uint32_t vk;
  char ch;
};

// Keys outside the letter, digit and number-pad runs, with the character
// their unshifted press types on a US layout.
constexpr TKeyChar kSingleKeys[] = {
    {0x08, '\b'},  // Backspace
    {0x09, '\t'},  // Tab
    {0x0D, '\r'},  // Enter
    {0x1B, '\x1B'},  // Escape
    {0x20, ' '},   // Space
    {0x6A, '*'},   // number pad *
    {0x6B, '+'},   // number pad +
    {0x6D, '-'},   // number pad -
    {0x6E, '.'},   // number pad .
    {0x6F, '/'},   // number pad /
    {0xBA, ';'},   // ; :
    {0xBB, '='},   // = +
    {0xBC, ','},   // , <
    {0xBD, '-'},   // - _
    {0xBE, '.'},   // . >
    {0xBF, '/'},   // / ?
    {0xC0, '`'},   // ` ~
    {0xDB, '['},   // [ {
    {0xDC, '\\'},  // \ |
    {0xDD, ']'},   // ] }
    {0xDE, '\''},  // ' "
    {0xE2, '\\'},  // the extra key beside the left Shift on 102-key boards
};

}  // namespace

std::uint32_t VirtualKeyToChar(std::uint32_t vkCode) {
  if (vkCode >= '0' && vkCode <= '9') return vkCode;
  if (vkCode >= 'A' && vkCode <= 'Z') return vkCode;
  if (vkCode >= 0x60 && vkCode <= 0x69) return '0' + (vkCode - 0x60);  // number pad digits
  for (const TKeyChar& k : kSingleKeys) {
    if (k.vk == vkCode) return static_cast<unsigned char>(k.ch);
  }
  return 0;
}
