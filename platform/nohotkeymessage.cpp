// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/nohotkeymessage.h"

#include <cstdio>

void SayNoGlobalHotKey(const QString& reason) {
  std::fprintf(stderr, "tamrix: no global hot key on this desktop (%s); bind 'tamrix --toggle' to a key\n",
               reason.toLocal8Bit().constData());
}
