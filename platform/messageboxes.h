// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Message boxes and the beep, behind one replaceable service so tests can
// answer them from a script.
#include <QString>

class QWidget;

// The icon of a question: a warning where the answer may lose something
// (closing the program), the question mark where it only asks.
enum class TQuestionIcon { Warning, Question };

class TMessageBoxes {
 public:
  virtual ~TMessageBoxes() = default;
  // A question with Yes and No under the caption "Подтвердите"; true for Yes.
  virtual bool Confirm(QWidget* owner, const QString& text, TQuestionIcon icon = TQuestionIcon::Warning) = 0;
  // An error with OK under the caption "Ошибка".
  virtual void Error(QWidget* owner, const QString& text) = 0;
  // The program's general error display: the text, the program's title as
  // caption, the error icon and OK.
  virtual void ShowException(QWidget* owner, const QString& text) = 0;
  // The same display without waiting for it: the box opens beside the
  // owner's window without taking the keyboard, and the caller goes on at
  // once (a failure met while the user is typing must not stop the typing).
  virtual void ShowExceptionAside(QWidget* owner, const QString& text) = 0;
  // The short sound for a rejected keystroke.
  virtual void Beep() = 0;
};

// The service in force (real message boxes unless a test installed another).
TMessageBoxes& MessageBoxes();
// Installs a replacement (nullptr restores the real one). Not owned.
void SetMessageBoxes(TMessageBoxes* boxes);
