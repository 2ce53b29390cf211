// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/zqStdCtrls.h"

#include <QAbstractItemView>
#include <QKeyEvent>
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

int TzqComboBox::HistoryRow() const {
  // The box's own current row goes stale as soon as the user types; only
  // the text tells which entry is shown.
  const QString text = currentText();
  if (currentIndex() >= 0 && itemText(currentIndex()) == text) return currentIndex();
  return findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
}

void TzqComboBox::keyPressEvent(QKeyEvent* event) {
  const bool plain = !(event->modifiers() & (Qt::AltModifier | Qt::ControlModifier));
  if (plain && (event->key() == Qt::Key_Down || event->key() == Qt::Key_Up)) {
    StepHistory(event->key() == Qt::Key_Down ? 1 : -1);
    event->accept();
    return;
  }
  QComboBox::keyPressEvent(event);
}

void TzqComboBox::StepHistory(int step) {
  const int row = HistoryRow();
  // Up from a text that is no entry has nowhere to go back to.
  const int next = row < 0 ? (step > 0 ? 0 : -1) : row + step;
  if (next < 0 || next >= count()) return;
  setCurrentIndex(next);
  setEditText(itemText(next));  // also when next was the stale current row
  emit activated(next);
  emit textActivated(itemText(next));
}

void TzqComboBox::showPopup() {
  QComboBox::showPopup();
  // The list opens on the entry the input text equals, or on none, so that
  // Enter never takes a row the user did not see chosen.
  if (QAbstractItemView* list = view()) {
    const int row = HistoryRow();
    const QModelIndex index = row >= 0 ? model()->index(row, modelColumn(), rootModelIndex()) : QModelIndex();
    list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
  }
}
