// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/buttonhint.h"

#include <QCoreApplication>
#include <QWidget>

QString HintName(const QString& hint) {
  QString name = hint;
  return name.replace(QLatin1Char('\n'), QLatin1Char(' '));
}

namespace {
QString WithKey(const QString& hint, const QKeySequence& key) {
  if (key.isEmpty()) return hint;
  return hint + QStringLiteral(" (") + key.toString(QKeySequence::NativeText) + QLatin1Char(')');
}
}  // namespace

void SetHint(QWidget* button, const QString& hint, const QKeySequence& key) {
  button->setToolTip(WithKey(hint, key));
  button->setAccessibleName(HintName(hint));
}

void SetToggleHint(QWidget* button, const QString& name, bool turnsOn, const QKeySequence& key) {
  // Written whole, so that a language can put the action in its own words
  // ("switch ... off" rather than a bare "Off" that reads as the state).
  const QString hint = turnsOn ? QCoreApplication::translate("ButtonHint", "%1/Вкл").arg(name)
                               : QCoreApplication::translate("ButtonHint", "%1/Откл").arg(name);
  button->setToolTip(WithKey(hint, key));
  button->setAccessibleName(HintName(name));
}
