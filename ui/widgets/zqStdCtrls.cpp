#include "ui/widgets/zqStdCtrls.h"

#include <QEvent>
#include <QLineEdit>

TzqComboBox::TzqComboBox(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  // The history grows only when the program stores an entry, and the text is
  // never completed behind the user's back.
  setInsertPolicy(QComboBox::NoInsert);
  setCompleter(nullptr);
  lineEdit()->installEventFilter(this);
}

bool TzqComboBox::eventFilter(QObject* watched, QEvent* event) {
  QLineEdit* edit = lineEdit();
  if (edit && watched == edit) {
    // Taken before the line edit handles the event, since it drops the
    // selection when it loses the focus.
    if (event->type() == QEvent::FocusOut)
      SavedSelStart = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    else if (event->type() == QEvent::FocusIn) {
      bool handled = edit->event(event);  // the ordinary handling first (it may select all)
      RestoreCaret();
      return handled;
    }
  }
  return QComboBox::eventFilter(watched, event);
}

void TzqComboBox::focusInEvent(QFocusEvent* event) {
  QComboBox::focusInEvent(event);
  RestoreCaret();
}

void TzqComboBox::RestoreCaret() {
  if (QLineEdit* edit = lineEdit()) {
    const int length = static_cast<int>(edit->text().size());
    edit->setCursorPosition(qBound(0, SavedSelStart, length));  // also clears the selection
  }
}
