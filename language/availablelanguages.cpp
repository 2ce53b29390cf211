// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/availablelanguages.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

#include "language/translationresources.h"
#include "storage/mainsettings.h"

namespace {
// The entry by which a catalogue names its language: the translation of
// the Russian interface's own name.
constexpr const char* kOwnName = QT_TRANSLATE_NOOP("LanguageName", "Русский");
}  // namespace


std::vector<TLanguageChoice> AvailableLanguages() {
  InitTranslationResources();
  std::vector<TLanguageChoice> choices{{QString::fromLatin1(kSourceLanguage), QString::fromUtf8(kOwnName)}};
  const QStringList files =
      QDir(QStringLiteral(":/translations")).entryList({QStringLiteral("tamrix_*.qm")}, QDir::Files, QDir::Name);
  for (const QString& file : files) {
    QTranslator catalogue;
    if (!catalogue.load(QStringLiteral(":/translations/") + file)) continue;
    const QString code = file.mid(7, file.size() - 7 - 3);  // tamrix_<code>.qm
    QString name = catalogue.translate("LanguageName", kOwnName);
    if (name.isEmpty()) name = code;
    choices.push_back({code, name});
  }
  return choices;
}
