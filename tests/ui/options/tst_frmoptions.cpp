// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog: its controls and layout, the round trip of every
// setting through Fill, OK and Read, Cancel and the close box, the hot-key
// capture and its registration (accepted and refused), the spin fields and
// the help topic.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <algorithm>
#include <functional>

#include "tests/doubles/fakehotkeyservice.h"
#include "tests/doubles/recordinghelpviewer.h"
#include "tests/doubles/scriptedmessageboxes.h"
#include "engine/zqparser.h"
#include "ui/options/frmoptions.h"
#include "ui/options/runoptionsdialog.h"
#include "ui/options/spinedit.h"
#include "tests/ui/keywalk.h"

using Combination = TFakeHotKeyService::Combination;

namespace {

TOptionsValues StoredValues() {
  TOptionsValues v;
  v.InTray = true;
  v.ExprMem = false;
  v.CloseQuery = true;
  v.NExpres = 10;
  v.Font = QFont(QStringLiteral("DejaVu Sans"));
  v.Font.setPixelSize(13);
  v.NDigit = 18;
  v.DecimalSeparator = '.';
  v.ArgumentSeparator = ',';
  v.fsModifiers = 2;
  v.VK_Code = 123;
  return v;
}

// Every field, so a failed comparison names the one that differs.
void CompareValues(const TOptionsValues& a, const TOptionsValues& b) {
  QCOMPARE(a.InTray, b.InTray);
  QCOMPARE(a.ExprMem, b.ExprMem);
  QCOMPARE(a.CloseQuery, b.CloseQuery);
  QCOMPARE(a.NExpres, b.NExpres);
  QCOMPARE(a.Font, b.Font);
  QCOMPARE(a.NDigit, b.NDigit);
  QCOMPARE(a.DecimalSeparator, b.DecimalSeparator);
  QCOMPARE(a.ArgumentSeparator, b.ArgumentSeparator);
  QCOMPARE(a.fsModifiers, b.fsModifiers);
  QCOMPARE(a.VK_Code, b.VK_Code);
}

}  // namespace

class TestFrmOptions : public QObject {
  Q_OBJECT
 private slots:
  void init();
  void cleanup();

  void controlsCarryTheirTexts();
  void widthFitsTheSeparatorText();
  void heightFollowsTheFontField();
  void fontDialogChoiceAndCancel();

  void okAtOnceReturnsEverySetting_data();
  void okAtOnceReturnsEverySetting();
  void valuesFromOutsideAreClamped();
  void cancelAndCloseBoxChangeNothing();
  void separatorPairsAreOnlyTheTwo();

  void captureNamesTheKeyPressed_data();
  void captureNamesTheKeyPressed();
  void captureIgnoresTypingAndLetsTabMoveOn();
  void escapeAndEnterDoNotEndTheDialog();
  void keyboardWalkReachesEveryControl();

  void newHotKeyIsRegistered();
  void refusedHotKeyKeepsTheOldOneAndTheDialog();
  void storedModifierCombinationHasNoItem();
  void storedKeyWithoutNameOpensEmpty();

  void spinFieldFiltersTyping();
  void spinFieldClampsWhenLeft();
  void spinFieldArrowsStayInRange();
  void helpShowsTopicThree();
  void mainWindowSettingsRoundTrip();

 private:
  // Runs the dialog as the main window does; whileOpen acts on the open
  // dialog. A dialog left open is ended, so a failing test cannot hang.
  bool Run(TOptionsValues& values, const std::function<void()>& whileOpen);
  void ShowAndActivate();

  TFakeHotKeyService* m_hotKeys = nullptr;
  TScriptedMessageBoxes* m_boxes = nullptr;
  TRecordingHelpViewer* m_help = nullptr;
  TfrmOptions* m_dlg = nullptr;
};

void TestFrmOptions::init() {
  m_hotKeys = new TFakeHotKeyService;
  m_boxes = new TScriptedMessageBoxes;
  SetMessageBoxes(m_boxes);
  m_help = new TRecordingHelpViewer;
  SetHelpViewer(m_help);
  m_dlg = new TfrmOptions(*m_hotKeys);
}

void TestFrmOptions::cleanup() {
  delete m_dlg;
  SetHelpViewer(nullptr);
  delete m_help;
  SetMessageBoxes(nullptr);
  delete m_boxes;
  delete m_hotKeys;
}

