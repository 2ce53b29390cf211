// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keys of the main window's buttons. F1, F5, F7 and Esc are the
// window's own keys (FormKeyDown); the other buttons are reached with
// Control and a letter that the input line does not use itself, so typing
// and editing the expression keep every key they had. The hints name these
// keys, and the help lists them.
#include <QKeySequence>

class QAbstractButton;
class QWidget;

enum class TMainKey { SysMenu, OnTop, Copy, Paste, Angle, Error, RollUp, Store, Format1, Format2, Format3 };

QKeySequence MainKey(TMainKey key);
// A key of window that clicks button, as a press of the mouse would.
void AddButtonKey(QWidget& window, QAbstractButton* button, TMainKey key);
