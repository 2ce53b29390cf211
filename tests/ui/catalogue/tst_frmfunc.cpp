// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue window driven as a user drives it: the built-in page,
// insertion at the input box's remembered caret, adding, changing and
// deleting user constants and functions with the parser and the list files
// following each step, and what the window keeps in the settings file.
#include <QHeaderView>
#include <QTabBar>
#include <QToolButton>

#include "catalogueharness.h"
#include "tests/ui/keywalk.h"
#include "language/interfacelanguage.h"
#include "tests/storage/legacybuilder.h"

namespace {
constexpr int kFunc = TfrmFunc::pgFunc;
constexpr int kVar = TfrmFunc::pgVar;
constexpr int kUserFunc = TfrmFunc::pgUserFunc;
const QString kOther = "Другие";
const QByteArray kOtherCp1251 = "\xC4\xF0\xF3\xE3\xE8\xE5";
const std::string kUnknownName = "Синтаксическая ошибка";

QStringList Children(const QTreeWidgetItem* row) {
  QStringList texts;
  for (int i = 0; row && i < row->childCount(); ++i) texts << row->child(i)->text(0);
  return texts;
}

QStringList Categories(const QTreeWidget& tree) {
  QStringList names;
  for (int i = 0; i < tree.topLevelItemCount(); ++i) names << tree.topLevelItem(i)->text(0);
  return names;
}

QStringList Cells(const QTreeWidgetItem* row) {
  QStringList cells;
  for (int c = 0; row && c < row->columnCount(); ++c) cells << row->text(c);
  return cells;
}
}  // namespace

class TestFrmFunc : public QObject {
  Q_OBJECT
 private slots:
  void init();
  void cleanup();
  void builtinPage();
  void windowAndTrees();
  void lastColumnFillsTheRow();
  void editButtonsFollowThePage();
  void insertsBuiltinAtCaret();
  void insertsUserEntriesAfterThem();
  void categoryRowInsertsNothing();
  void constantLifecycle();
  void deleteNeedsYes();
  void userFunctionLifecycle();
  void emptyCategoryIsOther();
  void categoryMatchKeepsLetterCase();
  void changedCategoryShowsAfterRestart();
  void entriesWorkBeforeTheWindowOpens();
  void expandedStateSurvivesRestart();
  void placeAndColumnsSurviveRestart();
  void failedSaveKeepsTheChange();
  void legacyFileConvertedAtStart();
  void unreadableStartNeverOverwrites();
  void helpButton();
  void closingOnlyHides();
  void followsTheLanguage();
  void refusedEntriesChangeNothing_data();
  void refusedEntriesChangeNothing();
  void entriesComeBackAsTyped_data();
  void entriesComeBackAsTyped();
  void earlierFilesReadAsBefore();
  void builtinCallsFollowTheSeparator_data();
  void builtinCallsFollowTheSeparator();
  void columnsFitAfterAddAndChange_data();
  void columnsFitAfterAddAndChange();
  void everyActionFromTheKeyboard_data();
  void everyActionFromTheKeyboard();
  void tabReachesTheButtons();

 private:
  std::unique_ptr<TCatalogueHarness> h;
  void AddConstant(const QString& name, const QString& value, const QString& description, const QString& category);
};

void TestFrmFunc::everyActionFromTheKeyboard_data() {
  QTest::addColumn<QKeySequence>("key");
  QTest::addColumn<QString>("action");
  QTest::newRow("Insert adds") << QKeySequence(Qt::Key_Insert) << "add";
  QTest::newRow("F2 changes") << QKeySequence(Qt::Key_F2) << "change";
  QTest::newRow("Delete deletes") << QKeySequence(Qt::Key_Delete) << "delete";
  QTest::newRow("Esc closes") << QKeySequence(Qt::Key_Escape) << "close";
}

void TestFrmFunc::everyActionFromTheKeyboard() {
  QFETCH(QKeySequence, key);
  QFETCH(QString, action);
  h->ShowCatalogue(kVar);
  AddConstant("g", "9.81", "", "Physics");
  h->Tree(kVar).setCurrentItem(h->Row(kVar, "Physics", "g"));
  h->Tree(kVar).setFocus();
  h->Func().activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&h->Func()));
  const auto press = [&] { QTest::keySequence(QApplication::focusWidget(), key); };
  if (action == "add") {
    QVERIFY(h->DriveEditor(press, TCatalogueHarness::Typing("c", "3e8", "", "Physics")).ClosedByOk);
    QVERIFY(h->Row(kVar, "Physics", "c"));
  } else if (action == "change") {
    const TEditorRun run = h->DriveEditor(press, TCatalogueHarness::Typing("g", "9.8", "", "Physics"));
    QCOMPARE(run.OldName, std::string("g"));
    QCOMPARE(h->Eval("g"), std::string("9.8"));
  } else if (action == "delete") {
    h->Boxes.Answers = {true};
    press();
    QVERIFY(!h->Row(kVar, "Physics", "g"));
  } else {
    press();
    QVERIFY(!h->Func().isVisible());
  }
  // Each button's hint names its key.
  for (QToolButton* b : {h->Func().btnAdd, h->Func().btnChange, h->Func().btnDel, h->Func().btnClose})
    QVERIFY2(b->toolTip().endsWith(")"), qPrintable(b->toolTip()));
}

void TestFrmFunc::tabReachesTheButtons() {
  h->ShowCatalogue(kVar);
  h->Func().activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&h->Func()));
  const QStringList reached = KeyWalk(&h->Tree(kVar));
  for (const char* name : {"btnAdd", "btnChange", "btnDel", "btnHelp", "btnClose"})
    QVERIFY2(reached.contains(name), qPrintable(reached.join(' ')));
  QVERIFY2(!reached.join(' ').contains('!'), qPrintable(reached.join(' ')));
  QCOMPARE(KeyWalk(&h->Tree(kVar), true), Reversed(reached));
}

