// SPDX-License-Identifier: GPL-3.0-or-later
// Window behaviours of the main window: the frameless frame with its sizing
// border, dragging, the window menu, the notification area, the hot key,
// always-on-top, the sliding lower panel and its layout, help.
#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include "platform/helpviewer.h"
#include "platform/hotkey.h"
#include "ui/main/apphelp.h"
#include "ui/widgets/buttonhint.h"
#include "ui/main/buttonrow.h"
#include "ui/main/formatbutton.h"
#include "ui/main/frmmain.h"
#include "ui/main/staysontop.h"
#include "platform/glyphs.h"
#include "ui/widgets/anchors.h"
#include "ui/widgets/borderdrag.h"
#include "ui/widgets/zqStdCtrls.h"

namespace {
constexpr int kBorder = 4;       // the sizing border around the client area
constexpr int kMoveStep = 8;     // arrow-key step of the window menu's "move"

// The fields of the lower panel lie behind the upper one while it is in:
// neither Tab nor a click may take the keyboard there, where nothing shows
// what it does.
void SetReachable(std::initializer_list<QWidget*> widgets, bool reachable, QWidget* fallback) {
  for (QWidget* w : widgets) {
    const Qt::FocusPolicy policy = qobject_cast<QLineEdit*>(w) ? Qt::StrongFocus : Qt::TabFocus;
    w->setFocusPolicy(reachable ? policy : Qt::NoFocus);
    if (!reachable && w->hasFocus()) fallback->setFocus(Qt::OtherFocusReason);
  }
}

// The side borders only: the height is locked, so only the width can change.
Qt::Edges SideEdgesAt(const QPointF& p, const QSize& size) {
  return BorderEdgesAt(p.toPoint(), size, kBorder) & (Qt::LeftEdge | Qt::RightEdge);
}
}  // namespace

bool TfrmMain::TrayAvailable() const { return m_services.TrayAvailable && m_services.TrayAvailable(); }

// ---- Frame and dragging ---------------------------------------------------

void TfrmMain::paintEvent(QPaintEvent*) {
  // A raised border of the sizing width, as a resizable tool window has.
  QPainter p(this);
  const QPalette& pal = palette();
  p.fillRect(rect(), pal.window());
  const QRect r = rect().adjusted(0, 0, -1, -1);
  p.setPen(pal.light().color());
  p.drawLine(r.topLeft(), r.topRight());
  p.drawLine(r.topLeft(), r.bottomLeft());
  p.setPen(pal.shadow().color());
  p.drawLine(r.bottomLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomRight());
  p.setPen(pal.mid().color());
  p.drawRect(r.adjusted(1, 1, -1, -1));
}

void TfrmMain::mousePressEvent(QMouseEvent* event) {
  if (m_moving) {
    EndKeyboardMove(true);
    return;
  }
  FormMouseDown(event);
}

void TfrmMain::FormMouseDown(QMouseEvent* event) {
  // Presses on the background of the window or of either panel arrive here
  // (the panels pass them on); the fields and buttons keep theirs.
  QWindow* window = windowHandle();
  if (!window) return;
  // The left button on a side border sizes; anything else moves.
  StartBorderDrag(window, event->button() == Qt::LeftButton ? SideEdgesAt(event->position(), size()) : Qt::Edges());
  event->accept();
}

void TfrmMain::mouseMoveEvent(QMouseEvent* event) {
  if (m_moving) {
    move(m_moveStart + event->globalPosition().toPoint() - m_moveOrigin);
    return;
  }
  if (SideEdgesAt(event->position(), size()))
    setCursor(Qt::SizeHorCursor);
  else
    unsetCursor();
}

void TfrmMain::keyPressEvent(QKeyEvent* event) {
  if (!m_moving) {
    QWidget::keyPressEvent(event);
    return;
  }
  switch (event->key()) {
    case Qt::Key_Left: move(pos() + QPoint(-kMoveStep, 0)); break;
    case Qt::Key_Right: move(pos() + QPoint(kMoveStep, 0)); break;
    case Qt::Key_Up: move(pos() + QPoint(0, -kMoveStep)); break;
    case Qt::Key_Down: move(pos() + QPoint(0, kMoveStep)); break;
    case Qt::Key_Escape: EndKeyboardMove(false); break;
    case Qt::Key_Return:
    case Qt::Key_Enter: EndKeyboardMove(true); break;
    default: break;
  }
}

// The window menu's "move": the window follows the mouse (or the arrow
// keys) until a click or Enter, and Esc puts it back.
void TfrmMain::StartKeyboardMove() {
  m_moving = true;
  m_moveOrigin = QCursor::pos();
  m_moveStart = pos();
  grabMouse(Qt::SizeAllCursor);
  grabKeyboard();
}

