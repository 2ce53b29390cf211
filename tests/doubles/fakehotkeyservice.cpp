// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/doubles/fakehotkeyservice.h"

bool TFakeHotKeyService::Register(quint16 fsModifiers, quint16 vkCode) {
  const Combination combination{fsModifiers, vkCode};
  Attempts.append(combination);
  // Like the real service, a new registration first lets the old one go.
  Registered.reset();
  if (m_refused.contains(combination)) return false;
  Registered = combination;
  return true;
}

void TFakeHotKeyService::Unregister() {
  ++Unregistrations;
  Registered.reset();
}

void TFakeHotKeyService::Refuse(quint16 fsModifiers, quint16 vkCode) {
  m_refused.append({fsModifiers, vkCode});
}

void TFakeHotKeyService::Press() {
  if (Registered) emit activated();
}
