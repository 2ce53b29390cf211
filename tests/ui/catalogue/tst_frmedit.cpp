// SPDX-License-Identifier: GPL-3.0-or-later
// The entry editor on its own: typing filters with their beep, the checks
// on OK in both modes with their messages, the computed value, help
// topics, tab order and the "Edit" settings.
#include <QClipboard>
#include <QGuiApplication>

#include "catalogueharness.h"
#include "keytyping.h"
#include "tests/ui/keywalk.h"

namespace {
// Every refusal is shown the same way, in the general error display, which
// ends a text ending in a letter with a full stop.
const QString kNoName = "Не введено имя переменной или функции.";
const QString kBadName = "Неверное имя переменной или функции.";
const QString kInUse = "Переменная или функция с таким именем уже существует.";
const QString kNoValue = "Не задано значение переменной.";
const QString kNotAHead = "Заголовок функции должен иметь вид имя(параметры)";
const QString kNoBody = "Не задано тело функции.";
const QString kSyntax = "Ошибка в значении: Синтаксическая ошибка.";
const QString kBar = "Символ \"|\" нельзя сохранить в теле функции; "
                     "побитовое ИЛИ запишите иначе, например a+b-(a&b) вместо a|b.";
QString Unstorable(const QString& character, const QString& field) {
  return QString("Символ %1 нельзя сохранить в поле \"%2\"").arg(character, field);
}
}  // namespace