bool TestFrmOptions::Run(TOptionsValues& values, const std::function<void()>& whileOpen) {
  QTimer::singleShot(0, m_dlg, [this, whileOpen] {
    whileOpen();
    if (m_dlg->isVisible()) m_dlg->done(99);
  });
  return RunOptionsDialog(*m_dlg, values);
}

void TestFrmOptions::ShowAndActivate() {
  m_dlg->show();
  m_dlg->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(m_dlg));
}

void TestFrmOptions::controlsCarryTheirTexts() {
  TfrmOptions& d = *m_dlg;
  QCOMPARE(d.windowTitle(), QStringLiteral("Настройки"));
  QCOMPARE(d.cbInTray->text(), QStringLiteral("Сворачивать в трэй (где часы)"));
  QCOMPARE(d.cbMemory->text(), QStringLiteral("Не запоминать последнее выражение"));
  QCOMPARE(d.cbCloseQuery->text(), QStringLiteral("Подтверждать закрытие программы"));
  QCOMPARE(d.Label2->text(), QStringLiteral("Число запоминаемых выражений"));
  QCOMPARE(d.Label1->text(), QStringLiteral("Число значащих цифр в числе"));
  QCOMPARE(d.rgSeparators->title(), QStringLiteral("Разделители"));
  QCOMPARE(d.rgSeparatorsItem0->text(), QStringLiteral("Целой и дробной части (.)  Аргументов ф-ции (,)"));
  QCOMPARE(d.rgSeparatorsItem1->text(), QStringLiteral("Целой и дробной части (,)  Аргументов ф-ции (;)"));
  QCOMPARE(d.lbSize->text(), d.rgSeparatorsItem0->text());
  QVERIFY(!d.lbSize->isVisibleTo(&d));
  QCOMPARE(d.lbHotKey->text(), QStringLiteral("Клавиши вызова"));
  QCOMPARE(d.cbModifiers->count(), 3);
  QCOMPARE(d.cbModifiers->itemText(0), QStringLiteral("Alt"));
  QCOMPARE(d.cbModifiers->itemText(1), QStringLiteral("Control"));
  QCOMPARE(d.cbModifiers->itemText(2), QStringLiteral("Shift"));
  QCOMPARE(d.cbModifiers->currentIndex(), -1);
  QCOMPARE(d.cbModifiers->currentText(), QString());
  QVERIFY(!d.cbModifiers->isEditable());
  QCOMPARE(d.btnFont->text(), QStringLiteral("Шрифт..."));
  QCOMPARE(d.edFont->text(), QStringLiteral("1/sqrt(2*Pi)*exp(-x^2/2)"));
  QVERIFY(d.edFont->isReadOnly());
  QCOMPARE(d.btnOk->text(), QStringLiteral("Ok"));
  QCOMPARE(d.btnCancel->text(), QStringLiteral("Отмена"));
  QCOMPARE(d.edNExpression->MinValue(), 0);
  QCOMPARE(d.edNExpression->MaxValue(), 100);
  QCOMPARE(d.edNDigit->MinValue(), 0);
  QCOMPARE(d.edNDigit->MaxValue(), 18);
  QCOMPARE(d.findChild<QCheckBox*>(QStringLiteral("cbInTray")), d.cbInTray);
  QCOMPARE(d.findChild<QLineEdit*>(QStringLiteral("edKey")), d.edKey);
}

