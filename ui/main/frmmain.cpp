// SPDX-License-Identifier: GPL-3.0-or-later
// Construction of the main window: the controls in their designed places.
#include "ui/main/frmmain.h"

#include <QActionGroup>
#include <QApplication>
#include <QCoreApplication>
#include <QFrame>
#include <QLineEdit>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QToolButton>

#include "format/formatmenu.h"
#include "ui/main/formattexts.h"
#include "platform/hotkey.h"
#include "ui/widgets/buttonhint.h"
#include "ui/main/buttonrow.h"
#include "ui/main/formatbutton.h"
#include "platform/glyphs.h"
#include "ui/main/mainfonts.h"
#include "ui/main/mainkeys.h"
#include "ui/widgets/accessibility.h"
#include "ui/widgets/anchors.h"
#include "ui/widgets/outputfield.h"
#include "ui/widgets/zqStdCtrls.h"

namespace {

// Width of the sizing border around the client area.
constexpr int kBorder = 4;

template <class T>
T* Make(QWidget* parent, const char* name, QRect geometry) {
  auto* w = new T(parent);
  w->setObjectName(QString::fromLatin1(name));
  w->setGeometry(geometry);
  return w;
}

QToolButton* MakeButton(QWidget* parent, const char* name, int left, int top, const char* glyph = nullptr) {
  auto* b = Make<QToolButton>(parent, name, QRect(left, top, 24, 24));
  b->setAutoRaise(true);
  // Reached by Tab (and by its key), never by a click: a click leaves the
  // keyboard in the input line.
  b->setFocusPolicy(Qt::TabFocus);
  b->setIconSize(QSize(16, 16));
  if (glyph) b->setIcon(Glyph(glyph));
  return b;
}

TOutputField* MakeOutput(QWidget* parent, const char* name, QRect geometry) {
  return Make<TOutputField>(parent, name, geometry);
}

}  // namespace

TfrmMain::TfrmMain(TMainServices services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_services(std::move(services)) {
  if (!m_services.TrayAvailable) m_services.TrayAvailable = [] { return QSystemTrayIcon::isSystemTrayAvailable(); };
  m_abilities = m_services.Abilities.value_or(PlatformWindowAbilities());
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QStringLiteral("Tamrix"));
  setFont(WindowFont());
  setMouseTracking(true);
  setMinimumWidth(320);
  SetAccessibleRole(this, QAccessible::Window);  // a frame, though it draws its own
  m_anchors = new TAnchors(this);
  BuildControls();
  BuildFormatMenu();
  BuildSysMenu();
  BuildTray();
  Retranslate();
  ConnectControls();
  FormCreate();
}

TfrmMain::~TfrmMain() {
  qApp->removeEventFilter(this);
  // The base class still closes a window that shows, and the input line's
  // focus-out then reports its text as chosen: nothing the children say may
  // reach this window once its own part is gone.
  for (QObject* child : findChildren<QObject*>()) child->disconnect(this);
  // The destruction of the window releases the hot key.
  if (m_services.HotKey) m_services.HotKey->Unregister();
}