void TestFrmFunc::init() {
  h = std::make_unique<TCatalogueHarness>();
  h->Start();
}

void TestFrmFunc::cleanup() { h.reset(); }

void TestFrmFunc::AddConstant(const QString& name, const QString& value, const QString& description,
                              const QString& category) {
  const TEditorRun run = h->Add(kVar, TCatalogueHarness::Typing(name, value, description, category));
  QVERIFY(run.ClosedByOk);
}

void TestFrmFunc::builtinPage() {
  const QTreeWidget& tree = *h->Func().vtFunc;
  QCOMPARE(Categories(tree), (QStringList{"Тригонометрические", "Показательные и логарифмические", kOther}));
  QCOMPARE(Children(tree.topLevelItem(0)),
           (QStringList{"SIN(X)", "COS(X)", "TAN(X)", "ARCSIN(X)", "ARCCOS(X)", "ARCTAN(X)"}));
  QCOMPARE(tree.topLevelItem(1)->childCount(), 6);
  QCOMPARE(tree.topLevelItem(2)->childCount(), 12);
  QCOMPARE(Cells(tree.topLevelItem(0)->child(0)), (QStringList{"SIN(X)", "синус"}));
  QCOMPARE(Children(tree.topLevelItem(2)).last(), QString("ROR(X,N)"));
  QCOMPARE(Children(tree.topLevelItem(2)).at(10), QString("ROL(X,N)"));
  for (int i = 0; i < 3; ++i) QVERIFY(tree.topLevelItem(i)->isExpanded());
}

void TestFrmFunc::windowAndTrees() {
  TfrmFunc& w = h->Func();
  QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
  QCOMPARE(w.minimumSize(), QSize(340, 200));
  // Without settings: the default place, size and column widths; the
  // default width grows where the tabs' captions need more, and no further.
  const int tabs = w.PageControl->tabBar()->sizeHint().width() + 2 * 3;
  QCOMPARE(w.geometry(), QRect(20, 20, std::max(348, tabs), 332));
  QCOMPARE(w.vtFunc->columnWidth(0), 100);
  QCOMPARE((QList<int>{w.vtVar->columnWidth(0), w.vtVar->columnWidth(1)}), (QList<int>{80, 80}));
  QCOMPARE(w.PageControl->currentIndex(), kFunc);
  // A category row is bold on silver; an entry row has the list's colours.
  const QTreeWidgetItem* category = w.vtFunc->topLevelItem(0);
  QVERIFY(category->font(0).bold());
  QCOMPARE(category->background(0).color(), QColor(192, 192, 192));
  QVERIFY(!category->child(0)->font(0).bold());
  QCOMPARE(category->child(0)->background(0).style(), Qt::NoBrush);
}

void TestFrmFunc::lastColumnFillsTheRow() {
  h->ShowCatalogue(kVar);
  TfrmFunc& w = h->Func();
  const auto filled = [](const QTreeWidget* t) {
    int sum = 0;
    for (int c = 0; c < t->columnCount(); ++c) sum += t->columnWidth(c);
    return sum == t->viewport()->width();
  };
  QVERIFY(filled(w.vtVar));
  w.resize(600, 400);
  QCoreApplication::processEvents();
  QVERIFY(filled(w.vtVar));
  // The buttons at the right go with the right edge.
  QCOMPARE(w.btnClose->geometry().right(), 600 - 3 - 1);
  w.vtVar->header()->resizeSection(0, 150);
  QVERIFY(filled(w.vtVar));
  QCOMPARE(w.vtVar->columnWidth(0), 150);
}

void TestFrmFunc::editButtonsFollowThePage() {
  TfrmFunc& w = h->Func();
  const auto enabled = [&] { return QList<bool>{w.btnAdd->isEnabled(), w.btnChange->isEnabled(), w.btnDel->isEnabled()}; };
  QCOMPARE(enabled(), (QList<bool>{false, false, false}));
  h->ShowCatalogue(kVar);
  QTest::mouseClick(w.PageControl->tabBar(), Qt::LeftButton, {}, w.PageControl->tabBar()->tabRect(kUserFunc).center());
  QCOMPARE(w.PageControl->currentIndex(), kUserFunc);
  QCOMPARE(enabled(), (QList<bool>{true, true, true}));
  QTest::mouseClick(w.PageControl->tabBar(), Qt::LeftButton, {}, w.PageControl->tabBar()->tabRect(kFunc).center());
  QCOMPARE(enabled(), (QList<bool>{false, false, false}));
}

void TestFrmFunc::insertsBuiltinAtCaret() {
  h->Input->setEditText("1+2");
  h->Input->SavedSelStart = 3;
  h->ShowCatalogue(kFunc);
  QTreeWidget& tree = *h->Func().vtFunc;
  QTreeWidgetItem* sin = h->Row(kFunc, "Тригонометрические", "SIN(X)");
  QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(sin).center());
  QCOMPARE(h->Input->currentText(), QString("1+2SIN(X)"));
  QCOMPARE(h->Input->SavedSelStart, 8);  // between X and ")"
  QCOMPARE(h->Activations, 1);
  // Enter acts as a double click; the caret was at the front.
  h->Input->SavedSelStart = 0;
  tree.setCurrentItem(h->Row(kFunc, kOther, "ROL(X,N)"));
  QTest::keyClick(&tree, Qt::Key_Return);
  QCOMPARE(h->Input->currentText(), QString("ROL(X,N)1+2SIN(X)"));
  QCOMPARE(h->Input->SavedSelStart, 7);
  QCOMPARE(h->Activations, 2);
  QVERIFY(h->Func().isVisible());
}

