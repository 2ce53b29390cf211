// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An integer field with up and down arrows, bounded to a range. Typing is
// limited to what a number can contain; anything else, Enter included, is
// refused with a beep. Text that is not a whole number is left as typed and
// reads as the lower limit.
#include <QAbstractSpinBox>

class TSpinEdit : public QAbstractSpinBox {
  Q_OBJECT
  // Under the names the toolkit's spin-box interface reads them by, so that
  // a screen reader hears the number and its range.
  Q_PROPERTY(int value READ Value WRITE SetValue)
  Q_PROPERTY(int minimum READ MinValue)
  Q_PROPERTY(int maximum READ MaxValue)
 public:
  TSpinEdit(int minValue, int maxValue, QWidget* parent = nullptr);

  int MinValue() const { return m_min; }
  int MaxValue() const { return m_max; }
  // The number shown, brought into the range; the lower limit when the text
  // is not a whole number.
  int Value() const;
  // Shows value brought into the range.
  void SetValue(int value);

  void stepBy(int steps) override;

 protected:
  StepEnabled stepEnabled() const override;
  QValidator::State validate(QString& input, int& pos) const override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  int Clamp(long long value) const;
  // The text as a whole number; false when it is none.
  bool ParseText(long long& value) const;

  int m_min;
  int m_max;
};
