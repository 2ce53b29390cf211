// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The global hot key. Modifier flags and key code are the Windows ones the
// settings file keeps: 1 Alt, 2 Control, 4 Shift; VK_Code a virtual-key code.
#include <QObject>

#include <memory>

class THotKeyService : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;
  ~THotKeyService() override = default;
  // Grabs the combination for the whole desktop, releasing any earlier one.
  // Returns false when the desktop refuses it (taken, or no global keys).
  virtual bool Register(quint16 fsModifiers, quint16 vkCode) = 0;
  virtual void Unregister() = 0;

 signals:
  // The registered combination was pressed anywhere on the desktop.
  void activated();
};

// The desktop's hot-key service: a key grab on X11; elsewhere (Wayland without
// X11, the offscreen platform) a service whose Register always reports
// failure, so the program goes on without a global key. parent becomes the
// service's QObject parent: keep the returned pointer as a member of parent
// so that it is released first.
std::unique_ptr<THotKeyService> CreateDesktopHotKeyService(QObject* parent);