void TfrmMain::BuildControls() {
  // Client area of the design, 392 x 163, inside the sizing border.
  resize(392 + 2 * kBorder, 163 + 2 * kBorder);
  m_client = Make<QWidget>(this, "ClientArea", QRect(kBorder, kBorder, 392, 163));
  m_client->setMouseTracking(true);
  m_anchors->Add(m_client, TAnchors::akLeft | TAnchors::akTop | TAnchors::akRight | TAnchors::akBottom);

  // Panel2 lies behind Panel1 and slides out below it.
  Panel2 = Make<QFrame>(m_client, "Panel2", QRect(0, 96, 392, 65));
  Panel1 = Make<QFrame>(m_client, "Panel1", QRect(0, 0, 392, 94));
  Panel1->setAutoFillBackground(true);
  Panel2->setAutoFillBackground(true);
  SetAccessibleRole(Panel1, QAccessible::Pane);
  SetAccessibleRole(Panel2, QAccessible::Pane);
  m_anchors->Add(Panel1, TAnchors::akLeft | TAnchors::akTop | TAnchors::akRight);
  m_anchors->Add(Panel2, TAnchors::akLeft | TAnchors::akRight | TAnchors::akBottom);

  btnSys = MakeButton(Panel1, "btnSys", 2, 2, "SYSMENU");
  btnOnTop = MakeButton(Panel1, "btnOnTop", 34, 2, "ONTOPOFF");
  btnCopy = MakeButton(Panel1, "btnCopy", 66, 2, "COPY");
  btnPaste = MakeButton(Panel1, "btnPaste", 92, 2, "PASTE");
  btnFunc = MakeButton(Panel1, "btnFunc", 124, 2, "FUNC");
  btnOptions = MakeButton(Panel1, "btnOptions", 150, 2, "OPTIONS");
  btnAngle = MakeButton(Panel1, "btnAngle", 176, 2);
  btnError = MakeButton(Panel1, "btnError", 202, 2, "ERRORON");
  btnRollUp = MakeButton(Panel1, "btnRollUp", 234, 2, "DROPOUT");
  btnHelp = MakeButton(Panel1, "btnHelp", 314, 2, "HELP");
  btnMinimize = MakeButton(Panel1, "btnMinimize", 340, 2);
  btnClose = MakeButton(Panel1, "btnClose", 366, 2, "CLOSE");
  for (QToolButton* b : {btnHelp, btnMinimize, btnClose}) m_anchors->Add(b, TAnchors::akTop | TAnchors::akRight);
  m_topRow = std::make_unique<TButtonRow>(std::vector<QWidget*>{btnSys, btnOnTop, btnCopy, btnPaste, btnFunc, btnOptions,
                                                                btnAngle, btnError, btnRollUp},
                                          btnHelp);

  // The captions "_" and "°" / "π" are drawn as glyphs: a character of any
  // font sits far smaller in the button than the 16-pixel glyphs beside it.
  // The characters stay the buttons' texts.
  btnMinimize->setText(QStringLiteral("_"));
  btnMinimize->setIcon(Glyph("MINIMIZE"));

  cbInput = Make<TzqComboBox>(Panel1, "cbInput", QRect(2, 32, 363, 24));
  HideClosedList(cbInput);  // the expression history
  btnStore = MakeButton(Panel1, "btnStore", 366, 32, "STORE");
  edOutput = MakeOutput(Panel1, "edOutput", QRect(2, 64, 362, 24));
  btnNFormat = Make<TFormatButton>(Panel1, "btnNFormat", QRect(366, 64, 24, 24));
  edOutput2 = MakeOutput(Panel2, "edOutput2", QRect(2, 6, 362, 24));
  btnNFormat2 = Make<TFormatButton>(Panel2, "btnNFormat2", QRect(366, 6, 24, 24));
  edOutput3 = MakeOutput(Panel2, "edOutput3", QRect(2, 38, 362, 24));
  btnNFormat3 = Make<TFormatButton>(Panel2, "btnNFormat3", QRect(366, 38, 24, 24));
  for (QWidget* w : {static_cast<QWidget*>(cbInput), static_cast<QWidget*>(edOutput),
                     static_cast<QWidget*>(edOutput2), static_cast<QWidget*>(edOutput3)})
    m_anchors->Add(w, TAnchors::akLeft | TAnchors::akTop | TAnchors::akRight);
  m_anchors->Add(btnStore, TAnchors::akTop | TAnchors::akRight);
  for (TFormatButton* b : {btnNFormat, btnNFormat2, btnNFormat3}) {
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::TabFocus);
    m_anchors->Add(b, TAnchors::akTop | TAnchors::akRight);
  }
  edOutput->AnnounceSettledResults();  // one field is enough: all three change together
  btnNFormat->SetCode(kDefaultOutputCode1);
  btnNFormat2->SetCode(kDefaultOutputCode2);
  btnNFormat3->SetCode(kDefaultOutputCode3);

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(10);
  // Tab goes from the line down the fields to the buttons along the top.
  QWidget* previous = cbInput;
  for (QWidget* next : std::initializer_list<QWidget*>{btnStore, edOutput, btnNFormat, edOutput2, btnNFormat2, edOutput3,
                                                        btnNFormat3, btnSys, btnOnTop, btnCopy, btnPaste, btnFunc,
                                                        btnOptions, btnAngle, btnError, btnRollUp, btnHelp,
                                                        btnMinimize, btnClose}) {
    setTabOrder(previous, next);
    previous = next;
  }
  // No focus proxy on the window: Tab would take it for the line and jump
  // back there from the middle of the walk. The line is simply the window's
  // focus widget, which activation gives the keyboard to.
  cbInput->setFocus();
}

void TfrmMain::BuildFormatMenu() {
  FormatMenu = new QMenu(this);
  FormatMenu->setObjectName(QStringLiteral("FormatMenu"));
  auto* top = new QActionGroup(FormatMenu);
  auto* scales = new QActionGroup(FormatMenu);
  QMenu* engineering = FormatMenu->addMenu(QString());
  engineering->setObjectName(QStringLiteral("miEngineering"));
  engineering->menuAction()->setCheckable(true);
  engineering->menuAction()->setData(kEngineeringTopIndex);
  top->addAction(engineering->menuAction());
  for (int i = 0; i < kEngineeringScaleCount; ++i) {
    QAction* a = engineering->addAction(QString());
    a->setCheckable(true);
    a->setData(i);
    scales->addAction(a);
    connect(a, &QAction::triggered, this, [this, a] { N1Click(a); });
  }
  for (int i = 1; i < kFormatMenuTopCount; ++i) {
    QAction* a = FormatMenu->addAction(QString());
    a->setCheckable(true);
    a->setData(i);
    top->addAction(a);
    connect(a, &QAction::triggered, this, [this, a] { N1Click(a); });
  }
}

