// SPDX-License-Identifier: GPL-3.0-or-later
// The windows wired as the program entry wires them (TProgramWindows):
// F5 opens the catalogue, a constant added there is inserted into the input
// line at the caret the line remembered, and the main window shows its
// value; F7 opens the settings dialog filled from the main window, and OK
// hands its values back, also to the open catalogue.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include "platform/glyphs.h"
#include "tests/doubles/fakehotkeyservice.h"
#include "tests/doubles/scriptedmessageboxes.h"
#include "ui/catalogue/cataloguetree.h"
#include "ui/main/programwindows.h"
#include "ui/options/frmoptions.h"
#include "ui/widgets/zqStdCtrls.h"

namespace {
// The program's windows on a fresh data folder, with scripted message boxes
// and a fake hot key; members are built in the order they need each other.
struct TWiredProgram {
  QTemporaryDir dir;
  TScriptedMessageBoxes boxes;
  TMessageBoxesOverride boxesOn{&boxes};
  TFakeHotKeyService hotKey;
  TProgramWindows windows{dir.path().toStdString() + "/", &hotKey};
};
}  // namespace

class TestCatalogueWiring : public QObject {
  Q_OBJECT
 private slots:
  void constantReachesTheMainWindow();
  void optionsDialogEditsTheMainWindow();
  void theCatalogueGoesAndComesBackWithTheProgram();
  void everyWindowCarriesTheProgramIcon();
  void builtinCallsFollowTheSettingsDialog();
};

void TestCatalogueWiring::constantReachesTheMainWindow() {
  TWiredProgram program;
  QVERIFY(program.dir.isValid());
  const TScriptedMessageBoxes& boxes = program.boxes;
  TfrmMain& frmMain = program.windows.frmMain;
  TfrmEdit& frmEdit = program.windows.frmEdit;
  TfrmFunc& frmFunc = program.windows.frmFunc;
  frmMain.Parser.ErrorOn = true;
  frmMain.show();
  QVERIFY(QTest::qWaitForWindowActive(&frmMain));

  // The user types the start of an expression, then opens the catalogue.
  frmMain.cbInput->setFocus();
  QTest::keyClicks(frmMain.cbInput->lineEdit(), "2*");
  QTest::keyClick(frmMain.cbInput->lineEdit(), Qt::Key_F5);
  QVERIFY(frmFunc.isVisible());
  QVERIFY(QTest::qWaitForWindowActive(&frmFunc));
  QTRY_COMPARE(QApplication::activeWindow(), &frmFunc);
  QCOMPARE(frmMain.cbInput->SavedSelStart, 2);

  // A new constant in a new category.
  frmFunc.PageControl->setCurrentIndex(TfrmFunc::pgVar);
  QTimer::singleShot(0, [&] {
    QTest::keyClicks(frmEdit.edName, "g");
    QTest::keyClicks(frmEdit.edValue, "9.81");
    frmEdit.cbCategory->setEditText("Physics");
    QTest::mouseClick(frmEdit.btnOk, Qt::LeftButton);
    if (frmEdit.isVisible()) frmEdit.reject();
  });
  QTest::mouseClick(frmFunc.btnAdd, Qt::LeftButton);
  QTreeWidgetItem* physics = frmFunc.vtVar->FindCategory("Physics");
  QVERIFY(physics && physics->childCount() == 1);

  // Chosen with Enter: inserted at the caret, the main window comes back
  // and shows the value.
  frmFunc.vtVar->setCurrentItem(physics->child(0));
  QTest::keyClick(frmFunc.vtVar, Qt::Key_Return);
  QCOMPARE(frmMain.cbInput->currentText(), QString("2*g"));
  QVERIFY(QTest::qWaitForWindowActive(&frmMain));
  QTRY_COMPARE(frmMain.edOutput2->text(), QString("19.62"));
  QCOMPARE(frmMain.cbInput->lineEdit()->cursorPosition(), 3);
  QVERIFY(boxes.Boxes.isEmpty());
}

void TestCatalogueWiring::optionsDialogEditsTheMainWindow() {
  TWiredProgram program;
  QVERIFY(program.dir.isValid());
  const TScriptedMessageBoxes& boxes = program.boxes;
  TfrmMain& frmMain = program.windows.frmMain;
  TfrmOptions& frmOptions = program.windows.frmOptions;
  frmMain.show();
  QVERIFY(QTest::qWaitForWindowActive(&frmMain));
  const bool exprMem = frmMain.ExprMem;
  const bool closeQuery = frmMain.CloseQuery;

  // Shown filled from the main window; one switch changed, then OK.
  bool shown = false;
  bool filledMemory = !exprMem;
  QTimer::singleShot(0, [&] {
    shown = frmOptions.isVisible();
    filledMemory = frmOptions.cbMemory->isChecked();
    frmOptions.cbMemory->setChecked(!exprMem);
    QTest::mouseClick(frmOptions.btnOk, Qt::LeftButton);
    if (frmOptions.isVisible()) frmOptions.reject();
  });
  frmMain.cbInput->setFocus();
  QTest::keyClick(frmMain.cbInput->lineEdit(), Qt::Key_F7);
  QVERIFY(shown);
  QCOMPARE(filledMemory, exprMem);
  QCOMPARE(frmMain.ExprMem, !exprMem);
  QCOMPARE(frmMain.CloseQuery, closeQuery);

  // Cancel hands nothing back.
  QTimer::singleShot(0, [&] {
    frmOptions.cbCloseQuery->setChecked(!closeQuery);
    QTest::mouseClick(frmOptions.btnCancel, Qt::LeftButton);
    if (frmOptions.isVisible()) frmOptions.reject();
  });
  QTest::keyClick(frmMain.cbInput->lineEdit(), Qt::Key_F7);
  QCOMPARE(frmMain.CloseQuery, closeQuery);
  QCOMPARE(frmMain.ExprMem, !exprMem);
  QVERIFY(boxes.Boxes.isEmpty());
}