void TestFrmOptions::widthFitsTheSeparatorText() {
  TfrmOptions& d = *m_dlg;
  // The separator text sets the width, unless the language row, its list as
  // wide as its longest entry, needs more.
  const auto languageList = [&] { return std::max(81, d.cbLanguage->sizeHint().width()); };
  const auto fitted = [&] {
    return std::max(d.lbSize->width() + 73, d.lbLanguage->width() + 10 + languageList() + 31);
  };
  const int width = fitted();
  QCOMPARE(d.lbSize->width(), QFontMetrics(d.font()).horizontalAdvance(d.lbSize->text()));
  QCOMPARE(d.cbLanguage->x(), d.lbLanguage->x() + d.lbLanguage->width() + 10);
  QCOMPARE(d.cbLanguage->width(), languageList());
  QVERIFY(d.cbLanguage->geometry().right() < d.GroupBox1->width() - 8);
  QCOMPARE(d.width(), width);
  const int grow = width - 312;
  QCOMPARE(d.GroupBox1->width(), 297 + grow);
  QCOMPARE(d.cbInTray->width(), 273 + grow);
  QCOMPARE(d.cbMemory->width(), 281 + grow);
  QCOMPARE(d.rgSeparators->width(), 281 + grow);
  QCOMPARE(d.edFont->width(), 201 + grow);
  QCOMPARE(d.edNExpression->x(), d.Label2->x() + d.Label2->width() + 11);
  QCOMPARE(d.edNDigit->x(), d.edNExpression->x());
  QCOMPARE(d.cbModifiers->x(), d.lbHotKey->x() + d.lbHotKey->width() + 10);
  QCOMPARE(d.edKey->x(), d.cbModifiers->x() + d.cbModifiers->width() + 7);
  // The buttons keep their distance to the right edge.
  QCOMPARE(d.btnCancel->geometry().right() + 1, width - 7);
  QCOMPARE(d.btnOk->geometry().right() + 1, width - 87);

  // A larger dialog font: the layout is fitted again where the dialog stands,
  // and the font field (which has a font of its own) keeps its height rule.
  const QPoint place(40, 30);
  d.move(place);
  QFont larger = d.font();
  larger.setPixelSize(22);
  d.setFont(larger);
  QCOMPARE(d.lbSize->width(), QFontMetrics(larger).horizontalAdvance(d.lbSize->text()));
  QVERIFY(d.width() > width);
  QCOMPARE(d.width(), fitted());
  QCOMPARE(d.cbLanguage->width(), languageList());
  QCOMPARE(d.btnCancel->geometry().right() + 1, d.width() - 7);
  QCOMPARE(d.edNExpression->x(), d.Label2->x() + d.Label2->width() + 11);
  QCOMPARE(d.height(), d.edFont->y() + d.edFont->height() + 51);
  QCOMPARE(d.pos(), place);
}

void TestFrmOptions::heightFollowsTheFontField() {
  ShowAndActivate();
  TfrmOptions& d = *m_dlg;
  QCOMPARE(d.edFont->height(), QFontMetrics(d.edFont->font()).height() + 8);
  const int fontBottom = d.edFont->y() + d.edFont->height();
  QCOMPARE(d.height(), fontBottom + 51);
  QCOMPARE(d.GroupBox1->height(), fontBottom + 7);
  QCOMPARE(d.btnOk->y(), d.height() - 30);
  QCOMPARE(d.btnCancel->y(), d.height() - 30);
}

void TestFrmOptions::fontDialogChoiceAndCancel() {
  TfrmOptions& d = *m_dlg;
  TOptionsValues values = StoredValues();
  d.Fill(values);
  ShowAndActivate();
  const int heightBefore = d.height();

  QFont big(QStringLiteral("DejaVu Serif"));
  big.setPixelSize(40);
  big.setUnderline(true);
  QFont offered;
  d.FontChooser = [&](const QFont& initial, QWidget*) -> std::optional<QFont> {
    offered = initial;
    return big;
  };
  QTest::mouseClick(d.btnFont, Qt::LeftButton);
  QCOMPARE(offered, values.Font);
  QCOMPARE(d.edFont->font(), big);
  QVERIFY(d.height() > heightBefore);
  QCOMPARE(d.height(), d.edFont->y() + QFontMetrics(big).height() + 8 + 51);
  QCOMPARE(d.btnOk->y(), d.height() - 30);

  // Cancelled: the font stays, the height is fitted all the same.
  d.FontChooser = [](const QFont&, QWidget*) -> std::optional<QFont> { return std::nullopt; };
  d.edFont->setFont(values.Font);
  QTest::mouseClick(d.btnFont, Qt::LeftButton);
  QCOMPARE(d.edFont->font(), values.Font);
  QCOMPARE(d.height(), heightBefore);
}

void TestFrmOptions::okAtOnceReturnsEverySetting_data() {
  QTest::addColumn<bool>("inTray");
  QTest::addColumn<bool>("exprMem");
  QTest::addColumn<bool>("closeQuery");
  QTest::addColumn<int>("nExpres");
  QTest::addColumn<int>("nDigit");
  QTest::addColumn<char>("decimal");
  QTest::addColumn<char>("argument");
  QTest::addColumn<int>("modifiers");
  QTest::addColumn<int>("key");
  QTest::newRow("defaults") << true << false << false << 10 << 18 << '.' << ',' << 2 << 123;
  QTest::newRow("all ticked, comma") << true << true << true << 100 << 0 << ',' << ';' << 1 << int('A');
  QTest::newRow("none ticked") << false << false << false << 0 << 7 << '.' << ',' << 4 << 34;
  QTest::newRow("only memory") << false << true << false << 55 << 12 << ',' << ';' << 2 << 13;
}

