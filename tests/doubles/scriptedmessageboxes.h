// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Message boxes for tests: questions are answered from a script, every box
// and beep is recorded instead of shown.
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

#include "platform/messageboxes.h"

class TScriptedMessageBoxes : public TMessageBoxes {
 public:
  enum class Kind { Confirm, Error, Exception, ExceptionAside };
  struct Shown {
    Kind kind;
    QString text;
    TQuestionIcon icon = TQuestionIcon::Warning;  // of a question
  };

  // Answers for the next questions, first one first (true: Yes).
  QList<bool> Answers;
  // The answer once the script has run out: No, the answer that changes
  // nothing, so a forgotten script shows up as a missing effect.
  bool AnswerWhenUnscripted = false;
  // Questions asked after the script had run out.
  int Unscripted = 0;
  QList<Shown> Boxes;
  // Runs while each box is open, before its answer: what arrives meanwhile
  // (a signal, a quit) as the events a real box's loop would deliver.
  std::function<void()> WhileOpen;
  int Beeps = 0;

  bool Confirm(QWidget* owner, const QString& text, TQuestionIcon icon = TQuestionIcon::Warning) override;
  void Error(QWidget* owner, const QString& text) override;
  void ShowException(QWidget* owner, const QString& text) override;
  // Recorded only: nothing waits for this box (WhileOpen does not run).
  void ShowExceptionAside(QWidget* owner, const QString& text) override;
  void Beep() override;

  // The texts shown in boxes of one kind, in order.
  QStringList Texts(Kind kind) const;
};

// Installs boxes as the program's message boxes for the lifetime of this
// object, restoring the real ones afterwards (also when a test fails).
class TMessageBoxesOverride {
 public:
  explicit TMessageBoxesOverride(TMessageBoxes* boxes) { SetMessageBoxes(boxes); }
  ~TMessageBoxesOverride() { SetMessageBoxes(nullptr); }
  TMessageBoxesOverride(const TMessageBoxesOverride&) = delete;
  TMessageBoxesOverride& operator=(const TMessageBoxesOverride&) = delete;
};
