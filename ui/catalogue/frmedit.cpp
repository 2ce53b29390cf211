// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/catalogue/frmedit.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <utility>

#include "engine/zqparser.h"
#include "engine/zqtextlist.h"
#include "language/messagecatalogue.h"
#include "platform/helpviewer.h"
#include "platform/messageboxes.h"
#include "storage/profilefile.h"
#include "ui/catalogue/editerror.h"
#include "ui/widgets/errordisplay.h"
#include "ui/catalogue/typingfilters.h"
#include "ui/widgets/anchors.h"
#include "ui/widgets/windowplace.h"

namespace {
constexpr const char* kSection = "Edit";
constexpr int kDesignWidth = 256;

constexpr const char* kNoName = QT_TRANSLATE_NOOP("TfrmEdit", "Не введено имя переменной или функции");
constexpr const char* kBadName = QT_TRANSLATE_NOOP("TfrmEdit", "Неверное имя переменной или функции");
constexpr const char* kNameInUse = QT_TRANSLATE_NOOP("TfrmEdit", "Переменная или функция с таким именем уже существует");
constexpr const char* kNoValue = QT_TRANSLATE_NOOP("TfrmEdit", "Не задано значение переменной");

template <class T>
T* Place(T* widget, int left, int top, int width, int height) {
  widget->setGeometry(left, top, width, height);
  return widget;
}

QLabel* PlaceLabel(QLabel* label, int left, int top) {
  label->move(left, top);
  return label;
}

// A label is as wide as its text.
void SetLabelText(QLabel* label, const QString& text) {
  label->setText(text);
  label->adjustSize();
}
}  // namespace

TfrmEdit::TfrmEdit(TZQParser& parser, TProfileFile& settings, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), m_parser(parser), m_settings(settings) {
  setObjectName("frmEdit");
  setModal(true);
  setAttribute(Qt::WA_QuitOnClose, false);
  // Controls are placed for the designed size; the anchors keep their
  // distances to the edges from there.
  resize(kDesignWidth, kFixedHeight);

  // The texts are set by Retranslate.
  Label4 = PlaceLabel(new QLabel(this), 8, 4);
  cbCategory = Place(new QComboBox(this), 8, 20, 233, 21);
  cbCategory->setEditable(true);
  cbCategory->setInsertPolicy(QComboBox::NoInsert);
  Label1 = PlaceLabel(new QLabel(this), 8, 48);
  edName = Place(new QLineEdit(this), 8, 64, 81, 21);
  Label2 = PlaceLabel(new QLabel(this), 96, 48);
  edValue = Place(new QLineEdit(this), 96, 64, 145, 21);
  Label3 = PlaceLabel(new QLabel(this), 8, 92);
  edDescription = Place(new QLineEdit(this), 8, 108, 233, 21);
  btnOk = Place(new QPushButton(this), 80, 138, 81, 23);
  btnCancel = Place(new QPushButton(this), 168, 138, 73, 23);

  const auto name = [](QWidget* w, const char* n) { w->setObjectName(n); };
  name(Label4, "Label4"); name(cbCategory, "cbCategory"); name(Label1, "Label1");
  name(edName, "edName"); name(Label2, "Label2"); name(edValue, "edValue");
  name(Label3, "Label3"); name(edDescription, "edDescription");
  name(btnOk, "btnOk"); name(btnCancel, "btnCancel");

  auto* anchors = new TAnchors(this);
  anchors->Add(cbCategory, TAnchors::akLeft | TAnchors::akTop | TAnchors::akRight);
  anchors->Add(edValue, TAnchors::akLeft | TAnchors::akTop | TAnchors::akRight);
  anchors->Add(edDescription, TAnchors::akLeft | TAnchors::akTop | TAnchors::akRight);
  anchors->Add(btnOk, TAnchors::akTop | TAnchors::akRight);
  anchors->Add(btnCancel, TAnchors::akTop | TAnchors::akRight);

  btnOk->setDefault(true);
  connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

  setTabOrder(edName, edValue);
  setTabOrder(edValue, edDescription);
  setTabOrder(edDescription, btnOk);
  setTabOrder(btnOk, btnCancel);
  setTabOrder(btnCancel, cbCategory);

  edName->installEventFilter(this);
  edValue->installEventFilter(this);
  Retranslate();
  FormCreate();
}

void TfrmEdit::Retranslate() {
  SetLabelText(Label4, tr("Категория"));
  SetLabelText(Label1, tr("Имя"));
  SetValueLabel();
  SetLabelText(Label3, tr("Описание"));
  btnOk->setText(tr("Ok"));
  btnCancel->setText(tr("Отмена"));
  // The caption names the entry at hand; the catalogue sets it for each use.
}

void TfrmEdit::SetValueLabel() { SetLabelText(Label2, ConstMode ? tr("Значение") : tr("Выражение")); }

