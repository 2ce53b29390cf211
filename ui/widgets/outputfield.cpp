// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/outputfield.h"

#include "ui/widgets/accessibility.h"
#include "ui/widgets/resultfit.h"

#include <QAccessible>
#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>

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
  if (m_settle) m_settle->start();
}

void TOutputField::AnnounceSettledResults() {
  if (m_settle) return;
  m_settle = new QTimer(this);
  m_settle->setSingleShot(true);
  // Longer than a desktop's delay before a held key repeats (660 ms at
  // most by default), and every repeat starts it again: a held key is
  // never announced, only what stands when the typing stops.
  m_settle->setInterval(kSettleMs);
  connect(m_settle, &QTimer::timeout, this, &TOutputField::Announce);
}

void TOutputField::Announce() {
  // The toolkit has no announcement or live-region attribute its AT-SPI
  // bridge would forward; the line edit's own text-change events come with
  // every keystroke and are heard only from the focused field. A change of
  // the description is forwarded as a property change of the field that a
  // screen reader may speak without the focus there, and it comes once per
  // settled result: the description holds that result.
  if (text() == m_announced) return;
  m_announced = text();
  setAccessibleDescription(m_announced);
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
