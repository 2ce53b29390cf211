// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TfrmFunc: the catalogue of built-in functions, user constants and user
// functions. Created once at start-up, when it reads the two list files into
// its pages and into the parser, so user entries work before the window is
// ever opened. Shown modeless; closing only hides it and writes its settings.
// A chosen entry is inserted into the input box at its remembered caret; on
// the two user pages entries are added, changed and deleted through the
// entry editor, and the page's list file is written after every change.
#include <QWidget>
#include <memory>

#include "ui/catalogue/cataloguecontext.h"
#include "ui/catalogue/userpage.h"

class QTabWidget;
class QToolButton;
class TAnchors;
class TCatalogueTree;
class TfrmEdit;
class TProfileDocument;

class TfrmFunc : public QWidget {
  Q_OBJECT
 public:
  enum Page { pgFunc = 0, pgVar = 1, pgUserFunc = 2 };

  TfrmFunc(const TCatalogueContext& context, TfrmEdit& editor, QWidget* parent = nullptr);
  ~TfrmFunc() override;

  QToolButton* btnAdd = nullptr;
  QToolButton* btnChange = nullptr;
  QToolButton* btnDel = nullptr;
  QToolButton* btnHelp = nullptr;
  QToolButton* btnClose = nullptr;
  QTabWidget* PageControl = nullptr;
  TCatalogueTree* vtFunc = nullptr;
  TCatalogueTree* vtVar = nullptr;
  TCatalogueTree* vtUserFunc = nullptr;

  // (Re)sets every text of the window in the interface's language: at
  // creation and whenever the language changes.
  void Retranslate();

  // Shows the window (btnFunc, F5 of the main window) and brings it forward.
  void ShowCatalogue();

  void btnAddClick();
  void btnChangeClick();
  void btnDelClick();
  void btnCloseClick();
  void btnHelpClick();
  void PageControlChange();
  // Insertion of the focused entry of tree (double click or Enter).
  void vtDblClick(TCatalogueTree* tree);
  // Writes the functions page's calls with the parser's argument separator
  // if it changed since they were written.
  void FollowArgumentSeparator();

  static constexpr int kMinWidth = 340;
  static constexpr int kMinHeight = 200;

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void BuildControls();
  void FormCreate();
  void FormClose();
  void WriteSettings(TProfileDocument& settings) const;
  void LoadListFiles();
  void FitColumns();
  // Grows the window to the width its tabs need to show their captions
  // whole, within the screen; never shrinks it.
  void WidenToTabs();
  bool OnUserPage() const;

  TCatalogueContext m_context;
  TfrmEdit& m_editor;
  TAnchors* m_anchors = nullptr;
  char m_argumentSeparator = ',';  // the one the functions page shows
  // The two user pages: rows, category lists, parser lines, list files.
  std::unique_ptr<TConstUserPage> m_constPage;
  std::unique_ptr<TFuncUserPage> m_funcPage;
};
