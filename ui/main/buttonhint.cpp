// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/buttonhint.h"

#include <QWidget>

QString HintName(const QString& hint) {
  QString name = hint;
  for (const QString& ending : {QStringLiteral("/Вкл"), QStringLiteral("/Откл")})
    if (name.endsWith(ending)) name.chop(ending.size());
  return name.replace(QLatin1Char('\n'), QLatin1Char(' '));
}

void SetHint(QWidget* button, const QString& hint) {
  button->setToolTip(hint);
  button->setAccessibleName(HintName(hint));
}
