// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hint of a button is its tooltip and, for screen readers, its name. A
// toggle's hint names the next action: its name and "/Вкл" or "/Откл" (in
// the interface's language); the accessible name leaves that ending out, so
// it stays the button's name in either state.
#include <QKeySequence>
#include <QString>

class QWidget;

// key: the button's key, shown after the hint in brackets, as "(F5)" is.
void SetHint(QWidget* button, const QString& hint, const QKeySequence& key = {});
// turnsOn: the click switches the toggle on ("/Вкл"), else off ("/Откл").
void SetToggleHint(QWidget* button, const QString& name, bool turnsOn, const QKeySequence& key = {});
// The accessible name a hint gives: on one line.
QString HintName(const QString& hint);
