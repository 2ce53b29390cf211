// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/formatbutton.h"

#include <QEvent>

#include "ui/main/formattexts.h"
#include "ui/widgets/accessibility.h"

void TFormatButton::SetCode(int code) {
  Tag = code;
  setText(FormatButtonText(code));
  // The caption is a letter or two; a screen reader hears the format whole.
  setAccessibleDescription(FormatCodeText(code));
}

void TFormatButton::changeEvent(QEvent* event) {
  QToolButton::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) SetCode(Tag);
}