class TestFrmEdit : public QObject {
  Q_OBJECT
 private slots:
  void init();
  void cleanup();
  void typingFilters_data();
  void typingFilters();
  void okOutcomes_data();
  void okOutcomes();
  void bodyWithBarStaysOpen();
  void failedCheckKeepsTyping();
  void cancelNeverChecks();
  void helpTopicFollowsMode();
  void keyboardWalk_data();
  void keyboardWalk();
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

void TestFrmEdit::okOutcomes_data() {
  QTest::addColumn<bool>("constMode");
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("value");
  QTest::addColumn<QString>("description");
  QTest::addColumn<QString>("category");
  QTest::addColumn<QString>("oldName");
  QTest::addColumn<QString>("separator");  // the argument separator in force
  QTest::addColumn<QString>("message");    // empty: the editor closes
  QTest::addColumn<QString>("field");      // the field that gets the caret
  QTest::addColumn<QString>("computed");

  const auto row = [](const char* what, bool constMode, const QString& name, const QString& value,
                      const QString& message = {}, const QString& field = {}, const QString& computed = {}) {
    QTest::newRow(what) << constMode << name << value << QString() << QString() << QString() << QString(",")
                        << message << field << computed;
  };
  const auto full = [](const char* what, bool constMode, const QString& name, const QString& value,
                       const QString& description, const QString& category, const QString& oldName,
                       const QString& separator, const QString& message = {}, const QString& field = {},
                       const QString& computed = {}) {
    QTest::newRow(what) << constMode << name << value << description << category << oldName << separator << message
                        << field << computed;
  };
  // Constants.
  row("const: no name, no value: first check only", true, "", "", kNoName, "edName");
  row("const: name not an identifier", true, "1a", "1", kBadName, "edName");
  row("const: name with a blank", true, "a b", "1", kBadName, "edName");
  row("const: built-in function", true, "sin", "1", kInUse, "edName");
  row("const: built-in constant Pi", true, "PI", "1", kInUse, "edName");
  row("const: built-in constant e", true, "E", "1", kInUse, "edName");
  row("const: other user constant", true, "rate", "1", kInUse, "edName");
  row("const: user function name", true, "F", "1", kInUse, "edName");
  full("const: renamed to a user function", true, "f", "1", "", "", "rate", ",", kInUse, "edName");
  full("const: keeps its name", true, "rate", "1", "", "", "rate", ",", {}, {}, "1");
  full("const: keeps its name in other case", true, "Rate", "7", "", "", "rate", ",", {}, {}, "7");
  row("const: no value", true, "x1", "", kNoValue, "edValue");
  row("const: incomplete value", true, "x1", "2*", kSyntax, "edValue");
  row("const: value with a stray separator", true, "x1", "1,5", kSyntax, "edValue");
  row("const: value of an unknown name", true, "x1", "nix", kSyntax, "edValue");
  row("const: pasted bar in the value", true, "x1", "5|3", Unstorable("\"|\"", "Значение"), "edValue");
  row("const: value computed", true, "x1", "2*3", {}, {}, "6");
  row("const: value from a user constant", true, "x1", "rate*2", {}, {}, "10");
  full("const: bar in the description", true, "x1", "1", "два с половиной | в запятых", "", "", ",",
       Unstorable("\"|\"", "Описание"), "edDescription");
  full("const: bar in the category", true, "x1", "1", "", "a|b", "", ",", Unstorable("\"|\"", "Категория"),
       "cbCategory");
  full("const: line break in the category", true, "x1", "1", "", "a\nb", "", ",", Unstorable("U+000A", "Категория"),
       "cbCategory");
  full("const: name checked before the description", true, "", "1", "a|b", "", "", ",", kNoName, "edName");
  full("const: every other sign in description and category", true, "x1", "1",
       " два с половиной; в запятых [x]=\"y\" ", "[Физика]=\"1\";", "", ",", {}, {}, "1");
  // Functions.
  row("func: no head, no body: first check only", false, "", "", kNoName, "edName");
  row("func: nothing before the bracket", false, "(x)", "x", kNoName, "edName");
  row("func: name not an identifier", false, "1f(x)", "x", kBadName, "edName");
  row("func: built-in function", false, "sin(x)", "x*2", kInUse, "edName");
  row("func: built-in constant Pi", false, "pi()", "3", kInUse, "edName");
  row("func: user constant", false, "RATE(x)", "x", kInUse, "edName");
  row("func: the same head again", false, "f(x)", "x+1", kInUse, "edName");
  row("func: other user function, other case", false, "F(y)", "y", kInUse, "edName");
  full("func: keeps its name in other case", false, "F(y)", "y*3", "", "", "f", ",");
  full("func: renamed to a user constant", false, "rate(x)", "x", "", "", "f", ",", kInUse, "edName");
  row("func: head without parameter list", false, "g", "1", kNotAHead, "edName");
  row("func: list not closed", false, "g(x", "x", kNotAHead, "edName");
  row("func: text after the list", false, "g(x)y", "x", kNotAHead, "edName");
  row("func: parameter not a name", false, "g(x,1y)", "x", kBadName, "edName");
  row("func: empty parameter", false, "g(x,)", "x", kBadName, "edName");
  row("func: parameter twice", false, "g(x,X)", "x", kInUse, "edName");
  row("func: semicolon where comma separates", false, "g(x;y)", "x", kBadName, "edName");
  full("func: semicolon where it separates", false, "g(x;y)", "x", "", "", "", ";");
  full("func: comma where semicolon separates", false, "g(x,y)", "x", "", "", "", ";", kBadName, "edName");
  row("func: no parameters", false, "g()", "2");
  row("func: no body", false, "g(x)", "", kNoBody, "edValue");
  row("func: bar in the body", false, "g(x)", "x|1", kBar, "edValue");
  full("func: bar in the description", false, "g(x)", "x", "a|b", "", "", ",", Unstorable("\"|\"", "Описание"),
       "edDescription");
  full("func: bar in the category", false, "g(x)", "x", "", "|", "", ",", Unstorable("\"|\"", "Категория"),
       "cbCategory");
  row("func: accepted", false, "hyp(a,b)", "sqrt(a^2+b^2)");
}

void TestFrmEdit::okOutcomes() {
  QFETCH(bool, constMode);
  QFETCH(QString, name);
  QFETCH(QString, value);
  QFETCH(QString, description);
  QFETCH(QString, category);
  QFETCH(QString, oldName);
  QFETCH(QString, separator);
  QFETCH(QString, message);
  QFETCH(QString, field);
  QFETCH(QString, computed);
  h->Parser->ArgumentSeparator = separator.front().toLatin1();
  h->Parser->DecimalSeparator = separator == ";" ? ',' : '.';
  // The messages are the same whether the main window shows its own or not.
  for (const bool errorOn : {true, false}) {
    h->Parser->ErrorOn = errorOn;
    h->Boxes.Boxes.clear();
    h->Edit().OldName = oldName.toStdString();
    const TEditorRun run = Run(constMode, [&](TfrmEdit& e) {
      e.edName->setText(name);
      e.edValue->setText(value);
      e.edDescription->setText(description);
      e.cbCategory->setEditText(category);
    });
    QCOMPARE(run.ClosedByOk, message.isEmpty());
    // One way for every refusal: the general error display.
    QCOMPARE(h->Exceptions(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(h->Boxes.Boxes.size(), h->Exceptions().size());
    QCOMPARE(run.FieldInFocus, field);
    QCOMPARE(h->Parser->ErrorOn, errorOn);
    if (run.ClosedByOk && constMode) QCOMPARE(QString::fromStdString(h->Edit().ComputedValue), computed);
  }
}

void TestFrmEdit::bodyWithBarStaysOpen() {
  // A pasted "|" would cut the body in the list file: OK refuses and says why.
  QString bodyAfter;
  const TEditorRun run = Run(false, [&](TfrmEdit& e) {
    e.edName->setText("g(x)");
    e.edValue->setText("x|1");
    QTest::mouseClick(e.btnOk, Qt::LeftButton);
    bodyAfter = e.edValue->text();
  }, false);
  QVERIFY(run.Opened);
  QCOMPARE(bodyAfter, QString("x|1"));
  QCOMPARE(h->Exceptions(), QStringList{kBar});
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

// Tab walks the fields and buttons from the top down and round again,
// Shift+Tab the other way; Enter in any field is OK, Esc is Cancel, Space
// presses the button that has the focus.
void TestFrmEdit::keyboardWalk_data() {
  QTest::addColumn<bool>("constMode");
  QTest::addColumn<QString>("field");  // where the key is pressed
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("result");
  const int ok = QDialog::Accepted, cancel = QDialog::Rejected;
  QTest::newRow("const: Enter in the value") << true << "edValue" << int(Qt::Key_Return) << ok;
  QTest::newRow("const: Enter in the category") << true << "cbCategory" << int(Qt::Key_Return) << ok;
  QTest::newRow("func: Enter in the description") << false << "edDescription" << int(Qt::Key_Enter) << ok;
  QTest::newRow("func: Esc in the name") << false << "edName" << int(Qt::Key_Escape) << cancel;
  QTest::newRow("const: Esc in the category") << true << "cbCategory" << int(Qt::Key_Escape) << cancel;
  QTest::newRow("const: Space on OK") << true << "btnOk" << int(Qt::Key_Space) << ok;
  QTest::newRow("func: Space on Cancel") << false << "btnCancel" << int(Qt::Key_Space) << cancel;
}

void TestFrmEdit::keyboardWalk() {
  QFETCH(bool, constMode);
  QFETCH(QString, field);
  QFETCH(int, key);
  QFETCH(int, result);
  TfrmEdit& e = h->Edit();
  e.ConstMode = constMode;
  QStringList forwards, backwards;
  bool endedByKey = false;
  QTimer::singleShot(0, [&] {
    if (!QTest::qWaitForWindowActive(&e)) return e.reject();
    forwards = KeyWalk(e.edName);
    backwards = KeyWalk(e.edName, true);
    e.edName->setText(constMode ? "x1" : "g(x)");
    e.edValue->setText(constMode ? "2" : "x*2");
    e.findChild<QWidget*>(field)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    endedByKey = !e.isVisible();
    if (e.isVisible()) e.reject();
  });
  QCOMPARE(e.ShowModal(), result);
  QVERIFY(endedByKey);
  const QStringList expected{"edValue", "edDescription", "btnOk", "btnCancel", "cbCategory"};
  QCOMPARE(forwards, expected);
  QCOMPARE(backwards, Reversed(expected));
  if (constMode && result == QDialog::Accepted) QCOMPARE(e.ComputedValue, std::string("2"));
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
