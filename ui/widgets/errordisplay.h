// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's general error display for failures any window meets: the
// message box with the program's title and the error icon.
#include <exception>
#include <string>

class QWidget;

// The text as that display shows it: a full stop is added when the text
// ends in anything sorting after "." (a letter, a digit, a quote...).
std::string GeneralErrorText(std::string text);

// Shows text, already in the interface's language (a message of the core
// gets there by its id: MessageText, ErrorText), through
// MessageBoxes().ShowException, owned by owner.
void ShowGeneralError(QWidget* owner, const std::string& text);

// A failure's message in the interface's language: a storage failure's by
// its id and path, any other its own text.
std::string ErrorText(const std::exception& e);

// Shows the failure's message (ErrorText) as ShowGeneralError does a text.
void ShowGeneralError(QWidget* owner, const std::exception& e);