void TestFrmFunc::insertsUserEntriesAfterThem() {
  h->ShowCatalogue(kVar);
  AddConstant("g", "9.81", "", "Physics");
  h->Input->setEditText("2*");
  h->Input->SavedSelStart = 2;
  QTreeWidget& tree = *h->Func().vtVar;
  tree.setCurrentItem(h->Row(kVar, "Physics", "g"));
  QTest::keyClick(&tree, Qt::Key_Enter);
  QCOMPARE(h->Input->currentText(), QString("2*g"));
  QCOMPARE(h->Input->SavedSelStart, 3);
  QCOMPARE(h->Eval(h->Input->currentText().toStdString()), std::string("19.62"));
  // A caret beyond a text shortened since puts the name at the end.
  h->Input->setEditText("1+");
  h->Input->SavedSelStart = 40;
  QTest::keyClick(&tree, Qt::Key_Return);
  QCOMPARE(h->Input->currentText(), QString("1+g"));
  QCOMPARE(h->Input->SavedSelStart, 3);
}

void TestFrmFunc::categoryRowInsertsNothing() {
  h->Input->setEditText("1+2");
  h->Input->SavedSelStart = 3;
  h->ShowCatalogue(kFunc);
  QTreeWidget& tree = *h->Func().vtFunc;
  QTreeWidgetItem* category = tree.topLevelItem(0);
  QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(category).center());
  tree.setCurrentItem(category);
  QTest::keyClick(&tree, Qt::Key_Return);
  QCOMPARE(h->Input->currentText(), QString("1+2"));
  QCOMPARE(h->Input->SavedSelStart, 3);
  QCOMPARE(h->Activations, 0);
}

void TestFrmFunc::constantLifecycle() {
  h->ShowCatalogue(kVar);
  // Add, in a category the page does not have yet.
  const TEditorRun add = h->Add(kVar, TCatalogueHarness::Typing("g", "9.81", "gravity", "Physics"));
  QVERIFY(add.ClosedByOk);
  QCOMPARE(add.Title, QString("Добавить константу"));
  QCOMPARE(add.ValueLabel, QString("Значение"));
  QCOMPARE(add.HelpContext, 4);
  QVERIFY(add.ConstMode);
  QCOMPARE(add.OldName, std::string());
  QVERIFY(add.Categories.isEmpty());
  QTreeWidgetItem* g = h->Row(kVar, "Physics", "g");
  QVERIFY(g);
  QVERIFY(g->parent()->isExpanded());
  QCOMPARE(Cells(g), (QStringList{"g", "9.81", "gravity"}));
  QCOMPARE(h->Eval("g*2"), std::string("19.62"));
  QCOMPARE(h->FileBytes("variables.lst"), QByteArray("[Physics]\r\ng=9.81|9.81|gravity\r\n"));

  // Change: the editor comes filled, the new value reaches parser and file.
  const TEditorRun change = h->Change(kVar, g, TCatalogueHarness::Typing("g", "2*3", "gravity", "Physics"));
  QVERIFY(change.ClosedByOk);
  QCOMPARE(change.Title, QString("Изменить константу"));
  QCOMPARE(change.OldName, std::string("g"));
  QCOMPARE((QStringList{change.Name, change.Value, change.Description, change.Category}),
           (QStringList{"g", "9.81", "gravity", "Physics"}));
  QCOMPARE(change.Categories, QStringList{"Physics"});
  QCOMPARE(Cells(g), (QStringList{"g", "2*3", "gravity"}));
  QCOMPARE(h->Eval("g"), std::string("6"));
  QCOMPARE(h->Parser->UserConstants.Count(), 1);
  QCOMPARE(h->FileBytes("variables.lst"), QByteArray("[Physics]\r\ng=2*3|6|gravity\r\n"));

  // Delete: asked first; the name is then unknown to the parser.
  h->Delete(kVar, g, true);
  QCOMPARE(h->Boxes.Texts(TScriptedMessageBoxes::Kind::Confirm), QStringList{"Действительно удалить g"});
  QCOMPARE(h->Boxes.Boxes.first().icon, TQuestionIcon::Question);
  QCOMPARE(h->Eval("g"), kUnknownName);
  QCOMPARE(h->Parser->UserConstants.Count(), 0);
  QCOMPARE(Children(h->Row(kVar, "Physics")), QStringList());
  QCOMPARE(h->FileBytes("variables.lst"), QByteArray());

  // The empty category row goes the same way.
  h->Delete(kVar, h->Row(kVar, "Physics"), true);
  QCOMPARE(h->Boxes.Texts(TScriptedMessageBoxes::Kind::Confirm).last(), QString("Действительно удалить Physics"));
  QCOMPARE(h->Func().vtVar->topLevelItemCount(), 0);
  QVERIFY(h->Exceptions().isEmpty());
  // Its name stays on offer for the rest of the run.
  const TEditorRun again = h->Add(kVar, TCatalogueHarness::Typing("k", "1"), false);
  QCOMPARE(again.Categories, QStringList{"Physics"});
}

void TestFrmFunc::deleteNeedsYes() {
  h->ShowCatalogue(kVar);
  AddConstant("g", "9.81", "", "Physics");
  const QByteArray before = h->FileBytes("variables.lst");
  h->Delete(kVar, h->Row(kVar, "Physics", "g"), false);
  QVERIFY(h->Row(kVar, "Physics", "g"));
  QCOMPARE(h->Eval("g"), std::string("9.81"));
  QCOMPARE(h->FileBytes("variables.lst"), before);
  // A category row that still holds entries is not even asked about.
  const int asked = h->Boxes.Texts(TScriptedMessageBoxes::Kind::Confirm).size();
  h->Delete(kVar, h->Row(kVar, "Physics"), true);
  QCOMPARE(h->Boxes.Texts(TScriptedMessageBoxes::Kind::Confirm).size(), asked);
  QVERIFY(h->Row(kVar, "Physics", "g"));
}

