// The catalogue wired to the real main window as the program entry does it:
// F5 opens it, a constant added there is inserted into the input line at
// the caret the line remembered, and the main window shows its value.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include "platform/fakehotkeyservice.h"
#include "platform/scriptedmessageboxes.h"
#include "storage/profilefile.h"
#include "ui/catalogue/cataloguetree.h"
#include "ui/catalogue/frmedit.h"
#include "ui/catalogue/frmfunc.h"
#include "ui/main/frmmain.h"
#include "ui/widgets/zqStdCtrls.h"

class TestCatalogueWiring : public QObject {
  Q_OBJECT
 private slots:
  void constantReachesTheMainWindow();
};

void TestCatalogueWiring::constantReachesTheMainWindow() {
  QTemporaryDir dir;
  QVERIFY(dir.isValid());
  TScriptedMessageBoxes boxes;
  TMessageBoxesOverride boxesOn(&boxes);
  TFakeHotKeyService hotKey;
  TfrmMain frmMain(TMainServices{dir.path().toStdString() + "/", &hotKey, {}});
  TfrmEdit frmEdit(frmMain.Parser, *frmMain.Settings, &frmMain);
  TfrmFunc frmFunc(TCatalogueContext{&frmMain.Parser, frmMain.Settings.get(), frmMain.ProgramDir, frmMain.cbInput,
                                     [&frmMain] {
                                       // Text the program inserts is not a user edit: evaluate it here
                                       // too, in case the desktop does not hand the activation over.
                                       frmMain.Activate();
                                       frmMain.cbInputChange();
                                     }},
                   frmEdit, &frmMain);
  frmMain.ShowFunc = [&frmFunc] { frmFunc.ShowCatalogue(); };
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

QTEST_MAIN(TestCatalogueWiring)
#include "tst_cataloguewiring.moc"
