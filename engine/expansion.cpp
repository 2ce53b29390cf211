// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/expansion.h"

#include <array>
#include <cstddef>
#include <vector>

#include "engine/charclass.h"
#include "engine/userfuncindex.h"
#include "engine/zqerrors.h"

std::string ExtractField(std::string_view text, int n, char separator) {
  if (n < 0 || text.empty()) return {};
  if (n == 0 && text.front() == separator) return {};
  std::size_t start = 0;
  for (int skipped = 0; skipped < n; ++skipped) {
    const std::size_t next = text.find(separator, start);
    if (next == std::string_view::npos) return {};  // fewer separators than n
    start = next + 1;
  }
  if (start >= text.size() || text[start] == separator) return {};
  const std::size_t end = text.find(separator, start + 1);
  return std::string(text.substr(start, end == std::string_view::npos ? text.npos : end - start));
}

namespace {

// A user function calling itself, directly or through others, would expand
// without end; so would a chain of functions that doubles the text at every
// level. Both stop at these bounds, long before time or memory run short.
#ifndef TAMRIX_FUZZ_BOUNDS
constexpr int kMaxExpansions = 10000;
constexpr std::size_t kMaxInsertedChars = std::size_t{1} << 18;  // 256 KiB
#else
// The fuzz build stops far sooner. Most fuzzed user functions run away, and
// under the fuzzer's instrumentation each run to the full bounds costs a few
// milliseconds; the code on the way to a bound and past it is the same.
constexpr int kMaxExpansions = 200;
constexpr std::size_t kMaxInsertedChars = std::size_t{1} << 13;  // 8 KiB
#endif

bool SameAt(std::string_view text, std::size_t at, std::string_view word) {
  return text.size() - at >= word.size() && SameTextAscii(text.substr(at, word.size()), word);
}

struct TBinding {
  std::string_view Param;  // empty for an argument beyond the parameter list
  std::string Argument;
};

// Walks the text once from left to right. Everything left of the scan point
// is final and goes to the output; what is still to be scanned is kept in
// reverse order, so that consuming its front and putting an expansion in
// front of it are both cheap at the end of a string. Each expansion is thus
// paid for by the size of what it inserts, not by the length of the text.
class TExpander {
 public:
  explicit TExpander(const TZQTextList& userFunctions) : m_index(userFunctions) {}

  std::string Run(std::string_view text) {
    m_pending.assign(text.rbegin(), text.rend());
    std::string out;
    out.reserve(text.size());
    while (!m_pending.empty()) {
      const char c = m_pending.back();
      if (charclass::IsNameStart(c)) {
        const TUserFuncCall call = m_index.CallAtFront(m_pending, NameRunAtFront());
        if (call.Line >= 0) {
          Expand(call);
          continue;  // the front is now the "(" of the expansion
        }
      }
      out.push_back(c);
      m_pending.pop_back();
    }
    return out;
  }

 private:
  // Length of the run of name characters at the front. The end of the run
  // is remembered, so a long identifier is measured once, not once for
  // each of its positions.
  std::size_t NameRunAtFront() {
    const std::ptrdiff_t front = static_cast<std::ptrdiff_t>(m_pending.size()) - 1;
    if (m_runStop == kRunUnknown || m_runStop >= front) {
      std::ptrdiff_t stop = front;
      if (m_index.InSomeName(m_pending[static_cast<std::size_t>(front)]))
        while (--stop >= 0 && m_index.InSomeName(m_pending[static_cast<std::size_t>(stop)])) {}
      m_runStop = stop;
    }
    return static_cast<std::size_t>(front - m_runStop);
  }

  void Expand(const TUserFuncCall& call) {
    m_runStop = kRunUnknown;  // the front is replaced
    if (++m_expansions > kMaxExpansions) throw EZQParserError(strid::RecursionTooDeep);
    const TUserFuncDefinition& definition = m_index.Definition(call.Line);
    m_pending.resize(m_pending.size() - call.NameLength);
    const std::vector<TBinding> bindings = TakeArguments(definition.Params);
    const std::string inserted = Substitute(definition.Body, bindings);
    m_pending.append(inserted.rbegin(), inserted.rend());
  }

