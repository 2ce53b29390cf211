#include "ui/widgets/zqStdCtrls.h"

#include <QLineEdit>

TzqComboBox::TzqComboBox(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  // The history grows only when the program stores an entry, and the text is
  // never completed behind the user's back.
  setInsertPolicy(QComboBox::NoInsert);
  setCompleter(nullptr);
}

void TzqComboBox::focusOutEvent(QFocusEvent* event) {
  SaveCaret();  // before the box hands the event on to its line edit
  QComboBox::focusOutEvent(event);
}

void TzqComboBox::SaveCaret() {
  if (QLineEdit* edit = lineEdit())
    SavedSelStart = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
}

void TzqComboBox::focusInEvent(QFocusEvent* event) {
  QComboBox::focusInEvent(event);  // the ordinary handling first: it may select all
  RestoreCaret();
}

void TzqComboBox::RestoreCaret() {
  if (QLineEdit* edit = lineEdit()) {
    const int length = static_cast<int>(edit->text().size());
    edit->setCursorPosition(qBound(0, SavedSelStart, length));  // also clears the selection
  }
}
