// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/portalhotkeyservice.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QGuiApplication>

#include "platform/activationtoken.h"
#include "platform/nohotkeymessage.h"
#include "platform/portalrequest.h"
#include "platform/portalshortcuts.h"
#include "platform/xdgtrigger.h"

namespace {

const QString kShortcutId = QStringLiteral("toggle");

// Runs then with the reply of call, on the owner's side.
template <class F>
void WhenAnswered(const QDBusConnection& bus, const QDBusMessage& call, QObject* owner, F then) {
  auto* watcher = new QDBusPendingCallWatcher(QDBusConnection(bus).asyncCall(call), owner);
  QObject::connect(watcher, &QDBusPendingCallWatcher::finished, owner, [then](QDBusPendingCallWatcher* w) {
    w->deleteLater();
    then(w->reply());
  });
}

QDBusMessage PortalCall(const char* interface, const QString& method) {
  return QDBusMessage::createMethodCall(QLatin1String(portal::kService), QLatin1String(portal::kPath),
                                        QLatin1String(interface), method);
}

// The object path in a signal's first argument, empty when it is none.
QString FirstPath(const QDBusMessage& message) {
  const QVariantList args = message.arguments();
  if (args.isEmpty() || args[0].metaType() != QMetaType::fromType<QDBusObjectPath>()) return {};
  return args[0].value<QDBusObjectPath>().path();
}

}  // namespace

TPortalHotKeyService::TPortalHotKeyService(QDBusConnection bus, QString appId, QObject* parent)
    : THotKeyService(parent), m_bus(std::move(bus)), m_appId(std::move(appId)) {
  Probe();
}

QString TPortalHotKeyService::Description() { return tr("Показать или спрятать калькулятор"); }

THotKeyService::TKeyChooser TPortalHotKeyService::KeyChooser() const {
  return m_state == TState::Failed && !m_hasGlobalShortcuts ? TKeyChooser::Nobody : TKeyChooser::Desktop;
}

bool TPortalHotKeyService::CanOpenDesktopSettings() const { return m_version >= 2 && !m_session.isEmpty(); }

bool TPortalHotKeyService::Register(quint16 fsModifiers, quint16 vkCode) {
  m_registered = true;
  m_trigger = XdgShortcutTrigger(fsModifiers, vkCode);
  // The desktop keeps its binding; the wish only counts for the first one.
  // Refused: once the portal has none to give (or the user declined).
  return m_state != TState::Failed;
}

void TPortalHotKeyService::Unregister() { m_registered = false; }

// ---- Finding the portal ------------------------------------------------------

void TPortalHotKeyService::Probe() {
  // Asking starts a portal that is not running yet.
  const QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(portal::kService), QLatin1String(portal::kPath),
                                                           QStringLiteral("org.freedesktop.DBus.Introspectable"),
                                                           QStringLiteral("Introspect"));
  WhenAnswered(m_bus, call, this, [this](const QDBusMessage& reply) {
    const QString xml = reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()
                            ? reply.arguments().constFirst().toString()
                            : QString();
    const auto has = [&xml](const char* interface) {
      return xml.contains(QStringLiteral("<interface name=\"%1\"").arg(QLatin1String(interface)));
    };
    m_hasGlobalShortcuts = has(portal::kGlobalShortcuts);
    if (!m_hasGlobalShortcuts) {
      GiveUp(nullptr);
      return;
    }
    m_hasRegistry = has(portal::kRegistry);
    m_state = TState::Starting;
    RegisterApp();
  });
}

void TPortalHotKeyService::RegisterApp() {
  // A portal that knows applications by id learns this one's before any
  // other call; one that refuses it still serves the host's programs.
  if (!m_hasRegistry) {
    ReadVersion();
    return;
  }
  QDBusMessage call = PortalCall(portal::kRegistry, QStringLiteral("Register"));
  call.setArguments({m_appId, QVariantMap()});
  WhenAnswered(m_bus, call, this, [this](const QDBusMessage&) { ReadVersion(); });
}

void TPortalHotKeyService::ReadVersion() {
  QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(portal::kService), QLatin1String(portal::kPath),
                                                     QStringLiteral("org.freedesktop.DBus.Properties"),
                                                     QStringLiteral("Get"));
  call.setArguments({QLatin1String(portal::kGlobalShortcuts), QStringLiteral("version")});
  WhenAnswered(m_bus, call, this, [this](const QDBusMessage& reply) {
    if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
      m_version = reply.arguments().constFirst().value<QDBusVariant>().variant().toUInt();
    m_bus.connect(QLatin1String(portal::kService), QLatin1String(portal::kPath), QLatin1String(portal::kGlobalShortcuts),
                  QStringLiteral("Activated"), this, SLOT(OnActivated(QDBusMessage)));
    m_bus.connect(QLatin1String(portal::kService), QLatin1String(portal::kPath), QLatin1String(portal::kGlobalShortcuts),
                  QStringLiteral("ShortcutsChanged"), this, SLOT(OnShortcutsChanged(QDBusMessage)));
    CreateSession();
  });
}

// ---- The session and its shortcut ------------------------------------------------

