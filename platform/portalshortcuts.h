// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop portal's list of shortcuts, a(sa{sv}): an id and its
// properties ("description", "preferred_trigger", "trigger_description"),
// read from and written to D-Bus values. Whatever a portal sends, reading
// never fails: a value of another type reads as nothing.
#include <QList>
#include <QMetaType>
#include <QString>
#include <QVariantMap>

class QDBusArgument;

struct TPortalShortcut {
  QString id;
  QVariantMap properties;
};
Q_DECLARE_METATYPE(TPortalShortcut)

QDBusArgument& operator<<(QDBusArgument& argument, const TPortalShortcut& shortcut);
const QDBusArgument& operator>>(const QDBusArgument& argument, TPortalShortcut& shortcut);

// The value to pass in a call as a(sa{sv}).
QVariant PortalShortcutsValue(const QList<TPortalShortcut>& shortcuts);
// A received a(sa{sv}); an empty list for a value of any other type.
QList<TPortalShortcut> ReadPortalShortcuts(const QVariant& value);
// A received a{sv}; empty for a value of any other type.
QVariantMap ReadVariantMap(const QVariant& value);
