// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and closing of the main window: the settings and the history are
// read once when the window is created and written back when it closes; the
// history is written at each store as well.
#include <QCloseEvent>
#include <QLineEdit>
#include <QSystemTrayIcon>
#include <exception>
#include <utility>

#include "language/desktoplanguage.h"
#include "platform/hotkey.h"
#include "platform/messageboxes.h"
#include "storage/historyfile.h"
#include "storage/mainsettings.h"
#include "storage/profilefile.h"
#include "ui/widgets/errordisplay.h"
#include "ui/main/formatbutton.h"
#include "ui/main/frmmain.h"
#include "ui/widgets/screenclamp.h"
#include "ui/main/mainfonts.h"
#include "ui/widgets/zqStdCtrls.h"

namespace {
std::string HistoryPath(const std::string& dir) { return dir + "Tamrix.his"; }
}  // namespace

QFont TfrmMain::OutputFont() const { return edOutput->font(); }

void TfrmMain::ApplyOutputFont(const QFont& font) {
  // The fields follow the font's height, as self-sizing edit fields do; the
  // window's heights follow the fields.
  const int fieldHeight = FieldHeight(font);
  for (QWidget* w : {static_cast<QWidget*>(cbInput), static_cast<QWidget*>(edOutput),
                     static_cast<QWidget*>(edOutput2), static_cast<QWidget*>(edOutput3)}) {
    w->setFont(font);
    w->resize(w->width(), fieldHeight);
  }
  ArrangeControls();
}

void TfrmMain::FormCreate() {
  ProgramDir = m_services.ProgramDir;
  if (!ProgramDir.empty() && ProgramDir.back() != '/') ProgramDir += '/';
  Settings = std::make_unique<TProfileFile>(ProgramDir + "Tamrix.ini");
  const TMainSettings s = m_services.Settings ? *m_services.Settings : ReadMainSettings(*Settings);
  m_services.Settings.reset();  // what the closing writes is the window's own state

  ApplyOutputFont(FieldFont(QString::fromStdString(s.FontName), s.FontSize, s.FontBold, s.FontItalic));
  move(s.Left, s.Top);
  m_storedPlace = QPoint(s.Left, s.Top);
  resize(s.Width, height());
  ClampToScreen(*this);
  ExprMem = s.ExprMem;
  InTray = s.InTray;
  CloseQuery = s.CloseQuery;
  LanguageChoice = s.Language;
  Language = InterfaceLanguageFor(s.Language);
  // Each toggle is set to the opposite and clicked once, so that its button
  // shows the restored state.
  OnTop = !s.OnTop;
  btnOnTopClick();
  DropOut = !s.DropOut;
  btnRollUpClick();
  Parser.ErrorOn = !s.ErrorOn;
  btnErrorClick();
  Parser.Angle = !s.Angle;
  btnAngleClick();
  Parser.DecimalSeparator = s.DecimalSeparator;
  Parser.ArgumentSeparator = s.ArgumentSeparator;
  cbInput->setEditText(ExprMem ? QString() : QString::fromStdString(s.Expression));
  Parser.NDigit = s.NDigit;
  NExpres = s.NExpres;
  VK_Code = s.VK_Code;
  fsModifiers = s.fsModifiers;
  btnNFormat->SetCode(s.OutStr1);
  btnNFormat2->SetCode(s.OutStr2);
  btnNFormat3->SetCode(s.OutStr3);
  // A combination taken by another program simply has no effect.
  HotKey().Register(fsModifiers, VK_Code);

  try {
    const QString text = cbInput->currentText();
    for (const std::string& entry : ReadHistory(HistoryPath(ProgramDir)))
      cbInput->addItem(QString::fromStdString(entry));
    cbInput->setEditText(text);  // adding to an empty list made its first entry current
  } catch (const std::exception& e) {
    ShowGeneralError(this, e);
    return;
  }
  if (!cbInput->currentText().isEmpty()) cbInputChange();
}

bool TfrmMain::FormCloseQuery() {
  return !CloseQuery || MessageBoxes().Confirm(this, tr("Закрыть Tamrix"));
}

