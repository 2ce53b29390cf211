// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/formatbutton.h"

#include <QEvent>

#include "ui/main/formattexts.h"

void TFormatButton::SetCode(int code) {
  Tag = code;
  setText(FormatButtonText(code));
}

void TFormatButton::changeEvent(QEvent* event) {
  QToolButton::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) setText(FormatButtonText(Tag));
}
