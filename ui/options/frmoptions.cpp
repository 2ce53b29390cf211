// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/options/frmoptions.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

#include "language/availablelanguages.h"
#include "platform/helpviewer.h"
#include "platform/hotkey.h"
#include "platform/messageboxes.h"
#include "platform/qtvirtualkey.h"
#include "ui/options/hotkeymodifiers.h"
#include "ui/options/keynames.h"
#include "ui/options/spinedit.h"
#include "ui/widgets/accessibility.h"
#include "ui/widgets/screenclamp.h"
#include "ui/widgets/windowplace.h"

namespace {

// Design sizes: the client area, and the margins the frame, its stretching
// controls and the two bottom buttons keep to the right and bottom edges.
constexpr int kDesignWidth = 312;
constexpr int kDesignHeight = 368;
constexpr int kHelpTopic = 3;

const char* const kFontSample = "1/sqrt(2*Pi)*exp(-x^2/2)";

template <typename T>
T* Make(QWidget* parent, const char* name) {
  auto* w = new T(parent);
  w->setObjectName(QString::fromLatin1(name));
  return w;
}

// A label as wide and high as its text in its font.
void AutoSize(QLabel* label, int left, int top) {
  const QFontMetrics fm(label->font());
  label->setGeometry(left, top, fm.horizontalAdvance(label->text()), fm.height());
}

}  // namespace

TfrmOptions::TfrmOptions(THotKeyService& hotKeys, QWidget* parent)
    : QDialog(parent), m_hotKeys(hotKeys) {
  FontChooser = [](const QFont& initial, QWidget* owner) -> std::optional<QFont> {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, owner);
    if (!ok) return std::nullopt;
    return font;
  };
  CreateControls();
  FormCreate();
}

