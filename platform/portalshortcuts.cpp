// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/portalshortcuts.h"

#include <QDBusArgument>
#include <QDBusMetaType>
#include <QDBusVariant>

QDBusArgument& operator<<(QDBusArgument& argument, const TPortalShortcut& shortcut) {
  argument.beginStructure();
  argument << shortcut.id << shortcut.properties;
  argument.endStructure();
  return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, TPortalShortcut& shortcut) {
  argument.beginStructure();
  argument >> shortcut.id >> shortcut.properties;
  argument.endStructure();
  return argument;
}

QVariant PortalShortcutsValue(const QList<TPortalShortcut>& shortcuts) {
  static const bool registered = [] {
    qDBusRegisterMetaType<TPortalShortcut>();
    qDBusRegisterMetaType<QList<TPortalShortcut>>();
    return true;
  }();
  Q_UNUSED(registered);
  return QVariant::fromValue(shortcuts);
}

QList<TPortalShortcut> ReadPortalShortcuts(const QVariant& value) {
  QList<TPortalShortcut> shortcuts;
  if (!value.canConvert<QDBusArgument>()) return shortcuts;
  const QDBusArgument argument = value.value<QDBusArgument>();
  if (argument.currentSignature() != QLatin1String("a(sa{sv})")) return shortcuts;
  argument.beginArray();
  while (!argument.atEnd()) {
    TPortalShortcut s;
    argument >> s;
    shortcuts.append(s);
  }
  argument.endArray();
  return shortcuts;
}

QVariantMap ReadVariantMap(const QVariant& value) {
  if (value.metaType() == QMetaType::fromType<QVariantMap>()) return value.toMap();
  if (!value.canConvert<QDBusArgument>()) return {};
  const QDBusArgument argument = value.value<QDBusArgument>();
  if (argument.currentSignature() != QLatin1String("a{sv}")) return {};
  QVariantMap map;
  argument >> map;
  return map;
}
