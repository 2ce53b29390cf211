// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/userdirs.h"

#include <cstdlib>

TUserDirs ReadUserDirs() {
  TUserDirs dirs;
  if (const char* v = std::getenv("XDG_CONFIG_HOME")) dirs.XdgConfigHome = v;
  if (const char* v = std::getenv("HOME")) dirs.Home = v;
  return dirs;
}
