// SPDX-License-Identifier: GPL-3.0-or-later
// The translation of the settings' Windows key description into X11 terms.
#include <QtTest>

#include <X11/X.h>
#include <X11/XF86keysym.h>
#include <X11/keysym.h>

#include "platform/x11keysyms.h"
#include "platform/xdgtrigger.h"

class TestX11Keysyms : public QObject {
  Q_OBJECT
 private slots:
  void keysym_data();
  void keysym();
  void modifiers_data();
  void modifiers();
  void portalTrigger_data();
  void portalTrigger();
};

void TestX11Keysyms::keysym_data() {
  QTest::addColumn<int>("vk");
  QTest::addColumn<qulonglong>("keysym");
  auto row = [](const char* name, int vk, unsigned long keysym) {
    QTest::newRow(name) << vk << qulonglong(keysym);
  };
  // Letters and digits: the key's unshifted keysym.
  row("A", 'A', XK_a);
  row("M", 'M', XK_m);
  row("Z", 'Z', XK_z);
  row("0", '0', XK_0);
  row("9", '9', XK_9);
  // Function keys, the whole run.
  row("F1", 0x70, XK_F1);
  row("F12", 0x7B, XK_F12);
  row("F13", 0x7C, XK_F13);
  row("F24", 0x87, XK_F24);
  // Navigation and editing.
  row("Left", 0x25, XK_Left);
  row("Up", 0x26, XK_Up);
  row("Right", 0x27, XK_Right);
  row("Down", 0x28, XK_Down);
  row("Home", 0x24, XK_Home);
  row("End", 0x23, XK_End);
  row("PgUp", 0x21, XK_Prior);
  row("PgDn", 0x22, XK_Next);
  row("Insert", 0x2D, XK_Insert);
  row("Delete", 0x2E, XK_Delete);
  row("Space", 0x20, XK_space);
  row("Tab", 0x09, XK_Tab);
  row("Enter", 0x0D, XK_Return);
  row("Esc", 0x1B, XK_Escape);
  row("Backspace", 0x08, XK_BackSpace);
  row("Pause", 0x13, XK_Pause);
  row("PrintScreen", 0x2C, XK_Print);
  row("ScrollLock", 0x91, XK_Scroll_Lock);
  row("Apps", 0x5D, XK_Menu);
  // Number pad.
  row("Num0", 0x60, XK_KP_0);
  row("Num9", 0x69, XK_KP_9);
  row("Num*", 0x6A, XK_KP_Multiply);
  row("Num+", 0x6B, XK_KP_Add);
  row("Num-", 0x6D, XK_KP_Subtract);
  row("Num.", 0x6E, XK_KP_Decimal);
  row("Num/", 0x6F, XK_KP_Divide);
  // Punctuation on a US layout.
  row(";", 0xBA, XK_semicolon);
  row("=", 0xBB, XK_equal);
  row(",", 0xBC, XK_comma);
  row("-", 0xBD, XK_minus);
  row(".", 0xBE, XK_period);
  row("/", 0xBF, XK_slash);
  row("`", 0xC0, XK_grave);
  row("[", 0xDB, XK_bracketleft);
  row("\\", 0xDC, XK_backslash);
  row("]", 0xDD, XK_bracketright);
  row("'", 0xDE, XK_apostrophe);
  row("<> of 102 keys", 0xE2, XK_less);
  row("mute", 0xAD, XF86XK_AudioMute);
  // Codes without a key: no keysym, so registration can refuse them.
  row("none 0", 0, NoSymbol);
  row("mouse button 1", 0x01, NoSymbol);
  row("unassigned 0x07", 0x07, NoSymbol);
  row("reserved 0x0A", 0x0A, NoSymbol);
  row("unassigned 0x5E", 0x5E, NoSymbol);
  row("0x88 after F24", 0x88, NoSymbol);
  row("0xFF", 0xFF, NoSymbol);
  row("beyond a byte", 0x1070, NoSymbol);
}

void TestX11Keysyms::keysym() {
  QFETCH(int, vk);
  QFETCH(qulonglong, keysym);
  QCOMPARE(qulonglong(VkToKeysym(quint16(vk))), keysym);
}

void TestX11Keysyms::modifiers_data() {
  QTest::addColumn<int>("flags");
  QTest::addColumn<uint>("mask");
  QTest::newRow("none") << 0 << 0u;
  QTest::newRow("Alt") << 1 << uint(Mod1Mask);
  QTest::newRow("Control") << 2 << uint(ControlMask);
  QTest::newRow("Shift") << 4 << uint(ShiftMask);
  QTest::newRow("Windows") << 8 << uint(Mod4Mask);
  QTest::newRow("Alt+Control") << 3 << uint(Mod1Mask | ControlMask);
  QTest::newRow("Control+Shift") << 6 << uint(ControlMask | ShiftMask);
  QTest::newRow("all three") << 7 << uint(Mod1Mask | ControlMask | ShiftMask);
  // "No repeat" and other bits have no X counterpart and must not leak
  // into the mask as some lock modifier.
  QTest::newRow("Control + no repeat") << (2 | 0x4000) << uint(ControlMask);
  QTest::newRow("unknown bits only") << 0xFFF0 << 0u;
}

void TestX11Keysyms::modifiers() {
  QFETCH(int, flags);
  QFETCH(uint, mask);
  QCOMPARE(X11ModifierMask(quint16(flags)), mask);
}


// The stored key as the desktop portal's preferred trigger.
void TestX11Keysyms::portalTrigger_data() {
  QTest::addColumn<int>("fsModifiers");
  QTest::addColumn<int>("vk");
  QTest::addColumn<QString>("trigger");
  QTest::newRow("the default") << 2 << 0x7B << "CTRL+F12";
  QTest::newRow("Alt and a letter") << 1 << int('K') << "ALT+k";
  QTest::newRow("Shift and Page Down") << 4 << 0x22 << "SHIFT+Next";
  QTest::newRow("a stored sum") << 7 << 0x70 << "CTRL+ALT+SHIFT+F1";
  QTest::newRow("the Windows key") << 8 << int('1') << "LOGO+1";
  QTest::newRow("no modifier") << 0 << 0x13 << "Pause";
  QTest::newRow("a key without a name: no wish") << 2 << 0 << "";
  QTest::newRow("a code beyond the keys") << 2 << 0xFFFF << "";
}

void TestX11Keysyms::portalTrigger() {
  QFETCH(int, fsModifiers);
  QFETCH(int, vk);
  QFETCH(QString, trigger);
  QCOMPARE(XdgShortcutTrigger(quint16(fsModifiers), quint16(vk)), trigger);
}

QTEST_APPLESS_MAIN(TestX11Keysyms)
#include "tst_x11keysyms.moc"
