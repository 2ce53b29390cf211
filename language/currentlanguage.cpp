// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/currentlanguage.h"

#include "language/interfacelanguage.h"
#include "storage/mainsettings.h"

namespace {
// A language without a catalogue of ours is Russian.
std::string CodeInForce(const std::string& code, const TInterfaceLanguage& catalogues) {
  return catalogues.Catalogue().isEmpty() ? kSourceLanguage : code;
}
}  // namespace

TCurrentLanguage::TCurrentLanguage(const std::string& code)
    : m_catalogues(std::make_unique<TInterfaceLanguage>(code)) {
  m_code = CodeInForce(code, *m_catalogues);
  m_catalogues->Install();
}

TCurrentLanguage::~TCurrentLanguage() = default;

bool TCurrentLanguage::SwitchTo(const std::string& code) {
  if (code == m_code) return false;
  auto next = std::make_unique<TInterfaceLanguage>(code);
  const std::string inForce = CodeInForce(code, *next);
  if (inForce == m_code) return false;
  // The old catalogues leave the application as they are destroyed.
  m_catalogues.reset();
  next->Install();
  m_catalogues = std::move(next);
  m_code = inForce;
  return true;
}
