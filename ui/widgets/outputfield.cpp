// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/outputfield.h"

#include <QEvent>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {
// The line edit keeps this margin inside its contents on either side.
constexpr int kInnerMargin = 2;
}  // namespace

TOutputField::TOutputField(QWidget* parent) : QLineEdit(parent) {
  setReadOnly(true);
  setFrame(false);
}

void TOutputField::ShowText(const QString& text) {
  setText(text);
  setCursorPosition(0);
}

bool TOutputField::TextOverflows() const {
  QStyleOptionFrame option;
  initStyleOption(&option);
  const QRect shown =
      style()->subElementRect(QStyle::SE_LineEditContents, &option, this).marginsRemoved(textMargins());
  return QFontMetrics(font()).horizontalAdvance(text()) > shown.width() - 2 * kInnerMargin;
}

bool TOutputField::event(QEvent* event) {
  // Decided when the tooltip is asked for, not at every write: the width of
  // the field changes with the window, and typing must not pay for it.
  if (event->type() == QEvent::ToolTip) setToolTip(TextOverflows() ? text() : QString());
  return QLineEdit::event(event);
}
