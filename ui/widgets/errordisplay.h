// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's general error display for failures any window meets: the
// message box with the program's title and the error icon.
#include <string>

class QWidget;

// The text as that display shows it: a full stop is added when the text
// ends in anything sorting after "." (a letter, a digit, a quote...).
std::string GeneralErrorText(std::string text);

// Shows text, in the interface's language when it is a message of the
// engine or of storage, through MessageBoxes().ShowException, owned by owner.
void ShowGeneralError(QWidget* owner, const std::string& text);
