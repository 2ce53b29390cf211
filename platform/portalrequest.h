// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One call of the desktop portal's global shortcuts in its request pattern:
// the method returns at once, and the answer comes later as the Response
// signal of a Request object whose path the caller fixes with its own
// handle_token. The signal is subscribed to before the call goes out, so an
// answer sent before the method's reply is not lost.
#include <QDBusConnection>
#include <QObject>
#include <QVariantList>
#include <QVariantMap>

#include <functional>

class QDBusMessage;

// Names of the portal on the session bus.
namespace portal {
inline constexpr char kService[] = "org.freedesktop.portal.Desktop";
inline constexpr char kPath[] = "/org/freedesktop/portal/desktop";
inline constexpr char kGlobalShortcuts[] = "org.freedesktop.portal.GlobalShortcuts";
inline constexpr char kRequest[] = "org.freedesktop.portal.Request";
inline constexpr char kSession[] = "org.freedesktop.portal.Session";
inline constexpr char kRegistry[] = "org.freedesktop.host.portal.Registry";
// Response codes.
inline constexpr uint kSuccess = 0;
inline constexpr uint kCancelled = 1;
inline constexpr uint kRefused = 2;
}  // namespace portal

class TPortalRequest : public QObject {
  Q_OBJECT
 public:
  using TDone = std::function<void(uint response, const QVariantMap& results)>;

  // Calls method of the global shortcuts with arguments and then options,
  // which gain the handle_token. done runs once: with the Response, or with
  // kRefused when the call itself fails. It never runs after owner is gone.
  static void Send(const QDBusConnection& bus, const QString& method, QVariantList arguments,
                   QVariantMap options, QObject* owner, TDone done);

  // A fresh token that is a valid object path element.
  static QString NewToken();
  // The bus's unique name as the portal puts it into paths (":1.42" -> "1_42").
  static QString SenderPart(const QDBusConnection& bus);

 private slots:
  void OnResponse(const QDBusMessage& message);

 private:
  TPortalRequest(QDBusConnection bus, TDone done, QObject* owner);
  void Finish(uint response, const QVariantMap& results);

  QDBusConnection m_bus;
  TDone m_done;
  QString m_path;
  bool m_finished = false;
};