void TfrmOptions::CreateControls() {
  setObjectName(QStringLiteral("frmOptions"));
  // A tool window with a close box only.
  setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  QFont dialogFont(QStringLiteral("MS Sans Serif"));
  dialogFont.setPixelSize(11);
  setFont(dialogFont);

  GroupBox1 = Make<QGroupBox>(this, "GroupBox1");
  cbInTray = Make<QCheckBox>(GroupBox1, "cbInTray");
  cbMemory = Make<QCheckBox>(GroupBox1, "cbMemory");
  cbCloseQuery = Make<QCheckBox>(GroupBox1, "cbCloseQuery");

  Label2 = Make<QLabel>(GroupBox1, "Label2");
  edNExpression = new TSpinEdit(0, 100, GroupBox1);
  edNExpression->setObjectName(QStringLiteral("edNExpression"));
  Label1 = Make<QLabel>(GroupBox1, "Label1");
  edNDigit = new TSpinEdit(0, 18, GroupBox1);
  edNDigit->setObjectName(QStringLiteral("edNDigit"));

  rgSeparators = Make<QGroupBox>(GroupBox1, "rgSeparators");
  rgSeparatorsItem0 = Make<QRadioButton>(rgSeparators, "rgSeparatorsItem0");
  rgSeparatorsItem1 = Make<QRadioButton>(rgSeparators, "rgSeparatorsItem1");
  m_separatorGroup = new QButtonGroup(this);
  m_separatorGroup->addButton(rgSeparatorsItem0, 0);
  m_separatorGroup->addButton(rgSeparatorsItem1, 1);

  // Never shown: it measures the longer separator text for the width layout.
  lbSize = Make<QLabel>(GroupBox1, "lbSize");
  lbSize->setVisible(false);

  lbHotKey = Make<QLabel>(GroupBox1, "lbHotKey");
  cbModifiers = Make<QComboBox>(GroupBox1, "cbModifiers");
  cbModifiers->addItems({QStringLiteral("Alt"), QStringLiteral("Control"), QStringLiteral("Shift")});
  cbModifiers->setCurrentIndex(-1);
  connect(cbModifiers, &QComboBox::activated, this, &TfrmOptions::cbModifiersChange);

  // The key field shows only what the capture puts there: no typing, paste,
  // drop or input-method text reaches it.
  edKey = Make<QLineEdit>(GroupBox1, "edKey");
  edKey->setContextMenuPolicy(Qt::NoContextMenu);
  edKey->setAcceptDrops(false);
  edKey->setAttribute(Qt::WA_InputMethodEnabled, false);
  edKey->installEventFilter(this);

  edDesktopKey = Make<QLineEdit>(GroupBox1, "edDesktopKey");
  edDesktopKey->setReadOnly(true);
  btnDesktopKeys = Make<QPushButton>(GroupBox1, "btnDesktopKeys");
  btnDesktopKeys->setAutoDefault(false);
  connect(btnDesktopKeys, &QPushButton::clicked, this, [this] { m_hotKeys.OpenDesktopSettings(); });
  lbDesktopKeyHint = Make<QLabel>(GroupBox1, "lbDesktopKeyHint");
  lbDesktopKeyHint->setWordWrap(true);
  connect(&m_hotKeys, &THotKeyService::bindingChanged, this, &TfrmOptions::ShowHotKeyRow);

  lbLanguage = Make<QLabel>(GroupBox1, "lbLanguage");
  cbLanguage = Make<QComboBox>(GroupBox1, "cbLanguage");
  // First the desktop's language (an empty code: no stored choice), named
  // in the interface's language; then each language in its own name, so
  // that it is found whatever the interface's language. The item data is
  // the settings' code.
  cbLanguage->addItem(QString(), QString());
  // Its width follows its entries, which change with the language.
  cbLanguage->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  for (const TLanguageChoice& choice : AvailableLanguages()) cbLanguage->addItem(choice.name, choice.code);

  btnFont = Make<QPushButton>(GroupBox1, "btnFont");
  edFont = Make<QLineEdit>(GroupBox1, "edFont");
  edFont->setReadOnly(true);
  edFont->setText(QString::fromLatin1(kFontSample));

  btnOk = Make<QPushButton>(this, "btnOk");
  btnCancel = Make<QPushButton>(this, "btnCancel");
  // Neither Enter nor Esc is a shortcut of the dialog.
  for (QPushButton* b : {btnFont, btnOk, btnCancel}) {
    b->setAutoDefault(false);
    b->setDefault(false);
    // Clicking takes the focus, so a spin field is brought into its range
    // before the values are read.
    b->setFocusPolicy(Qt::StrongFocus);
  }
  connect(btnFont, &QPushButton::clicked, this, &TfrmOptions::btnFontClick);
  connect(btnOk, &QPushButton::clicked, this, &TfrmOptions::btnOkClick);
  connect(btnCancel, &QPushButton::clicked, this, &TfrmOptions::btnCancelClick);
  // Each label names its field for a screen reader; the drop-down lists are
  // named by what they set rather than by the item they show.
  Label2->setBuddy(edNExpression);
  Label1->setBuddy(edNDigit);
  lbHotKey->setBuddy(cbModifiers);
  lbLanguage->setBuddy(cbLanguage);
  NameListByPurpose(cbModifiers);
  NameListByPurpose(cbLanguage);
  Retranslate();
}