TMainSettings TfrmMain::CurrentSettings() const {
  TMainSettings s;
  s.Left = PlaceToSave().x();
  s.Top = PlaceToSave().y();
  s.Width = width();
  s.ExprMem = ExprMem;
  s.OnTop = OnTop;
  s.DropOut = DropOut;
  s.InTray = InTray;
  s.CloseQuery = CloseQuery;
  s.Language = LanguageChoice;
  s.ErrorOn = Parser.ErrorOn;
  s.Angle = Parser.Angle;
  s.NExpres = NExpres;
  s.Expression = cbInput->currentText().toStdString();
  const QFont font = OutputFont();
  s.FontName = FieldFontName(font).toStdString();
  s.FontSize = font.pointSize();
  s.FontBold = font.bold();
  s.FontItalic = font.italic();
  s.NDigit = Parser.NDigit;
  s.DecimalSeparator = Parser.DecimalSeparator;
  s.ArgumentSeparator = Parser.ArgumentSeparator;
  s.VK_Code = VK_Code;
  s.fsModifiers = fsModifiers;
  s.OutStr1 = btnNFormat->Tag;
  s.OutStr2 = btnNFormat2->Tag;
  s.OutStr3 = btnNFormat3->Tag;
  return s;
}

std::vector<std::string> TfrmMain::HistoryEntries() const {
  std::vector<std::string> history;
  for (int i = 0; i < cbInput->count(); ++i) history.push_back(cbInput->itemText(i).toStdString());
  return history;  // the file keeps the first NExpres of them
}

void TfrmMain::SaveHistory() {
  // One small file, replaced whole with the closing's format and trimming,
  // once per store and never per keystroke: what the drop-down list holds
  // is on disk at once and survives a crash or a kill.
  try {
    WriteHistory(HistoryPath(ProgramDir), HistoryEntries(), NExpres);
    m_historyWriteFailed = false;
  } catch (const std::exception& e) {
    // Reported once, with the closing's message, until a write succeeds
    // again: a user who goes on storing over a full disk or a read-only
    // folder is not stopped at every store. The box stands aside and asks
    // the desktop to leave the keys with the input line: a store comes in
    // the middle of typing, and a modal box there would hold up the next
    // keystrokes (a window manager that focuses every new dialog still can,
    // but only this once, and nothing waits for the answer). The entry
    // stays in the list; the closing tries again (and asks, as ever).
    if (std::exchange(m_historyWriteFailed, true)) {
      qWarning("%s", ErrorText(e).c_str());
      return;
    }
    MessageBoxes().ShowExceptionAside(this, QString::fromStdString(GeneralErrorText(ErrorText(e))));
  }
}

bool TfrmMain::FormClose() {
  // A file that cannot be written is reported, and the user decides whether
  // to close without it: a read-only or vanished data folder must not trap
  // the program. What can still be written is written all the same; once the
  // user has agreed to lose the rest, or when the session ends and nobody is
  // there to answer, a failure only goes to the standard error.
  bool asked = false;
  const auto failed = [&](const std::exception& e) {
    if (m_endingSession || asked) {
      qWarning("%s", ErrorText(e).c_str());
      return true;
    }
    ShowGeneralError(this, e);
    asked = true;
    const bool closeAnyway = MessageBoxes().Confirm(this, tr("Закрыть Tamrix без сохранения?"));
    // The session may have ended while the question was open: then the
    // closing goes on, whatever the answer.
    return closeAnyway || m_endingSession;
  };
  try {
    WriteHistory(HistoryPath(ProgramDir), HistoryEntries(), NExpres);
  } catch (const std::exception& e) {
    // No: the window stays open; the next close request runs the whole closing again.
    if (!failed(e)) return false;
  }
  try {
    WriteMainSettings(*Settings, CurrentSettings());
  } catch (const std::exception& e) {
    if (!failed(e)) return false;
  }
  return true;
}

void TfrmMain::SaveSession() {
  if (m_closed || m_closing) return;
  // Another program may still cancel the logout, so the calculator goes on
  // running; what the user would lose is on disk now. Nobody is there to
  // answer a question: a failure goes to the standard error.
  const bool wasEnding = std::exchange(m_endingSession, true);
  FormClose();
  m_endingSession = wasEnding;
}

void TfrmMain::closeEvent(QCloseEvent* event) {
  EndKeyboardMove(true);
  if (m_closed || m_closing) {
    event->setAccepted(m_closed);
    return;
  }
  m_closing = true;
  // A question may be open when the session ends (EndSession): the closing
  // then runs to its end unasked, and only once.
  const bool closes = (FormCloseQuery() || m_endingSession) && FormClose();
  m_closing = false;
  event->setAccepted(closes);
  if (closes) Finish();
}

void TfrmMain::EndSession() {
  if (m_closed) return;
  m_endingSession = true;
  // A close waiting for an answer finishes in this mode once its question
  // is gone; its steps are not run a second time from here.
  if (m_closing) return;
  EndKeyboardMove(true);
  m_closing = true;
  FormClose();
  m_closing = false;
  hide();
  Finish();
}

void TfrmMain::Finish() {
  m_closed = true;
  TrayIcon->hide();
  emit Closed();
}
