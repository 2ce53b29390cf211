// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qtmessageboxes.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

// The box belongs to the window the user is looking at, so it opens over it
// and blocks it; the caller's window serves when the program has no active
// window (it is in the background or in the tray).
QWidget* BoxOwner(QWidget* owner) {
  if (QWidget* active = QApplication::activeWindow()) return active;
  return owner ? owner->window() : nullptr;
}

// Shows the box in front of every other window, even while the program is
// in the background, and waits for the answer.
QMessageBox::ButtonRole Run(QMessageBox& box) {
  // Texts may quote what the user typed: never read them as markup.
  box.setTextFormat(Qt::PlainText);
  // Modality first: QMessageBox resets the window flags when it is set.
  box.setWindowModality(box.parentWidget() ? Qt::WindowModal : Qt::ApplicationModal);
  box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
  box.show();
  box.raise();
  box.activateWindow();
  box.exec();
  return box.buttonRole(box.clickedButton());
}

}  // namespace

bool TQtMessageBoxes::Confirm(QWidget* owner, const QString& text, TQuestionIcon icon) {
  QMessageBox box(icon == TQuestionIcon::Question ? QMessageBox::Question : QMessageBox::Warning,
                  QCoreApplication::translate("TQtMessageBoxes", "Подтвердите"), text,
                  QMessageBox::NoButton, BoxOwner(owner));
  QPushButton* yes = box.addButton(QCoreApplication::translate("TQtMessageBoxes", "Да"), QMessageBox::YesRole);
  box.addButton(QCoreApplication::translate("TQtMessageBoxes", "Нет"), QMessageBox::NoRole);
  box.setDefaultButton(yes);
  // Closing the box by its frame or Esc is a No, never a silent Yes.
  return Run(box) == QMessageBox::YesRole;
}

void TQtMessageBoxes::Error(QWidget* owner, const QString& text) {
  QMessageBox box(QMessageBox::Critical, QCoreApplication::translate("TQtMessageBoxes", "Ошибка"), text,
                  QMessageBox::Ok, BoxOwner(owner));
  Run(box);
}

void TQtMessageBoxes::ShowException(QWidget* owner, const QString& text) {
  QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(), text,
                  QMessageBox::Ok, BoxOwner(owner));
  Run(box);
}

void TQtMessageBoxes::ShowExceptionAside(QWidget* owner, const QString& text) {
  // Owned by the caller's window, so it stays over that window (also one
  // kept on top) and goes with it; it deletes itself once answered.
  auto* box = new QMessageBox(QMessageBox::Critical, QCoreApplication::applicationName(), text, QMessageBox::Ok,
                              owner ? owner->window() : nullptr);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setTextFormat(Qt::PlainText);
  box->setWindowModality(Qt::NonModal);
  box->setWindowFlag(Qt::WindowStaysOnTopHint, true);
  // The keys go on to the window the user types into.
  box->setAttribute(Qt::WA_ShowWithoutActivating);
  box->show();
}

void TQtMessageBoxes::Beep() { QApplication::beep(); }