void TestFrmOptions::okAtOnceReturnsEverySetting() {
  TOptionsValues values = StoredValues();
  QFETCH(bool, inTray);
  QFETCH(bool, exprMem);
  QFETCH(bool, closeQuery);
  QFETCH(int, nExpres);
  QFETCH(int, nDigit);
  QFETCH(char, decimal);
  QFETCH(char, argument);
  QFETCH(int, modifiers);
  QFETCH(int, key);
  values.InTray = inTray;
  values.ExprMem = exprMem;
  values.CloseQuery = closeQuery;
  values.NExpres = nExpres;
  values.NDigit = nDigit;
  values.DecimalSeparator = decimal;
  values.ArgumentSeparator = argument;
  values.fsModifiers = quint16(modifiers);
  values.VK_Code = quint16(key);
  values.Font.setItalic(true);
  values.Font.setStrikeOut(true);
  const TOptionsValues before = values;

  QVERIFY(Run(values, [this] { QTest::mouseClick(m_dlg->btnOk, Qt::LeftButton); }));
  CompareValues(values, before);
  // The same combination: the hot key is left alone.
  QCOMPARE(m_hotKeys->Attempts.size(), 0);
  QCOMPARE(m_hotKeys->Unregistrations, 0);
}

void TestFrmOptions::valuesFromOutsideAreClamped() {
  TOptionsValues values = StoredValues();
  values.NExpres = 500;
  values.NDigit = -3;
  m_dlg->Fill(values);
  QCOMPARE(m_dlg->edNExpression->text(), QStringLiteral("100"));
  QCOMPARE(m_dlg->edNDigit->text(), QStringLiteral("0"));
  values.NDigit = 25;
  m_dlg->Fill(values);
  QCOMPARE(m_dlg->Read().NDigit, 18);
}

void TestFrmOptions::cancelAndCloseBoxChangeNothing() {
  const TOptionsValues stored = StoredValues();
  auto editEverything = [this] {
    TfrmOptions& d = *m_dlg;
    QTest::mouseClick(d.cbInTray, Qt::LeftButton);
    d.edNDigit->SetValue(3);
    QTest::mouseClick(d.rgSeparatorsItem1, Qt::LeftButton);
    d.edFont->setFont(QFont(QStringLiteral("DejaVu Serif"), 30));
    d.cbModifiers->setCurrentIndex(0);
    d.cbModifiersChange(0);
    QTest::keyClick(d.edKey, Qt::Key_F5);
  };

  TOptionsValues values = stored;
  QVERIFY(!Run(values, [&] {
    editEverything();
    QTest::mouseClick(m_dlg->btnCancel, Qt::LeftButton);
  }));
  CompareValues(values, stored);

  QVERIFY(!Run(values, [&] {
    editEverything();
    m_dlg->close();  // the close box
  }));
  CompareValues(values, stored);
  QCOMPARE(m_hotKeys->Attempts.size(), 0);

  // The next opening shows the stored values again, not the abandoned edit.
  m_dlg->Fill(values);
  CompareValues(m_dlg->Read(), stored);
  QCOMPARE(m_dlg->edKey->text(), QStringLiteral("F12"));
  QCOMPARE(m_dlg->FModifiers, 2);
  QCOMPARE(m_dlg->cbModifiers->currentText(), QStringLiteral("Control"));
}

void TestFrmOptions::separatorPairsAreOnlyTheTwo() {
  TOptionsValues values = StoredValues();
  values.DecimalSeparator = '.';
  values.ArgumentSeparator = ';';
  m_dlg->Fill(values);
  QVERIFY(m_dlg->rgSeparatorsItem0->isChecked());
  QCOMPARE(m_dlg->Read().ArgumentSeparator, ',');

  values.DecimalSeparator = ',';
  values.ArgumentSeparator = ',';
  m_dlg->Fill(values);
  QVERIFY(m_dlg->rgSeparatorsItem1->isChecked());
  QCOMPARE(m_dlg->Read().ArgumentSeparator, ';');
  QCOMPARE(m_dlg->Read().DecimalSeparator, ',');
}