void TfrmMain::BuildSysMenu() {
  SysMenu = new QMenu(this);
  SysMenu->setObjectName(QStringLiteral("SysMenu"));
  for (int command : {syscmd::Restore, syscmd::Move, syscmd::Minimize, syscmd::Close})
    SysMenu->addAction(SysCommandText(command))->setData(command);
  connect(SysMenu, &QMenu::aboutToShow, this, [this] {
    for (QAction* a : SysMenu->actions())
      if (a->data().toInt() == syscmd::Restore) a->setEnabled(isMinimized() || isMaximized());
  });
  connect(SysMenu, &QMenu::triggered, this, [this](QAction* a) {
    if (int command = a->data().toInt()) SysCommand(command);
  });
}

void TfrmMain::BuildTray() {
  TrayMenu = new QMenu(this);
  TrayMenu->setObjectName(QStringLiteral("TrayMenu"));
  miOpen = TrayMenu->addAction(QString());
  miOpen->setObjectName(QStringLiteral("miOpen"));
  miClose = TrayMenu->addAction(QString());
  miClose->setObjectName(QStringLiteral("miClose"));
  TrayIcon = new QSystemTrayIcon(Glyph("MAINICON"), this);
  TrayIcon->setObjectName(QStringLiteral("TrayIcon"));
  TrayIcon->setContextMenu(TrayMenu);
}

QString TfrmMain::SysCommandText(int command) {
  switch (command) {
    case syscmd::Restore: return tr("Восстановить");
    case syscmd::Move: return tr("Переместить");
    case syscmd::Minimize: return tr("Свернуть");
    case syscmd::Close: return tr("Закрыть");
    case syscmd::About: return tr("О программе...");
    default: return {};
  }
}

void TfrmMain::ShowToggleHints() {
  if (!ShowOnTopUnavailable()) SetToggleHint(btnOnTop, tr("Поверх всех окон"), !OnTop, MainKey(TMainKey::OnTop));
  SetToggleHint(btnError, tr("Сообщения об ошибках"), !Parser.ErrorOn, MainKey(TMainKey::Error));
  SetHint(btnRollUp, DropOut ? tr("Свернуть", "the lower panel") : tr("Развернуть", "the lower panel"),
          MainKey(TMainKey::RollUp));
  // Named by what it shows, apart from the window's own "minimise".
  btnRollUp->setAccessibleName(tr("Нижняя панель"));
  SetAccessibleToggle(btnOnTop, OnTop);
  SetAccessibleToggle(btnError, Parser.ErrorOn);
  SetAccessibleToggle(btnRollUp, DropOut);
  btnAngle->setAccessibleDescription(Parser.Angle ? tr("Радианы") : tr("Градусы"));
}

void TfrmMain::Retranslate() {
  SetHint(btnSys, tr("Системное меню"), MainKey(TMainKey::SysMenu));
  SetHint(btnCopy, tr("Копировать результат\nв буфер обмена"), MainKey(TMainKey::Copy));
  SetHint(btnPaste, tr("Вставить в выражение"), MainKey(TMainKey::Paste));
  SetHint(btnFunc, tr("Функции и константы (F5)"));
  SetHint(btnOptions, tr("Настройки (F7)"));
  SetHint(btnAngle, tr("Градусы/Радианы"), MainKey(TMainKey::Angle));
  SetHint(btnHelp, tr("Справка"), QKeySequence(Qt::Key_F1));
  SetHint(btnMinimize, tr("Свернуть"));
  SetHint(btnClose, tr("Закрыть"));
  SetHint(btnStore, tr("Запомнить выражение"), MainKey(TMainKey::Store));
  SetHint(btnNFormat, tr("Формат результата"), MainKey(TMainKey::Format1));
  SetHint(btnNFormat2, tr("Формат результата"), MainKey(TMainKey::Format2));
  SetHint(btnNFormat3, tr("Формат результата"), MainKey(TMainKey::Format3));
  // The three are told apart by their field; each tells its format itself.
  int field = 0;
  for (TFormatButton* b : {btnNFormat, btnNFormat2, btnNFormat3})
    b->setAccessibleName(tr("Формат результата %1").arg(++field));
  ShowToggleHints();
  cbInput->setAccessibleName(tr("Выражение"));
  cbInput->lineEdit()->setAccessibleName(cbInput->accessibleName());  // where the keys go
  edOutput->setAccessibleName(tr("Результат 1"));
  edOutput2->setAccessibleName(tr("Результат 2"));
  edOutput3->setAccessibleName(tr("Результат 3"));

  for (QAction* a : FormatMenu->actions()) {
    a->setText(FormatMenuText(a->data().toInt()));
    if (QMenu* scales = a->menu())
      for (QAction* s : scales->actions()) s->setText(EngineeringScaleText(s->data().toInt()));
  }
  for (QAction* a : SysMenu->actions())
    if (!a->isSeparator()) a->setText(SysCommandText(a->data().toInt()));
  miOpen->setText(tr("Активизировать"));
  miClose->setText(tr("Закрыть"));
  TrayIcon->setToolTip(tr("Tamrix"));
}
