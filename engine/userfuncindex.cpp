#include "engine/userfuncindex.h"

#include "engine/expansion.h"

namespace {

char UpAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
char LowAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string UpperAscii(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = UpAscii(c);
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
    fields.emplace_back(text.substr(start, end == std::string_view::npos ? text.npos : end - start));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return fields;
}

}  // namespace

TUserFuncIndex::TUserFuncIndex(const TZQTextList& userFunctions)
    : m_list(userFunctions), m_definitions(static_cast<std::size_t>(userFunctions.Count())) {
  for (int i = 0; i < m_list.Count(); ++i) {
    const std::string name = UpperAscii(m_list.Name(i));
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

TUserFuncCall TUserFuncIndex::CallAtFront(std::string_view pending) const {
  TUserFuncCall call;
  const std::size_t available = pending.size();
  auto at = [&](std::size_t k) { return pending[available - 1 - k]; };
  for (std::size_t k = 1; k <= m_maxNameLength && k < available; ++k) {
    const char c = at(k);
    if (c == '(' && m_isNameLength[k]) {
      std::string key(k, '\0');
      for (std::size_t t = 0; t < k; ++t) key[t] = UpAscii(at(t));
      const auto found = m_firstLineOfName.find(key);
      if (found != m_firstLineOfName.end() && (call.Line < 0 || found->second < call.Line)) {
        call.Line = found->second;
        call.NameLength = k;
      }
      // Only a name that holds "(" itself could still match further on.
      if (!m_parenInSomeName) break;
    }
    if (!m_inSomeName[static_cast<unsigned char>(c)]) break;
  }
  return call;
}

const TUserFuncDefinition& TUserFuncIndex::Definition(int line) {
  auto& slot = m_definitions[static_cast<std::size_t>(line)];
  if (!slot) {
    const std::string definition = UpperAscii(m_list.ValueAt(line));
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
