// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A format button of an output field: a flat tool button that keeps the
// field's format code in Tag and shows the code's caption.
#include <QToolButton>

class TFormatButton : public QToolButton {
  Q_OBJECT
 public:
  using QToolButton::QToolButton;
  int Tag = 1;
  // Sets the code and the caption that goes with it.
  void SetCode(int code);

 protected:
  // The caption follows the interface's language.
  void changeEvent(QEvent* event) override;
};
