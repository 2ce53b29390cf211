// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/listfiles.h"

#include <unordered_map>
#include <utility>
#include <vector>

#include "engine/expansion.h"
#include "storage/cp1251.h"
#include "storage/filebytes.h"
#include "storage/legacystream.h"
#include "storage/profiledocument.h"
#include "storage/profilefile.h"
#include "storage/profilename.h"
#include "storage/storageerror.h"

namespace {

template <class Record>
struct TTraits;

template <>
struct TTraits<TUserConstRecord> {
  static constexpr int kFieldCount = 5;
  static const std::string& Key(const TUserConstRecord& r) { return r.Name; }
  static std::string FileValue(const TUserConstRecord& r) { return ConstFileValue(r); }
  static std::string Line(const TUserConstRecord& r) { return ConstLine(r); }
  static TUserConstRecord FromEntry(std::string_view key, std::string_view value, const std::string& category) {
    return {std::string(key), ExtractField(value, 0, '|'), ExtractField(value, 1, '|'),
            ExtractField(value, 2, '|'), category};
  }
  static TUserConstRecord FromFields(const std::vector<std::string>& f) {
    return {f[0], f[1], f[2], f[3], f[4]};
  }
};

template <>
struct TTraits<TUserFuncRecord> {
  static constexpr int kFieldCount = 4;
  static const std::string& Key(const TUserFuncRecord& r) { return r.Head; }
  static std::string FileValue(const TUserFuncRecord& r) { return FuncFileValue(r); }
  static std::string Line(const TUserFuncRecord& r) { return FuncLine(r); }
  static TUserFuncRecord FromEntry(std::string_view key, std::string_view value, const std::string& category) {
    return {std::string(key), ExtractField(value, 0, '|'), ExtractField(value, 1, '|'), category};
  }
  static TUserFuncRecord FromFields(const std::vector<std::string>& f) { return {f[0], f[1], f[2], f[3]}; }
};

// Sections of one name, however spelt, are one category; each key's value is
// that of its first line.
template <class Record>
void ReadProfileEntries(std::string_view bytes, TListPage<Record>& page, TZQTextList& lines) {
  const TProfileDocument doc = TProfileDocument::FromFileBytes(bytes);
  struct TSection {
    std::string_view Name;
    std::vector<std::string_view> Keys;
    std::unordered_map<std::string, std::string_view> FirstValue;
  };
  std::vector<TSection> sections;
  std::unordered_map<std::string, std::size_t> byName;
  constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  std::size_t current = kNone;
  std::size_t pos = 0;
  TProfileLine line;
  const std::string_view text = doc.Text();
  while (NextProfileLine(text, pos, line)) {
    if (line.LineKind == TProfileLine::Section) {
      const auto [it, added] = byName.try_emplace(FoldProfileName(line.Name), sections.size());
      if (added) sections.push_back({line.Name, {}, {}});
      current = it->second;
    } else if (line.LineKind == TProfileLine::Entry && current != kNone) {
      sections[current].Keys.push_back(line.Name);
      sections[current].FirstValue.try_emplace(FoldProfileName(line.Name), line.Value);
    }
  }
  for (TSection& section : sections) {
    TListGroup<Record>& group = page.AddGroup(std::string(section.Name));
    for (std::string_view key : section.Keys) {
      group.Entries.push_back(TTraits<Record>::FromEntry(key, section.FirstValue[FoldProfileName(key)], group.Name));
      lines.Append(TTraits<Record>::Line(group.Entries.back()));
    }
    section.FirstValue.clear();
  }
}

// The rows of a legacy stream: top-level rows are categories, their children
// entries. Rows without a record (cut off by corruption) are left out.
template <class Record>
void TakeLegacyRows(const TLegacyStream& stream, TListPage<Record>& page, TZQTextList& lines) {
  for (const TLegacyRow& top : stream.Rows) {
    TListGroup<Record>& group = page.AddGroup(top.HasData ? top.Fields[0] : std::string());
    for (const TLegacyRow& child : top.Children) {
      if (!child.HasData) continue;
      group.Entries.push_back(TTraits<Record>::FromFields(child.Fields));
      lines.Append(TTraits<Record>::Line(group.Entries.back()));
    }
  }
}

template <class Record>
std::string FileText(const TListPage<Record>& page) {
  struct TSection {
    std::string Name;
    std::vector<std::pair<std::string, std::string>> Entries;
    std::unordered_map<std::string, std::size_t> ByKey;
  };
  std::vector<TSection> sections;
  std::unordered_map<std::string, std::size_t> byName;
  for (const auto& group : page.Groups) {
    for (const Record& r : group.Entries) {
      if (TTraits<Record>::Key(r).empty() || r.Expression.empty()) continue;
      std::string name = ProfileOneLine(r.Category);
      const auto [sit, newSection] = byName.try_emplace(FoldProfileName(TrimProfileBlanks(name)), sections.size());
      if (newSection) sections.push_back({std::move(name), {}, {}});
      TSection& section = sections[sit->second];
      std::string key = ProfileOneLine(TTraits<Record>::Key(r));
      std::string value = ProtectProfileValue(ProfileOneLine(TTraits<Record>::FileValue(r)));
      const auto [kit, newKey] =
          section.ByKey.try_emplace(FoldProfileName(TrimProfileBlanks(key)), section.Entries.size());
      if (newKey) section.Entries.emplace_back(std::move(key), std::move(value));
      else section.Entries[kit->second].second = std::move(value);
    }
  }
  std::string text;
  for (const TSection& section : sections) {
    text += "[" + section.Name + "]\r\n";
    for (const auto& [key, value] : section.Entries) text += key + "=" + value + "\r\n";
  }
  return text;
}

template <class Record>
void Save(const std::string& path, const TListPage<Record>& page) {
  if (!WriteFileAtomic(path, EncodeFileText(FileText(page)))) throw EStorageError(TStorageMessageId::UnableToWrite, path);
}

template <class Record>
void Load(const std::string& path, TListPage<Record>& page, TZQTextList& lines, TListLoadMode mode) {
  const TFileBytes file = ReadFileBytes(path);
  if (file.Status == TReadStatus::Missing || file.Status == TReadStatus::CannotOpen) return;
  if (file.Status == TReadStatus::Failed) throw EStorageError(TStorageMessageId::StreamReadError, path);
  if (IsLegacyStream(file.Bytes)) {
    const TLegacyStream stream = ReadLegacyStream(file.Bytes, TTraits<Record>::kFieldCount);
    TakeLegacyRows(stream, page, lines);
    if (!stream.Corrupt) {
      // The new file replaces the old one in a single rename: there is no
      // moment without either.
      if (mode == TListLoadMode::Convert) Save(path, page);
      return;
    }
  }
  ReadProfileEntries(file.Bytes, page, lines);
}

}  // namespace

void LoadConstFile(const std::string& path, TConstPage& page, TZQTextList& userConstants, TListLoadMode mode) {
  Load(path, page, userConstants, mode);
}

void LoadFuncFile(const std::string& path, TFuncPage& page, TZQTextList& userFunctions, TListLoadMode mode) {
  Load(path, page, userFunctions, mode);
}

void SaveConstFile(const std::string& path, const TConstPage& page) { Save(path, page); }
void SaveFuncFile(const std::string& path, const TFuncPage& page) { Save(path, page); }
std::string ConstFileText(const TConstPage& page) { return FileText(page); }
std::string FuncFileText(const TFuncPage& page) { return FileText(page); }
