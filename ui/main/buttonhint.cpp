// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/buttonhint.h"

#include <QCoreApplication>
#include <QWidget>

QString HintName(const QString& hint) {
  QString name = hint;
  return name.replace(QLatin1Char('\n'), QLatin1Char(' '));
}

void SetHint(QWidget* button, const QString& hint) {
  button->setToolTip(hint);
  button->setAccessibleName(HintName(hint));
}

void SetToggleHint(QWidget* button, const QString& name, bool turnsOn) {
  const QString ending = turnsOn ? QCoreApplication::translate("ButtonHint", "Вкл")
                                 : QCoreApplication::translate("ButtonHint", "Откл");
  button->setToolTip(name + QLatin1Char('/') + ending);
  button->setAccessibleName(HintName(name));
}
