// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/formatbutton.h"

#include "format/zqformat.h"

void TFormatButton::SetCode(int code) {
  Tag = code;
  setText(QString::fromUtf8(FormatCaption(code)));
}
