// SPDX-License-Identifier: GPL-3.0-or-later
// Key names of the hot-key field, the modifier list's flags, and Qt key
// presses as the virtual-key codes the settings file keeps.
#include <QtTest>
#include <string>

#include "platform/qtvirtualkey.h"
#include "ui/options/hotkeymodifiers.h"
#include "ui/options/keynames.h"

class TestKeyNames : public QObject {
  Q_OBJECT
 private slots:
  void namedKeys_data();
  void namedKeys();
  void functionKeysAreAllNamed();
  void layoutCharacters_data();
  void layoutCharacters();
  void keysWithoutNameOrCharacter_data();
  void keysWithoutNameOrCharacter();
  void modifierIndexToFlags();
  void modifierFlagsToIndex();
  void qtKeys_data();
  void qtKeys();
};

void TestKeyNames::namedKeys_data() {
  QTest::addColumn<uint>("code");
  QTest::addColumn<QString>("name");
  QTest::newRow("tab") << 9u << "TAB";
  QTest::newRow("pause") << 19u << "PAUSE";
  QTest::newRow("space") << 32u << "SPACE";
  QTest::newRow("page up") << 33u << "Page Up";
  QTest::newRow("page down") << 34u << "Page Down";
  QTest::newRow("end") << 35u << "END";
  QTest::newRow("home") << 36u << "HOME";
  QTest::newRow("insert") << 45u << "INSERT";
  QTest::newRow("delete") << 46u << "DELETE";
  QTest::newRow("num lock") << 144u << "NUMLOCK";
  QTest::newRow("scroll lock") << 145u << "SCROLL";
}

void TestKeyNames::namedKeys() {
  QFETCH(uint, code);
  QFETCH(QString, name);
  QCOMPARE(QString::fromStdString(KeyCodeToName(code)), name);
}

void TestKeyNames::functionKeysAreAllNamed() {
  for (uint code = 112; code <= 135; ++code) {
    QCOMPARE(QString::fromStdString(KeyCodeToName(code)), QStringLiteral("F%1").arg(code - 111));
  }
}

void TestKeyNames::layoutCharacters_data() {
  QTest::addColumn<uint>("code");
  QTest::addColumn<QString>("name");
  QTest::newRow("A") << 0x41u << "A";
  QTest::newRow("Q") << 0x51u << "Q";
  QTest::newRow("Z") << 0x5Au << "Z";
  QTest::newRow("0") << 0x30u << "0";
  QTest::newRow("9") << 0x39u << "9";
  QTest::newRow("pad 0") << 0x60u << "0";
  QTest::newRow("pad 7") << 0x67u << "7";
  QTest::newRow("pad 9") << 0x69u << "9";
  QTest::newRow("pad *") << 0x6Au << "*";
  QTest::newRow("pad +") << 0x6Bu << "+";
  QTest::newRow("pad -") << 0x6Du << "-";
  QTest::newRow("pad .") << 0x6Eu << ".";
  QTest::newRow("pad /") << 0x6Fu << "/";
  QTest::newRow(";") << 0xBAu << ";";
  QTest::newRow("=") << 0xBBu << "=";
  QTest::newRow(",") << 0xBCu << ",";
  QTest::newRow("-") << 0xBDu << "-";
  QTest::newRow(".") << 0xBEu << ".";
  QTest::newRow("/") << 0xBFu << "/";
  QTest::newRow("`") << 0xC0u << "`";
  QTest::newRow("[") << 0xDBu << "[";
  QTest::newRow("backslash") << 0xDCu << "\\";
  QTest::newRow("]") << 0xDDu << "]";
  QTest::newRow("quote") << 0xDEu << "'";
  QTest::newRow("102nd key") << 0xE2u << "\\";
  QTest::newRow("backspace") << 8u << QString(QChar(8));
  QTest::newRow("enter") << 13u << QString(QChar(13));
  QTest::newRow("escape") << 27u << QString(QChar(27));
}

void TestKeyNames::layoutCharacters() {
  QFETCH(uint, code);
  QFETCH(QString, name);
  QCOMPARE(QString::fromStdString(KeyCodeToName(code)), name);
}

void TestKeyNames::keysWithoutNameOrCharacter_data() {
  QTest::addColumn<uint>("code");
  QTest::newRow("none") << 0u;
  QTest::newRow("shift") << 16u;
  QTest::newRow("control") << 17u;
  QTest::newRow("alt") << 18u;
  QTest::newRow("caps lock") << 20u;
  QTest::newRow("left") << 37u;
  QTest::newRow("up") << 38u;
  QTest::newRow("right") << 39u;
  QTest::newRow("down") << 40u;
  QTest::newRow("print screen") << 44u;
  QTest::newRow("windows key") << 0x5Bu;
  QTest::newRow("pad separator") << 0x6Cu;
  QTest::newRow("F25") << 136u;
  QTest::newRow("255") << 255u;
  // Codes beyond one byte are no keys, even when their low byte is one.
  QTest::newRow("A + 256") << 0x141u;
  QTest::newRow("F12 + 256") << 0x17Bu;
  QTest::newRow("65535") << 65535u;
}

void TestKeyNames::keysWithoutNameOrCharacter() {
  QFETCH(uint, code);
  QCOMPARE(KeyCodeToName(code), std::string());
}

void TestKeyNames::modifierIndexToFlags() {
  QCOMPARE(ModifierIndexToFlags(0), 1);
  QCOMPARE(ModifierIndexToFlags(1), 2);
  QCOMPARE(ModifierIndexToFlags(2), 4);
  QCOMPARE(ModifierIndexToFlags(-1), 0);
  QCOMPARE(ModifierIndexToFlags(3), 0);
}

