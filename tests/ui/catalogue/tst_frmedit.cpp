// SPDX-License-Identifier: GPL-3.0-or-later
// The entry editor on its own: typing filters with their beep, the checks
// on OK in constant mode with their messages, the computed value, help
// topics, tab order and the "Edit" settings.
#include <QClipboard>
#include <QGuiApplication>

#include "catalogueharness.h"
#include "keytyping.h"

namespace {
const QString kNoName = "Не введено имя переменной или функции.";
const QString kBadName = "Неверное имя переменной или функции.";
const QString kInUse = "Переменная или функция с таким именем уже существует.";
const QString kNoValue = "Не задано значение переменной.";
const QString kSyntax = "Синтаксическая ошибка";
const QString kBar = "Символ \"|\" нельзя сохранить в теле функции; "
                     "побитовое ИЛИ запишите иначе, например a+b-(a&b) вместо a|b";
}  // namespace

class TestFrmEdit : public QObject {
  Q_OBJECT
 private slots:
  void init();
  void cleanup();
  void typingFilters_data();
  void typingFilters();
  void constantChecks_data();
  void constantChecks();
  void functionModeChecksNothing_data();
  void functionModeChecksNothing();
  void bodyWithBarStaysOpen();
  void failedCheckKeepsTyping();
  void cancelNeverChecks();
  void helpTopicFollowsMode();
  void fixedHeightAndMinimumWidth();
  void placeReadAndWrittenOnEveryClosing();
  void damagedPlaceSettingsStayUsable();

 private:
  std::unique_ptr<TCatalogueHarness> h;
  // Opens the editor as the catalogue does and lets fill act on it.
  TEditorRun Run(bool constMode, const std::function<void(TfrmEdit&)>& fill, bool pressOk = true);
};

void TestFrmEdit::init() {
  h = std::make_unique<TCatalogueHarness>();
  h->Start();
  h->Parser->UserConstants.Append("rate=5");
  h->Parser->UserFunctions.Append("f=x|x*2");
}

void TestFrmEdit::cleanup() { h.reset(); }

TEditorRun TestFrmEdit::Run(bool constMode, const std::function<void(TfrmEdit&)>& fill, bool pressOk) {
  TfrmEdit& e = h->Edit();
  e.ConstMode = constMode;
  e.HelpContext = constMode ? 4 : 5;
  return h->DriveEditor([&] { e.ShowModal(); }, fill, pressOk);
}

void TestFrmEdit::typingFilters_data() {
  QTest::addColumn<bool>("constMode");
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("before");
  QTest::addColumn<QString>("keys");
  QTest::addColumn<QString>("after");
  QTest::addColumn<int>("beeps");

  // Name field, constant mode.
  QTest::newRow("name: digit into empty") << true << "name" << "" << "1" << "" << 1;
  QTest::newRow("name: letters and _") << true << "name" << "" << "Zx_" << "Zx_" << 0;
  QTest::newRow("name: digit after a letter") << true << "name" << "a" << "12" << "a12" << 0;
  QTest::newRow("name: digit at the front of a name") << true << "name" << "ab" << "<HOME>1" << "1ab" << 0;
  QTest::newRow("name: bracket in constant mode") << true << "name" << "a" << "(" << "a" << 1;
  QTest::newRow("name: blank") << true << "name" << "a" << " " << "a" << 1;
  QTest::newRow("name: Cyrillic letter") << true << "name" << "a" << "ж" << "a" << 1;
  QTest::newRow("name: dot") << true << "name" << "a" << "." << "a" << 1;
  QTest::newRow("name: backspace") << true << "name" << "ab" << "<BS>" << "a" << 0;
  QTest::newRow("name: paste shortcut") << true << "name" << "" << "<C-V>" << "" << 1;
  QTest::newRow("name: cut shortcut") << true << "name" << "ab" << "<ALL><C-X>" << "ab" << 1;
  QTest::newRow("name: copy shortcut") << true << "name" << "ab" << "<ALL><C-C>" << "ab" << 1;
  // Name field, function mode.
  QTest::newRow("head: bracket into empty") << false << "name" << "" << "(" << "" << 1;
  QTest::newRow("head: parameter list") << false << "name" << "f" << "(x,y;z)" << "f(x,y;z)" << 0;
  QTest::newRow("head: digit into empty") << false << "name" << "" << "1" << "" << 1;
  QTest::newRow("head: operator") << false << "name" << "f" << "+" << "f" << 1;
  // Value field.
  QTest::newRow("value: expression characters") << true << "value" << "" << "(1.5+2,3)/4-1:;*Pi^2_" << "(1.5+2,3)/4-1:;*Pi^2_" << 0;
  QTest::newRow("value: percent") << true << "value" << "1" << "%" << "1" << 1;
  QTest::newRow("value: blank") << true << "value" << "1" << " " << "1" << 1;
  QTest::newRow("value: less and equal") << true << "value" << "1" << "<=" << "1" << 2;
  QTest::newRow("value: Cyrillic") << true << "value" << "" << "ж" << "" << 1;
  QTest::newRow("value: backspace") << true << "value" << "12" << "<BS>" << "1" << 0;
  QTest::newRow("value: paste shortcut") << true << "value" << "" << "<C-V>" << "" << 1;
  QTest::newRow("body: anything") << false << "value" << "" << "x % 2 ж=" << "x % 2 ж=" << 0;
  QTest::newRow("body: bar is refused") << false << "value" << "x" << "|1" << "x1" << 1;
  QTest::newRow("body: paste shortcut") << false << "value" << "" << "<C-V>" << "pasted" << 0;
  // Description: free text.
  QTest::newRow("description: anything") << true << "description" << "" << "ж % 1" << "ж % 1" << 0;
}

