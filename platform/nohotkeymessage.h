// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one line on the standard error that says the program runs without a
// global hot key, and what to do instead.
#include <QString>

// reason: in brackets after the text, such as the platform's name.
void SayNoGlobalHotKey(const QString& reason);
