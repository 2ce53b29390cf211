// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The global hot key. Modifier flags and key code are the Windows ones the
// settings file keeps: 1 Alt, 2 Control, 4 Shift; VK_Code a virtual-key code.
#include <QObject>
#include <QString>

#include <memory>

class THotKeyService : public QObject {
  Q_OBJECT
 public:
  // Who decides which key calls the calculator up.
  enum class TKeyChooser {
    Program,  // the program grabs the combination the user captured
    Desktop,  // the desktop binds a key of its choosing (the desktop portal)
    Nobody,   // no global key at all: the desktop's own shortcut runs "tamrix --toggle"
  };

  using QObject::QObject;
  ~THotKeyService() override = default;
  // Grabs the combination for the whole desktop, releasing any earlier one.
  // Returns false when the desktop refuses it (taken, or no global keys).
  // Where the desktop chooses the key, the combination is only the wish
  // passed on to it.
  virtual bool Register(quint16 fsModifiers, quint16 vkCode) = 0;
  virtual void Unregister() = 0;

  virtual TKeyChooser KeyChooser() const { return TKeyChooser::Program; }
  // The key the desktop has bound, in the desktop's words ("Ctrl+F12");
  // empty while it has bound none.
  virtual QString DesktopBinding() const { return {}; }
  // The desktop can show its own settings for the key.
  virtual bool CanOpenDesktopSettings() const { return false; }
  virtual void OpenDesktopSettings() {}

 signals:
  // The registered combination was pressed anywhere on the desktop.
  void activated();
  // What KeyChooser, DesktopBinding or CanOpenDesktopSettings say has changed.
  void bindingChanged();
};

// The desktop's hot-key service: a key grab on X11; on Wayland the desktop
// portal's global shortcuts where the portal offers them; elsewhere (no
// portal, the offscreen platform) a service whose Register always reports
// failure, so the program goes on without a global key. parent becomes the
// service's QObject parent: keep the returned pointer as a member of parent
// so that it is released first.
std::unique_ptr<THotKeyService> CreateDesktopHotKeyService(QObject* parent);
