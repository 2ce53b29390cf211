// SPDX-License-Identifier: GPL-3.0-or-later
// A settings file of any bytes: everything a reader can ask of it, through
// the file object and in memory, then one write, which must change exactly
// the key written.
#include <string>
#include <utility>
#include <vector>

#include "fuzz/harness/fuzztargets.h"
#include "fuzz/harness/scratchfolder.h"
#include "storage/mainsettings.h"
#include "storage/profiledocument.h"
#include "storage/profilefile.h"
#include "storage/profilename.h"

namespace {
constexpr std::size_t kMaxSections = 16;
constexpr std::size_t kMaxPairs = 64;

struct TEntryValue {
  std::string Section;
  std::string Key;
  std::string Value;
};

bool SameSettings(const TMainSettings& a, const TMainSettings& b) {
  return a.FontName == b.FontName && a.FontSize == b.FontSize && a.FontBold == b.FontBold &&
         a.FontItalic == b.FontItalic && a.Left == b.Left && a.Top == b.Top && a.Width == b.Width &&
         a.ExprMem == b.ExprMem && a.InTray == b.InTray && a.CloseQuery == b.CloseQuery && a.OnTop == b.OnTop &&
         a.DropOut == b.DropOut && a.ErrorOn == b.ErrorOn && a.Angle == b.Angle && a.Expression == b.Expression &&
         a.NExpres == b.NExpres && a.VK_Code == b.VK_Code && a.fsModifiers == b.fsModifiers &&
         a.OutStr1 == b.OutStr1 && a.OutStr2 == b.OutStr2 && a.OutStr3 == b.OutStr3 &&
         a.DecimalSeparator == b.DecimalSeparator && a.ArgumentSeparator == b.ArgumentSeparator &&
         a.NDigit == b.NDigit;
}

// Every section and key the reader lists, with the value read for it.
std::vector<TEntryValue> ReadAll(const TProfileDocument& doc) {
  std::vector<TEntryValue> all;
  const std::vector<std::string> sections = doc.ReadSections();
  for (std::size_t s = 0; s < sections.size() && s < kMaxSections; ++s) {
    for (const std::string& key : doc.ReadKeys(sections[s])) {
      if (all.size() == kMaxPairs) return all;
      const auto value = doc.Find(sections[s], key);
      if (!value) FuzzFailure("a listed key cannot be found");
      all.push_back({sections[s], key, *value});
      doc.ReadInteger(sections[s], key, 0);
    }
  }
  return all;
}
}  // namespace

int FuzzProfileFile(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string path = WriteScratchFile("Tamrix.ini", bytes);

  // Through the file, as the windows read it.
  TProfileFile file(path);
  const std::vector<std::string> sections = file.ReadSections();
  if (!sections.empty()) {
    const std::vector<std::string> keys = file.ReadKeys(sections.front());
    if (!keys.empty()) {
      file.ReadString(sections.front(), keys.front(), "");
      file.ReadBool(sections.front(), keys.front(), true);
    }
  }
  const TMainSettings fromFile = ReadMainSettings(file);
  if (fromFile.DecimalSeparator == fromFile.ArgumentSeparator) FuzzFailure("equal separators were read");

  // In memory: the same reading, a round trip through the file's bytes, and
  // one write.
  TProfileDocument doc = TProfileDocument::FromFileBytes(bytes);
  const std::vector<TEntryValue> before = ReadAll(doc);
  if (TProfileDocument::FromFileBytes(doc.ToFileBytes()).Text() != doc.Text()) {
    FuzzFailure("the document's bytes do not read back as its text");
  }
  const std::string section = sections.empty() ? std::string("Fuzz") : sections.back();
  doc.WriteString(section, "FuzzKey", " written value ");
  if (doc.Find(section, "FuzzKey") != " written value ") FuzzFailure("a written key does not read back");
  for (const TEntryValue& e : before) {
    if (SameProfileName(e.Section, section) && SameProfileName(e.Key, "FuzzKey")) continue;
    if (doc.Find(e.Section, e.Key) != e.Value) FuzzFailure("a write changed another key");
  }
  if (doc.ReadSections().size() < sections.size()) FuzzFailure("a write lost a section");

  // Settings read from the file, written as the closing writes them and read
  // again, are the same settings.
  TMainSettings settings = ReadMainSettings(doc);
  WriteMainSettings(doc, settings);
  TMainSettings again = ReadMainSettings(doc);
  if (settings.ExprMem) settings.Expression.clear(), again.Expression.clear();
  if (!SameSettings(settings, again)) FuzzFailure("settings change in a write and read");
  return 0;
}
