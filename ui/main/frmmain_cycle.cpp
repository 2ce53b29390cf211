// SPDX-License-Identifier: GPL-3.0-or-later
// The evaluation cycle of the main window and the handlers around it: the
// toggles, the history, the clipboard, the format menu and the keys.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QToolButton>

#include "format/formatmenu.h"
#include "format/zqformat.h"
#include "language/messagecatalogue.h"
#include "platform/helpviewer.h"
#include "platform/hotkey.h"
#include "ui/main/formatbutton.h"
#include "ui/widgets/buttonhint.h"
#include "ui/main/frmmain.h"
#include "ui/main/mainkeys.h"
#include "platform/glyphs.h"
#include "resources/stringtable.h"
#include "ui/widgets/accessibility.h"
#include "ui/widgets/outputfield.h"
#include "ui/widgets/zqStdCtrls.h"

void TfrmMain::ConnectControls() {
  // Only the user's edits start the cycle (typing, deleting, pasting,
  // cutting, choosing a history entry); text the program sets does not.
  connect(cbInput->lineEdit(), &QLineEdit::textEdited, this, [this] { cbInputChange(); });
  connect(cbInput, &QComboBox::textActivated, this, [this] { cbInputChange(); });
  connect(btnAngle, &QToolButton::clicked, this, [this] { btnAngleClick(); });
  connect(btnError, &QToolButton::clicked, this, [this] { btnErrorClick(); });
  connect(btnStore, &QToolButton::clicked, this, [this] { btnStoreClick(); });
  connect(btnCopy, &QToolButton::clicked, this, [this] { btnCopyClick(); });
  connect(btnPaste, &QToolButton::clicked, this, [this] { btnPasteClick(); });
  connect(btnFunc, &QToolButton::clicked, this, [this] { btnFuncClick(); });
  connect(btnOptions, &QToolButton::clicked, this, [this] { btnOptionsClick(); });
  // The settings dialog is modal, and closing may ask first.
  for (QToolButton* b : {btnOptions, btnClose}) PressLaterForScreenReaders(b);
  connect(btnClose, &QToolButton::clicked, this, [this] { btnCloseClick(); });
  connect(btnMinimize, &QToolButton::clicked, this, [this] { btnMinimizeClick(); });
  connect(btnSys, &QToolButton::clicked, this, [this] { btnSysClick(); });
  connect(btnOnTop, &QToolButton::clicked, this, [this] { btnOnTopClick(); });
  connect(btnRollUp, &QToolButton::clicked, this, [this] { btnRollUpClick(); });
  connect(btnHelp, &QToolButton::clicked, this, [this] { btnHelpClick(); });
  for (TFormatButton* b : {btnNFormat, btnNFormat2, btnNFormat3})
    connect(b, &QToolButton::clicked, this, [this, b] { btnNFormatClick(b); });
  connect(Timer1, &QTimer::timeout, this, [this] { m_timerGrows ? Timer1Timer() : Timer2Timer(); });
  connect(TrayIcon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
    if (reason == QSystemTrayIcon::Trigger) TrayIconClick();
  });
  connect(miOpen, &QAction::triggered, this, [this] { miOpenClick(); });
  connect(miClose, &QAction::triggered, this, [this] { miCloseClick(); });
  if (m_services.HotKey) connect(m_services.HotKey, &THotKeyService::activated, this, [this] { WMHotKey(); });
  connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
    state == Qt::ApplicationActive ? AppActivate() : AppDeactivate();
  });
  const std::pair<QToolButton*, TMainKey> keys[] = {
      {btnSys, TMainKey::SysMenu},    {btnOnTop, TMainKey::OnTop},     {btnCopy, TMainKey::Copy},
      {btnPaste, TMainKey::Paste},    {btnAngle, TMainKey::Angle},     {btnError, TMainKey::Error},
      {btnRollUp, TMainKey::RollUp},  {btnStore, TMainKey::Store},     {btnNFormat, TMainKey::Format1},
      {btnNFormat2, TMainKey::Format2}, {btnNFormat3, TMainKey::Format3}};
  for (const auto& [button, key] : keys) AddButtonKey(*this, button, key);
  // The window sees every key before its controls do.
  qApp->installEventFilter(this);
}

void TfrmMain::SetOutputs(const QString& text) {
  edOutput->ShowText(text);
  edOutput2->ShowText(text);
  edOutput3->ShowText(text);
}

void TfrmMain::cbInputChange() {
  const QString input = cbInput->currentText();
  if (input.isEmpty()) {
    SetOutputs({});
    return;
  }
  try {
    Extended value = 0;
    std::string errorText;
    if (!Parser.Evaluate(input.toStdString(), value, errorText)) {
      // With error texts switched off a failure gives no value either, so
      // the fields are left empty rather than showing an undefined number.
      // Russian is the engine's own language: nothing to look up then.
      const bool shownAsIs = Language == kSourceLanguage || errorText.empty() || Parser.LastMessage.Id == 0;
      SetOutputs(QString::fromStdString(shownAsIs ? errorText : MessageText(Parser.LastMessage)));
      return;
    }
    const TFormatSettings settings{Parser.NDigit, Parser.DecimalSeparator, Parser.ErrorOn};
    const std::pair<TOutputField*, int> fields[] = {
        {edOutput, btnNFormat->Tag}, {edOutput2, btnNFormat2->Tag}, {edOutput3, btnNFormat3->Tag}};
    for (const auto& [field, code] : fields) {
      // A format that cannot show the value shows the engine's message instead.
      std::string text = FormatValue(value, code, settings);
      if (Language != kSourceLanguage && !text.empty() && FormatFails(value, code))
        text = MessageText({strid::InvalidOp, {}});
      field->ShowText(QString::fromStdString(text));
    }
  } catch (...) {
    // Nothing may escape into the event loop while the user types; the
    // fields not yet written keep their text.
  }
}