void TfrmOptions::Retranslate() {
  setWindowTitle(tr("Настройки"));
  cbInTray->setText(tr("Сворачивать в трэй (где часы)"));
  cbMemory->setText(tr("Не запоминать последнее выражение"));
  cbCloseQuery->setText(tr("Подтверждать закрытие программы"));
  Label2->setText(tr("Число запоминаемых выражений"));
  Label1->setText(tr("Число значащих цифр в числе"));
  rgSeparators->setTitle(tr("Разделители"));
  rgSeparatorsItem0->setText(tr("Целой и дробной части (.)  Аргументов ф-ции (,)"));
  rgSeparatorsItem1->setText(tr("Целой и дробной части (,)  Аргументов ф-ции (;)"));
  lbSize->setText(rgSeparatorsItem0->text());
  lbHotKey->setText(tr("Клавиши вызова"));
  edDesktopKey->setAccessibleName(lbHotKey->text());
  edKey->setAccessibleName(tr("Клавиша"));
  edFont->setAccessibleName(tr("Образец шрифта"));
  btnDesktopKeys->setText(QStringLiteral("..."));
  btnDesktopKeys->setToolTip(tr("Клавиши рабочего стола"));
  btnDesktopKeys->setAccessibleName(btnDesktopKeys->toolTip());
  lbDesktopKeyHint->setText(tr("Клавишу задают в настройках рабочего стола: команда tamrix --toggle"));
  ShowHotKeyRow();
  lbLanguage->setText(tr("Язык интерфейса / Language"));
  cbLanguage->setItemText(0, tr("Язык рабочего стола"));
  btnFont->setText(tr("Шрифт..."));
  btnOk->setText(tr("Ok"));
  btnCancel->setText(tr("Отмена"));
}

// Design positions, then the width fitted to the separator texts in the
// dialog's font; the controls that stretch follow the new width.
void TfrmOptions::FormCreate() {
  AutoSize(lbSize, 8, 210);
  AutoSize(lbLanguage, 8, 259);
  // Wide enough for the separator texts and for the language row, whose
  // list shows its longest entry.
  const int languageWidth = std::max(81, cbLanguage->sizeHint().width());
  const int languageRow = lbLanguage->width() + 10 + languageWidth;
  const int clientWidth = std::max(lbSize->width() + 73, kDesignWidth - 297 + 8 + languageRow + 8);
  const int grow = clientWidth - kDesignWidth;

  GroupBox1->setGeometry(8, 8, 297 + grow, 289);
  cbInTray->setGeometry(8, 16, 273 + grow, 17);
  cbMemory->setGeometry(8, 40, 281 + grow, 17);
  cbCloseQuery->setGeometry(8, 64, 281 + grow, 17);
  AutoSize(Label2, 8, 92);
  AutoSize(Label1, 8, 120);
  const int spinLeft = Label2->x() + Label2->width() + 11;
  edNExpression->setGeometry(spinLeft, 88, 49, 22);
  edNDigit->setGeometry(spinLeft, 116, 49, 22);

  rgSeparators->setGeometry(8, 144, 281 + grow, 65);
  const int captionHeight = QFontMetrics(rgSeparators->font()).height() + 2;
  const int itemHeight = (rgSeparators->height() - captionHeight - 4) / 2;
  rgSeparatorsItem0->setGeometry(8, captionHeight, rgSeparators->width() - 16, itemHeight);
  rgSeparatorsItem1->setGeometry(8, captionHeight + itemHeight, rgSeparators->width() - 16, itemHeight);

  AutoSize(lbHotKey, 8, 228);
  cbModifiers->setGeometry(lbHotKey->x() + lbHotKey->width() + 10, 224, 81, 21);
  edKey->setGeometry(cbModifiers->x() + cbModifiers->width() + 7, 224, 81, 21);
  const int keyRight = edKey->x() + edKey->width();
  edDesktopKey->setGeometry(cbModifiers->x(), 224, keyRight - cbModifiers->x() - 27, 21);
  btnDesktopKeys->setGeometry(keyRight - 24, 224, 24, 21);
  // The line takes the whole row: it names the key's place itself.
  lbDesktopKeyHint->setGeometry(8, 218, GroupBox1->width() - 16, 34);
  cbLanguage->setGeometry(lbLanguage->x() + lbLanguage->width() + 10, 255, languageWidth, 21);
  btnFont->setGeometry(8, 286, 73, 23);
  edFont->setGeometry(88, 287, 201 + grow, 21);

  setFixedSize(clientWidth, kDesignHeight);
  btnOk->setGeometry(clientWidth - 168, kDesignHeight - 30, 81, 23);
  btnCancel->setGeometry(clientWidth - 80, kDesignHeight - 30, 73, 23);
  SetWindowPlace(*this, QPoint(255, 124));
}

