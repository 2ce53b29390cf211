// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/portalrequest.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QRandomGenerator>

#include "platform/portalshortcuts.h"

TPortalRequest::TPortalRequest(QDBusConnection bus, TDone done, QObject* owner)
    : QObject(owner), m_bus(std::move(bus)), m_done(std::move(done)) {}

QString TPortalRequest::NewToken() {
  static quint32 counter = 0;
  return QStringLiteral("tamrix_%1_%2").arg(++counter).arg(QRandomGenerator::global()->generate(), 8, 16, QChar('0'));
}

QString TPortalRequest::SenderPart(const QDBusConnection& bus) {
  QString sender = bus.baseService();
  if (sender.startsWith(u':')) sender.remove(0, 1);
  return sender.replace(u'.', u'_');
}

void TPortalRequest::Send(const QDBusConnection& bus, const QString& method, QVariantList arguments,
                          QVariantMap options, QObject* owner, TDone done) {
  auto* request = new TPortalRequest(bus, std::move(done), owner);
  const QString token = NewToken();
  request->m_path = QStringLiteral("%1/request/%2/%3").arg(QLatin1String(portal::kPath), SenderPart(bus), token);
  request->m_bus.connect(QLatin1String(portal::kService), request->m_path, QLatin1String(portal::kRequest),
                         QStringLiteral("Response"), request, SLOT(OnResponse(QDBusMessage)));
  options.insert(QStringLiteral("handle_token"), token);
  QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(portal::kService), QLatin1String(portal::kPath),
                                                     QLatin1String(portal::kGlobalShortcuts), method);
  arguments.append(options);
  call.setArguments(arguments);
  auto* watcher = new QDBusPendingCallWatcher(request->m_bus.asyncCall(call), request);
  connect(watcher, &QDBusPendingCallWatcher::finished, request, [request](QDBusPendingCallWatcher* w) {
    w->deleteLater();
    // Success: the Response follows, or has come already.
    if (w->isError()) request->Finish(portal::kRefused, {});
  });
}

void TPortalRequest::OnResponse(const QDBusMessage& message) {
  const QVariantList args = message.arguments();
  if (args.size() != 2 || args[0].metaType() != QMetaType::fromType<uint>()) {
    Finish(portal::kRefused, {});
    return;
  }
  Finish(args[0].toUInt(), ReadVariantMap(args[1]));
}

void TPortalRequest::Finish(uint response, const QVariantMap& results) {
  if (m_finished) return;
  m_finished = true;
  m_bus.disconnect(QLatin1String(portal::kService), m_path, QLatin1String(portal::kRequest),
                   QStringLiteral("Response"), this, SLOT(OnResponse(QDBusMessage)));
  deleteLater();
  m_done(response, results);
}
