// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window walked from the keyboard as its user walks it: Tab or Shift+Tab
// pressed from one widget until the focus comes round to it again, naming
// every widget reached on the way.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QStringList>
#include <QTest>

// A widget as a walk names it: an editable combo box's line by its box.
inline QString WalkName(const QWidget* w) {
  if (!w) return QStringLiteral("<none>");
  if (const auto* box = qobject_cast<const QComboBox*>(w->parentWidget()); box && box->lineEdit() == w)
    return box->objectName();
  return w->objectName();
}

// The widgets the focus reaches from start, in order, until it is back at
// start. A widget the user cannot see or use that takes the focus ends the
// walk marked "!" (as does a focus that never comes back), so a walk that
// lists only what is expected has reached nothing else.
inline QStringList KeyWalk(QWidget* start, bool backwards = false, int limit = 40) {
  start->setFocus(Qt::TabFocusReason);
  const QWidget* first = QApplication::focusWidget();
  QStringList walk;
  for (int i = 0; i < limit; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
    const QWidget* focus = QApplication::focusWidget();
    if (focus && focus == first) return walk;
    if (!focus || !focus->isVisible() || !focus->isEnabled()) return walk << QLatin1Char('!') + WalkName(focus);
    walk << WalkName(focus);
  }
  return walk << QStringLiteral("!no way back");
}

// The walk backwards is the walk forwards turned round.
inline QStringList Reversed(QStringList walk) {
  std::reverse(walk.begin(), walk.end());
  return walk;
}
