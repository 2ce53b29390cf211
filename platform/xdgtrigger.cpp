// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/xdgtrigger.h"

#include <X11/Xlib.h>

#include "platform/x11keysyms.h"

QString XdgShortcutTrigger(quint16 fsModifiers, quint16 vkCode) {
  // The key names are the keysym names, which need no X server.
  const unsigned long keysym = VkToKeysym(vkCode);
  const char* name = keysym ? XKeysymToString(keysym) : nullptr;
  if (!name) return {};
  QString trigger;
  if (fsModifiers & 2) trigger += QStringLiteral("CTRL+");
  if (fsModifiers & 1) trigger += QStringLiteral("ALT+");
  if (fsModifiers & 4) trigger += QStringLiteral("SHIFT+");
  if (fsModifiers & 8) trigger += QStringLiteral("LOGO+");
  return trigger + QString::fromLatin1(name);
}
