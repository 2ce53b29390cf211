// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/mainkeys.h"

#include <QAbstractButton>
#include <QShortcut>

QKeySequence MainKey(TMainKey key) {
  switch (key) {
    case TMainKey::SysMenu: return QKeySequence(Qt::CTRL | Qt::Key_M);
    case TMainKey::OnTop: return QKeySequence(Qt::CTRL | Qt::Key_T);
    case TMainKey::Copy: return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
    case TMainKey::Paste: return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V);
    case TMainKey::Angle: return QKeySequence(Qt::CTRL | Qt::Key_G);
    case TMainKey::Error: return QKeySequence(Qt::CTRL | Qt::Key_R);
    case TMainKey::RollUp: return QKeySequence(Qt::CTRL | Qt::Key_L);
    case TMainKey::Store: return QKeySequence(Qt::CTRL | Qt::Key_S);
    case TMainKey::Format1: return QKeySequence(Qt::CTRL | Qt::Key_1);
    case TMainKey::Format2: return QKeySequence(Qt::CTRL | Qt::Key_2);
    case TMainKey::Format3: return QKeySequence(Qt::CTRL | Qt::Key_3);
  }
  return {};
}

void AddButtonKey(QWidget& window, QAbstractButton* button, TMainKey key) {
  auto* shortcut = new QShortcut(MainKey(key), &window);
  QObject::connect(shortcut, &QShortcut::activated, button, [button] {
    // A button out of reach (behind the upper panel) does not answer either.
    if (button->isEnabled() && button->focusPolicy() != Qt::NoFocus) button->click();
  });
}
