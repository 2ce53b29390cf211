#pragma once
// TzqComboBox: the editable combo box of the expression input. Unlike a plain
// combo box it does not select its whole text when it gets the focus back:
// the caret returns to where it stood when the focus left, with nothing
// selected, so typing goes on where it stopped and other windows can insert
// text at that place (SavedSelStart).
#include <QComboBox>

class TzqComboBox : public QComboBox {
  Q_OBJECT
 public:
  explicit TzqComboBox(QWidget* parent = nullptr);

  // Caret position (lower end of the selection, counted from 0) of the text
  // part when the focus last left it. Others may read and change it at any
  // time; the box reads it only when it gets the focus.
  int SavedSelStart = 0;

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void SaveCaret();
  void RestoreCaret();
};