void TPortalHotKeyService::CreateSession() {
  const QVariantMap options{{QStringLiteral("session_handle_token"), TPortalRequest::NewToken()}};
  TPortalRequest::Send(m_bus, QStringLiteral("CreateSession"), {}, options, this,
                       [this](uint response, const QVariantMap& results) {
                         // The handle comes as a string (or, from some portals, a path).
                         const QVariant handle = results.value(QStringLiteral("session_handle"));
                         const QString path = handle.metaType() == QMetaType::fromType<QDBusObjectPath>()
                                                  ? handle.value<QDBusObjectPath>().path()
                                                  : handle.toString();
                         if (response != portal::kSuccess || path.isEmpty()) {
                           GiveUp(response == portal::kCancelled ? "cancelled" : "refused");
                           return;
                         }
                         m_session = path;
                         WatchSession(true);
                         ListShortcuts();
                       });
}

void TPortalHotKeyService::ListShortcuts() {
  TPortalRequest::Send(m_bus, QStringLiteral("ListShortcuts"), {QVariant::fromValue(QDBusObjectPath(m_session))}, {},
                       this, [this](uint response, const QVariantMap& results) {
                         if (response != portal::kSuccess) {
                           GiveUp(response == portal::kCancelled ? "cancelled" : "refused");
                           return;
                         }
                         // A shortcut the desktop has already is never bound again:
                         // some desktops ask the user at every binding.
                         if (TakeBinding(results.value(QStringLiteral("shortcuts")))) {
                           m_state = TState::Ready;
                           emit bindingChanged();
                         } else {
                           BindShortcuts();
                         }
                       });
}

void TPortalHotKeyService::BindShortcuts() {
  QVariantMap properties{{QStringLiteral("description"), Description()}};
  if (!m_trigger.isEmpty()) properties.insert(QStringLiteral("preferred_trigger"), m_trigger);
  const QList<TPortalShortcut> shortcuts{{kShortcutId, properties}};
  TPortalRequest::Send(m_bus, QStringLiteral("BindShortcuts"),
                       {QVariant::fromValue(QDBusObjectPath(m_session)), PortalShortcutsValue(shortcuts), QString()},
                       {}, this, [this](uint response, const QVariantMap& results) {
                         if (response != portal::kSuccess) {
                           GiveUp(response == portal::kCancelled ? "cancelled" : "refused");
                           return;
                         }
                         TakeBinding(results.value(QStringLiteral("shortcuts")));
                         m_state = TState::Ready;
                         emit bindingChanged();
                       });
}

bool TPortalHotKeyService::TakeBinding(const QVariant& shortcuts) {
  for (const TPortalShortcut& s : ReadPortalShortcuts(shortcuts)) {
    if (s.id != kShortcutId) continue;
    m_binding = s.properties.value(QStringLiteral("trigger_description")).toString();
    return true;
  }
  m_binding.clear();
  return false;
}

void TPortalHotKeyService::OpenDesktopSettings() {
  if (!CanOpenDesktopSettings()) return;
  QDBusMessage call = PortalCall(portal::kGlobalShortcuts, QStringLiteral("ConfigureShortcuts"));
  call.setArguments({QVariant::fromValue(QDBusObjectPath(m_session)), QString(), QVariantMap()});
  m_bus.asyncCall(call);
}

void TPortalHotKeyService::GiveUp(const char* why) {
  m_state = TState::Failed;
  m_binding.clear();
  if (!m_session.isEmpty()) {
    // The portal keeps a session open until it is closed or the program ends.
    WatchSession(false);
    m_bus.asyncCall(QDBusMessage::createMethodCall(QLatin1String(portal::kService), m_session,
                                                   QLatin1String(portal::kSession), QStringLiteral("Close")));
    m_session.clear();
  }
  if (!m_told) {
    m_told = true;
    const QString platform = QGuiApplication::platformName();
    SayNoGlobalHotKey(why ? QStringLiteral("%1: the desktop's key %2").arg(platform, QLatin1String(why)) : platform);
  }
  emit bindingChanged();
}

// ---- Signals of the portal ---------------------------------------------------------

void TPortalHotKeyService::WatchSession(bool watch) {
  const QString service = QLatin1String(portal::kService);
  const QString interface = QLatin1String(portal::kSession);
  if (watch)
    m_bus.connect(service, m_session, interface, QStringLiteral("Closed"), this, SLOT(OnSessionClosed(QDBusMessage)));
  else
    m_bus.disconnect(service, m_session, interface, QStringLiteral("Closed"), this, SLOT(OnSessionClosed(QDBusMessage)));
}

void TPortalHotKeyService::OnActivated(const QDBusMessage& message) {
  // Signals of other programs' sessions are not this program's key.
  if (m_session.isEmpty() || FirstPath(message) != m_session) return;
  const QVariantList args = message.arguments();
  if (args.size() < 2 || args[1].toString() != kShortcutId || !m_registered) return;
  if (args.size() >= 4)
    OfferActivationToken(ReadVariantMap(args[3]).value(QStringLiteral("activation_token")).toString());
  emit activated();
}

void TPortalHotKeyService::OnShortcutsChanged(const QDBusMessage& message) {
  if (m_session.isEmpty() || FirstPath(message) != m_session) return;
  const QVariantList args = message.arguments();
  if (args.size() < 2) return;
  TakeBinding(args[1]);
  emit bindingChanged();
}

void TPortalHotKeyService::OnSessionClosed(const QDBusMessage&) {
  WatchSession(false);
  m_session.clear();
  m_binding.clear();
  if (m_recreated) {
    GiveUp("closed");
    return;
  }
  // The desktop ended the session (a restart of its portal, say): once
  // more, and the binding the desktop keeps is found by the listing.
  m_recreated = true;
  m_state = TState::Starting;
  emit bindingChanged();
  CreateSession();
}