void TestFrmFunc::userFunctionLifecycle() {
  h->ShowCatalogue(kUserFunc);
  const TEditorRun add = h->Add(kUserFunc, TCatalogueHarness::Typing("hyp(a,b)", "sqrt(a*a+b*b)", "", "Geometry"));
  QVERIFY(add.ClosedByOk);
  QCOMPARE(add.Title, QString("Добавить функцию"));
  QCOMPARE(add.ValueLabel, QString("Выражение"));
  QCOMPARE(add.HelpContext, 5);
  QVERIFY(!add.ConstMode);
  QCOMPARE(h->Eval("hyp(3,4)"), std::string("5"));
  QCOMPARE(h->FileBytes("functions.lst"), QByteArray("[Geometry]\r\nhyp(a,b)=sqrt(a*a+b*b)|\r\n"));

  // Inserted as typed, caret after it.
  h->Input->setEditText("");
  h->Input->SavedSelStart = 0;
  h->Func().vtUserFunc->setCurrentItem(h->Row(kUserFunc, "Geometry", "hyp(a,b)"));
  QTest::keyClick(h->Func().vtUserFunc, Qt::Key_Return);
  QCOMPARE(h->Input->currentText(), QString("hyp(a,b)"));
  QCOMPARE(h->Input->SavedSelStart, 8);

  const TEditorRun change =
      h->Change(kUserFunc, h->Row(kUserFunc, "Geometry", "hyp(a,b)"), TCatalogueHarness::Typing("hyp(a,b)", "a+b", "sum", "Geometry"));
  QVERIFY(change.ClosedByOk);
  QCOMPARE(change.Title, QString("Изменить функцию"));
  QCOMPARE(change.OldName, std::string("hyp"));
  QCOMPARE(h->Eval("hyp(3,4)"), std::string("7"));
  QCOMPARE(h->Parser->UserFunctions.Count(), 1);
  QCOMPARE(h->FileBytes("functions.lst"), QByteArray("[Geometry]\r\nhyp(a,b)=a+b|sum\r\n"));

  h->Delete(kUserFunc, h->Row(kUserFunc, "Geometry", "hyp(a,b)"), true);
  QCOMPARE(h->Boxes.Texts(TScriptedMessageBoxes::Kind::Confirm), QStringList{"Действительно удалить hyp(a,b)"});
  QCOMPARE(h->Parser->UserFunctions.Count(), 0);
  QCOMPARE(h->FileBytes("functions.lst"), QByteArray());
}

void TestFrmFunc::emptyCategoryIsOther() {
  h->ShowCatalogue(kVar);
  AddConstant("a", "1", "", "");
  AddConstant("b", "2", "", "");
  QCOMPARE(Categories(*h->Func().vtVar), QStringList{kOther});
  QCOMPARE(Children(h->Row(kVar, kOther)), (QStringList{"a", "b"}));
  QCOMPARE(h->FileBytes("variables.lst"), "[" + kOtherCp1251 + "]\r\na=1|1|\r\nb=2|2|\r\n");
  const TEditorRun next = h->Add(kVar, TCatalogueHarness::Typing("c", "3"), false);
  QCOMPARE(next.Categories, QStringList{kOther});
}

void TestFrmFunc::categoryMatchKeepsLetterCase() {
  h->ShowCatalogue(kVar);
  AddConstant("a", "1", "", "physics");
  AddConstant("b", "2", "", "Physics");
  QCOMPARE(Categories(*h->Func().vtVar), (QStringList{"physics", "Physics"}));
  // One section in the file; at the next start one category.
  QCOMPARE(h->FileBytes("variables.lst"), QByteArray("[physics]\r\na=1|1|\r\nb=2|2|\r\n"));
  h->Restart();
  QCOMPARE(Categories(*h->Func().vtVar), QStringList{"physics"});
  QCOMPARE(Children(h->Row(kVar, "physics")), (QStringList{"a", "b"}));
}

void TestFrmFunc::changedCategoryShowsAfterRestart() {
  h->ShowCatalogue(kVar);
  AddConstant("a", "1", "", "Old");
  AddConstant("b", "2", "", "Old");
  QVERIFY(h->Change(kVar, h->Row(kVar, "Old", "a"), TCatalogueHarness::Typing("a", "1", "", "New")).ClosedByOk);
  QCOMPARE(Categories(*h->Func().vtVar), QStringList{"Old"});
  QCOMPARE(Children(h->Row(kVar, "Old")), (QStringList{"a", "b"}));
  QCOMPARE(h->FileBytes("variables.lst"), QByteArray("[New]\r\na=1|1|\r\n[Old]\r\nb=2|2|\r\n"));
  // The category list is not extended by a change.
  const TEditorRun next = h->Add(kVar, TCatalogueHarness::Typing("c", "3"), false);
  QCOMPARE(next.Categories, QStringList{"Old"});
  h->Restart();
  QCOMPARE(Categories(*h->Func().vtVar), (QStringList{"New", "Old"}));
  QCOMPARE(Children(h->Row(kVar, "New")), QStringList{"a"});
}

