// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qtvirtualkey.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace {

struct TKeyPair {
  int from;
  quint16 vk;
};

// Keys with a code of their own, whatever the layout.
constexpr TKeyPair kNamedKeys[] = {
    {Qt::Key_Backspace, 0x08}, {Qt::Key_Tab, 0x09},       {Qt::Key_Backtab, 0x09},
    {Qt::Key_Clear, 0x0C},     {Qt::Key_Return, 0x0D},    {Qt::Key_Enter, 0x0D},
    {Qt::Key_Shift, 0x10},     {Qt::Key_Control, 0x11},   {Qt::Key_Alt, 0x12},
    {Qt::Key_AltGr, 0x12},     {Qt::Key_Pause, 0x13},     {Qt::Key_CapsLock, 0x14},
    {Qt::Key_Escape, 0x1B},    {Qt::Key_Space, 0x20},     {Qt::Key_PageUp, 0x21},
    {Qt::Key_PageDown, 0x22},  {Qt::Key_End, 0x23},       {Qt::Key_Home, 0x24},
    {Qt::Key_Left, 0x25},      {Qt::Key_Up, 0x26},        {Qt::Key_Right, 0x27},
    {Qt::Key_Down, 0x28},      {Qt::Key_Select, 0x29},    {Qt::Key_Printer, 0x2A},
    {Qt::Key_Execute, 0x2B},   {Qt::Key_Print, 0x2C},     {Qt::Key_SysReq, 0x2C},
    {Qt::Key_Insert, 0x2D},    {Qt::Key_Delete, 0x2E},    {Qt::Key_Help, 0x2F},
    {Qt::Key_Meta, 0x5B},      {Qt::Key_Super_L, 0x5B},   {Qt::Key_Super_R, 0x5C},
    {Qt::Key_Menu, 0x5D},      {Qt::Key_Sleep, 0x5F},     {Qt::Key_NumLock, 0x90},
    {Qt::Key_ScrollLock, 0x91},
};

// Number-pad keys while Num Lock is on (Qt marks them with KeypadModifier).
constexpr TKeyPair kKeypadKeys[] = {
    {Qt::Key_Asterisk, 0x6A}, {Qt::Key_Plus, 0x6B},  {Qt::Key_Minus, 0x6D},
    {Qt::Key_Period, 0x6E},   {Qt::Key_Comma, 0x6E}, {Qt::Key_Slash, 0x6F},
};

// Characters of the main block on a US layout, shifted or not, with the key
// that types them.
constexpr TKeyPair kCharacterKeys[] = {
    {')', '0'},  {'!', '1'},  {'@', '2'},  {'#', '3'},  {'$', '4'},  {'%', '5'},
    {'^', '6'},  {'&', '7'},  {'*', '8'},  {'(', '9'},  {';', 0xBA}, {':', 0xBA},
    {'=', 0xBB}, {'+', 0xBB}, {',', 0xBC}, {'<', 0xBC}, {'-', 0xBD}, {'_', 0xBD},
    {'.', 0xBE}, {'>', 0xBE}, {'/', 0xBF}, {'?', 0xBF}, {'`', 0xC0}, {'~', 0xC0},
    {'[', 0xDB}, {'{', 0xDB}, {'\\', 0xDC}, {'|', 0xDC}, {']', 0xDD}, {'}', 0xDD},
    {'\'', 0xDE}, {'"', 0xDE},
};

// X11 key codes of the main block (a US board's physical keys).
constexpr TKeyPair kX11KeyCodes[] = {
    {10, '1'},  {11, '2'},  {12, '3'},  {13, '4'},  {14, '5'},  {15, '6'},  {16, '7'},
    {17, '8'},  {18, '9'},  {19, '0'},  {20, 0xBD}, {21, 0xBB}, {24, 'Q'},  {25, 'W'},
    {26, 'E'},  {27, 'R'},  {28, 'T'},  {29, 'Y'},  {30, 'U'},  {31, 'I'},  {32, 'O'},
    {33, 'P'},  {34, 0xDB}, {35, 0xDD}, {38, 'A'},  {39, 'S'},  {40, 'D'},  {41, 'F'},
    {42, 'G'},  {43, 'H'},  {44, 'J'},  {45, 'K'},  {46, 'L'},  {47, 0xBA}, {48, 0xDE},
    {49, 0xC0}, {51, 0xDC}, {52, 'Z'},  {53, 'X'},  {54, 'C'},  {55, 'V'},  {56, 'B'},
    {57, 'N'},  {58, 'M'},  {59, 0xBC}, {60, 0xBE}, {61, 0xBF}, {94, 0xE2},
};

template <std::size_t N>
quint16 Find(const TKeyPair (&table)[N], int from) {
  for (const TKeyPair& p : table) {
    if (p.from == from) return p.vk;
  }
  return 0;
}

}  // namespace

quint16 VirtualKeyFromQtKey(int key, Qt::KeyboardModifiers modifiers, quint32 x11KeyCode) {
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return static_cast<quint16>(0x70 + (key - Qt::Key_F1));
  if (quint16 vk = Find(kNamedKeys, key)) return vk;
  if (modifiers & Qt::KeypadModifier) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return static_cast<quint16>(0x60 + (key - Qt::Key_0));
    if (quint16 vk = Find(kKeypadKeys, key)) return vk;
  }
  if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z)) {
    return static_cast<quint16>(key);
  }
  if (quint16 vk = Find(kCharacterKeys, key)) return vk;
  // A character of another layout: name the physical key instead.
  return Find(kX11KeyCodes, static_cast<int>(x11KeyCode));
}

quint16 VirtualKeyFromEvent(const QKeyEvent& event) {
  const QString platform = QGuiApplication::platformName();
  const bool x11Codes = platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"));
  return VirtualKeyFromQtKey(event.key(), event.modifiers(), x11Codes ? event.nativeScanCode() : 0);
}
