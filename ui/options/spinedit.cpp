// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/options/spinedit.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

#include "platform/messageboxes.h"

TSpinEdit::TSpinEdit(int minValue, int maxValue, QWidget* parent)
    : QAbstractSpinBox(parent), m_min(minValue), m_max(maxValue) {
  SetValue(minValue);
  connect(lineEdit(), &QLineEdit::textChanged, this, [this] {
    QAccessibleValueChangeEvent event(this, Value());
    QAccessible::updateAccessibility(&event);
  });
}

int TSpinEdit::Clamp(long long value) const {
  if (value < m_min) return m_min;
  if (value > m_max) return m_max;
  return static_cast<int>(value);
}

bool TSpinEdit::ParseText(long long& value) const {
  bool ok = false;
  // Surrounding blanks are tolerated, as a typed number with a stray space
  // still means that number.
  value = text().trimmed().toLongLong(&ok, 10);
  return ok;
}

int TSpinEdit::Value() const {
  long long value = 0;
  if (!ParseText(value)) return m_min;
  return Clamp(value);
}

void TSpinEdit::SetValue(int value) { lineEdit()->setText(QString::number(Clamp(value))); }

void TSpinEdit::stepBy(int steps) {
  SetValue(Clamp(static_cast<long long>(Value()) + steps));
  lineEdit()->selectAll();
}

QAbstractSpinBox::StepEnabled TSpinEdit::stepEnabled() const {
  if (isReadOnly()) return StepNone;
  StepEnabled result = StepNone;
  const int value = Value();
  if (value < m_max) result |= StepUpEnabled;
  if (value > m_min) result |= StepDownEnabled;
  return result;
}

QValidator::State TSpinEdit::validate(QString&, int&) const {
  // Typing is filtered key by key; whatever reaches the text stays there.
  return QValidator::Acceptable;
}

void TSpinEdit::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    MessageBoxes().Beep();
    event->accept();
    return;
  }
  const QString typed = event->text();
  if (typed.size() == 1 && typed[0].isPrint()) {
    const QChar c = typed[0];
    const bool allowed = (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || QString(c) == QLocale().decimalPoint();
    if (!allowed) {
      MessageBoxes().Beep();
      event->accept();
      return;
    }
  }
  QAbstractSpinBox::keyPressEvent(event);
}

void TSpinEdit::focusOutEvent(QFocusEvent* event) {
  long long value = 0;
  if (ParseText(value) && Clamp(value) != value) SetValue(Clamp(value));
  QAbstractSpinBox::focusOutEvent(event);
}