void TfrmEdit::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) Retranslate();
}

void TfrmEdit::FormCreate() {
  const QRect screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->geometry() : QRect(0, 0, 800, 600);
  setFixedHeight(kFixedHeight);
  setMinimumWidth(kMinWidth);
  const TProfileDocument settings = m_settings.Load();
  const int left = settings.ReadInteger(kSection, "Left", screen.width() / 2 - 128);
  const int top = settings.ReadInteger(kSection, "Top", screen.height() / 2 - 97);
  const int width = settings.ReadInteger(kSection, "Width", kDesignWidth);
  resize(std::max(width, kMinWidth), kFixedHeight);
  SetWindowPlace(*this, QPoint(left, top));
}

void TfrmEdit::FormClose() {
  m_settings.Update([this](TProfileDocument& settings) {
    const QPoint place = WindowPlace(*this);
    settings.WriteInteger(kSection, "Left", place.x());
    settings.WriteInteger(kSection, "Top", place.y());
    settings.WriteInteger(kSection, "Width", width());
  });
}

void TfrmEdit::done(int result) {
  if (result == QDialog::Accepted && !FormCloseQuery()) return;
  const QPoint place = WindowPlace(*this);
  // The dialog closes even when its place cannot be written.
  try {
    FormClose();
  } catch (const std::exception& e) {
    ShowGeneralError(this, e.what());
  }
  QDialog::done(result);
  // The next opening asks for the place it really had.
  SetWindowPlace(*this, place);
}

bool TfrmEdit::FormCloseQuery() {
  if (!ConstMode) {
    // The list file stores a function as BODY|DESCRIPTION with no escaping,
    // so a "|" in the body (a pasted one: typing refuses it) would cut the
    // function at the next start. Refuse it here rather than lose it later,
    // and say how to write the operator instead.
    if (edValue->text().contains(QLatin1Char('|'))) {
      MessageBoxes().Error(this, tr("Символ \"|\" нельзя сохранить в теле функции; "
                                    "побитовое ИЛИ запишите иначе, например a+b-(a&b) вместо a|b"));
      return false;
    }
    return true;
  }
  try {
    CheckConstant();
  } catch (const EZQEditError& e) {
    ShowGeneralError(this, e.what());
    return false;
  }
  // A value that does not evaluate keeps the dialog open with the engine's
  // word for what is wrong, even while the main window shows no messages.
  std::string text;
  const bool errorOn = std::exchange(m_parser.ErrorOn, true);
  const bool computed = m_parser.EvaluateToText(edValue->text().toStdString(), text);
  m_parser.ErrorOn = errorOn;
  if (!computed) {
    MessageBoxes().Error(this, QString::fromStdString(TranslateMessage(text)));
    return false;
  }
  ComputedValue = text;
  return true;
}

void TfrmEdit::CheckConstant() {
  const std::string name = edName->text().toStdString();
  if (name.empty()) throw EZQEditError(tr(kNoName).toStdString());
  if (!TZQParser::IsValidName(name)) throw EZQEditError(tr(kBadName).toStdString());
  // A changed constant may keep its own name, in any letter case.
  if (!m_parser.IsNameFree(name) && (OldName.empty() || !SameTextAscii(OldName, name)))
    throw EZQEditError(tr(kNameInUse).toStdString());
  if (edValue->text().isEmpty()) throw EZQEditError(tr(kNoValue).toStdString());
}

bool TfrmEdit::edNameKeyPress(char32_t c) { return AcceptNameChar(c, ConstMode, edName->text().isEmpty()); }

bool TfrmEdit::edValueKeyPress(char32_t c) { return AcceptValueChar(c, ConstMode); }

bool TfrmEdit::eventFilter(QObject* watched, QEvent* event) {
  if (watched != edName && watched != edValue) return QDialog::eventFilter(watched, event);
  const auto accepts = [&](char32_t c) { return watched == edName ? edNameKeyPress(c) : edValueKeyPress(c); };
  if (event->type() == QEvent::KeyPress) {
    const std::optional<char32_t> c = TypedChar(*static_cast<QKeyEvent*>(event));
    if (c && !accepts(*c)) {
      MessageBoxes().Beep();
      return true;
    }
  } else if (event->type() == QEvent::InputMethod) {
    // Text composed by an input method bypasses key presses: it is let in
    // only when every character of it would have been accepted typed.
    auto* ime = static_cast<QInputMethodEvent*>(event);
    bool accepted = true;
    for (const uint c : ime->commitString().toUcs4()) accepted = accepted && accepts(static_cast<char32_t>(c));
    if (!accepted) {
      MessageBoxes().Beep();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TfrmEdit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    HelpViewer().ShowTopic("Tamrix.hlp", HelpContext);
    return;
  }
  QDialog::keyPressEvent(event);
}
