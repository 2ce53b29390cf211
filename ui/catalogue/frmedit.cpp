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
#include "storage/listrecords.h"
#include "ui/catalogue/editerror.h"
#include "ui/catalogue/entrynames.h"
#include "ui/catalogue/editorrows.h"
#include "ui/widgets/errordisplay.h"
#include "ui/catalogue/typingfilters.h"
#include "ui/widgets/accessibility.h"
#include "ui/widgets/anchors.h"
#include "ui/widgets/screenclamp.h"
#include "ui/widgets/windowplace.h"

namespace {
constexpr const char* kSection = "Edit";
constexpr int kDesignWidth = 256;

constexpr const char* kNoName = QT_TRANSLATE_NOOP("TfrmEdit", "Не введено имя переменной или функции");
constexpr const char* kBadName = QT_TRANSLATE_NOOP("TfrmEdit", "Неверное имя переменной или функции");
constexpr const char* kNameInUse = QT_TRANSLATE_NOOP("TfrmEdit", "Переменная или функция с таким именем уже существует");
constexpr const char* kNoValue = QT_TRANSLATE_NOOP("TfrmEdit", "Не задано значение переменной");
constexpr const char* kNotAHead = QT_TRANSLATE_NOOP("TfrmEdit", "Заголовок функции должен иметь вид имя(параметры)");
constexpr const char* kNoBody = QT_TRANSLATE_NOOP("TfrmEdit", "Не задано тело функции");
constexpr const char* kValueFault = QT_TRANSLATE_NOOP("TfrmEdit", "Ошибка в значении: %1");
constexpr const char* kUnstorable = QT_TRANSLATE_NOOP("TfrmEdit", "Символ %1 нельзя сохранить в поле \"%2\"");
constexpr const char* kBarInBody = QT_TRANSLATE_NOOP("TfrmEdit",
    "Символ \"|\" нельзя сохранить в теле функции; побитовое ИЛИ запишите иначе, например a+b-(a&b) вместо a|b");

const char* NameMessage(TNameFault fault) {
  switch (fault) {
    case TNameFault::NoName: return kNoName;
    case TNameFault::BadName: return kBadName;
    case TNameFault::NameInUse: return kNameInUse;
    case TNameFault::NotAHead: return kNotAHead;
    case TNameFault::None: break;
  }
  return nullptr;
}

// A character as a message names it: in quotes, or by its code when it
// cannot be seen.
QString CharName(char c) {
  const auto code = static_cast<unsigned char>(c);
  if (code < 0x20) return QString("U+%1").arg(code, 4, 16, QLatin1Char('0')).toUpper();
  return "\"" + QString(QLatin1Char(c)) + "\"";
}

// A label's text without the accelerator marks a translation may carry.
QString FieldName(const QLabel* label) { return label->text().remove(QLatin1Char('&')); }

template <class T>
T* Place(T* widget, int left, int top, int width, int height) {
  widget->setGeometry(left, top, width, height);
  return widget;
}

QLabel* PlaceLabel(QLabel* label, int left, int top) {
  label->move(left, top);
  return label;
}

// The rows from the font's metrics; the anchors take the new places.
int ArrangeEditorRows(TfrmEdit& e) {
  const int height = LayOutEditorRows({{{e.Label4}, {e.cbCategory}},
                                       {{e.Label1, e.Label2}, {e.edName, e.edValue}},
                                       {{e.Label3}, {e.edDescription}}},
                                      {e.btnOk, e.btnCancel});
  if (auto* anchors = e.findChild<TAnchors*>())
    for (QWidget* w : std::initializer_list<QWidget*>{e.cbCategory, e.edValue, e.edDescription, e.btnOk, e.btnCancel})
      anchors->Capture(w);
  return height;
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
  HideClosedList(cbCategory);
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
  // Each label names the field under it, for a screen reader too.
  Label4->setBuddy(cbCategory);
  Label1->setBuddy(edName);
  Label2->setBuddy(edValue);
  Label3->setBuddy(edDescription);

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
  cbCategory->lineEdit()->setAccessibleName(FieldName(Label4));  // where the keys go
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
  if (event->type() == QEvent::FontChange) {
    // The labels take their widths again, the rows their heights.
    Retranslate();
    setFixedHeight(ArrangeEditorRows(*this));
  }
}

void TfrmEdit::FormCreate() {
  const QRect screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->geometry() : QRect(0, 0, 800, 600);
  const int fixedHeight = ArrangeEditorRows(*this);
  setFixedHeight(fixedHeight);
  setMinimumWidth(kMinWidth);
  const TProfileDocument settings = m_settings.Load();
  const int left = settings.ReadInteger(kSection, "Left", screen.width() / 2 - 128);
  const int top = settings.ReadInteger(kSection, "Top", screen.height() / 2 - 97);
  const int width = settings.ReadInteger(kSection, "Width", kDesignWidth);
  resize(std::max(width, kMinWidth), fixedHeight);
  SetWindowPlace(*this, QPoint(left, top));
  ClampToScreen(*this);
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
    ShowGeneralError(this, e);
  }
  QDialog::done(result);
  // The next opening asks for the place it really had.
  SetWindowPlace(*this, place);
}