// Minimising minimises the whole program: the open catalogue goes with the
// main window and comes back with it. (The tray's way back, miOpenClick, ends
// in the same restoring.)
void TestCatalogueWiring::theCatalogueGoesAndComesBackWithTheProgram() {
  TWiredProgram program;
  QVERIFY(program.dir.isValid());
  const TScriptedMessageBoxes& boxes = program.boxes;
  TfrmMain& frmMain = program.windows.frmMain;
  TfrmFunc& frmFunc = program.windows.frmFunc;
  frmMain.show();
  QVERIFY(QTest::qWaitForWindowActive(&frmMain));
  frmMain.btnFuncClick();
  QVERIFY(frmFunc.isVisible());

  QTest::mouseClick(frmMain.btnMinimize, Qt::LeftButton);
  QTRY_VERIFY(frmMain.isMinimized() || !frmMain.isVisible());
  QVERIFY(!frmFunc.isVisible());
  frmMain.miOpenClick();
  QVERIFY(!frmMain.isMinimized());
  QVERIFY(frmMain.isVisible());
  QVERIFY(frmFunc.isVisible());

  // A catalogue the user had closed stays closed.
  frmFunc.close();
  QTest::mouseClick(frmMain.btnMinimize, Qt::LeftButton);
  QTRY_VERIFY(frmMain.isMinimized() || !frmMain.isVisible());
  frmMain.Activate();
  QVERIFY(frmMain.isVisible());
  QVERIFY(!frmFunc.isVisible());
  QVERIFY(boxes.Boxes.isEmpty());
}

void TestCatalogueWiring::everyWindowCarriesTheProgramIcon() {
  TWiredProgram program;
  TProgramWindows& w = program.windows;
  const QImage icon = ProgramIcon().pixmap(48).toImage();
  QMessageBox box;  // and what the program opens later, message boxes too
  for (QWidget* window : std::initializer_list<QWidget*>{&w.frmMain, &w.frmOptions, &w.frmEdit, &w.frmFunc,
                                                          &w.aboutBox, &box})
    QVERIFY2(window->windowIcon().pixmap(48).toImage() == icon, window->metaObject()->className());
  for (int side : {16, 24, 32, 48, 64, 128}) QVERIFY(ProgramIcon().availableSizes().contains(QSize(side, side)));
}

// The catalogue is open while the settings dialog changes the separator
// pair: once the dialog is closed, the functions page shows, and inserts,
// the calls as they are now typed.
void TestCatalogueWiring::builtinCallsFollowTheSettingsDialog() {
  TWiredProgram program;
  QVERIFY(program.dir.isValid());
  TfrmMain& frmMain = program.windows.frmMain;
  TfrmOptions& frmOptions = program.windows.frmOptions;
  TfrmFunc& frmFunc = program.windows.frmFunc;
  frmMain.show();
  QVERIFY(QTest::qWaitForWindowActive(&frmMain));
  frmMain.btnFuncClick();
  QVERIFY(QTest::qWaitForWindowActive(&frmFunc));
  const QTreeWidgetItem* rol = frmFunc.vtFunc->FindCategory("Другие")->child(10);
  QCOMPARE(rol->text(0), QString("ROL(X,N)"));
  for (const auto& [item, call] : {std::pair{1, "ROL(X;N)"}, std::pair{0, "ROL(X,N)"}}) {
    QTimer::singleShot(0, [&, item = item] {
      (item == 1 ? frmOptions.rgSeparatorsItem1 : frmOptions.rgSeparatorsItem0)->setChecked(true);
      QTest::mouseClick(frmOptions.btnOk, Qt::LeftButton);
      if (frmOptions.isVisible()) frmOptions.reject();
    });
    QTest::mouseClick(frmMain.btnOptions, Qt::LeftButton);
    QTRY_COMPARE(rol->text(0), QString(call));
  }
  QVERIFY(program.boxes.Boxes.isEmpty());
}

QTEST_MAIN(TestCatalogueWiring)
#include "tst_cataloguewiring.moc"
