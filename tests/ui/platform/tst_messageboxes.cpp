// SPDX-License-Identifier: GPL-3.0-or-later
// The real message boxes: captions, icons, texts, owner and the answer the
// button gives.
#include <QAbstractButton>
#include <QMessageBox>
#include <QPointer>
#include <QtTest>
#include <functional>

#include "platform/qtmessageboxes.h"

namespace {

struct SeenBox {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QWidget* parent = nullptr;
  QStringList buttons;
  bool onTop = false;
  Qt::TextFormat format = Qt::AutoText;
};

// Waits for the next box to open, notes what it shows and presses the
// button with the given caption.
void AnswerBoxWhenOpen(SeenBox* seen, const QString& button) {
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (!box) {
    QTimer::singleShot(10, [=] { AnswerBoxWhenOpen(seen, button); });
    return;
  }
  seen->title = box->windowTitle();
  seen->text = box->text();
  seen->icon = box->icon();
  seen->parent = box->parentWidget();
  seen->onTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
  seen->format = box->textFormat();
  for (QAbstractButton* b : box->buttons()) seen->buttons << b->text();
  for (QAbstractButton* b : box->buttons()) {
    if (b->text() == button) {
      b->click();
      return;
    }
  }
  box->reject();
}

void AnswerNextBox(SeenBox* seen, const QString& button) {
  QTimer::singleShot(0, [=] { AnswerBoxWhenOpen(seen, button); });
}

}  // namespace

class TestMessageBoxes : public QObject {
  Q_OBJECT
 private slots:
  void confirmYes();
  void confirmNo();
  void confirmClosedIsNo();
  void error();
  void textIsNotMarkup();
  void exceptionHasProgramTitle();
  void ownerIsActiveWindow();
  void asideBoxLeavesTheKeysWhereTheyAre();
};

void TestMessageBoxes::confirmYes() {
  TQtMessageBoxes boxes;
  SeenBox seen;
  AnswerNextBox(&seen, "Да");
  QVERIFY(boxes.Confirm(nullptr, "Закрыть Tamrix"));
  QCOMPARE(seen.title, QString("Подтвердите"));
  QCOMPARE(seen.text, QString("Закрыть Tamrix"));
  QCOMPARE(seen.icon, QMessageBox::Warning);
  QCOMPARE(seen.buttons.size(), 2);
  QVERIFY(seen.buttons.contains("Нет"));
  QVERIFY(seen.onTop);
}

void TestMessageBoxes::confirmNo() {
  TQtMessageBoxes boxes;
  SeenBox seen;
  AnswerNextBox(&seen, "Нет");
  QVERIFY(!boxes.Confirm(nullptr, "Удалить?", TQuestionIcon::Question));
  QCOMPARE(seen.icon, QMessageBox::Question);
}

void TestMessageBoxes::confirmClosedIsNo() {
  TQtMessageBoxes boxes;
  SeenBox seen;
  AnswerNextBox(&seen, "no such button: the box is closed");
  QVERIFY(!boxes.Confirm(nullptr, "Удалить?"));
}

void TestMessageBoxes::error() {
  TQtMessageBoxes boxes;
  SeenBox seen;
  AnswerNextBox(&seen, "OK");
  boxes.Error(nullptr, "Неверное имя переменной или функции");
  QCOMPARE(seen.title, QString("Ошибка"));
  QCOMPARE(seen.text, QString("Неверное имя переменной или функции"));
  QCOMPARE(seen.icon, QMessageBox::Critical);
  QCOMPARE(seen.buttons.size(), 1);
}

void TestMessageBoxes::textIsNotMarkup() {
  TQtMessageBoxes boxes;
  SeenBox seen;
  AnswerNextBox(&seen, "OK");
  boxes.ShowException(nullptr, "'<b>1</b>' - неверное дробное значение");
  QCOMPARE(seen.text, QString("'<b>1</b>' - неверное дробное значение"));
  QCOMPARE(seen.format, Qt::PlainText);
}

void TestMessageBoxes::exceptionHasProgramTitle() {
  QCoreApplication::setApplicationName("Tamrix");
  TQtMessageBoxes boxes;
  SeenBox seen;
  AnswerNextBox(&seen, "OK");
  boxes.ShowException(nullptr, "Cannot create file /x/Tamrix.his");
  QCOMPARE(seen.title, QString("Tamrix"));
  QCOMPARE(seen.text, QString("Cannot create file /x/Tamrix.his"));
  QCOMPARE(seen.icon, QMessageBox::Critical);
}

void TestMessageBoxes::ownerIsActiveWindow() {
  QWidget active;
  QWidget caller;
  active.show();
  QApplication::setActiveWindow(&active);
  QVERIFY(QTest::qWaitForWindowActive(&active));
  TQtMessageBoxes boxes;
  SeenBox seen;
  AnswerNextBox(&seen, "OK");
  boxes.Error(&caller, "x");
  QCOMPARE(seen.parent, &active);

  // Without an active window the caller's window owns the box.
  active.hide();
  QApplication::setActiveWindow(nullptr);
  AnswerNextBox(&seen, "OK");
  boxes.Error(&caller, "y");
  QCOMPARE(seen.parent, &caller);
}

// Shown at once, beside the caller's window, without taking the keyboard or
// blocking anything; it goes away once answered.
void TestMessageBoxes::asideBoxLeavesTheKeysWhereTheyAre() {
  QCoreApplication::setApplicationName("Tamrix");
  QWidget typing;
  typing.show();
  QApplication::setActiveWindow(&typing);
  QVERIFY(QTest::qWaitForWindowActive(&typing));
  TQtMessageBoxes boxes;
  boxes.ShowExceptionAside(&typing, "Cannot create file <x>/Tamrix.his.");
  auto* box = typing.findChild<QMessageBox*>();
  QVERIFY(box && box->isVisible());
  QCOMPARE(box->windowTitle(), QString("Tamrix"));
  QCOMPARE(box->textFormat(), Qt::PlainText);
  QVERIFY(!QApplication::activeModalWidget());
  QCOMPARE(QApplication::activeWindow(), &typing);
  const QPointer<QMessageBox> gone(box);
  box->buttons().value(0)->click();
  QTRY_VERIFY(gone.isNull());
}

QTEST_MAIN(TestMessageBoxes)
#include "tst_messageboxes.moc"

