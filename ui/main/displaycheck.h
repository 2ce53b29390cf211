// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether the window can open at all. The toolkit aborts the program (and
// leaves a core dump) when its platform finds no display, so the program
// entry asks first and ends with a message instead.

// True when the platform the toolkit will use has something to draw on: an
// X display named by DISPLAY, a Wayland socket (WAYLAND_SOCKET, or
// WAYLAND_DISPLAY, "wayland-0" when unset, in XDG_RUNTIME_DIR), or a
// platform needing neither (-platform NAME or QT_QPA_PLATFORM, such as
// offscreen). Reads only the environment and the file system.
bool HasDisplay(int argc, char** argv);

inline constexpr const char* kNoDisplayMessage = "tamrix: no display; use --eval to calculate without a window";
