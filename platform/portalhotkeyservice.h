// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The global hot key on a Wayland desktop: the desktop portal's global
// shortcuts. The program asks for one shortcut, "toggle", with the stored
// combination as its wish; the desktop binds that key, another or none, and
// tells the program when it is pressed. Everything runs asynchronously: the
// portal may ask the user before it answers.
#include <QDBusConnection>
#include <QString>

#include "platform/hotkey.h"

class QDBusMessage;

class TPortalHotKeyService : public THotKeyService {
  Q_OBJECT
 public:
  // Speaks to the portal on bus under the application id appId (given to
  // portals that want one). Asks at once whether the portal serves global
  // shortcuts; until it has answered, the desktop is taken to choose.
  TPortalHotKeyService(QDBusConnection bus, QString appId, QObject* parent = nullptr);

  bool Register(quint16 fsModifiers, quint16 vkCode) override;
  void Unregister() override;
  TKeyChooser KeyChooser() const override;
  QString DesktopBinding() const override { return m_binding; }
  bool CanOpenDesktopSettings() const override;
  void OpenDesktopSettings() override;

  // The shortcut's description, in the interface's language.
  static QString Description();

 private slots:
  void OnActivated(const QDBusMessage& message);
  void OnShortcutsChanged(const QDBusMessage& message);
  void OnSessionClosed(const QDBusMessage& message);

 private:
  enum class TState { Probing, Starting, Ready, Failed };

  void Probe();
  void RegisterApp();
  void ReadVersion();
  void CreateSession();
  void ListShortcuts();
  void BindShortcuts();
  // Takes the binding of "toggle" from a list of shortcuts; false when the
  // list has none.
  bool TakeBinding(const QVariant& shortcuts);
  // The program goes on without a global key, and says why once.
  void GiveUp(const char* why);
  void WatchSession(bool watch);

  QDBusConnection m_bus;
  QString m_appId;
  TState m_state = TState::Probing;
  bool m_hasGlobalShortcuts = false;
  bool m_hasRegistry = false;
  uint m_version = 1;
  QString m_session;           // the session's object path, empty while none
  QString m_trigger;           // the wish passed to the desktop ("CTRL+F12")
  QString m_binding;           // what the desktop says it bound
  bool m_registered = false;   // activations are passed on
  bool m_recreated = false;    // a closed session is created again once only
  bool m_told = false;
};
