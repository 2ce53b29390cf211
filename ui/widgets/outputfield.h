// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TOutputField: a read-only result field. A result is read from its start
// (the sign, the leading digits, the first word of a message), so every
// text written into the field is shown from its first character, and a text
// wider than the field offers itself whole as the tooltip. Such a text shows
// cut with a mark (a number keeps its sign and exponent, see resultfit.h);
// the field's text, which copying takes, stays whole.
#include <QLineEdit>

class QTimer;

class TOutputField : public QLineEdit {
  Q_OBJECT
 public:
  explicit TOutputField(QWidget* parent = nullptr);

  // Writes the text and scrolls the field to its start (a plain setText
  // leaves the caret, and so the view, at the end).
  void ShowText(const QString& text);
  // True when the text is wider than the part of the field that shows it.
  bool TextOverflows() const;
  // From now on each result, once it has stood still for kSettleMs, is
  // told to a screen reader (see ShowText).
  void AnnounceSettledResults();
  static constexpr int kSettleMs = 700;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // The part of the field that shows the text.
  QRect TextRect() const;
  void Announce();

  QTimer* m_settle = nullptr;
  QString m_announced;
};
