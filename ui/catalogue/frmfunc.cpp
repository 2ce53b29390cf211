// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/catalogue/frmfunc.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QWindow>
#include <qdrawutil.h>

#include <algorithm>

#include "engine/zqparser.h"
#include "platform/glyphs.h"
#include "platform/helpviewer.h"
#include "storage/datafolder.h"
#include "storage/profilefile.h"
#include "ui/catalogue/builtinpage.h"
#include "ui/catalogue/catalogueicons.h"
#include "ui/catalogue/cataloguetree.h"
#include "ui/catalogue/usercategories.h"
#include "ui/widgets/accessibility.h"
#include "ui/widgets/errordisplay.h"
#include "ui/widgets/anchors.h"
#include "ui/widgets/buttonhint.h"
#include "ui/widgets/borderdrag.h"
#include "ui/widgets/screenclamp.h"
#include "ui/widgets/windowplace.h"
#include "ui/widgets/zqStdCtrls.h"

namespace {
constexpr const char* kFunction = "Function";
constexpr const char* kConst = "Const";
constexpr const char* kUserFunc = "UserFunc";

// The window has no caption bar; a thin frame around it is where it is
// resized, the background between the controls is where it is dragged.
constexpr int kBorder = 3;
constexpr int kDesignWidth = 340;
constexpr int kDesignHeight = 305;
constexpr int kButton = 24;
constexpr int kHelpTopic = 2;

QToolButton* MakeButton(QWidget* parent, const char* name, const QIcon& icon, int left) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setIcon(icon);
  button->setIconSize(QSize(16, 16));
  button->setAutoRaise(true);
  // Reached by Tab and by its key; a click leaves the keyboard in the list.
  button->setFocusPolicy(Qt::TabFocus);
  button->setGeometry(left, kBorder, kButton, kButton);
  return button;
}

// The keys of the buttons: the lists keep Enter (insert the entry) and the
// arrows; Esc closes the window, F1 is help.
QKeySequence AddKey() { return QKeySequence(Qt::Key_Insert); }
QKeySequence ChangeKey() { return QKeySequence(Qt::Key_F2); }
QKeySequence DeleteKey() { return QKeySequence(Qt::Key_Delete); }

}  // namespace

TfrmFunc::~TfrmFunc() = default;

TfrmFunc::TfrmFunc(const TCatalogueContext& context, TfrmEdit& editor, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_context(context), m_editor(editor) {
  setObjectName("frmFunc");
  setAttribute(Qt::WA_QuitOnClose, false);
  SetAccessibleRole(this, QAccessible::Window);  // a frame, though it draws its own
  BuildControls();
  FormCreate();
  Retranslate();
  WidenToTabs();
}

void TfrmFunc::Retranslate() {
  setWindowTitle(tr("Функции и константы"));
  // The buttons show only a picture: their hints are their names too.
  SetHint(btnAdd, tr("Добавить"), AddKey());
  SetHint(btnChange, tr("Изменить"), ChangeKey());
  SetHint(btnDel, tr("Удалить"), DeleteKey());
  SetHint(btnHelp, tr("Справка"), QKeySequence(Qt::Key_F1));
  SetHint(btnClose, tr("Закрыть"), QKeySequence(Qt::Key_Escape));
  PageControl->setTabText(pgFunc, tr("Функции"));
  PageControl->setTabText(pgVar, tr("Константы"));
  PageControl->setTabText(pgUserFunc, tr("Пользовательские функции"));
  for (int i = 0; i < PageControl->count(); ++i) {
    PageControl->setTabToolTip(i, PageControl->tabText(i));
    PageControl->widget(i)->setAccessibleName(PageControl->tabText(i));
  }
  vtFunc->setHeaderLabels({tr("Функция"), tr("Описание")});
  vtVar->setHeaderLabels({tr("Константа"), tr("Значение"), tr("Описание")});
  vtUserFunc->setHeaderLabels({tr("Функция"), tr("Выражение"), tr("Описание")});
  // The user pages hold the user's own texts, which stay as written; only
  // the name of the category given to entries with none is translated.
  RetranslateBuiltinTree(*vtFunc);
  ShowCategoryNames(*vtVar);
  ShowCategoryNames(*vtUserFunc);
}

void TfrmFunc::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange) return WidenToTabs();
  if (event->type() != QEvent::LanguageChange) return;
  Retranslate();
  for (TCatalogueTree* tree : {vtFunc, vtVar, vtUserFunc}) tree->FitTextsAgain();
  WidenToTabs();
}