void TestFrmEdit::typingFilters() {
  QFETCH(bool, constMode);
  QFETCH(QString, field);
  QFETCH(QString, before);
  QFETCH(QString, keys);
  QFETCH(QString, after);
  QFETCH(int, beeps);
  QGuiApplication::clipboard()->setText("pasted");
  // "<=" in the value row is two characters, not a key name.
  if (keys == "<=") keys = QString(QChar('<')) + "\x01";
  QString typed;
  Run(constMode, [&](TfrmEdit& e) {
    QLineEdit* edit = field == "name" ? e.edName : field == "value" ? e.edValue : e.edDescription;
    edit->setText(before);
    edit->setFocus();
    if (keys.endsWith('\x01')) {  // the literal characters "<" and "="
      QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_Less, QString("<"), Qt::NoModifier);
      QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_Equal, QString("="), Qt::NoModifier);
    } else {
      TypeScript(edit, keys);
    }
    typed = edit->text();
  }, false);
  QCOMPARE(typed, after);
  QCOMPARE(h->Boxes.Beeps, beeps);
}

void TestFrmEdit::constantChecks_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("value");
  QTest::addColumn<QString>("oldName");
  QTest::addColumn<bool>("closes");
  QTest::addColumn<QString>("message");
  QTest::addColumn<QString>("computed");

  QTest::newRow("no name, no value: first check only") << "" << "" << "" << false << kNoName << "";
  QTest::newRow("name not an identifier") << "1a" << "1" << "" << false << kBadName << "";
  QTest::newRow("name with a blank") << "a b" << "1" << "" << false << kBadName << "";
  QTest::newRow("built-in function") << "sin" << "1" << "" << false << kInUse << "";
  QTest::newRow("built-in constant Pi") << "PI" << "1" << "" << false << kInUse << "";
  QTest::newRow("built-in constant e") << "E" << "1" << "" << false << kInUse << "";
  QTest::newRow("other user constant") << "rate" << "1" << "" << false << kInUse << "";
  QTest::newRow("user function name") << "F" << "1" << "" << false << kInUse << "";
  QTest::newRow("renamed to a user function") << "f" << "1" << "rate" << false << kInUse << "";
  QTest::newRow("keeps its name") << "rate" << "1" << "rate" << true << "" << "1";
  QTest::newRow("keeps its name in other case") << "Rate" << "7" << "rate" << true << "" << "7";
  QTest::newRow("no value") << "x1" << "" << "" << false << kNoValue << "";
  QTest::newRow("incomplete value") << "x1" << "2*" << "" << false << kSyntax << "";
  QTest::newRow("value with a stray separator") << "x1" << "1,5" << "" << false << kSyntax << "";
  QTest::newRow("value of an unknown name") << "x1" << "nix" << "" << false << kSyntax << "";
  QTest::newRow("value computed") << "x1" << "2*3" << "" << true << "" << "6";
  QTest::newRow("value from a user constant") << "x1" << "rate*2" << "" << true << "" << "10";
}