void TestFrmOptions::captureNamesTheKeyPressed_data() {
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("modifiers");
  QTest::addColumn<QString>("name");
  QTest::addColumn<int>("code");
  QTest::newRow("shift alone") << int(Qt::Key_Shift) << int(Qt::ShiftModifier) << QString() << 0;
  QTest::newRow("control alone") << int(Qt::Key_Control) << int(Qt::ControlModifier) << QString() << 0;
  QTest::newRow("alt alone") << int(Qt::Key_Alt) << int(Qt::AltModifier) << QString() << 0;
  QTest::newRow("arrow") << int(Qt::Key_Left) << 0 << QString() << 0;
  QTest::newRow("page down") << int(Qt::Key_PageDown) << 0 << "Page Down" << 34;
  QTest::newRow("F9 with control") << int(Qt::Key_F9) << int(Qt::ControlModifier) << "F9" << 120;
  QTest::newRow("F13") << int(Qt::Key_F13) << 0 << "F13" << 124;
  QTest::newRow("F18") << int(Qt::Key_F18) << 0 << "F18" << 129;
  QTest::newRow("F24") << int(Qt::Key_F24) << 0 << "F24" << 135;
  QTest::newRow("shift A") << int(Qt::Key_A) << int(Qt::ShiftModifier) << "A" << 65;
  QTest::newRow("alt 7") << int(Qt::Key_7) << int(Qt::AltModifier) << "7" << 55;
  QTest::newRow("pad 3") << int(Qt::Key_3) << int(Qt::KeypadModifier) << "3" << 0x63;
  QTest::newRow("backspace") << int(Qt::Key_Backspace) << 0 << QString(QChar(8)) << 8;
  QTest::newRow("enter") << int(Qt::Key_Return) << 0 << QString(QChar(13)) << 13;
  QTest::newRow("escape") << int(Qt::Key_Escape) << 0 << QString(QChar(27)) << 27;
  QTest::newRow("space") << int(Qt::Key_Space) << 0 << "SPACE" << 32;
  QTest::newRow("F1") << int(Qt::Key_F1) << 0 << "F1" << 112;
}

