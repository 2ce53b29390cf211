// SPDX-License-Identifier: GPL-3.0-or-later
// Chooses the hot-key service for the desktop the program runs on.
#include <QDBusConnection>
#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include <X11/Xlib.h>

#include "platform/hotkey.h"
#include "platform/nohotkeymessage.h"
#include "platform/portalhotkeyservice.h"
#include "platform/x11hotkeyservice.h"

namespace {

// Where no key can be grabbed for the whole desktop: every registration is
// refused, which the program treats like a combination taken by another.
// The first refusal says so in one line on the standard error, no box: the
// user binds "tamrix --toggle" to a key of the desktop instead.
class TNoHotKeyService : public THotKeyService {
 public:
  using THotKeyService::THotKeyService;
  bool Register(quint16, quint16) override {
    if (!m_told) {
      m_told = true;
      SayNoGlobalHotKey(QGuiApplication::platformName());
    }
    return false;
  }
  void Unregister() override {}
  TKeyChooser KeyChooser() const override { return TKeyChooser::Nobody; }

 private:
  bool m_told = false;
};

}  // namespace

std::unique_ptr<THotKeyService> CreateDesktopHotKeyService(QObject* parent) {
  const QString platform = QGuiApplication::platformName();
  if (platform == QLatin1String("xcb")) {
    QByteArray displayName;
    if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
      if (Display* display = x11->display()) displayName = DisplayString(display);
    }
    auto service = std::make_unique<TX11HotKeyService>(displayName, parent);
    if (service->IsConnected()) return service;
  }
  // On Wayland the desktop portal may bind a key for the program; whether
  // it does is known only once it has answered.
  if (platform.startsWith(QLatin1String("wayland")) && QDBusConnection::sessionBus().isConnected()) {
    QString appId = QGuiApplication::desktopFileName();
    if (appId.isEmpty()) appId = QStringLiteral("org.tamrix.Tamrix");
    return std::make_unique<TPortalHotKeyService>(QDBusConnection::sessionBus(), appId, parent);
  }
  return std::make_unique<TNoHotKeyService>(parent);
}
