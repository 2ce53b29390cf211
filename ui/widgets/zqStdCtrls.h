// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TzqComboBox: the editable combo box of the expression input. Unlike a plain
// combo box it does not select its whole text when it gets the focus back:
// the caret returns to where it stood when the focus left, with nothing
// selected, so typing goes on where it stopped and other windows can insert
// text at that place (SavedSelStart). The arrow keys walk the history from
// the newest entry (the first) towards the oldest, counting from the entry
// the text equals, or from before the first when it equals none.
#include <QComboBox>

class TzqComboBox : public QComboBox {
  Q_OBJECT
 public:
  explicit TzqComboBox(QWidget* parent = nullptr);

  // Caret position (lower end of the selection, counted from 0) of the text
  // part when the focus last left it. Others may read and change it at any
  // time; the box reads it only when it gets the focus.
  int SavedSelStart = 0;

  // The row of the history the input text stands for: the current row while
  // its text is the input text, else the first row equal to it, else -1.
  int HistoryRow() const;
  void showPopup() override;

  // The longest expression the line takes. A line edit keeps 32767
  // characters by default and drops the rest of a longer paste silently;
  // the evaluation takes any length, so the line takes far more, and a
  // paste that would still pass this is refused with a word, whole.
  static constexpr int kMaxTextLength = 1 << 20;
  // Pastes the clipboard into the line at the caret, as Ctrl+V does, or
  // refuses a text the line cannot take whole (and says so).
  void Paste();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void SaveCaret();
  void RestoreCaret();
  void StepHistory(int step);
  // True when incoming, put in place of the selection (or beside all of
  // the text when it does not replace the selection), fits the line;
  // otherwise the user is told and false comes back.
  bool Takes(const QString& incoming, bool replacesSelection);

  void KeyPress(QKeyEvent* event);

  bool m_takingFocus = false;
  bool m_typing = false;  // inside a key press: the caret moves by the user's hand
};
