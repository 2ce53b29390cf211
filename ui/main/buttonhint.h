// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hint of a button is its tooltip and, for screen readers, its name. A
// toggle's hint names the next action and ends in "/Вкл" or "/Откл"; the
// name leaves that ending out, so it stays the button's name in either state.
#include <QString>

class QWidget;

void SetHint(QWidget* button, const QString& hint);
// The accessible name a hint gives: without the toggle's ending, on one line.
QString HintName(const QString& hint);
