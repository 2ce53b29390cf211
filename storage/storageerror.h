// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The failure of a file operation of the storage layer; its text is the
// message the user sees ("Unable to write to <path>", "Cannot create file <path>").
#include <stdexcept>
#include <string>

class EStorageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The messages' patterns, "%s" standing for the file's path. A window that
// shows a message finds its translation by its pattern.
inline constexpr const char* kUnableToWrite = "Unable to write to %s";
inline constexpr const char* kCannotCreateFile = "Cannot create file %s";
inline constexpr const char* kStreamReadError = "Stream read error: %s";

// The message of pattern for the file at path.
inline std::string StorageMessage(std::string pattern, const std::string& path) {
  return pattern.replace(pattern.find("%s"), 2, path);
}
