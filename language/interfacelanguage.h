// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The catalogues of the interface's language: our catalogue tamrix_<code>.qm
// (none for Russian, the language of the program's source texts) and the
// toolkit's qtbase_<code>.qm for its standard dialogs and menus (none for
// English, the toolkit's built-in language).
#include <QTranslator>

#include <string>

class TInterfaceLanguage {
 public:
  // Loads the catalogues of code ("ru", "en"); an unknown code is Russian.
  explicit TInterfaceLanguage(const std::string& code);

  // Installs them into the running application (and removes any others
  // this object installed before).
  void Install();

  // Our catalogue of the language; empty for Russian.
  const QTranslator& Catalogue() const { return m_own; }
  // The toolkit's catalogue found: false for English, and when the system
  // lacks it.
  bool HasToolkitCatalogue() const { return !m_toolkit.isEmpty(); }

 private:
  QTranslator m_own;
  QTranslator m_toolkit;
};