void TestFrmFunc::entriesWorkBeforeTheWindowOpens() {
  h->Windows = {};
  h->WriteFile("variables.lst", "[Physics]\r\ng=9.81|9.81|gravity\r\nc=3e8|300000000|\r\n");
  h->WriteFile("functions.lst", "[" + kOtherCp1251 + "]\r\nhyp(a,b)=sqrt(a*a+b*b)|\r\n");
  h->Start();
  QVERIFY(!h->Func().isVisible());
  QCOMPARE(h->Eval("g+c"), std::string("300000009.81"));
  QCOMPARE(h->Eval("hyp(6,8)"), std::string("10"));
  QCOMPARE(Children(h->Row(kVar, "Physics")), (QStringList{"g", "c"}));
  QCOMPARE(Cells(h->Row(kVar, "Physics", "c")), (QStringList{"c", "3e8", ""}));
  QCOMPARE(Children(h->Row(kUserFunc, kOther)), QStringList{"hyp(a,b)"});
  QVERIFY(h->Exceptions().isEmpty());
}

void TestFrmFunc::expandedStateSurvivesRestart() {
  h->ShowCatalogue(kVar);
  AddConstant("a", "1", "", "A");
  AddConstant("b", "2", "", "B");
  h->Row(kVar, "A")->setExpanded(false);
  h->Row(kFunc, kOther)->setExpanded(false);
  QTest::mouseClick(h->Func().btnClose, Qt::LeftButton);
  QVERIFY(!h->Func().isVisible());
  QCOMPARE(h->Settings->ReadString("Const", "A", "?"), std::string("0"));
  QCOMPARE(h->Settings->ReadString("Const", "B", "?"), std::string("1"));
  // A category that has no key yet starts expanded.
  h->WriteFile("variables.lst", h->FileBytes("variables.lst") + "[C]\r\nc=3|3|\r\n");
  h->Restart();
  QVERIFY(!h->Row(kVar, "A")->isExpanded());
  QVERIFY(h->Row(kVar, "B")->isExpanded());
  QVERIFY(h->Row(kVar, "C")->isExpanded());
  QVERIFY(!h->Row(kFunc, kOther)->isExpanded());
  QVERIFY(h->Row(kFunc, "Тригонометрические")->isExpanded());
}

void TestFrmFunc::placeAndColumnsSurviveRestart() {
  h->ShowCatalogue(kVar);
  TfrmFunc& w = h->Func();
  w.setGeometry(70, 80, 500, 400);
  w.vtVar->header()->resizeSection(0, 120);
  w.vtUserFunc->header()->resizeSection(1, 90);
  w.close();
  QCOMPARE(h->Settings->ReadInteger("Function", "Width", 0), 500);
  QCOMPARE(h->Settings->ReadInteger("Function", "Var1", 0), 120);
  h->Restart();
  TfrmFunc& again = h->Func();
  QCOMPARE(again.pos(), QPoint(70, 80));
  QCOMPARE(again.size(), QSize(500, 400));
  QCOMPARE(again.vtVar->columnWidth(0), 120);
  QCOMPARE(again.vtVar->columnWidth(1), 80);
  QCOMPARE(again.vtUserFunc->columnWidth(1), 90);
  QVERIFY(again.vtFunc->columnWidth(0) >= 100);  // widened to its longest name
  // Quitting while the window is open writes nothing.
  again.ShowCatalogue();
  again.resize(640, 480);
  h->Restart();
  QCOMPARE(h->Func().size(), QSize(500, 400));
}