  // Consumes the argument list from its "(" to the ")" that closes it. An
  // argument ends at a "," of the call's own level or at the closing ")".
  // The list can only stay open when ")" comes before "(" elsewhere in the
  // text; the unfinished argument is then dropped with the rest.
  std::vector<TBinding> TakeArguments(const std::vector<std::string>& params) {
    std::vector<TBinding> bindings;
    std::string current;
    m_pending.pop_back();  // the "("
    int depth = 1;
    while (!m_pending.empty()) {
      const char c = m_pending.back();
      m_pending.pop_back();
      if (c == '(') ++depth;
      if (c == ')') --depth;
      if ((c == ',' && depth == 1) || depth == 0) {
        const std::size_t k = bindings.size();
        bindings.push_back({k < params.size() ? std::string_view(params[k]) : std::string_view(),
                            std::move(current)});
        current.clear();
        if (depth == 0) break;
      } else {
        current.push_back(c);
      }
    }
    return bindings;
  }

  // "(" body ")", each parameter in the body, also at the end of a longer
  // name, replaced by its argument in parentheses. All parameters are
  // replaced in one pass over the body, so an argument whose text happens
  // to hold another parameter's name is inserted as it stands.
  std::string Substitute(std::string_view body, const std::vector<TBinding>& bindings) {
    // Body and parameter names both come from the upper-cased definition.
    std::array<bool, 256> startsParam{};
    for (const TBinding& b : bindings)
      if (!b.Param.empty()) startsParam[static_cast<unsigned char>(b.Param.front())] = true;
    std::string inserted = "(";
    std::size_t m = 0;
    while (m < body.size()) {
      const TBinding* match =
          startsParam[static_cast<unsigned char>(body[m])] ? ParamAt(body, m, bindings) : nullptr;
      if (match) {
        inserted += '(';
        inserted += match->Argument;
        inserted += ')';
        m += match->Param.size();
        if (m_insertedChars + inserted.size() > kMaxInsertedChars)
          throw EZQParserError(strid::RecursionTooDeep);
      } else {
        inserted += body[m++];
      }
    }
    inserted += ')';
    m_insertedChars += inserted.size();
    if (m_insertedChars > kMaxInsertedChars) throw EZQParserError(strid::RecursionTooDeep);
    return inserted;
  }

  // The first binding whose parameter stands at m of the body, followed by
  // an operand terminator or the end of the body.
  static const TBinding* ParamAt(std::string_view body, std::size_t m,
                                 const std::vector<TBinding>& bindings) {
    for (const TBinding& b : bindings) {
      if (b.Param.empty() || !SameAt(body, m, b.Param)) continue;
      const std::size_t after = m + b.Param.size();
      if (after == body.size() || charclass::IsOperandTerminator(body[after])) return &b;
    }
    return nullptr;
  }

  TUserFuncIndex m_index;
  std::string m_pending;  // the text still to be scanned, last character first
  // Index in m_pending of the character that ends the name run at the front
  // (-1: the run reaches the end of the text).
  static constexpr std::ptrdiff_t kRunUnknown = -2;
  std::ptrdiff_t m_runStop = kRunUnknown;
  int m_expansions = 0;
  std::size_t m_insertedChars = 0;
};

}  // namespace

void ExpandUserFunctions(std::string& text, const TZQTextList& userFunctions) {
  if (userFunctions.Count() == 0 || text.find('(') == std::string::npos) return;
  // The end mark stays the last character whatever the expansion does.
  const bool endMark = !text.empty() && text.back() == '\0';
  std::string expanded = TExpander(userFunctions).Run(
      std::string_view(text).substr(0, text.size() - (endMark ? 1 : 0)));
  if (endMark) expanded.push_back('\0');
  text = std::move(expanded);
}
