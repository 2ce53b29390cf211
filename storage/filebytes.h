// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole-file reading and the safe replacement of a file.
#include <cstddef>
#include <string>
#include <string_view>

enum class TReadStatus {
  Ok,
  Missing,     // no file of that name
  CannotOpen,  // exists, but cannot be opened (no right, a folder, too large)
  Failed,      // opened, but reading broke off
};

struct TFileBytes {
  TReadStatus Status = TReadStatus::Missing;
  std::string Bytes;
};

// Files larger than this are not read at all: none of the program's files
// comes anywhere near it, and it keeps a hostile file from exhausting memory.
inline constexpr std::size_t kMaxFileSize = 256u << 20;

TFileBytes ReadFileBytes(const std::string& path);

bool FileExists(const std::string& path);

// Replaces the file by bytes: writes a temporary file in the same folder and
// renames it over the old one, so the file is either wholly old or wholly new.
// Creates the folder when it does not exist yet. Returns false on failure,
// with the old file untouched and no temporary file left behind.
bool WriteFileAtomic(const std::string& path, std::string_view bytes);
