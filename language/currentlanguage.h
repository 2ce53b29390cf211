// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The interface's language in force for the running program. Changing it
// installs the new catalogues at once: the toolkit then tells every widget
// of the change, and each window sets its texts again.
#include <memory>
#include <string>

class TInterfaceLanguage;

class TCurrentLanguage {
 public:
  // Installs the catalogues of code ("ru", "en"; a code without a catalogue
  // of ours is Russian).
  explicit TCurrentLanguage(const std::string& code);
  ~TCurrentLanguage();
  TCurrentLanguage(const TCurrentLanguage&) = delete;
  TCurrentLanguage& operator=(const TCurrentLanguage&) = delete;

  // The code in force, as the settings file keeps it.
  const std::string& Code() const { return m_code; }
  // Puts code in force; false, and nothing done, when it already is.
  bool SwitchTo(const std::string& code);

 private:
  std::string m_code;
  std::unique_ptr<TInterfaceLanguage> m_catalogues;
};
