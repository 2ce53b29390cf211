// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/errordisplay.h"

#include <QString>

#include "language/messagecatalogue.h"
#include "platform/messageboxes.h"
#include "storage/storageerror.h"

std::string GeneralErrorText(std::string text) {
  // Compared as unsigned bytes, so a message ending in a Cyrillic letter
  // (a UTF-8 continuation byte) gets its full stop too.
  if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
  return text;
}

void ShowGeneralError(QWidget* owner, const std::string& text) {
  MessageBoxes().ShowException(owner, QString::fromStdString(GeneralErrorText(text)));
}

std::string ErrorText(const std::exception& e) {
  if (const auto* storage = dynamic_cast<const EStorageError*>(&e)) return MessageText(storage->Message);
  return e.what();
}

void ShowGeneralError(QWidget* owner, const std::exception& e) {
  MessageBoxes().ShowException(owner, QString::fromStdString(GeneralErrorText(ErrorText(e))));
}
