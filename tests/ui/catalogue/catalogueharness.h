// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A catalogue on its own, as the program entry makes it: a parser, a
// settings file and list files in a temporary data folder, an input box,
// scripted message boxes and a recording help viewer. The entry editor is
// driven while it runs modally, the way a user fills it in.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>
#include <functional>
#include <memory>
#include <string>

#include "engine/zqparser.h"
#include "tests/doubles/recordinghelpviewer.h"
#include "tests/doubles/scriptedmessageboxes.h"
#include "storage/profilefile.h"
#include "ui/catalogue/catalogue.h"
#include "ui/catalogue/cataloguetree.h"
#include "ui/widgets/zqStdCtrls.h"

// What the editor showed when it opened, and how it ended.
struct TEditorRun {
  bool Opened = false;
  bool ClosedByOk = false;
  QString Title;
  QString ValueLabel;
  int HelpContext = 0;
  bool ConstMode = false;
  std::string OldName;
  QString Name, Value, Description, Category;
  QStringList Categories;
  // The field that has the caret while the editor stays open after OK.
  QString FieldInFocus;
};

class TCatalogueHarness {
 public:
  TCatalogueHarness() : m_boxesOn(&Boxes), m_helpOn(&Help) { QVERIFY(Dir.isValid()); }

  QTemporaryDir Dir;
  TScriptedMessageBoxes Boxes;
  TRecordingHelpViewer Help;
  std::unique_ptr<TZQParser> Parser;
  std::unique_ptr<TProfileFile> Settings;
  std::unique_ptr<TzqComboBox> Input;
  TCatalogue Windows;
  int Activations = 0;

  std::string ProgramDir() const { return Dir.path().toStdString() + "/"; }
  QString PathOf(const char* name) const { return Dir.filePath(name); }

  // Program start: a fresh parser, settings object and input box, then the
  // catalogue windows, which read the list files into the parser.
  void Start() {
    Parser = std::make_unique<TZQParser>();
    Parser->ErrorOn = true;
    Settings = std::make_unique<TProfileFile>(ProgramDir() + "Tamrix.ini");
    Input = std::make_unique<TzqComboBox>();
    TCatalogueContext context;
    context.Parser = Parser.get();
    context.Settings = Settings.get();
    context.ProgramDir = ProgramDir();
    context.Input = Input.get();
    context.ActivateMain = [this] { ++Activations; };
    Windows = CreateCatalogue(context);
  }

  // Program end and a new start on the same data folder.
  void Restart() {
    Windows = {};
    Start();
  }

  TfrmFunc& Func() { return *Windows.Func; }
  TfrmEdit& Edit() { return *Windows.Edit; }

  // The parser's text for an expression: its value, or its error message.
  std::string Eval(const std::string& expression) {
    std::string text;
    Parser->EvaluateToText(expression, text);
    return text;
  }

  QByteArray FileBytes(const char* name) const {
    QFile file(PathOf(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  void WriteFile(const char* name, const QByteArray& bytes) const {
    QFile file(PathOf(name));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
  }

  void ShowCatalogue(int page) {
    Func().ShowCatalogue();
    QVERIFY(QTest::qWaitForWindowExposed(&Func()));
    Func().PageControl->setCurrentIndex(page);
  }

  TCatalogueTree& Tree(int page) {
    return *static_cast<TCatalogueTree*>(Func().PageControl->widget(page));
  }

  // Runs trigger, which is to open the editor modally. Once the editor is up,
  // fill acts on it, then OK (or Cancel) is clicked. An editor still open
  // after that is cancelled, so a test can never hang in the modal loop.
  TEditorRun DriveEditor(const std::function<void()>& trigger, const std::function<void(TfrmEdit&)>& fill,
                         bool pressOk = true) {
    TEditorRun run;
    QTimer::singleShot(0, [&] {
      TfrmEdit& e = Edit();
      if (!e.isVisible()) return;
      run.Opened = true;
      run.Title = e.windowTitle();
      run.ValueLabel = e.Label2->text();
      run.HelpContext = e.HelpContext;
      run.ConstMode = e.ConstMode;
      run.OldName = e.OldName;
      run.Name = e.edName->text();
      run.Value = e.edValue->text();
      run.Description = e.edDescription->text();
      run.Category = e.cbCategory->currentText();
      for (int i = 0; i < e.cbCategory->count(); ++i) run.Categories << e.cbCategory->itemText(i);
      fill(e);
      QTest::mouseClick(pressOk ? e.btnOk : e.btnCancel, Qt::LeftButton);
      run.ClosedByOk = pressOk && !e.isVisible();
      if (QWidget* field = e.isVisible() ? e.focusWidget() : nullptr)
        run.FieldInFocus = qobject_cast<QComboBox*>(field->parentWidget()) ? field->parentWidget()->objectName()
                                                                           : field->objectName();
      if (e.isVisible()) e.reject();
    });
    trigger();
    QCoreApplication::processEvents();
    return run;
  }

  // Fills the editor the way a user types: the name and value through their
  // typing filters, the description and category as free text.
  static std::function<void(TfrmEdit&)> Typing(const QString& name, const QString& value,
                                               const QString& description = {}, const QString& category = {}) {
    return [=](TfrmEdit& e) {
      e.edName->selectAll();
      e.edName->del();
      QTest::keyClicks(e.edName, name);
      e.edValue->selectAll();
      e.edValue->del();
      QTest::keyClicks(e.edValue, value);
      e.edDescription->setText(description);
      e.cbCategory->setEditText(category);
    };
  }

  TEditorRun Add(int page, const std::function<void(TfrmEdit&)>& fill, bool pressOk = true) {
    Func().PageControl->setCurrentIndex(page);
    return DriveEditor([this] { QTest::mouseClick(Func().btnAdd, Qt::LeftButton); }, fill, pressOk);
  }

  TEditorRun Change(int page, QTreeWidgetItem* row, const std::function<void(TfrmEdit&)>& fill, bool pressOk = true) {
    Func().PageControl->setCurrentIndex(page);
    Tree(page).setCurrentItem(row);
    return DriveEditor([this] { QTest::mouseClick(Func().btnChange, Qt::LeftButton); }, fill, pressOk);
  }

  void Delete(int page, QTreeWidgetItem* row, bool answerYes) {
    Func().PageControl->setCurrentIndex(page);
    Tree(page).setCurrentItem(row);
    Boxes.Answers = {answerYes};
    QTest::mouseClick(Func().btnDel, Qt::LeftButton);
  }

  // The first entry row of that first-column text under the category row.
  QTreeWidgetItem* Row(int page, const QString& category, const QString& entry = {}) {
    QTreeWidgetItem* group = Tree(page).FindCategory(category);
    if (!group || entry.isEmpty()) return group;
    for (int i = 0; i < group->childCount(); ++i)
      if (group->child(i)->text(0) == entry) return group->child(i);
    return nullptr;
  }

  QStringList Exceptions() const { return Boxes.Texts(TScriptedMessageBoxes::Kind::Exception); }

 private:
  TMessageBoxesOverride m_boxesOn;
  THelpViewerOverride m_helpOn;
};
