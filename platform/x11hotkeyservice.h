// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The global hot key on X11: a passive key grab on the root window, held on
// a connection of its own so that grab errors and key events never mix with
// the toolkit's traffic.
#include <QByteArray>

#include "platform/hotkey.h"

class QSocketNotifier;
struct _XDisplay;

class TX11HotKeyService : public THotKeyService {
  Q_OBJECT
 public:
  // Connects to displayName (empty: the DISPLAY environment variable). When
  // no X server answers, every Register fails.
  explicit TX11HotKeyService(const QByteArray& displayName = {}, QObject* parent = nullptr);
  ~TX11HotKeyService() override;

  bool IsConnected() const { return m_display != nullptr; }
  bool Register(quint16 fsModifiers, quint16 vkCode) override;
  void Unregister() override;

 private:
  void Ungrab();
  void DrainEvents();
  // The mask of the modifier that Num Lock sets (Mod2 on most layouts).
  unsigned int NumLockMask() const;

  _XDisplay* m_display = nullptr;
  QSocketNotifier* m_notifier = nullptr;
  int m_keycode = 0;  // 0: nothing grabbed
  unsigned int m_modifiers = 0;
  unsigned int m_numLock = 0;
  bool m_held = false;  // the grabbed key is down (repeats are not presses)
};
