// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text of one profile (INI) file in memory, read and changed with the
// results of the system's profile functions:
//  - "[name]" opens a section; "key=value" inside a section is an entry;
//    lines before the first section and lines without "=" are not entries;
//  - section and key names match without regard to letter case; the first
//    section of a name is the one read and written, and of two equal keys in
//    it the first one is read;
//  - keys and values lose their surrounding blanks, and a value enclosed in a
//    pair of equal quotes (" or ') loses them;
//  - a written value that would lose blanks or quotes that way is written
//    enclosed in double quotes, so it reads back as written;
//  - a written key replaces its own line in place, a new key goes after the
//    last line of its section, a new section to the end of the file; every
//    other line stays as it was.
// On disk the lines end with CR LF (CR, LF and CR LF are read) and the text is
// Windows-1251, or UTF-8 behind a byte-order mark when Windows-1251 cannot
// hold it. A NUL byte carries nothing and is dropped on reading.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TProfileLine {
  enum Kind { Other, Section, Entry };
  Kind LineKind = Other;
  std::string_view Name;   // section name or key
  std::string_view Value;  // entry value, unquoted
  std::size_t Begin = 0;   // the line's bounds in the text, without its line end
  std::size_t End = 0;
};

// Classifies the line starting at pos and moves pos to the next line.
// Returns false at the end of the text.
bool NextProfileLine(std::string_view text, std::size_t& pos, TProfileLine& line);

// The blanks (space, tab) that reading takes off names and values.
std::string_view TrimProfileBlanks(std::string_view s);
// Line breaks and NULs become blanks: a text written into a profile file
// cannot break the file's structure.
std::string ProfileOneLine(std::string_view s);
// A value that reading would change (blanks at either end, enclosing quotes)
// in a pair of quotes, so that it reads back exactly as written.
std::string ProtectProfileValue(std::string value);

class TProfileDocument {
 public:
  TProfileDocument() = default;
  static TProfileDocument FromFileBytes(std::string_view bytes);
  std::string ToFileBytes() const;
  // The text with "\n" line ends.
  const std::string& Text() const { return m_text; }

  // The whole value of an entry; nullopt when the section or key is missing.
  std::optional<std::string> Find(std::string_view section, std::string_view key) const;
  // Text values are cut at 2047 characters, as the settings file reads them.
  std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
  // Integer rules of ProfileTextToInteger; a missing or malformed value gives def.
  int ReadInteger(std::string_view section, std::string_view key, int def) const;
  // An integer; anything but 0 is true.
  bool ReadBool(std::string_view section, std::string_view key, bool def) const;
  // Section names in file order, each name once (the first spelling).
  std::vector<std::string> ReadSections() const;
  // Keys of the section in file order (a key written twice is listed twice).
  std::vector<std::string> ReadKeys(std::string_view section) const;

  // Line breaks and NULs in the texts become blanks: a value cannot break
  // the file's structure.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int value);
  void WriteBool(std::string_view section, std::string_view key, bool value);
  // Removes every entry of key in the section; nothing else changes.
  void DeleteKey(std::string_view section, std::string_view key);

 private:
  std::string m_text;
};
