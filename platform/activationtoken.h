// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A Wayland desktop brings a window to the front only with an activation
// token from whoever the user acted on (the launcher, the desktop's key).
// The toolkit reads the token from XDG_ACTIVATION_TOKEN when the window
// next asks to be activated, and forgets it there.
#include <QString>

// Hands the token to the toolkit for the next activation; an empty token
// changes nothing.
void OfferActivationToken(const QString& token);

// The token a launcher handed this process: XDG_ACTIVATION_TOKEN, or else
// the older DESKTOP_STARTUP_ID, which launchers that know only startup
// notification set; empty when there is none.
QString LauncherActivationToken();