void TfrmMain::EndKeyboardMove(bool keep) {
  if (!m_moving) return;
  m_moving = false;
  releaseMouse();
  releaseKeyboard();
  if (!keep) move(m_moveStart);
}

// ---- Window menu -----------------------------------------------------------

void TfrmMain::btnSysClick() {
  SysMenu->popup(btnSys->mapToGlobal(QPoint(btnSys->width(), 0)));
}

void TfrmMain::SysCommand(int command) {
  if (command == syscmd::About && ShowAbout) ShowAbout();
  switch (command) {
    case syscmd::Restore: showNormal(); break;
    case syscmd::Move:
      if (!StartDesktopMove()) StartKeyboardMove();
      break;
    case syscmd::Minimize: btnMinimizeClick(); break;
    case syscmd::Close: close(); break;
    default: break;
  }
}

void TfrmMain::AddAboutItem() {
  for (QAction* a : SysMenu->actions())
    if (a->data().toInt() == syscmd::About) return;  // the menu lives on: once is enough
  SysMenu->addSeparator();
  SysMenu->addAction(SysCommandText(syscmd::About))->setData(syscmd::About);
}

// ---- Minimising and the notification area -----------------------------------

void TfrmMain::btnMinimizeClick() {
  if (!HideToTrayDirectly()) showMinimized();
}

void TfrmMain::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) {
    Retranslate();
  } else if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
    FormActivate();
  } else if (event->type() == QEvent::WindowStateChange) {
    const bool minimized = isMinimized();
    if (minimized && !m_wasMinimized) {
      m_wasMinimized = true;
      ForgetStaleHover();
      HideCompanionWindows();
      // Hiding the window from inside its own state change confuses some
      // window managers; it follows as soon as the change is through.
      QMetaObject::invokeMethod(this, [this] { AppMinimize(); }, Qt::QueuedConnection);
    } else if (!minimized && m_wasMinimized) {
      m_wasMinimized = false;
      AppRestore();
    }
  }
}

void TfrmMain::AppMinimize() {
  // Where the desktop has no notification area the program stays an
  // ordinary minimised window with its taskbar entry, never unreachable.
  if (!InTray || !TrayAvailable() || !isMinimized()) return;
  TrayIcon->show();
  hide();  // takes the taskbar entry away
}

void TfrmMain::AppRestore() {
  if (TrayIcon->isVisible()) TrayIcon->hide();
  ShowCompanionWindows();
  ReapplyStaysOnTop(*this);
}

void TfrmMain::HideCompanionWindows() {
  // A modal dialog that was hidden would end as if cancelled, and the window
  // it belongs to must stay with it: while one is open nothing else goes.
  if (QApplication::activeModalWidget()) return;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w == this || !w->isVisible() || !w->isWindow()) continue;
    const Qt::WindowType type = w->windowType();
    if (type == Qt::Popup || type == Qt::ToolTip) continue;  // they close by themselves
    m_hiddenCompanions.emplace_back(w);
    w->hide();
  }
}

void TfrmMain::ShowCompanionWindows() {
  for (const QPointer<QWidget>& w : m_hiddenCompanions)
    if (w) w->show();
  m_hiddenCompanions.clear();
}

void TfrmMain::TrayIconClick() { miOpenClick(); }

void TfrmMain::miOpenClick() {
  TrayIcon->hide();
  ReturnFromTray();
  Activate();
}

void TfrmMain::Activate() {
  if (isMinimized() || !isVisible()) showNormal();
  ReapplyStaysOnTop(*this);  // the window may come back from the tray as an ordinary one
  raise();
  activateWindow();
  cbInput->setFocus(Qt::ActiveWindowFocusReason);
}

void TfrmMain::miCloseClick() { btnCloseClick(); }

// ---- Global hot key ----------------------------------------------------------

void TfrmMain::WMHotKey() {
  if (TrayIcon->isVisible()) {
    miOpenClick();
  } else if (QGuiApplication::applicationState() == Qt::ApplicationActive && isVisible() && !isMinimized()) {
    btnMinimizeClick();
  } else {
    Activate();
  }
}

// ---- Always on top -----------------------------------------------------------

void TfrmMain::btnOnTopClick() {
  HotKey().Unregister();
  OnTop = !OnTop;
  btnOnTop->setIcon(Glyph(OnTop ? "ONTOPON" : "ONTOPOFF"));
  ShowToggleHints();
  // Where no window can be kept on top, the button is unavailable and the
  // stored state waits for a desktop that can.
  if (m_abilities.KeepsOnTop) SetStaysOnTop(*this, OnTop);
  HotKey().Register(fsModifiers, VK_Code);
  ApplyHeightLock();
  AddAboutItem();
}

