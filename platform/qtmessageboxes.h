// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The message boxes the user sees: Qt's standard boxes with the program's
// captions, placed over the active window and raised to the front.
#include "platform/messageboxes.h"

class TQtMessageBoxes : public TMessageBoxes {
 public:
  bool Confirm(QWidget* owner, const QString& text, TQuestionIcon icon = TQuestionIcon::Warning) override;
  void Error(QWidget* owner, const QString& text) override;
  void ShowException(QWidget* owner, const QString& text) override;
  void ShowExceptionAside(QWidget* owner, const QString& text) override;
  void Beep() override;
};