void TestKeyNames::modifierFlagsToIndex() {
  QCOMPARE(ModifierFlagsToIndex(1), std::optional<int>(0));
  QCOMPARE(ModifierFlagsToIndex(2), std::optional<int>(1));
  QCOMPARE(ModifierFlagsToIndex(4), std::optional<int>(2));
  for (uint flags : {0u, 3u, 5u, 6u, 7u, 8u, 0x10002u}) QVERIFY(!ModifierFlagsToIndex(flags).has_value());
}

void TestKeyNames::qtKeys_data() {
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("modifiers");
  QTest::addColumn<uint>("x11KeyCode");
  QTest::addColumn<int>("vk");
  const int none = Qt::NoModifier;
  const int shift = Qt::ShiftModifier;
  const int pad = Qt::KeypadModifier;
  QTest::newRow("A") << int(Qt::Key_A) << none << 0u << 0x41;
  QTest::newRow("shift A") << int(Qt::Key_A) << shift << 0u << 0x41;
  QTest::newRow("5") << int(Qt::Key_5) << none << 0u << 0x35;
  QTest::newRow("shift 1 types !") << int(Qt::Key_Exclam) << shift << 0u << 0x31;
  QTest::newRow("pad 5") << int(Qt::Key_5) << pad << 0u << 0x65;
  QTest::newRow("pad *") << int(Qt::Key_Asterisk) << pad << 0u << 0x6A;
  QTest::newRow("shift 8 types *") << int(Qt::Key_Asterisk) << shift << 0u << 0x38;
  QTest::newRow("pad +") << int(Qt::Key_Plus) << pad << 0u << 0x6B;
  QTest::newRow("shift = types +") << int(Qt::Key_Plus) << shift << 0u << 0xBB;
  QTest::newRow("pad -") << int(Qt::Key_Minus) << pad << 0u << 0x6D;
  QTest::newRow("-") << int(Qt::Key_Minus) << none << 0u << 0xBD;
  QTest::newRow("pad .") << int(Qt::Key_Period) << pad << 0u << 0x6E;
  QTest::newRow("pad /") << int(Qt::Key_Slash) << pad << 0u << 0x6F;
  QTest::newRow("pad enter") << int(Qt::Key_Enter) << pad << 0u << 0x0D;
  QTest::newRow("pad home without num lock") << int(Qt::Key_Home) << pad << 0u << 0x24;
  QTest::newRow("?") << int(Qt::Key_Question) << shift << 0u << 0xBF;
  QTest::newRow("~") << int(Qt::Key_AsciiTilde) << shift << 0u << 0xC0;
  QTest::newRow("{") << int(Qt::Key_BraceLeft) << shift << 0u << 0xDB;
  QTest::newRow("|") << int(Qt::Key_Bar) << shift << 0u << 0xDC;
  QTest::newRow("quote") << int(Qt::Key_Apostrophe) << none << 0u << 0xDE;
  QTest::newRow("F13") << int(Qt::Key_F13) << none << 0u << 124;
  QTest::newRow("F24") << int(Qt::Key_F24) << none << 0u << 135;
  QTest::newRow("page up") << int(Qt::Key_PageUp) << none << 0u << 33;
  QTest::newRow("page down") << int(Qt::Key_PageDown) << none << 0u << 34;
  QTest::newRow("backspace") << int(Qt::Key_Backspace) << none << 0u << 8;
  QTest::newRow("enter") << int(Qt::Key_Return) << none << 0u << 13;
  QTest::newRow("escape") << int(Qt::Key_Escape) << none << 0u << 27;
  QTest::newRow("tab") << int(Qt::Key_Tab) << none << 0u << 9;
  QTest::newRow("pause") << int(Qt::Key_Pause) << none << 0u << 19;
  QTest::newRow("space") << int(Qt::Key_Space) << none << 0u << 32;
  QTest::newRow("insert") << int(Qt::Key_Insert) << none << 0u << 45;
  QTest::newRow("delete") << int(Qt::Key_Delete) << none << 0u << 46;
  QTest::newRow("num lock") << int(Qt::Key_NumLock) << none << 0u << 144;
  QTest::newRow("scroll lock") << int(Qt::Key_ScrollLock) << none << 0u << 145;
  QTest::newRow("shift alone") << int(Qt::Key_Shift) << shift << 0u << 16;
  QTest::newRow("control alone") << int(Qt::Key_Control) << int(Qt::ControlModifier) << 0u << 17;
  QTest::newRow("alt alone") << int(Qt::Key_Alt) << int(Qt::AltModifier) << 0u << 18;
  QTest::newRow("left") << int(Qt::Key_Left) << none << 0u << 37;
  // A Cyrillic layout (Qt gives the letter's code): the physical key decides.
  QTest::newRow("Cyrillic Q key") << 0x0419 << none << 24u << 0x51;
  QTest::newRow("Cyrillic period key") << 0x042E << none << 60u << 0xBE;
  QTest::newRow("Cyrillic without key code") << 0x0419 << none << 0u << 0;
  QTest::newRow("Latin key wins over key code") << int(Qt::Key_B) << none << 24u << 0x42;
  QTest::newRow("unknown") << int(Qt::Key_unknown) << none << 0u << 0;
  QTest::newRow("media key") << int(Qt::Key_VolumeUp) << none << 0u << 0;
}

void TestKeyNames::qtKeys() {
  QFETCH(int, key);
  QFETCH(int, modifiers);
  QFETCH(uint, x11KeyCode);
  QFETCH(int, vk);
  QCOMPARE(int(VirtualKeyFromQtKey(key, Qt::KeyboardModifiers(modifiers), x11KeyCode)), vk);
}

QTEST_GUILESS_MAIN(TestKeyNames)
#include "tst_keynames.moc"