void TestFrmEdit::constantChecks() {
  QFETCH(QString, name);
  QFETCH(QString, value);
  QFETCH(QString, oldName);
  QFETCH(bool, closes);
  QFETCH(QString, message);
  QFETCH(QString, computed);
  // The messages are the same whether the main window shows its own or not.
  for (const bool errorOn : {true, false}) {
    h->Parser->ErrorOn = errorOn;
    h->Boxes.Boxes.clear();
    h->Edit().OldName = oldName.toStdString();
    const TEditorRun run = Run(true, [&](TfrmEdit& e) {
      e.edName->setText(name);
      e.edValue->setText(value);
    });
    QCOMPARE(run.ClosedByOk, closes);
    QCOMPARE(h->Exceptions() + h->Boxes.Texts(TScriptedMessageBoxes::Kind::Error),
             message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(h->Parser->ErrorOn, errorOn);
    if (closes) QCOMPARE(QString::fromStdString(h->Edit().ComputedValue), computed);
  }
}

void TestFrmEdit::functionModeChecksNothing_data() {
  QTest::addColumn<QString>("head");
  QTest::addColumn<QString>("body");
  QTest::newRow("empty head and body") << "" << "";
  QTest::newRow("head without bracket") << "g" << "1";
  QTest::newRow("unclosed head") << "f(x" << "x";
  QTest::newRow("name in use, body broken") << "sin(x)" << "2*";
}

void TestFrmEdit::functionModeChecksNothing() {
  QFETCH(QString, head);
  QFETCH(QString, body);
  const TEditorRun run = Run(false, [&](TfrmEdit& e) {
    e.edName->setText(head);
    e.edValue->setText(body);
  });
  QVERIFY(run.ClosedByOk);
  QVERIFY(h->Exceptions().isEmpty());
}

void TestFrmEdit::bodyWithBarStaysOpen() {
  // A pasted "|" would cut the body in the list file: OK refuses and says why.
  QString bodyAfter;
  const TEditorRun run = Run(false, [&](TfrmEdit& e) {
    e.edName->setText("f(x)");
    e.edValue->setText("x|1");
    QTest::mouseClick(e.btnOk, Qt::LeftButton);
    bodyAfter = e.edValue->text();
  }, false);
  QVERIFY(run.Opened);
  QCOMPARE(bodyAfter, QString("x|1"));
  QCOMPARE(h->Boxes.Texts(TScriptedMessageBoxes::Kind::Error), QStringList{kBar});
}

void TestFrmEdit::failedCheckKeepsTyping() {
  QString nameAfter, valueAfter;
  const TEditorRun run = Run(true, [&](TfrmEdit& e) {
    TypeScript(e.edName, "rate");
    TypeScript(e.edValue, "2*");
    QTest::mouseClick(e.btnOk, Qt::LeftButton);  // name in use: message, stays open
    nameAfter = e.edName->text();
    valueAfter = e.edValue->text();
  }, false);
  QCOMPARE(nameAfter, QString("rate"));
  QCOMPARE(valueAfter, QString("2*"));
  QCOMPARE(h->Exceptions(), QStringList{kInUse});
}

void TestFrmEdit::cancelNeverChecks() {
  const TEditorRun run = Run(true, [](TfrmEdit& e) { e.edName->setText("1bad"); }, false);
  QVERIFY(run.Opened);
  QVERIFY(!h->Edit().isVisible());
  QCOMPARE(h->Edit().result(), int(QDialog::Rejected));
  QVERIFY(h->Exceptions().isEmpty());
}

void TestFrmEdit::helpTopicFollowsMode() {
  Run(true, [](TfrmEdit& e) { QTest::keyClick(e.edName, Qt::Key_F1); }, false);
  Run(false, [](TfrmEdit& e) { QTest::keyClick(e.edValue, Qt::Key_F1); }, false);
  const QList<TRecordingHelpViewer::Request> expected{{"Tamrix.hlp", 4}, {"Tamrix.hlp", 5}};
  QCOMPARE(h->Help.Requests, expected);
}

void TestFrmEdit::fixedHeightAndMinimumWidth() {
  TfrmEdit& e = h->Edit();
  QCOMPARE(e.minimumHeight(), 167);
  QCOMPARE(e.maximumHeight(), 167);
  QCOMPARE(e.minimumWidth(), 256);
  QSize size;
  QRect value, cancel, name;
  Run(true, [&](TfrmEdit& dialog) {
    dialog.resize(500, 400);
    QCoreApplication::processEvents();
    size = dialog.size();
    value = dialog.edValue->geometry();
    cancel = dialog.btnCancel->geometry();
    name = dialog.edName->geometry();
  }, false);
  QCOMPARE(size, QSize(500, 167));
  // Fields stretch with the width, the buttons keep to the right edge.
  QCOMPARE(value.left(), 96);
  QCOMPARE(value.right(), 500 - 15 - 1);
  QCOMPARE(cancel.right(), 500 - 15 - 1);
  QCOMPARE(cancel.top(), 138);
  QCOMPARE(name.width(), 81);
}

void TestFrmEdit::placeReadAndWrittenOnEveryClosing() {
  h->Windows = {};
  h->WriteFile("Tamrix.ini", "[Edit]\r\nLeft=30\r\nTop=40\r\nWidth=300\r\n");
  h->Start();
  TfrmEdit& e = h->Edit();
  QCOMPARE(e.pos(), QPoint(30, 40));
  QCOMPARE(e.width(), 300);
  // Even a cancelled use writes the place back.
  Run(true, [](TfrmEdit& dialog) { dialog.setGeometry(50, 60, 333, 167); }, false);
  QCOMPARE(h->Settings->ReadInteger("Edit", "Left", 0), 50);
  QCOMPARE(h->Settings->ReadInteger("Edit", "Top", 0), 60);
  QCOMPARE(h->Settings->ReadInteger("Edit", "Width", 0), 333);
  h->Restart();
  QCOMPARE(h->Edit().pos(), QPoint(50, 60));
  QCOMPARE(h->Edit().width(), 333);
}

void TestFrmEdit::damagedPlaceSettingsStayUsable() {
  h->Windows = {};
  h->WriteFile("Tamrix.ini", "[Edit]\r\nLeft=x\r\nWidth=-20\r\n");
  h->Start();
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  QCOMPARE(h->Edit().x(), screen.width() / 2 - 128);
  QCOMPARE(h->Edit().y(), screen.height() / 2 - 97);
  QCOMPARE(h->Edit().width(), 256);
}

QTEST_MAIN(TestFrmEdit)
#include "tst_frmedit.moc"
