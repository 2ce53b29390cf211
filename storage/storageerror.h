// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The failure of a file operation of the storage layer. It carries its
// message as data, an id and the file's path, so that the window or the
// command line that shows it can put it into the interface's language by the
// id; what() is the message in the program's own words ("Unable to write to
// <path>", "Cannot create file <path>", "Stream read error: <path>").
#include <stdexcept>
#include <string>

enum class TStorageMessageId { UnableToWrite, CannotCreateFile, StreamReadError };

struct TStorageMessage {
  TStorageMessageId Id = TStorageMessageId::UnableToWrite;
  std::string Path;
};

// The message's pattern, "%s" standing for the file's path.
inline const char* StorageMessagePattern(TStorageMessageId id) {
  switch (id) {
    case TStorageMessageId::UnableToWrite:
      return "Unable to write to %s";
    case TStorageMessageId::CannotCreateFile:
      return "Cannot create file %s";
    case TStorageMessageId::StreamReadError:
      return "Stream read error: %s";
  }
  return "%s";
}

// The message in the program's own words.
inline std::string StorageMessageText(const TStorageMessage& message) {
  std::string text = StorageMessagePattern(message.Id);
  return text.replace(text.find("%s"), 2, message.Path);
}

class EStorageError : public std::runtime_error {
 public:
  EStorageError(TStorageMessageId id, const std::string& path)
      : std::runtime_error(StorageMessageText({id, path})), Message{id, path} {}
  TStorageMessage Message;
};
