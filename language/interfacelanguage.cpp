// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/interfacelanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include "language/translationresources.h"
#include "storage/mainsettings.h"


TInterfaceLanguage::TInterfaceLanguage(const std::string& code) {
  InitTranslationResources();
  if (code != kSourceLanguage && !code.empty() &&
      m_own.load(QStringLiteral(":/translations/tamrix_%1.qm").arg(QString::fromStdString(code)))) {
    return;  // the toolkit's built-in English serves its own dialogs
  }
  // Russian, also for a language without a catalogue of ours. Debian ships
  // it with the toolkit's translations; without it the standard dialogs stay
  // in English and nothing else changes.
  (void)m_toolkit.load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

void TInterfaceLanguage::Install() {
  QCoreApplication::removeTranslator(&m_own);
  QCoreApplication::removeTranslator(&m_toolkit);
  if (!m_toolkit.isEmpty()) QCoreApplication::installTranslator(&m_toolkit);
  if (!m_own.isEmpty()) QCoreApplication::installTranslator(&m_own);
}
