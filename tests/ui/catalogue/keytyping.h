// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Key presses as a user makes them, from a short script: plain characters
// are typed one by one (Cyrillic too), and a few named keys in angle
// brackets: <BS> backspace, <HOME>, <ALL> (select the whole text),
// <C-C>, <C-V>, <C-X> (the clipboard shortcuts).
#include <QLineEdit>
#include <QtTest>

inline void TypeScript(QLineEdit* edit, const QString& script) {
  for (qsizetype i = 0; i < script.size(); ++i) {
    if (script[i] == '<') {
      const qsizetype end = script.indexOf('>', i);
      const QString name = script.mid(i + 1, end - i - 1);
      i = end;
      if (name == "BS") QTest::keyClick(edit, Qt::Key_Backspace);
      else if (name == "HOME") QTest::keyClick(edit, Qt::Key_Home);
      else if (name == "ALL") edit->selectAll();
      else if (name == "C-C") QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
      else if (name == "C-V") QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
      else if (name == "C-X") QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
      else QFAIL(qPrintable("unknown key " + name));
      continue;
    }
    const QChar c = script[i];
    // Printable ASCII keys have the character's code as key code.
    const Qt::Key key = c.unicode() < 128 ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown;
    QTest::sendKeyEvent(QTest::Click, edit, key, QString(c), Qt::NoModifier);
  }
}
