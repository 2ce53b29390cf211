// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's folders that the data folder may fall back to, taken from the
// environment in this one place.
#include <string>

struct TUserDirs {
  std::string XdgConfigHome;  // $XDG_CONFIG_HOME, may be empty
  std::string Home;           // $HOME, may be empty
};

TUserDirs ReadUserDirs();
