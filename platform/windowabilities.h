// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the desktop lets a program do with its windows. A Wayland desktop
// keeps these to itself: it places windows, decides what stays on top, and
// does not tell a program that its window was minimised.
struct TWindowAbilities {
  // A window moved to a place stays there, and its place can be read back.
  bool PlacesWindows = true;
  // A program can keep its window above the others.
  bool KeepsOnTop = true;
  // A minimised window is reported as minimised.
  bool ReportsMinimized = true;
};

// The abilities of the platform the program runs on.
TWindowAbilities PlatformWindowAbilities();