bool TfrmEdit::FormCloseQuery() {
  // Every refusal comes the same way, in the program's error display,
  // names the field that is wrong and puts the caret in it; the fields keep
  // what the user typed.
  try {
    std::string value;
    if (ConstMode) value = CheckConstant();
    else CheckFunction();
    CheckStorable(edDescription, Label3);
    CheckStorable(cbCategory, Label4);
    if (ConstMode) ComputedValue = value;
  } catch (const EZQEditError& e) {
    ShowGeneralError(this, e.what());
    return false;
  }
  return true;
}

void TfrmEdit::Refuse(QWidget* field, const QString& message) {
  field->setFocus();
  throw EZQEditError(message.toStdString());
}

void TfrmEdit::CheckName(TNameFault fault) {
  if (fault != TNameFault::None) Refuse(edName, tr(NameMessage(fault)));
}

std::string TfrmEdit::CheckConstant() {
  CheckName(CheckConstantName(edName->text().toStdString(), m_parser, OldName));
  const std::string value = edValue->text().toStdString();
  if (value.empty()) Refuse(edValue, tr(kNoValue));
  // Typing keeps "|" out, but a pasted one would evaluate (as "or") and
  // then cut the entry in the list file.
  CheckStorable(edValue, Label2);
  // A value that does not evaluate is refused with the engine's word for
  // what is wrong, even while the main window shows no messages.
  std::string text;
  const bool errorOn = std::exchange(m_parser.ErrorOn, true);
  const bool computed = m_parser.EvaluateToText(value, text);
  m_parser.ErrorOn = errorOn;
  // The engine's word comes by its id, in the interface's language; a
  // failure that is no message of the engine keeps its own text.
  const TZQMessage& message = m_parser.LastMessage;
  if (!computed) Refuse(edValue, tr(kValueFault).arg(QString::fromStdString(message.Id ? MessageText(message) : text)));
  return text;
}

void TfrmEdit::CheckFunction() {
  CheckName(CheckFunctionHead(edName->text().toStdString(), m_parser.ArgumentSeparator, m_parser, OldName));
  if (edValue->text().isEmpty()) Refuse(edValue, tr(kNoBody));
  // The list file stores a function as BODY|DESCRIPTION with no escaping,
  // so a "|" in the body (a pasted one: typing refuses it) would cut the
  // function at the next start. Say how to write the operator instead.
  if (edValue->text().contains(QLatin1Char('|'))) Refuse(edValue, tr(kBarInBody));
  CheckStorable(edValue, Label2);
}

void TfrmEdit::CheckStorable(QWidget* field, const QLabel* label) {
  const auto* box = qobject_cast<const QComboBox*>(field);
  const QString text = box ? box->currentText() : static_cast<const QLineEdit*>(field)->text();
  if (const std::optional<char> c = UnstorableListChar(text.toStdString()))
    Refuse(field, tr(kUnstorable).arg(CharName(*c), FieldName(label)));
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
