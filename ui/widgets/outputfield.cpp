// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/outputfield.h"

#include "ui/widgets/resultfit.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
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

QRect TOutputField::TextRect() const {
  QStyleOptionFrame option;
  initStyleOption(&option);
  return style()
      ->subElementRect(QStyle::SE_LineEditContents, &option, this)
      .marginsRemoved(textMargins())
      .adjusted(kInnerMargin, 0, -kInnerMargin, 0);
}

bool TOutputField::TextOverflows() const {
  return QFontMetrics(font()).horizontalAdvance(text()) > TextRect().width();
}

void TOutputField::paintEvent(QPaintEvent* event) {
  // A selection shows on the whole text, as the line edit draws it.
  if (hasSelectedText() || !TextOverflows()) return QLineEdit::paintEvent(event);
  QPainter painter(this);
  QStyleOptionFrame option;
  initStyleOption(&option);
  style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
  const QRect shown = TextRect();
  const QPalette::ColorGroup group =
      !isEnabled() ? QPalette::Disabled : (isActiveWindow() ? QPalette::Active : QPalette::Inactive);
  painter.setPen(palette().color(group, QPalette::Text));
  painter.drawText(shown, Qt::AlignVCenter | Qt::AlignLeft, FitResultText(text(), shown.width(), fontMetrics()));
}

bool TOutputField::event(QEvent* event) {
  // Decided when the tooltip is asked for, not at every write: the width of
  // the field changes with the window, and typing must not pay for it.
  if (event->type() == QEvent::ToolTip) setToolTip(TextOverflows() ? text() : QString());
  return QLineEdit::event(event);
}