void TfrmFunc::WidenToTabs() {
  // The tab bar's hint is the width of the three captions uncut; the tab
  // widget spans the window but for the frame on either side. A width the
  // user stored larger stays, and the screen has the last word.
  const int needed = PageControl->tabBar()->sizeHint().width() + 2 * kBorder;
  if (width() >= needed) return;
  resize(needed, height());
  ClampToScreen(*this);
}

void TfrmFunc::BuildControls() {
  resize(kDesignWidth, kDesignHeight);
  setMinimumSize(kMinWidth, kMinHeight);

  // The texts of the buttons, tabs and headers are set by Retranslate.
  btnAdd = MakeButton(this, "btnAdd", AddGlyph(), kBorder);
  btnChange = MakeButton(this, "btnChange", ChangeGlyph(), kBorder + kButton);
  btnDel = MakeButton(this, "btnDel", DeleteGlyph(), kBorder + 2 * kButton);
  btnHelp = MakeButton(this, "btnHelp", Glyph("HELP"), kDesignWidth - kBorder - 2 * kButton);
  btnClose = MakeButton(this, "btnClose", Glyph("CLOSE"), kDesignWidth - kBorder - kButton);

  PageControl = new QTabWidget(this);
  PageControl->setObjectName("PageControl");
  PageControl->setTabPosition(QTabWidget::South);
  PageControl->setGeometry(kBorder, kBorder + kButton + 2, kDesignWidth - 2 * kBorder,
                           kDesignHeight - 2 * kBorder - kButton - 2);
  vtFunc = new TCatalogueTree("vtFunc", QStringList(2));
  vtVar = new TCatalogueTree("vtVar", QStringList(3));
  vtUserFunc = new TCatalogueTree("vtUserFunc", QStringList(3));
  PageControl->addTab(vtFunc, QString());
  PageControl->addTab(vtVar, QString());
  PageControl->addTab(vtUserFunc, QString());
  ExposeShownPageOnly(PageControl);
  // The window opens, and grows at a larger font, wide enough for the three
  // captions whole (WidenToTabs). Made narrower by the user, the captions
  // shrink, cut in the middle, so that all three tabs stay in view; each
  // tab's hint then has the whole caption.
  PageControl->setElideMode(Qt::ElideMiddle);

  m_anchors = new TAnchors(this);
  m_anchors->Add(btnHelp, TAnchors::akTop | TAnchors::akRight);
  m_anchors->Add(btnClose, TAnchors::akTop | TAnchors::akRight);
  m_anchors->Add(PageControl, TAnchors::akLeft | TAnchors::akTop | TAnchors::akRight | TAnchors::akBottom);

  connect(btnAdd, &QToolButton::clicked, this, &TfrmFunc::btnAddClick);
  connect(btnChange, &QToolButton::clicked, this, &TfrmFunc::btnChangeClick);
  connect(btnDel, &QToolButton::clicked, this, &TfrmFunc::btnDelClick);
  // Each opens a modal window (the editor, the question).
  for (QToolButton* b : {btnAdd, btnChange, btnDel}) PressLaterForScreenReaders(b);
  connect(btnHelp, &QToolButton::clicked, this, &TfrmFunc::btnHelpClick);
  connect(btnClose, &QToolButton::clicked, this, &TfrmFunc::btnCloseClick);
  connect(PageControl, &QTabWidget::currentChanged, this, &TfrmFunc::PageControlChange);
  const std::pair<QToolButton*, QKeySequence> keys[] = {{btnAdd, AddKey()}, {btnChange, ChangeKey()}, {btnDel, DeleteKey()}};
  for (const auto& [button, key] : keys) {
    auto* shortcut = new QShortcut(key, this);
    connect(shortcut, &QShortcut::activated, button, [button] {
      if (button->isEnabled()) button->click();
    });
  }
  for (TCatalogueTree* tree : {vtFunc, vtVar, vtUserFunc})
    connect(tree, &TCatalogueTree::EntryChosen, this, [this, tree] { vtDblClick(tree); });
  // The settings dialog closes, then its caller takes the separator from
  // it; the focus moves on at the closing. The calls on the functions page
  // follow once that has run (hence queued), before they are seen again.
  connect(qApp, &QGuiApplication::focusWindowChanged, this, &TfrmFunc::FollowArgumentSeparator,
          Qt::QueuedConnection);
}