namespace {
// No file can be made next to the list file any more: the save's temporary
// names are all taken, and (for a user without root's rights) the folder is
// read-only.
void BlockWrites(const QString& folder, const std::string& path) {
  for (int i = 0; i < 100; ++i)
    QDir().mkdir(QString::fromStdString(path + ".tmp" + std::to_string(QCoreApplication::applicationPid()) + "_" +
                                        std::to_string(i)));
  QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
}

void AllowWrites(const QString& folder) {
  QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
}  // namespace

void TestFrmFunc::failedSaveKeepsTheChange() {
  h->ShowCatalogue(kVar);
  AddConstant("a", "1", "", "A");
  const QByteArray before = h->FileBytes("variables.lst");
  const std::string path = h->ProgramDir() + "variables.lst";
  BlockWrites(h->Dir.path(), path);
  AddConstant("b", "2", "", "A");
  AllowWrites(h->Dir.path());
  QCOMPARE(h->Exceptions(), QStringList{QString::fromStdString("Unable to write to " + path + ".")});
  QCOMPARE(Children(h->Row(kVar, "A")), (QStringList{"a", "b"}));
  QCOMPARE(h->Eval("b"), std::string("2"));
  QCOMPARE(h->FileBytes("variables.lst"), before);
}

void TestFrmFunc::legacyFileConvertedAtStart() {
  h->Windows = {};
  h->WriteFile("variables.lst", QByteArray::fromStdString(legacy::PhysicsConstants(2)));
  h->Start();
  QCOMPARE(Children(h->Row(kVar, "Физика")), (QStringList{"g", "c"}));
  QCOMPARE(h->Eval("g"), std::string("9.81"));
  QCOMPARE(h->FileBytes("variables.lst"),
           QByteArray::fromStdString("[" + legacy::kPhysics + "]\r\ng=9.81|9.81|gravity\r\nc=3e8|300000000|\r\n"));
  QVERIFY(h->Exceptions().isEmpty());
}

void TestFrmFunc::unreadableStartNeverOverwrites() {
  // The old file cannot be converted: its page is shown and used, the other
  // list file is read all the same, and the page's file is never written
  // over with a page that may not hold all of it.
  h->Windows = {};
  const QByteArray old = QByteArray::fromStdString(legacy::PhysicsConstants(2));
  h->WriteFile("variables.lst", old);
  h->WriteFile("functions.lst", "[F]\r\nhyp(a,b)=sqrt(a*a+b*b)|\r\n");
  const std::string path = h->ProgramDir() + "variables.lst";
  BlockWrites(h->Dir.path(), path);
  h->Start();
  const QString failure = QString::fromStdString("Unable to write to " + path + ".");
  QCOMPARE(h->Exceptions(), QStringList{failure});
  QCOMPARE(h->Eval("g"), std::string("9.81"));
  QCOMPARE(h->Eval("hyp(3,4)"), std::string("5"));
  AllowWrites(h->Dir.path());
  h->ShowCatalogue(kVar);
  AddConstant("k", "2", "", "Физика");
  QCOMPARE(h->Exceptions(), (QStringList{failure, failure}));
  QCOMPARE(h->Eval("k"), std::string("2"));
  QCOMPARE(h->FileBytes("variables.lst"), old);
}

void TestFrmFunc::helpButton() {
  h->ShowCatalogue(kVar);
  QTest::mouseClick(h->Func().btnHelp, Qt::LeftButton);
  QCOMPARE(h->Help.Requests, (QList<TRecordingHelpViewer::Request>{{"Tamrix.hlp", 2}}));
}

void TestFrmFunc::closingOnlyHides() {
  h->ShowCatalogue(kVar);
  AddConstant("a", "1", "", "A");
  h->Func().vtVar->setCurrentItem(h->Row(kVar, "A", "a"));
  QTest::mouseClick(h->Func().btnClose, Qt::LeftButton);
  QVERIFY(!h->Func().isVisible());
  QVERIFY(!h->Func().testAttribute(Qt::WA_QuitOnClose));
  h->Func().ShowCatalogue();
  QCOMPARE(h->Func().PageControl->currentIndex(), kVar);
  QCOMPARE(h->Func().vtVar->currentItem(), h->Row(kVar, "A", "a"));
}

void TestFrmFunc::followsTheLanguage() {
  h->ShowCatalogue(kVar);
  // User data that happens to read like the built-in texts stays as written.
  AddConstant("k", "2", "синус", "Тригонометрические");
  struct TRow {
    const char* Code;
    QStringList Tabs, Headers;
    QString Category, Sine, Editor, Cancel, NoName, Other;
  };
  const TRow rows[] = {
      {"en", {"Functions", "Constants", "User functions"}, {"Constant", "Value", "Description"}, "Trigonometric",
       "sine", "Add constant", "Cancel", "No name entered for the variable or function.", "Other"},
      {"ru", {"Функции", "Константы", "Пользовательские функции"}, {"Константа", "Значение", "Описание"},
       "Тригонометрические", "синус", "Добавить константу", "Отмена", "Не введено имя переменной или функции.",
       kOther},
  };
  for (const TRow& row : rows) {
    TInterfaceLanguage language(row.Code);
    language.Install();
    QCoreApplication::processEvents();
    TfrmFunc& w = h->Func();
    QCOMPARE((QStringList{w.PageControl->tabText(0), w.PageControl->tabText(1), w.PageControl->tabText(2)}), row.Tabs);
    const QTreeWidgetItem* header = w.vtVar->headerItem();
    QCOMPARE((QStringList{header->text(0), header->text(1), header->text(2)}), row.Headers);
    QCOMPARE(w.vtFunc->topLevelItem(0)->text(0), row.Category);
    QCOMPARE(w.vtFunc->topLevelItem(0)->child(0)->text(1), row.Sine);
    QCOMPARE(Cells(h->Row(kVar, "Тригонометрические", "k")), (QStringList{"k", "2", "синус"}));
    QCOMPARE(w.vtVar->topLevelItem(0)->text(0), QString("Тригонометрические"));
    const TEditorRun run = h->Add(kVar, TCatalogueHarness::Typing("", "1"));
    QCOMPARE(run.Title, row.Editor);
    QCOMPARE(h->Edit().btnCancel->text(), row.Cancel);
    QCOMPARE(h->Exceptions().last(), row.NoName);
    // The category of entries given none shows in the interface's language,
    // and its shown name chooses it; the file keeps one key in both.
    const QString mine = QString("o") + row.Code;
    QVERIFY(h->Add(kVar, TCatalogueHarness::Typing(mine, "1")).ClosedByOk);
    const TEditorRun named = h->Add(kVar, TCatalogueHarness::Typing(mine + "2", "2", "", row.Other));
    QVERIFY(named.ClosedByOk);
    QCOMPARE(named.Categories, (QStringList{"Тригонометрические", row.Other}));
    QCOMPARE(Categories(*w.vtVar), (QStringList{"Тригонометрические", row.Other}));
    QCOMPARE(Children(w.vtVar->topLevelItem(1)).mid(Children(w.vtVar->topLevelItem(1)).size() - 2),
             (QStringList{mine, mine + "2"}));
    QVERIFY(h->FileBytes("variables.lst").contains("[" + kOtherCp1251 + "]\r\n"));
    QVERIFY(!h->FileBytes("variables.lst").contains("Other"));
    // The expanded state goes by the category's own name in every language.
    w.close();
    QCOMPARE(h->Settings->ReadString("Const", kOther.toStdString(), "?"), std::string("1"));
    QCOMPARE(h->Settings->ReadString("Const", "Other", "?"), std::string("?"));
    QVERIFY(h->Settings->ReadBool("Function", "Тригонометрические", false));
    QCOMPARE(h->Settings->ReadString("Function", row.Category.toStdString(), "?"),
             std::string(row.Category == "Trigonometric" ? "?" : "1"));
    w.ShowCatalogue();
  }
}

void TestFrmFunc::refusedEntriesChangeNothing_data() {
  QTest::addColumn<int>("page");
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("value");
  QTest::addColumn<QString>("description");
  QTest::addColumn<QString>("category");
  QTest::addColumn<QString>("message");
  QTest::newRow("the same head again") << kUserFunc << "hyp(a,b)" << "a+b" << "" << "Geometry"
                                       << "Переменная или функция с таким именем уже существует.";
  QTest::newRow("a built-in function's name") << kUserFunc << "sin(x)" << "x*2" << "" << ""
                                              << "Переменная или функция с таким именем уже существует.";
  QTest::newRow("a user constant's name") << kUserFunc << "g(x)" << "x" << "" << ""
                                          << "Переменная или функция с таким именем уже существует.";
  QTest::newRow("an empty function") << kUserFunc << "" << "" << "" << "" << "Не введено имя переменной или функции.";
  QTest::newRow("a function without body") << kUserFunc << "k(x)" << "" << "" << "" << "Не задано тело функции.";
  QTest::newRow("bar in a function's description") << kUserFunc << "k(x)" << "x" << "два с половиной | в запятых"
                                                   << "" << "Символ \"|\" нельзя сохранить в поле \"Описание\"";
  QTest::newRow("bar in a constant's category") << kVar << "k" << "1" << "" << "a|b"
                                                << "Символ \"|\" нельзя сохранить в поле \"Категория\"";
  QTest::newRow("a constant named as a function") << kVar << "HYP" << "1" << "" << ""
                                                  << "Переменная или функция с таким именем уже существует.";
}

void TestFrmFunc::refusedEntriesChangeNothing() {
  QFETCH(int, page);
  QFETCH(QString, name);
  QFETCH(QString, value);
  QFETCH(QString, description);
  QFETCH(QString, category);
  QFETCH(QString, message);
  h->ShowCatalogue(kVar);
  AddConstant("g", "9.81", "", "Physics");
  QVERIFY(h->Add(kUserFunc, TCatalogueHarness::Typing("hyp(a,b)", "sqrt(a^2+b^2)", "", "Geometry")).ClosedByOk);
  const QByteArray constants = h->FileBytes("variables.lst");
  const QByteArray functions = h->FileBytes("functions.lst");
  const TEditorRun run = h->Add(page, TCatalogueHarness::Typing(name, value, description, category));
  QVERIFY(run.Opened);
  QVERIFY(!run.ClosedByOk);
  QCOMPARE(h->Exceptions(), QStringList{message});
  QCOMPARE(Categories(*h->Func().vtVar), QStringList{"Physics"});
  QCOMPARE(Categories(*h->Func().vtUserFunc), QStringList{"Geometry"});
  QCOMPARE(Children(h->Row(kUserFunc, "Geometry")), QStringList{"hyp(a,b)"});
  QCOMPARE(h->Parser->UserFunctions.Count() + h->Parser->UserConstants.Count(), 2);
  QCOMPARE(h->FileBytes("variables.lst"), constants);
  QCOMPARE(h->FileBytes("functions.lst"), functions);
  for (int pass = 0; pass < 2; ++pass) {  // the same now and after a restart
    QCOMPARE(h->Eval("hyp(3,4)"), std::string("5"));
    QCOMPARE(h->Eval("sin(30)"), std::string("0.5"));
    QCOMPARE(h->Eval("g"), std::string("9.81"));
    h->Restart();
  }
}

namespace {
// Every printable ASCII sign but "|", Cyrillic, signs of Windows-1251 and
// beyond it, quotes at both ends.
QString EveryStorableSign() {
  QString text = "\"";
  for (char c = ' '; c < 0x7F; ++c)
    if (c != '|') text += QLatin1Char(c);
  return text + " два с половиной; в запятых №€° 日😀 \"";
}
}  // namespace

void TestFrmFunc::entriesComeBackAsTyped_data() {
  QTest::addColumn<int>("page");
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("value");
  QTest::addColumn<QString>("description");
  QTest::addColumn<QString>("category");
  QTest::addColumn<QString>("shownCategory");  // what the page shows, then and after a restart
  QTest::addColumn<QString>("expression");
  QTest::addColumn<QString>("result");
  const QString all = EveryStorableSign();
  QTest::newRow("constant, every sign") << kVar << "g_1" << "(ROL(8,1)*2.5-E/E)^2" << all << all.mid(1, 60)
                                        << all.mid(1, 60).trimmed() << "g_1" << "1521";
  QTest::newRow("constant, blanks at the ends") << kVar << "k" << "1" << "  в запятых  " << "  Физика  " << "Физика"
                                                << "k" << "1";
  QTest::newRow("constant, default category") << kVar << "k" << "2" << "" << "" << kOther << "k" << "2";
  QTest::newRow("function, every sign") << kUserFunc << "f_2(a,b,_c)" << "a+b*_c-ROL(a,1)/2^0" << all << all.mid(30)
                                        << all.mid(30).trimmed() << "f_2(1,2,3)" << "5";
  QTest::newRow("function, no parameters") << kUserFunc << "two()" << "1+1" << "\"" << "\"q\"" << "\"q\""
                                           << "two()*3" << "6";
}

void TestFrmFunc::entriesComeBackAsTyped() {
  QFETCH(int, page);
  QFETCH(QString, name);
  QFETCH(QString, value);
  QFETCH(QString, description);
  QFETCH(QString, category);
  QFETCH(QString, shownCategory);
  QFETCH(QString, expression);
  QFETCH(QString, result);
  h->ShowCatalogue(page);
  QVERIFY(h->Add(page, TCatalogueHarness::Typing(name, value, description, category)).ClosedByOk);
  for (int pass = 0; pass < 2; ++pass) {  // as added, then after a restart
    QCOMPARE(Categories(h->Tree(page)), QStringList{shownCategory});
    QCOMPARE(Cells(h->Row(page, shownCategory, name)), (QStringList{name, value, description}));
    QCOMPARE(QString::fromStdString(h->Eval(expression.toStdString())), result);
    h->Restart();
  }
  QVERIFY(h->Exceptions().isEmpty());
}

void TestFrmFunc::earlierFilesReadAsBefore() {
  // What earlier versions wrote, and what they let in, reads as it did:
  // a description cut at its "|", a head without parameter list, a user
  // function over a built-in, two of one head. Starting writes nothing.
  h->Windows = {};
  const QByteArray constants = "[Physics]\r\ng=9.81|9.81|two|parts\r\n[ Blank ]\r\nb=1|1|\r\n";
  const QByteArray functions = "[F]\r\nhyp(a,b)=sqrt(a*a+b*b)|\r\nsin(x)=x*2|\r\nbare=1|\r\nhyp(a,b)=a+b|\r\n"
                               "semi(a;b)=a-b|\r\n";
  h->WriteFile("variables.lst", constants);
  h->WriteFile("functions.lst", functions);
  h->Start();
  QCOMPARE(Categories(*h->Func().vtVar), (QStringList{"Physics", "Blank"}));
  QCOMPARE(Cells(h->Row(kVar, "Physics", "g")), (QStringList{"g", "9.81", "two"}));
  QCOMPARE(Children(h->Row(kUserFunc, "F")), (QStringList{"hyp(a,b)", "sin(x)", "bare", "hyp(a,b)", "semi(a;b)"}));
  QCOMPARE(h->Eval("hyp(3,4)"), std::string("5"));
  QCOMPARE(h->Eval("sin(30)"), std::string("60"));
  // The parser splits the parameters at "," only; a head written with ";"
  // gets its parameters all the same.
  QCOMPARE(h->Eval("semi(5,2)"), std::string("3"));
  QCOMPARE(h->FileBytes("variables.lst"), constants);
  QCOMPARE(h->FileBytes("functions.lst"), functions);
  QVERIFY(h->Exceptions().isEmpty());
}

void TestFrmFunc::builtinCallsFollowTheSeparator_data() {
  QTest::addColumn<QString>("separators");  // decimal, then argument
  QTest::addColumn<QString>("rol");
  QTest::addColumn<QString>("call");
  QTest::newRow(". and ,") << ".," << "ROL(X,N)" << "ROL(8,1)";
  QTest::newRow(", and ;") << ",;" << "ROL(X;N)" << "ROL(8;1)";
}

void TestFrmFunc::builtinCallsFollowTheSeparator() {
  QFETCH(QString, separators);
  QFETCH(QString, rol);
  QFETCH(QString, call);
  const auto texts = [&] {
    return QStringList{h->Row(kFunc, kOther)->child(10)->text(0), h->Row(kFunc, kOther)->child(11)->text(0)};
  };
  const QString ror = QString(rol).replace("ROL", "ROR");
  h->Parser->DecimalSeparator = separators[0].toLatin1();
  h->Parser->ArgumentSeparator = separators[1].toLatin1();
  h->ShowCatalogue(kFunc);
  QCOMPARE(texts(), (QStringList{rol, ror}));
  // As shown, so inserted, and typed on it works.
  h->Input->setEditText("");
  h->Input->SavedSelStart = 0;
  h->Func().vtFunc->setCurrentItem(h->Row(kFunc, kOther, rol));
  QTest::keyClick(h->Func().vtFunc, Qt::Key_Return);
  QCOMPARE(h->Input->currentText(), rol);
  QCOMPARE(h->Input->SavedSelStart, 7);
  QCOMPARE(h->Eval(call.toStdString()), std::string("16"));
  // The settings change while the window is open: the calls follow once
  // the focus moves on (as when the settings dialog closes), or at the
  // latest when one is inserted.
  h->Parser->ArgumentSeparator = separators == ".," ? ';' : ',';
  QWidget other;
  other.show();
  other.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&other));
  QCOMPARE(texts()[0], QString(rol).replace(separators[1], QChar(h->Parser->ArgumentSeparator)));
  h->Parser->ArgumentSeparator = separators[1].toLatin1();
  h->Input->setEditText("");
  h->Input->SavedSelStart = 0;
  QTest::keyClick(h->Func().vtFunc, Qt::Key_Return);
  QCOMPARE(h->Input->currentText(), rol);
  QCOMPARE(texts(), (QStringList{rol, ror}));
}

