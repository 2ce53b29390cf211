// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/zqStdCtrls.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QToolTip>

TzqComboBox::TzqComboBox(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  // The history grows only when the program stores an entry, and the text is
  // never completed behind the user's back.
  setInsertPolicy(QComboBox::NoInsert);
  setCompleter(nullptr);
  lineEdit()->setMaxLength(kMaxTextLength);
  lineEdit()->installEventFilter(this);
  // The caret is also kept while the user moves it, not only when the focus
  // leaves: a window that is taken down and put up again by the desktop
  // (always on top, the notification area) may never tell the box it lost
  // the focus, and the next focus would then put the caret back where it
  // stood before. A text set by another window (the catalogue, active
  // then) leaves the kept caret to that window.
  connect(lineEdit(), &QLineEdit::cursorPositionChanged, this, [this] {
    if (!m_takingFocus && window()->focusWidget() == this && (m_typing || window()->isActiveWindow())) SaveCaret();
  });
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
  m_takingFocus = true;  // the ordinary handling moves the caret on its own
  QComboBox::focusInEvent(event);  // the ordinary handling first: it may select all
  m_takingFocus = false;
  // Back from the line's own menu the line has not been left: what was
  // selected stays selected, so that the menu's Paste replaces it.
  if (event->reason() != Qt::PopupFocusReason) RestoreCaret();
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

bool TzqComboBox::Takes(const QString& incoming, bool replacesSelection) {
  const QLineEdit* edit = lineEdit();
  const qsizetype kept = edit->text().size() - (replacesSelection ? edit->selectedText().size() : 0);
  if (kept + incoming.size() <= kMaxTextLength) return true;
  QApplication::beep();
  QToolTip::showText(edit->mapToGlobal(QPoint(0, edit->height())),
                     tr("Текст не вставлен: строка вмещает не больше %1 символов.").arg(kMaxTextLength), this);
  return false;
}

void TzqComboBox::Paste() {
  if (Takes(QApplication::clipboard()->text(), true)) lineEdit()->paste();
}

bool TzqComboBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched != lineEdit() || lineEdit()->isReadOnly()) return QComboBox::eventFilter(watched, event);
  // Every way into the line that a long text can take: the paste key goes
  // through keyPressEvent, the menu through contextMenuEvent; here the
  // middle button, which pastes the selection, and a drop. Both put their
  // text at the place of the click with nothing selected, so the whole of
  // the line's text stays beside it, a selection included.
  if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton &&
      QApplication::clipboard()->supportsSelection()) {
    return !Takes(QApplication::clipboard()->text(QClipboard::Selection), false);
  }
  if (event->type() == QEvent::Drop) {
    auto* drop = static_cast<QDropEvent*>(event);
    // Text moved within the line leaves its length as it was.
    const bool within = drop->source() == lineEdit() && drop->dropAction() == Qt::MoveAction;
    if (!within && drop->mimeData()->hasText() && !Takes(drop->mimeData()->text(), false)) {
      drop->ignore();
      return true;
    }
  }
  return QComboBox::eventFilter(watched, event);
}

void TzqComboBox::contextMenuEvent(QContextMenuEvent* event) {
  // The line's own menu, whose paste goes through the same check. Newer
  // toolkits name the entry; this one only ends its text with the paste
  // key, as the menu shows it beside every entry that has one.
  QMenu* menu = lineEdit()->createStandardContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  const QString pasteKey = QLatin1Char('\t') + QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
  for (QAction* a : menu->actions()) {
    if (a->objectName() != QLatin1String("edit-paste") && !a->text().endsWith(pasteKey)) continue;
    disconnect(a, &QAction::triggered, nullptr, nullptr);
    connect(a, &QAction::triggered, this, &TzqComboBox::Paste);
  }
  menu->popup(event->globalPos());
  event->accept();
}

void TzqComboBox::keyPressEvent(QKeyEvent* event) {
  m_typing = true;
  KeyPress(event);
  m_typing = false;
}

void TzqComboBox::KeyPress(QKeyEvent* event) {
  if (event == QKeySequence::Paste) {
    Paste();
    event->accept();
    return;
  }
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
