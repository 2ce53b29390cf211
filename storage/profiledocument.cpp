// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/profiledocument.h"

#include <cstring>
#include <unordered_set>

#include "storage/cp1251.h"
#include "storage/profilename.h"
#include "storage/profilevalues.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Unquote(std::string_view s) {
  if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front()) {
    return s.substr(1, s.size() - 2);
  }
  return s;
}

}  // namespace

std::string_view TrimProfileBlanks(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// Reading takes the blanks around a value and one pair of enclosing quotes
// off it; a value that would lose either is written in quotes, so that it
// reads back as it was written.
std::string ProtectProfileValue(std::string value) {
  const bool blankEnds = !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()));
  if (blankEnds || Unquote(value).size() != value.size()) return "\"" + value + "\"";
  return value;
}

std::string ProfileOneLine(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c == '\r' || c == '\n' || c == '\0') c = ' ';
  }
  return out;
}

bool NextProfileLine(std::string_view text, std::size_t& pos, TProfileLine& line) {
  if (pos >= text.size()) return false;
  const char* start = text.data() + pos;
  const void* nl = std::memchr(start, '\n', text.size() - pos);
  const std::size_t end = nl ? static_cast<std::size_t>(static_cast<const char*>(nl) - text.data()) : text.size();
  line = TProfileLine{};
  line.Begin = pos;
  line.End = end;
  pos = nl ? end + 1 : end;

  std::string_view body = TrimProfileBlanks(text.substr(line.Begin, end - line.Begin));
  if (!body.empty() && body.front() == '[') {
    const std::size_t close = body.rfind(']');
    if (close != std::string_view::npos && close > 0) {
      line.LineKind = TProfileLine::Section;
      line.Name = TrimProfileBlanks(body.substr(1, close - 1));
      return true;
    }
  }
  const std::size_t eq = body.find('=');
  if (eq != std::string_view::npos) {
    const std::string_view key = TrimProfileBlanks(body.substr(0, eq));
    if (!key.empty()) {
      line.LineKind = TProfileLine::Entry;
      line.Name = key;
      line.Value = Unquote(TrimProfileBlanks(body.substr(eq + 1)));
    }
  }
  return true;
}

TProfileDocument TProfileDocument::FromFileBytes(std::string_view bytes) {
  TProfileDocument doc;
  doc.m_text = DecodeFileText(bytes);
  // Line ends become "\n" and NULs go, in place: the text can be large.
  std::string& t = doc.m_text;
  std::size_t out = 0;
  for (std::size_t i = 0; i < t.size(); ++i) {
    const char c = t[i];
    if (c == '\0') continue;
    if (c == '\r') {
      t[out++] = '\n';
      if (i + 1 < t.size() && t[i + 1] == '\n') ++i;
      continue;
    }
    t[out++] = c;
  }
  t.resize(out);
  return doc;
}

std::string TProfileDocument::ToFileBytes() const {
  std::string crlf;
  crlf.reserve(m_text.size() + m_text.size() / 16);
  for (char c : m_text) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  return EncodeFileText(crlf);
}

std::optional<std::string> TProfileDocument::Find(std::string_view section, std::string_view key) const {
  bool inSection = false;
  std::size_t pos = 0;
  TProfileLine line;
  while (NextProfileLine(m_text, pos, line)) {
    if (line.LineKind == TProfileLine::Section) {
      if (inSection) break;  // only the first section of that name is read
      inSection = SameProfileName(line.Name, section);
    } else if (inSection && line.LineKind == TProfileLine::Entry && SameProfileName(line.Name, key)) {
      return std::string(line.Value);
    }
  }
  return std::nullopt;
}

std::string TProfileDocument::ReadString(std::string_view section, std::string_view key,
                                         std::string_view def) const {
  const auto value = Find(section, key);
  return CutProfileText(value ? *value : def);
}

int TProfileDocument::ReadInteger(std::string_view section, std::string_view key, int def) const {
  const auto value = Find(section, key);
  if (!value) return def;
  return ProfileTextToInteger(CutProfileText(*value)).value_or(def);
}

bool TProfileDocument::ReadBool(std::string_view section, std::string_view key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

std::vector<std::string> TProfileDocument::ReadSections() const {
  std::vector<std::string> names;
  std::unordered_set<std::string> seen;
  std::size_t pos = 0;
  TProfileLine line;
  while (NextProfileLine(m_text, pos, line)) {
    if (line.LineKind == TProfileLine::Section && seen.insert(FoldProfileName(line.Name)).second) {
      names.emplace_back(line.Name);
    }
  }
  return names;
}

std::vector<std::string> TProfileDocument::ReadKeys(std::string_view section) const {
  std::vector<std::string> keys;
  bool inSection = false;
  std::size_t pos = 0;
  TProfileLine line;
  while (NextProfileLine(m_text, pos, line)) {
    if (line.LineKind == TProfileLine::Section) {
      if (inSection) break;
      inSection = SameProfileName(line.Name, section);
    } else if (inSection && line.LineKind == TProfileLine::Entry) {
      keys.emplace_back(line.Name);
    }
  }
  return keys;
}

void TProfileDocument::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  const std::string sectionText = ProfileOneLine(section);
  const std::string keyText = ProfileOneLine(key);
  const std::string_view sectionName = TrimProfileBlanks(sectionText);
  const std::string_view keyName = TrimProfileBlanks(keyText);
  const std::string entry = keyText + "=" + ProtectProfileValue(ProfileOneLine(value));
  bool found = false;
  bool inSection = false;
  std::size_t insertAt = 0;
  std::size_t pos = 0;
  TProfileLine line;
  while (NextProfileLine(m_text, pos, line)) {
    if (line.LineKind == TProfileLine::Section) {
      if (inSection) break;
      if (!found && SameProfileName(line.Name, sectionName)) {
        found = inSection = true;
        insertAt = line.End;
      }
      continue;
    }
    if (!inSection) continue;
    if (line.LineKind == TProfileLine::Entry && SameProfileName(line.Name, keyName)) {
      m_text.replace(line.Begin, line.End - line.Begin, entry);
      return;
    }
    const std::string_view lineText = std::string_view(m_text).substr(line.Begin, line.End - line.Begin);
    if (!TrimProfileBlanks(lineText).empty()) insertAt = line.End;
  }
  if (found) {
    m_text.insert(insertAt, "\n" + entry);
    return;
  }
  if (!m_text.empty() && m_text.back() != '\n') m_text += '\n';
  m_text += "[" + sectionText + "]\n" + entry + "\n";
}

void TProfileDocument::DeleteKey(std::string_view section, std::string_view key) {
  const std::string sectionText = ProfileOneLine(section);
  const std::string keyText = ProfileOneLine(key);
  const std::string_view sectionName = TrimProfileBlanks(sectionText);
  const std::string_view keyName = TrimProfileBlanks(keyText);
  bool inSection = false;
  std::size_t pos = 0;
  TProfileLine line;
  while (NextProfileLine(m_text, pos, line)) {
    if (line.LineKind == TProfileLine::Section) {
      inSection = SameProfileName(line.Name, sectionName);
      continue;
    }
    if (!inSection || line.LineKind != TProfileLine::Entry || !SameProfileName(line.Name, keyName)) continue;
    // The line goes with its line end; the next line starts where it began.
    m_text.erase(line.Begin, pos - line.Begin);
    pos = line.Begin;
  }
}

void TProfileDocument::WriteInteger(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

void TProfileDocument::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}