void TfrmOptions::AdjustHeight() {
  // The font field is as high as its font's text plus its border.
  edFont->resize(edFont->width(), QFontMetrics(edFont->font()).height() + 8);
  // A sample wider than the field shows its beginning, not its end.
  edFont->setCursorPosition(0);
  const int fontBottom = edFont->y() + edFont->height();
  GroupBox1->resize(GroupBox1->width(), fontBottom + 7);
  const int clientHeight = fontBottom + 51;
  // Growing or shrinking leaves the client area's corner where it is.
  const QPoint place = WindowPlace(*this);
  setFixedSize(width(), clientHeight);
  if (isVisible()) SetWindowPlace(*this, place);
  btnOk->move(btnOk->x(), clientHeight - 30);
  btnCancel->move(btnCancel->x(), clientHeight - 30);
}

void TfrmOptions::done(int result) {
  // The next opening asks for the place the dialog really had.
  const QPoint place = WindowPlace(*this);
  QDialog::done(result);
  SetWindowPlace(*this, place);
}

void TfrmOptions::showEvent(QShowEvent* event) {
  AdjustHeight();
  // Whole on the screen, also where a large scale makes the screen small.
  ClampToScreen(*this);
  QDialog::showEvent(event);
  edFont->setCursorPosition(0);
}

void TfrmOptions::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  // A new dialog font (the desktop's, say) or new texts in another language
  // change the widths of the texts: the layout is fitted again, and the
  // dialog stays where it is.
  if (event->type() == QEvent::LanguageChange && btnCancel) Retranslate();
  if ((event->type() == QEvent::FontChange || event->type() == QEvent::LanguageChange) && btnCancel) {
    const QPoint place = WindowPlace(*this);
    FormCreate();
    SetWindowPlace(*this, place);
    AdjustHeight();
  }
}

void TfrmOptions::Fill(const TOptionsValues& values) {
  cbInTray->setChecked(values.InTray);
  cbMemory->setChecked(values.ExprMem);
  cbCloseQuery->setChecked(values.CloseQuery);
  edNExpression->SetValue(values.NExpres);
  edFont->setFont(values.Font);
  edNDigit->SetValue(values.NDigit);
  m_separatorGroup->button(values.DecimalSeparator == ',' ? 1 : 0)->setChecked(true);
  // A stored combination of modifiers has no item: the list keeps whatever
  // it showed, while FModifiers keeps the stored value.
  if (const std::optional<int> index = ModifierFlagsToIndex(values.fsModifiers)) {
    cbModifiers->setCurrentIndex(*index);
  }
  FModifiers = values.fsModifiers;
  m_fsModifiers = values.fsModifiers;
  m_VK_Code = values.VK_Code;
  edKeyKeyDown(values.VK_Code, Qt::NoModifier);
  ShowHotKeyRow();
  // A stored language the program has no catalogue for is shown as the
  // Russian it gets.
  int language = cbLanguage->findData(QString::fromStdString(values.Language));
  if (language < 0) language = cbLanguage->findData(QString::fromLatin1(kSourceLanguage));
  cbLanguage->setCurrentIndex(std::max(0, language));
}

int TfrmOptions::SeparatorIndex() const { return m_separatorGroup->checkedId(); }

TOptionsValues TfrmOptions::Read() const {
  TOptionsValues values;
  values.InTray = cbInTray->isChecked();
  values.ExprMem = cbMemory->isChecked();
  values.CloseQuery = cbCloseQuery->isChecked();
  values.NDigit = edNDigit->Value();
  values.NExpres = edNExpression->Value();
  if (SeparatorIndex() == 1) {
    values.DecimalSeparator = ',';
    values.ArgumentSeparator = ';';
  } else {
    values.DecimalSeparator = '.';
    values.ArgumentSeparator = ',';
  }
  values.Font = edFont->font();
  values.fsModifiers = m_fsModifiers;
  values.VK_Code = m_VK_Code;
  values.Language = cbLanguage->currentData().toString().toStdString();
  return values;
}