void TfrmMain::FormActivate() { cbInputChange(); }

void TfrmMain::btnAngleClick() {
  Parser.Angle = !Parser.Angle;
  btnAngle->setText(Parser.Angle ? QStringLiteral("π") : QStringLiteral("°"));
  btnAngle->setIcon(Glyph(Parser.Angle ? "RADIANS" : "DEGREES"));
  ShowToggleHints();
  cbInputChange();
}

void TfrmMain::btnErrorClick() {
  Parser.ErrorOn = !Parser.ErrorOn;
  btnError->setIcon(Glyph(Parser.ErrorOn ? "ERRORON" : "ERROROFF"));
  ShowToggleHints();
}

void TfrmMain::btnStoreClick() {
  // Inserting into an empty list would make the new entry current and
  // rewrite the input text; the text stays as it is.
  const QString text = cbInput->currentText();
  cbInput->insertItem(0, text);
  cbInput->setEditText(text);
  SaveHistory();
}

void TfrmMain::btnCopyClick() {
  edOutput->selectAll();
  edOutput->copy();
  edOutput->deselect();
  edOutput->setCursorPosition(0);  // selecting scrolled the field to its end
}

void TfrmMain::btnPasteClick() { cbInput->Paste(); }

void TfrmMain::btnFuncClick() {
  if (ShowFunc) ShowFunc();
}

void TfrmMain::btnOptionsClick() {
  if (ShowOptions && ShowOptions()) ArrangeControls();
}

void TfrmMain::btnNFormatClick(QObject* sender) {
  auto* button = qobject_cast<TFormatButton*>(sender);
  if (!button || (button != btnNFormat && button != btnNFormat2 && button != btnNFormat3)) return;
  const QPoint at = button->mapToGlobal(QPoint(button->height(), 0));
  const TFormatMenuMarks marks = MarksForCode(button->Tag);
  for (QAction* a : FormatMenu->actions()) {
    const int index = a->data().toInt();
    a->setChecked(index == marks.topIndex);
    if (QMenu* scales = a->menu())
      for (QAction* s : scales->actions()) s->setChecked(s->data().toInt() == marks.scaleIndex);
  }
  FormatTarget = button;
  FormatMenu->popup(at);
}

void TfrmMain::N1Click(QObject* sender) {
  auto* item = qobject_cast<QAction*>(sender);
  if (!item || !FormatTarget) return;
  item->setChecked(true);
  const int index = item->data().toInt();
  if (item->parent() != FormatMenu) {  // an item of the engineering submenu
    FormatTarget->SetCode(CodeOfScaleItem(index));
    if (auto* submenu = qobject_cast<QMenu*>(item->parent())) submenu->menuAction()->setChecked(true);
  } else {
    FormatTarget->SetCode(CodeOfTopItem(index));
  }
  cbInputChange();
}

void TfrmMain::btnCloseClick() { close(); }

void TfrmMain::AppActivate() {
  for (QWidget* w : {static_cast<QWidget*>(cbInput), static_cast<QWidget*>(edOutput),
                     static_cast<QWidget*>(edOutput2), static_cast<QWidget*>(edOutput3)})
    w->setEnabled(true);
  cbInput->setFocus(Qt::ActiveWindowFocusReason);
}

void TfrmMain::AppDeactivate() {
  for (QWidget* w : {static_cast<QWidget*>(cbInput), static_cast<QWidget*>(edOutput),
                     static_cast<QWidget*>(edOutput2), static_cast<QWidget*>(edOutput3)})
    w->setEnabled(false);
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
  // A key event travels from the focus widget up to its parents and passes
  // the application's filters at each step; only its first stop counts.
  // F5 or F7 opens a modal window inside FormKeyDown; when it closes, the
  // desktop gives the focus back only later, so the same event, going on to
  // the main window with no focus widget, must not count as a new press.
  // The mark is cleared by the next key release outside FormKeyDown (the
  // release of this very key may arrive while the modal window is open) and
  // once this event has been delivered.
  if (event->type() == QEvent::KeyRelease && m_formKeyDepth == 0) m_handledKeyPress = nullptr;
  if (event->type() == QEvent::KeyPress && event != m_handledKeyPress && watched->isWidgetType() && !m_moving) {
    auto* w = static_cast<QWidget*>(watched);
    QWidget* focus = QApplication::focusWidget();
    if (w->window() == this && (w == focus || (!focus && w == this))) {
      auto* key = static_cast<QKeyEvent*>(event);
      if (IsFormKey(key->key())) {
        m_handledKeyPress = event;
        ++m_formKeyDepth;
        FormKeyDown(key);
        --m_formKeyDepth;
        QTimer::singleShot(0, this, [this] { m_handledKeyPress = nullptr; });
      } else {
        FormKeyDown(key);
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

bool TfrmMain::IsFormKey(int key) {
  return key == Qt::Key_F1 || key == Qt::Key_F5 || key == Qt::Key_F7 || key == Qt::Key_Escape;
}

void TfrmMain::FormKeyDown(QKeyEvent* event) {
  // Whatever modifiers are held; the key then goes on to the focused control.
  switch (event->key()) {
    case Qt::Key_F1: btnHelpClick(); break;
    case Qt::Key_F5: btnFuncClick(); break;
    case Qt::Key_F7: btnOptionsClick(); break;
    case Qt::Key_Escape: cbInput->setEditText({}); break;  // no evaluation: the fields keep their text
    default: break;
  }
}
