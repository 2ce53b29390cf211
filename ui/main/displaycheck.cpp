// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/displaycheck.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace {

std::string_view Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string_view(value) : std::string_view();
}

bool HasX11Display() { return !Env("DISPLAY").empty(); }

bool HasWaylandSocket() {
  if (!Env("WAYLAND_SOCKET").empty()) return true;  // a connection handed over by the launcher
  std::string_view name = Env("WAYLAND_DISPLAY");
  if (name.empty()) name = "wayland-0";
  std::filesystem::path socket(name);
  if (socket.is_relative()) {
    const std::string_view runtime = Env("XDG_RUNTIME_DIR");
    if (runtime.empty()) return false;
    socket = std::filesystem::path(runtime) / socket;
  }
  std::error_code ec;
  return std::filesystem::is_socket(socket, ec);
}

// The platform asked for: "-platform NAME", else QT_QPA_PLATFORM (both may
// list fall-backs separated by ';' and carry ":options"); empty when none.
std::string_view RequestedPlatforms(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "-platform" && i + 1 < argc) return argv[i + 1];
    if (arg.starts_with("-platform=")) return arg.substr(10);
  }
  return Env("QT_QPA_PLATFORM");
}

}  // namespace

bool HasDisplay(int argc, char** argv) {
  std::string_view platforms = RequestedPlatforms(argc, argv);
  if (platforms.empty()) return HasX11Display() || HasWaylandSocket();
  while (!platforms.empty()) {
    const size_t end = platforms.find(';');
    std::string_view name = platforms.substr(0, end);
    name = name.substr(0, name.find(':'));
    if (name.starts_with("xcb")) {
      if (HasX11Display()) return true;
    } else if (name.starts_with("wayland")) {
      if (HasWaylandSocket()) return true;
    } else if (!name.empty()) {
      return true;  // offscreen, minimal, vnc, a frame buffer: no display server needed
    }
    platforms = end == std::string_view::npos ? std::string_view() : platforms.substr(end + 1);
  }
  return false;
}