void TfrmOptions::ShowHotKeyRow() {
  const THotKeyService::TKeyChooser chooser = m_hotKeys.KeyChooser();
  const bool captured = chooser == THotKeyService::TKeyChooser::Program;
  const bool desktop = chooser == THotKeyService::TKeyChooser::Desktop;
  cbModifiers->setVisible(captured);
  edKey->setVisible(captured);
  edDesktopKey->setVisible(desktop);
  const QString binding = m_hotKeys.DesktopBinding();
  edDesktopKey->setText(binding.isEmpty() ? tr("не назначена") : binding);
  btnDesktopKeys->setVisible(desktop && m_hotKeys.CanOpenDesktopSettings());
  lbDesktopKeyHint->setVisible(chooser == THotKeyService::TKeyChooser::Nobody);
  lbHotKey->setVisible(chooser != THotKeyService::TKeyChooser::Nobody);
}

void TfrmOptions::edKeyKeyDown(quint16 key, Qt::KeyboardModifiers) {
  edKey->clear();
  edKey->setText(QString::fromStdString(KeyCodeToName(key)));
  FKeyCode = edKey->text().isEmpty() ? 0 : static_cast<quint8>(key & 0xFF);
}

void TfrmOptions::cbModifiersChange(int index) {
  if (index < 0) return;
  FModifiers = ModifierIndexToFlags(index);
}

void TfrmOptions::btnFontClick() {
  if (const std::optional<QFont> chosen = FontChooser(edFont->font(), this)) edFont->setFont(*chosen);
  AdjustHeight();
}

void TfrmOptions::btnOkClick() {
  // Where the desktop binds the key, the stored one is only its first wish.
  if ((FModifiers == m_fsModifiers && FKeyCode == m_VK_Code) ||
      m_hotKeys.KeyChooser() != THotKeyService::TKeyChooser::Program) {
    accept();
    return;
  }
  m_hotKeys.Unregister();
  if (m_hotKeys.Register(FModifiers, FKeyCode)) {
    m_fsModifiers = FModifiers;
    m_VK_Code = FKeyCode;
    accept();
    return;
  }
  // Keep the key in force and the stored values in step.
  m_hotKeys.Register(m_fsModifiers, m_VK_Code);
  MessageBoxes().Error(this, tr("Комбинация %1 уже используется в вашей системе")
                                 .arg(cbModifiers->currentText() + u'+' + edKey->text()));
}

void TfrmOptions::btnCancelClick() { reject(); }

void TfrmOptions::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_F1:
      HelpViewer().ShowTopic(QStringLiteral("Tamrix.hlp"), kHelpTopic);
      event->accept();
      return;
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      // Not dialog shortcuts here: only the buttons and the close box end it.
      event->accept();
      return;
    default:
      QDialog::keyPressEvent(event);
  }
}

bool TfrmOptions::eventFilter(QObject* watched, QEvent* event) {
  if (watched != edKey) return QDialog::eventFilter(watched, event);
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) return false;
  auto* keyEvent = static_cast<QKeyEvent*>(event);
  // Tab and Shift+Tab move the focus on, as in every other field.
  if (keyEvent->key() == Qt::Key_Tab || keyEvent->key() == Qt::Key_Backtab) return false;
  if (event->type() == QEvent::ShortcutOverride) {
    // Every other key is the user's choice of hot key, not a shortcut.
    event->accept();
    return true;
  }
  // F1 here is a hot key like any other, not a request for help.
  edKeyKeyDown(VirtualKeyFromEvent(*keyEvent), keyEvent->modifiers());
  return true;  // the key press itself is dropped: nothing typed reaches the field
}
