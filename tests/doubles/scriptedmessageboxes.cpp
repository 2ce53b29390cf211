// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/doubles/scriptedmessageboxes.h"

#include <QStringList>

bool TScriptedMessageBoxes::Confirm(QWidget*, const QString& text, TQuestionIcon icon) {
  Boxes.append({Kind::Confirm, text, icon});
  if (WhileOpen) WhileOpen();
  if (Answers.isEmpty()) {
    ++Unscripted;
    return AnswerWhenUnscripted;
  }
  return Answers.takeFirst();
}

void TScriptedMessageBoxes::Error(QWidget*, const QString& text) {
  Boxes.append({Kind::Error, text});
  if (WhileOpen) WhileOpen();
}

void TScriptedMessageBoxes::ShowException(QWidget*, const QString& text) {
  Boxes.append({Kind::Exception, text});
  if (WhileOpen) WhileOpen();
}

void TScriptedMessageBoxes::ShowExceptionAside(QWidget*, const QString& text) {
  Boxes.append({Kind::ExceptionAside, text});
}

void TScriptedMessageBoxes::Beep() { ++Beeps; }

QStringList TScriptedMessageBoxes::Texts(Kind kind) const {
  QStringList texts;
  for (const Shown& box : Boxes) {
    if (box.kind == kind) texts.append(box.text);
  }
  return texts;
}
