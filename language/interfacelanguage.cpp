// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/interfacelanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include "language/translationresources.h"
#include "storage/mainsettings.h"


TInterfaceLanguage::TInterfaceLanguage(const std::string& code) {
  InitTranslationResources();
  std::string inForce = kSourceLanguage;  // also for a language without a catalogue of ours
  if (code != kSourceLanguage && !code.empty() &&
      m_own.load(QStringLiteral(":/translations/tamrix_%1.qm").arg(QString::fromStdString(code)))) {
    inForce = code;
  }
  // English is the toolkit's built-in language. Debian ships the toolkit's
  // catalogues of the other languages with its translations; where one is
  // missing the standard dialogs stay in English and nothing else changes.
  if (inForce != "en") {
    (void)m_toolkit.load(QStringLiteral("qtbase_%1").arg(QString::fromStdString(inForce)),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  }
}

void TInterfaceLanguage::Install() {
  QCoreApplication::removeTranslator(&m_own);
  QCoreApplication::removeTranslator(&m_toolkit);
  if (!m_toolkit.isEmpty()) QCoreApplication::installTranslator(&m_toolkit);
  if (!m_own.isEmpty()) QCoreApplication::installTranslator(&m_own);
}
