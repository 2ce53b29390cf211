// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/currentlanguage.h"

#include "language/interfacelanguage.h"

namespace {
// Only the languages the program has catalogues for; the rest are Russian.
std::string KnownCode(const std::string& code) { return code == "en" ? code : "ru"; }
}  // namespace

TCurrentLanguage::TCurrentLanguage(const std::string& code)
    : m_code(KnownCode(code)), m_catalogues(std::make_unique<TInterfaceLanguage>(m_code)) {
  m_catalogues->Install();
}

TCurrentLanguage::~TCurrentLanguage() = default;

bool TCurrentLanguage::SwitchTo(const std::string& code) {
  const std::string known = KnownCode(code);
  if (known == m_code) return false;
  auto next = std::make_unique<TInterfaceLanguage>(known);
  // The old catalogues leave the application as they are destroyed.
  m_catalogues.reset();
  next->Install();
  m_catalogues = std::move(next);
  m_code = known;
  return true;
}
