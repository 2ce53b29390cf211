// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/userfuncindex.h"

#include "engine/charclass.h"
#include "engine/expansion.h"

namespace {

char LowAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string UpperText(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = charclass::UpperAscii(c);
  return upper;
}

// ExtractField(text, k, separator) for every k at once: the fields are
// exactly the pieces between separators.
std::vector<std::string> SplitFields(std::string_view text, char separator) {
  std::vector<std::string> fields;
  if (text.empty()) return fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(separator, start);
    const std::size_t length = end == std::string_view::npos ? text.npos : end - start;
    fields.emplace_back(text.substr(start, length));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return fields;
}

}  // namespace

TUserFuncIndex::TUserFuncIndex(const TZQTextList& userFunctions)
    : m_list(userFunctions), m_definitions(static_cast<std::size_t>(userFunctions.Count())) {
  for (int i = 0; i < m_list.Count(); ++i) {
    const std::string name = UpperText(m_list.Name(i));
    if (name.empty()) continue;  // an empty name is never followed by "(" at a name start
    m_firstLineOfName.try_emplace(name, i);
    if (name.size() >= m_isNameLength.size()) m_isNameLength.resize(name.size() + 1, false);
    m_isNameLength[name.size()] = true;
    if (name.size() > m_maxNameLength) m_maxNameLength = name.size();
    for (char c : name) {
      m_inSomeName[static_cast<unsigned char>(c)] = true;
      m_inSomeName[static_cast<unsigned char>(LowAscii(c))] = true;
      if (c == '(') m_parenInSomeName = true;
    }
  }
}

TUserFuncCall TUserFuncIndex::CallAtFront(std::string_view pending, std::size_t nameRun) const {
  TUserFuncCall call;
  const std::size_t available = pending.size();
  auto at = [&](std::size_t k) { return pending[available - 1 - k]; };
  auto consider = [&](std::size_t k) {
    std::string key(k, '\0');
    for (std::size_t t = 0; t < k; ++t) key[t] = charclass::UpperAscii(at(t));
    const auto found = m_firstLineOfName.find(key);
    if (found != m_firstLineOfName.end() && (call.Line < 0 || found->second < call.Line)) {
      call.Line = found->second;
      call.NameLength = k;
    }
  };
  if (!m_parenInSomeName) {
    if (nameRun > 0 && nameRun <= m_maxNameLength && nameRun < available && at(nameRun) == '(' &&
        m_isNameLength[nameRun])
      consider(nameRun);
    return call;
  }
  // Names holding "(" themselves: every "(" within reach may end one.
  for (std::size_t k = 1; k <= m_maxNameLength && k < available; ++k) {
    if (at(k) == '(' && m_isNameLength[k]) consider(k);
    if (!InSomeName(at(k))) break;
  }
  return call;
}

const TUserFuncDefinition& TUserFuncIndex::Definition(int line) {
  auto& slot = m_definitions[static_cast<std::size_t>(line)];
  if (!slot) {
    const std::string definition = UpperText(m_list.ValueAt(line));
    TUserFuncDefinition parsed;
    parsed.Params = SplitFields(ExtractField(definition, 0, '|'), ',');
    // The body is everything after the first "|", so that a body using the
    // "|" operator keeps its right operand.
    const std::size_t bar = definition.find('|');
    if (bar != std::string::npos) parsed.Body = definition.substr(bar + 1);
    slot = std::move(parsed);
  }
  return *slot;
}