void TfrmMain::ApplyHeightLock() {
  if (DropOut) {
    setMaximumHeight(ExpandedHeight);
    resize(width(), ExpandedHeight);
    setMinimumHeight(ExpandedHeight);
  } else {
    setMinimumHeight(CollapsedHeight);
    resize(width(), CollapsedHeight);
    setMaximumHeight(CollapsedHeight);
  }
}

// ---- The lower panel -----------------------------------------------------------

void TfrmMain::btnRollUpClick() {
  if (DropOut) {
    DropOut = false;
    setMinimumHeight(CollapsedHeight);
    m_timerGrows = false;
    btnRollUp->setIcon(Glyph("DROPOUT"));
  } else {
    DropOut = true;
    setMaximumHeight(ExpandedHeight);
    m_timerGrows = true;
    btnRollUp->setIcon(Glyph("DROPON"));
    Panel2->show();
  }
  SetReachable({edOutput2, btnNFormat2, edOutput3, btnNFormat3}, DropOut, cbInput);
  ShowToggleHints();
  Timer1->start();
}

void TfrmMain::Timer1Timer() {
  if (height() < ExpandedHeight) {
    resize(width(), qMin(height() + 2, ExpandedHeight));
  } else {
    Timer1->stop();
    setMinimumHeight(ExpandedHeight);
  }
}

void TfrmMain::Timer2Timer() {
  if (height() > CollapsedHeight) {
    resize(width(), qMax(height() - 2, CollapsedHeight));
  } else {
    Timer1->stop();
    setMaximumHeight(CollapsedHeight);
    // Behind the upper panel now: hidden, so that a screen reader does not
    // offer fields nobody can see.
    Panel2->hide();
  }
}

void TfrmMain::ArrangeControls() {
  const int sys = btnSys->height();
  const int input = cbInput->height();
  const int output = edOutput->height();
  CollapsedHeight = sys + input + output + 28;
  ExpandedHeight = CollapsedHeight + input + output + 12;
  const int panel2Height = input + output + 12;
  if (DropOut) {
    setMaximumHeight(ExpandedHeight);
    resize(width(), ExpandedHeight);
    m_anchors->ApplyAll();
    Panel1->resize(Panel1->width(), CollapsedHeight - 8);
    Panel2->setGeometry(Panel2->x(), Panel1->y() + Panel1->height() - 4, Panel2->width(), panel2Height);
    setMinimumHeight(ExpandedHeight);
  } else {
    setMaximumHeight(CollapsedHeight);
    resize(width(), CollapsedHeight);
    m_anchors->ApplyAll();
    Panel1->resize(Panel1->width(), height() - 8);
    Panel2->setGeometry(Panel2->x(), 30, Panel2->width(), panel2Height);
    setMinimumHeight(CollapsedHeight);
  }
  edOutput->move(edOutput->x(), sys + input + 16);
  edOutput3->move(edOutput3->x(), output + 12);
  btnStore->resize(btnStore->width(), input);
  btnNFormat->setGeometry(btnNFormat->x(), edOutput->y(), btnNFormat->width(), output);
  btnNFormat2->resize(btnNFormat2->width(), edOutput2->height());
  btnNFormat3->setGeometry(btnNFormat3->x(), edOutput3->y(), btnNFormat3->width(), edOutput3->height());
  for (QWidget* w : std::initializer_list<QWidget*>{Panel1, Panel2, edOutput, edOutput3, btnStore, btnNFormat,
                                                    btnNFormat2, btnNFormat3})
    m_anchors->Capture(w);
  m_topRow->Fit();
  Panel2->setVisible(DropOut);
}

void TfrmMain::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  ForgetStaleHover();
}

void TfrmMain::ForgetStaleHover() {
  QWindow* window = windowHandle();
  if (!window) return;
  const QPoint pointer = QCursor::pos();
  for (QToolButton* b : findChildren<QToolButton*>()) {
    if (b->underMouse() && (isMinimized() || !b->rect().contains(b->mapFromGlobal(pointer)))) {
      // The window's leave hands the leave on to the widgets the pointer
      // was last over; the next real motion enters the right one afresh.
      QEvent leave(QEvent::Leave);
      QCoreApplication::sendEvent(window, &leave);
      return;
    }
  }
}

void TfrmMain::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // The anchors have moved the right-hand buttons by now.
  m_topRow->Fit();
}

void TfrmMain::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) ArrangeControls();  // FormShow
}

// ---- Help ----------------------------------------------------------------------

void TfrmMain::btnHelpClick() { HelpViewer().ShowTopic(QString::fromLatin1(kAppHelpFile), 1); }
