// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/activationtoken.h"

#include <QtGlobal>

void OfferActivationToken(const QString& token) {
  // A token is one line of printable text; anything else is no token.
  if (token.isEmpty() || token.size() > 1024) return;
  for (QChar c : token)
    if (c.unicode() < 0x21 || c.unicode() > 0x7E) return;
  qputenv("XDG_ACTIVATION_TOKEN", token.toLatin1());
}

QString LauncherActivationToken() {
  const QString token = qEnvironmentVariable("XDG_ACTIVATION_TOKEN");
  return token.isEmpty() ? qEnvironmentVariable("DESKTOP_STARTUP_ID") : token;
}