void TfrmFunc::FollowArgumentSeparator() {
  const char separator = m_context.Parser->ArgumentSeparator;
  if (separator == m_argumentSeparator) return;
  m_argumentSeparator = separator;
  ShowBuiltinCalls(*vtFunc, separator);
}

void TfrmFunc::FormCreate() {
  const TProfileDocument settings = m_context.Settings->Load();
  resize(settings.ReadInteger(kFunction, "Width", 348), settings.ReadInteger(kFunction, "Height", 332));
  SetWindowPlace(*this, QPoint(settings.ReadInteger(kFunction, "Left", 20), settings.ReadInteger(kFunction, "Top", 20)));
  ClampToScreen(*this);
  vtFunc->SetLeadingWidths({settings.ReadInteger(kFunction, "Func1", 100)});
  vtVar->SetLeadingWidths({settings.ReadInteger(kFunction, "Var1", 80), settings.ReadInteger(kFunction, "Var2", 80)});
  vtUserFunc->SetLeadingWidths(
      {settings.ReadInteger(kFunction, "UserFunc1", 80), settings.ReadInteger(kFunction, "UserFunc2", 80)});

  m_argumentSeparator = m_context.Parser->ArgumentSeparator;
  FillBuiltinTree(*vtFunc, m_argumentSeparator);
  vtFunc->expandAll();
  vtFunc->ReadExpanded(settings, kFunction);
  LoadListFiles();
  vtVar->ReadExpanded(settings, kConst);
  vtUserFunc->ReadExpanded(settings, kUserFunc);
  PageControl->setCurrentIndex(pgFunc);
  PageControlChange();
  FitColumns();
}

void TfrmFunc::LoadListFiles() {
  TZQParser& parser = *m_context.Parser;
  m_constPage = std::make_unique<TConstUserPage>(*vtVar, parser.UserConstants, m_context.ProgramDir + kConstFileName);
  m_funcPage = std::make_unique<TFuncUserPage>(*vtUserFunc, parser.UserFunctions, m_context.ProgramDir + kFuncFileName);
  // A file that fails to read is reported, and the other one is read all
  // the same: leaving it out would let the next change on its page write
  // the file over with only that change.
  for (const std::string& error : {m_constPage->Load(), m_funcPage->Load()})
    if (!error.empty()) ShowGeneralError(this, error);
}

void TfrmFunc::btnAddClick() {
  if (PageControl->currentIndex() == pgVar) m_constPage->Add(m_editor, this);
  else if (PageControl->currentIndex() == pgUserFunc) m_funcPage->Add(m_editor, this);
}

void TfrmFunc::btnChangeClick() {
  if (PageControl->currentIndex() == pgVar) m_constPage->Change(m_editor, this);
  else if (PageControl->currentIndex() == pgUserFunc) m_funcPage->Change(m_editor, this);
}

void TfrmFunc::btnDelClick() {
  if (PageControl->currentIndex() == pgVar) m_constPage->Delete(this);
  else if (PageControl->currentIndex() == pgUserFunc) m_funcPage->Delete(this);
}

