// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A profile (INI) file on disk. Every read and every write goes to the file at
// once; nothing is cached, so two objects (or two running copies of the
// program) on one file see each other's writes, key by key.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "storage/profiledocument.h"
#include "storage/storageerror.h"

class TProfileFile {
 public:
  explicit TProfileFile(std::string path) : m_path(std::move(path)) {}
  const std::string& Path() const { return m_path; }

  // Reads give the default when the file is missing or cannot be read.
  std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
  int ReadInteger(std::string_view section, std::string_view key, int def) const;
  bool ReadBool(std::string_view section, std::string_view key, bool def) const;
  std::vector<std::string> ReadSections() const;
  std::vector<std::string> ReadKeys(std::string_view section) const;

  // Each write rewrites the file (atomically). Throws EStorageError
  // "Unable to write to <path>" when it cannot; the file then stays as it was.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int value);
  void WriteBool(std::string_view section, std::string_view key, bool value);

  // The file's content now (empty when missing or unreadable): for reading
  // many keys with one reading of the file.
  TProfileDocument Load() const;
  // Many writes in one rewrite: reads the file, lets edit change it, writes
  // it back. Throws as the single writes do; when edit throws, nothing is
  // written. A file that exists but cannot be read is not overwritten.
  void Update(const std::function<void(TProfileDocument&)>& edit);

 private:
  std::string m_path;
};