void TestFrmOptions::captureNamesTheKeyPressed() {
  QFETCH(int, key);
  QFETCH(int, modifiers);
  QFETCH(QString, name);
  QFETCH(int, code);
  TOptionsValues values = StoredValues();
  m_dlg->Fill(values);
  QCOMPARE(m_dlg->edKey->text(), QStringLiteral("F12"));
  QCOMPARE(m_dlg->FKeyCode, 123);
  QTest::keyClick(m_dlg->edKey, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
  QCOMPARE(m_dlg->edKey->text(), name);
  QCOMPARE(int(m_dlg->FKeyCode), code);
  // The capture changes neither the stored key nor the help or the dialog.
  QCOMPARE(m_dlg->Read().VK_Code, 123);
  QCOMPARE(m_help->Requests.size(), 0);
}

void TestFrmOptions::captureIgnoresTypingAndLetsTabMoveOn() {
  m_dlg->Fill(StoredValues());
  ShowAndActivate();
  m_dlg->edKey->setFocus();
  QTRY_VERIFY(m_dlg->edKey->hasFocus());
  QTest::keyClicks(m_dlg->edKey, QStringLiteral("xyz"));
  QCOMPARE(m_dlg->edKey->text(), QStringLiteral("Z"));
  QTest::keyClick(m_dlg->edKey, Qt::Key_V, Qt::ControlModifier);  // no paste
  QCOMPARE(m_dlg->edKey->text(), QStringLiteral("V"));
  QCOMPARE(int(m_dlg->FKeyCode), 'V');
  QTest::keyClick(m_dlg->edKey, Qt::Key_Tab);
  QCOMPARE(m_dlg->edKey->text(), QStringLiteral("V"));
  QTRY_VERIFY(!m_dlg->edKey->hasFocus());
}

void TestFrmOptions::escapeAndEnterDoNotEndTheDialog() {
  TOptionsValues values = StoredValues();
  bool openAfterKeys = false;
  QVERIFY(!Run(values, [&] {
    QTest::keyClick(m_dlg->cbInTray, Qt::Key_Escape);
    QTest::keyClick(m_dlg->cbInTray, Qt::Key_Return);
    QTest::keyClick(m_dlg->btnCancel, Qt::Key_Return);
    QTest::keyClick(m_dlg->edKey, Qt::Key_Escape);
    openAfterKeys = m_dlg->isVisible();
    QTest::mouseClick(m_dlg->btnCancel, Qt::LeftButton);
  }));
  QVERIFY(openAfterKeys);
  QCOMPARE(m_dlg->result(), int(QDialog::Rejected));
}

// Tab reaches every control the dialog shows, in the order they stand, and
// none of the desktop's hot-key row it hides; Space presses a button (Enter
// and Esc stay the key capture's, above).
void TestFrmOptions::keyboardWalkReachesEveryControl() {
  m_dlg->Fill(StoredValues());
  ShowAndActivate();
  const QStringList expected{"cbMemory", "cbCloseQuery", "edNExpression", "edNDigit", "rgSeparatorsItem0",
                             "cbModifiers", "edKey", "cbLanguage", "btnFont", "edFont", "btnOk", "btnCancel"};
  QCOMPARE(KeyWalk(m_dlg->cbInTray), expected);
  QCOMPARE(KeyWalk(m_dlg->cbInTray, true), Reversed(expected));
  TOptionsValues values = StoredValues();
  QVERIFY(Run(values, [&] {
    m_dlg->btnOk->setFocus(Qt::TabFocusReason);
    QTest::keyClick(m_dlg->btnOk, Qt::Key_Space);
  }));
}

void TestFrmOptions::newHotKeyIsRegistered() {
  TOptionsValues values = StoredValues();
  QVERIFY(Run(values, [this] {
    m_dlg->cbModifiers->setCurrentIndex(0);
    emit m_dlg->cbModifiers->activated(0);
    QTest::keyClick(m_dlg->edKey, Qt::Key_F9);
    QTest::mouseClick(m_dlg->btnOk, Qt::LeftButton);
  }));
  QCOMPARE(m_hotKeys->Unregistrations, 1);
  QCOMPARE(m_hotKeys->Attempts, (QList<Combination>{{1, 120}}));
  QCOMPARE(m_hotKeys->Registered, std::optional<Combination>(Combination{1, 120}));
  QCOMPARE(values.fsModifiers, 1);
  QCOMPARE(values.VK_Code, 120);
  QCOMPARE(m_boxes->Boxes.size(), 0);

  // Opened again with the new pair, OK leaves the key alone.
  QVERIFY(Run(values, [this] { QTest::mouseClick(m_dlg->btnOk, Qt::LeftButton); }));
  QCOMPARE(m_hotKeys->Attempts.size(), 1);
}

void TestFrmOptions::refusedHotKeyKeepsTheOldOneAndTheDialog() {
  m_hotKeys->Refuse(4, 'Q');
  TOptionsValues values = StoredValues();
  bool openAfterRefusal = false;
  QString fieldAfterRefusal;
  QVERIFY(!Run(values, [&] {
    m_dlg->cbModifiers->setCurrentIndex(2);
    emit m_dlg->cbModifiers->activated(2);
    QTest::keyClick(m_dlg->edKey, Qt::Key_Q);
    QTest::mouseClick(m_dlg->btnOk, Qt::LeftButton);
    openAfterRefusal = m_dlg->isVisible();
    fieldAfterRefusal = m_dlg->edKey->text();
    QTest::mouseClick(m_dlg->btnCancel, Qt::LeftButton);
  }));
  QVERIFY(openAfterRefusal);
  QCOMPARE(fieldAfterRefusal, QStringLiteral("Q"));
  QCOMPARE(m_boxes->Texts(TScriptedMessageBoxes::Kind::Error),
           QStringList{QStringLiteral("Комбинация Shift+Q уже используется в вашей системе")});
  // Tried the new pair, then put the old one back.
  QCOMPARE(m_hotKeys->Attempts, (QList<Combination>{{4, 'Q'}, {2, 123}}));
  QCOMPARE(m_hotKeys->Registered, std::optional<Combination>(Combination{2, 123}));
  QCOMPARE(values.fsModifiers, 2);
  QCOMPARE(values.VK_Code, 123);
}

void TestFrmOptions::storedModifierCombinationHasNoItem() {
  TOptionsValues values = StoredValues();
  values.fsModifiers = 3;
  m_dlg->Fill(values);
  QCOMPARE(m_dlg->cbModifiers->currentIndex(), -1);
  QCOMPARE(m_dlg->FModifiers, 3);
  QVERIFY(Run(values, [this] { QTest::mouseClick(m_dlg->btnOk, Qt::LeftButton); }));
  QCOMPARE(values.fsModifiers, 3);
  QCOMPARE(m_hotKeys->Attempts.size(), 0);

  // A refusal while no item shows reads with an empty modifier part.
  m_hotKeys->Refuse(3, 120);
  QVERIFY(!Run(values, [this] {
    QTest::keyClick(m_dlg->edKey, Qt::Key_F9);
    QTest::mouseClick(m_dlg->btnOk, Qt::LeftButton);
    QTest::mouseClick(m_dlg->btnCancel, Qt::LeftButton);
  }));
  QCOMPARE(m_boxes->Texts(TScriptedMessageBoxes::Kind::Error),
           QStringList{QStringLiteral("Комбинация +F9 уже используется в вашей системе")});
  QCOMPARE(m_hotKeys->Registered, std::optional<Combination>(Combination{3, 123}));

  // A later opening keeps whatever item the list showed before.
  values.fsModifiers = 2;
  m_dlg->Fill(values);
  values.fsModifiers = 3;
  m_dlg->Fill(values);
  QCOMPARE(m_dlg->cbModifiers->currentText(), QStringLiteral("Control"));
  QCOMPARE(m_dlg->FModifiers, 3);
  // Picking an item replaces the combination.
  m_dlg->cbModifiers->setCurrentIndex(2);
  emit m_dlg->cbModifiers->activated(2);
  QCOMPARE(m_dlg->FModifiers, 4);
}

void TestFrmOptions::storedKeyWithoutNameOpensEmpty() {
  for (quint16 stored : {quint16(0), quint16(37), quint16(0x141)}) {
    m_hotKeys->Attempts.clear();
    TOptionsValues values = StoredValues();
    values.VK_Code = stored;
    m_dlg->Fill(values);
    QCOMPARE(m_dlg->edKey->text(), QString());
    QCOMPARE(m_dlg->FKeyCode, 0);
    const bool accepted = Run(values, [this] { QTest::mouseClick(m_dlg->btnOk, Qt::LeftButton); });
    if (stored == 0) {
      // Nothing differs from the stored pair: nothing to register.
      QVERIFY(accepted);
      QCOMPARE(m_hotKeys->Attempts.size(), 0);
    } else {
      // The field's empty key counts as a change and is tried as key 0.
      QVERIFY(accepted);
      QCOMPARE(m_hotKeys->Attempts, (QList<Combination>{{2, 0}}));
      QCOMPARE(values.VK_Code, 0);
    }
  }
}

void TestFrmOptions::spinFieldFiltersTyping() {
  TSpinEdit* spin = m_dlg->edNExpression;
  spin->SetValue(5);
  spin->selectAll();
  QTest::keyClicks(spin, QStringLiteral("1a2"));
  QCOMPARE(spin->text(), QStringLiteral("12"));
  QCOMPARE(m_boxes->Beeps, 1);
  QTest::keyClick(spin, Qt::Key_Return);
  QCOMPARE(m_boxes->Beeps, 2);
  QTest::keyClicks(spin, QStringLiteral("+-"));
  QCOMPARE(spin->text(), QStringLiteral("12+-"));
  QCOMPARE(m_boxes->Beeps, 2);
  QCOMPARE(spin->Value(), 0);  // not a whole number
  QTest::keyClick(spin, Qt::Key_Backspace);
  QTest::keyClick(spin, Qt::Key_Backspace);
  QCOMPARE(spin->Value(), 12);
  QCOMPARE(m_boxes->Beeps, 2);
}

void TestFrmOptions::spinFieldClampsWhenLeft() {
  ShowAndActivate();
  TSpinEdit* spin = m_dlg->edNDigit;
  auto typeAndLeave = [&](const QString& typed) -> QString {
    spin->setFocus();
    if (!QTest::qWaitFor([&] { return spin->hasFocus(); })) return QStringLiteral("<no focus>");
    spin->selectAll();
    QTest::keyClick(spin, Qt::Key_Delete);
    QTest::keyClicks(spin, typed);
    m_dlg->cbInTray->setFocus();
    if (!QTest::qWaitFor([&] { return !spin->hasFocus(); })) return QStringLiteral("<focus kept>");
    return spin->text();
  };
  QCOMPARE(typeAndLeave(QStringLiteral("500")), QStringLiteral("18"));
  QCOMPARE(typeAndLeave(QStringLiteral("-5")), QStringLiteral("0"));
  QCOMPARE(typeAndLeave(QStringLiteral("7")), QStringLiteral("7"));
  // Not a number: stays as typed and reads as the lower limit.
  QCOMPARE(typeAndLeave(QStringLiteral("1-2")), QStringLiteral("1-2"));
  QCOMPARE(spin->Value(), 0);
  QCOMPARE(typeAndLeave(QString()), QString());
  TOptionsValues read = m_dlg->Read();
  QCOMPARE(read.NDigit, 0);
}

void TestFrmOptions::spinFieldArrowsStayInRange() {
  TSpinEdit* spin = m_dlg->edNDigit;
  spin->SetValue(17);
  QTest::keyClick(spin, Qt::Key_Up);
  QCOMPARE(spin->text(), QStringLiteral("18"));
  spin->stepBy(1);
  QCOMPARE(spin->text(), QStringLiteral("18"));
  QTest::keyClick(spin, Qt::Key_Down);
  QCOMPARE(spin->Value(), 17);
  spin->SetValue(0);
  spin->stepBy(-1);
  QCOMPARE(spin->text(), QStringLiteral("0"));
}

void TestFrmOptions::helpShowsTopicThree() {
  QTest::keyClick(m_dlg->cbInTray, Qt::Key_F1);
  QCOMPARE(m_help->Requests, (QList<TRecordingHelpViewer::Request>{{QStringLiteral("Tamrix.hlp"), 3}}));
}

void TestFrmOptions::mainWindowSettingsRoundTrip() {
  bool inTray = true, exprMem = false, closeQuery = false;
  std::int32_t nExpres = 10;
  TZQParser parser;
  parser.NDigit = 12;
  parser.DecimalSeparator = ',';
  parser.ArgumentSeparator = ';';
  std::uint16_t modifiers = 2, key = 123;
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(13);
  QList<QFont> applied;
  int digitsWhenFontApplied = -1;
  TOptionsTarget target{inTray, exprMem, closeQuery, nExpres, parser, modifiers, key,
                        [&] { return font; },
                        [&](const QFont& f) {
                          applied << f;
                          digitsWhenFontApplied = parser.NDigit;
                        }};

  // Cancel: nothing is written, not even the font.
  QTimer::singleShot(0, m_dlg, [this] {
    m_dlg->cbInTray->setChecked(false);
    m_dlg->edNDigit->SetValue(3);
    QTest::mouseClick(m_dlg->btnCancel, Qt::LeftButton);
    if (m_dlg->isVisible()) m_dlg->done(99);
  });
  QVERIFY(!RunOptionsDialog(*m_dlg, target));
  QCOMPARE(inTray, true);
  QVERIFY(applied.isEmpty());
  QCOMPARE(parser.NDigit, 12);

  bool filledFromWindow = false;
  QTimer::singleShot(0, m_dlg, [&] {
    TfrmOptions& d = *m_dlg;
    filledFromWindow = d.rgSeparatorsItem1->isChecked() && d.edNDigit->Value() == 12 &&
                       d.edNExpression->Value() == 10 && d.cbInTray->isChecked() && d.edFont->font() == font;
    QTest::mouseClick(d.cbInTray, Qt::LeftButton);
    QTest::mouseClick(d.cbMemory, Qt::LeftButton);
    QTest::mouseClick(d.cbCloseQuery, Qt::LeftButton);
    d.edNDigit->SetValue(5);
    d.edNExpression->SetValue(77);
    QTest::mouseClick(d.rgSeparatorsItem0, Qt::LeftButton);
    d.cbModifiers->setCurrentIndex(0);
    emit d.cbModifiers->activated(0);
    QTest::keyClick(d.edKey, Qt::Key_K);
    QTest::mouseClick(d.btnOk, Qt::LeftButton);
    if (d.isVisible()) d.done(99);
  });
  QVERIFY(RunOptionsDialog(*m_dlg, target));
  QVERIFY(filledFromWindow);
  QCOMPARE(inTray, false);
  QCOMPARE(exprMem, true);
  QCOMPARE(closeQuery, true);
  QCOMPARE(parser.NDigit, 5);
  QCOMPARE(nExpres, 77);
  QCOMPARE(parser.DecimalSeparator, '.');
  QCOMPARE(parser.ArgumentSeparator, ',');
  QCOMPARE(modifiers, 1);
  QCOMPARE(key, 'K');
  QCOMPARE(applied, QList<QFont>{font});
  QCOMPARE(digitsWhenFontApplied, 5);  // the font comes last
}

QTEST_MAIN(TestFrmOptions)
#include "tst_frmoptions.moc"