void TestFrmFunc::columnsFitAfterAddAndChange_data() {
  QTest::addColumn<int>("page");
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("longer");
  QTest::addColumn<QString>("value");
  QTest::newRow("constant") << kVar << "gravity_of_earth" << "gravity_of_the_earth_at_sea_level" << "9.81";
  QTest::newRow("function") << kUserFunc << "hypotenuse(a,b)" << "hypotenuse_of_a_triangle(a,b)" << "a+b";
}

void TestFrmFunc::columnsFitAfterAddAndChange() {
  QFETCH(int, page);
  QFETCH(QString, name);
  QFETCH(QString, longer);
  QFETCH(QString, value);
  h->Func().resize(640, 400);
  h->ShowCatalogue(page);
  TCatalogueTree& tree = h->Tree(page);
  const auto room = [&](const QString& text) {
    QTreeWidgetItem* row = h->Row(page, kOther, text);
    return tree.columnWidth(0) - (tree.visualItemRect(row).left() + QFontMetrics(row->font(0)).horizontalAdvance(text));
  };
  QVERIFY(h->Add(page, TCatalogueHarness::Typing(name, value)).ClosedByOk);
  QVERIFY(room(name) > 0);
  QVERIFY(h->Change(page, h->Row(page, kOther, name), TCatalogueHarness::Typing(longer, value)).ClosedByOk);
  QVERIFY(room(longer) > 0);
  const int fitted = tree.columnWidth(0);
  // As wide as the same entry gets at start-up.
  h->Restart();
  h->Func().resize(640, 400);
  h->ShowCatalogue(page);
  QCOMPARE(h->Tree(page).columnWidth(0), fitted);
}

QTEST_MAIN(TestFrmFunc)
#include "tst_frmfunc.moc"