void TfrmFunc::FormClose() {
  m_context.Settings->Update([this](TProfileDocument& settings) { WriteSettings(settings); });
}

void TfrmFunc::WriteSettings(TProfileDocument& settings) const {
  const QPoint place = WindowPlace(*this);
  settings.WriteInteger(kFunction, "Left", place.x());
  settings.WriteInteger(kFunction, "Top", place.y());
  settings.WriteInteger(kFunction, "Width", width());
  settings.WriteInteger(kFunction, "Height", height());
  settings.WriteInteger(kFunction, "Func1", vtFunc->columnWidth(0));
  settings.WriteInteger(kFunction, "Var1", vtVar->columnWidth(0));
  settings.WriteInteger(kFunction, "Var2", vtVar->columnWidth(1));
  settings.WriteInteger(kFunction, "UserFunc1", vtUserFunc->columnWidth(0));
  settings.WriteInteger(kFunction, "UserFunc2", vtUserFunc->columnWidth(1));
  vtFunc->WriteExpanded(settings, kFunction);
  vtVar->WriteExpanded(settings, kConst);
  vtUserFunc->WriteExpanded(settings, kUserFunc);
}

void TfrmFunc::ShowCatalogue() {
  show();
  raise();
  activateWindow();
}

void TfrmFunc::FitColumns() {
  for (TCatalogueTree* tree : {vtFunc, vtVar, vtUserFunc}) tree->FitColumns();
}

bool TfrmFunc::OnUserPage() const { return PageControl->currentIndex() != pgFunc; }

void TfrmFunc::PageControlChange() {
  const bool editable = OnUserPage();
  btnAdd->setEnabled(editable);
  btnChange->setEnabled(editable);
  btnDel->setEnabled(editable);
}

void TfrmFunc::btnCloseClick() { close(); }

void TfrmFunc::btnHelpClick() { HelpViewer().ShowTopic("Tamrix.hlp", kHelpTopic); }

void TfrmFunc::vtDblClick(TCatalogueTree* tree) {
  FollowArgumentSeparator();
  const QTreeWidgetItem* item = tree->currentItem();
  if (!item || TCatalogueTree::IsCategoryRow(item) || !m_context.Input) return;
  const QString name = item->text(0);
  TzqComboBox& input = *m_context.Input;
  QString text = input.currentText();
  // The remembered caret may lie beyond a text shortened since; the name
  // then goes to the end.
  const int at = std::clamp(input.SavedSelStart, 0, static_cast<int>(text.size()));
  text.insert(at, name);
  input.setEditText(text);
  // A built-in function leaves the caret before its ")", ready for the argument.
  const int step = tree == vtFunc ? static_cast<int>(name.size()) - 1 : static_cast<int>(name.size());
  input.SavedSelStart = at + step;
  if (m_context.ActivateMain) m_context.ActivateMain();
}

void TfrmFunc::showEvent(QShowEvent* event) {
  FollowArgumentSeparator();
  QWidget::showEvent(event);
  if (QWidget* page = PageControl->currentWidget()) page->setFocus();
}

void TfrmFunc::closeEvent(QCloseEvent* event) {
  // The window hides even when its settings cannot be written.
  try {
    FormClose();
  } catch (const std::exception& e) {
    ShowGeneralError(this, e);
  }
  event->accept();
}

void TfrmFunc::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FitColumns();
}

void TfrmFunc::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !windowHandle()) return QWidget::mousePressEvent(event);
  StartBorderDrag(windowHandle(), BorderEdgesAt(event->position().toPoint(), size(), kBorder));
  event->accept();
}

void TfrmFunc::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) return btnHelpClick();
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) return btnCloseClick();
  QWidget::keyPressEvent(event);
}

void TfrmFunc::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  QPainter painter(this);
  qDrawWinPanel(&painter, rect(), palette(), false);
}
