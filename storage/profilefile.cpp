// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/profilefile.h"

#include "storage/filebytes.h"

TProfileDocument TProfileFile::Load() const {
  const TFileBytes file = ReadFileBytes(m_path);
  if (file.Status != TReadStatus::Ok) return {};
  return TProfileDocument::FromFileBytes(file.Bytes);
}

std::string TProfileFile::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
  return Load().ReadString(section, key, def);
}

int TProfileFile::ReadInteger(std::string_view section, std::string_view key, int def) const {
  return Load().ReadInteger(section, key, def);
}

bool TProfileFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
  return Load().ReadBool(section, key, def);
}

std::vector<std::string> TProfileFile::ReadSections() const { return Load().ReadSections(); }

std::vector<std::string> TProfileFile::ReadKeys(std::string_view section) const {
  return Load().ReadKeys(section);
}

void TProfileFile::Update(const std::function<void(TProfileDocument&)>& edit) {
  TFileBytes file = ReadFileBytes(m_path);
  // Rewriting a file we could not read would wipe every key we did not set.
  if (file.Status != TReadStatus::Ok && file.Status != TReadStatus::Missing) {
    throw EStorageError(TStorageMessageId::UnableToWrite, m_path);
  }
  TProfileDocument doc = TProfileDocument::FromFileBytes(file.Bytes);
  file.Bytes.clear();
  file.Bytes.shrink_to_fit();
  edit(doc);
  if (!WriteFileAtomic(m_path, doc.ToFileBytes())) throw EStorageError(TStorageMessageId::UnableToWrite, m_path);
}

void TProfileFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  Update([&](TProfileDocument& doc) { doc.WriteString(section, key, value); });
}

void TProfileFile::WriteInteger(std::string_view section, std::string_view key, int value) {
  Update([&](TProfileDocument& doc) { doc.WriteInteger(section, key, value); });
}

void TProfileFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  Update([&](TProfileDocument& doc) { doc.WriteBool(section, key, value); });
}
