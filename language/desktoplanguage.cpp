// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/desktoplanguage.h"

#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <cctype>

#include "language/availablelanguages.h"
#include "storage/mainsettings.h"

namespace {

struct TTag {
  std::string language;  // "pt"
  std::string region;    // "BR", or empty
};

// The language and region of a tag: "de-AT", "de_AT.UTF-8", "zh-Hans-CN",
// "sr_RS@latin". The script is dropped: the program's codes name none.
TTag TagOf(std::string text) {
  text = text.substr(0, text.find_first_of(".@"));
  std::replace(text.begin(), text.end(), '-', '_');
  TTag tag;
  std::size_t start = 0;
  for (int part = 0; start <= text.size(); ++part) {
    const std::size_t end = std::min(text.find('_', start), text.size());
    std::string piece = text.substr(start, end - start);
    if (part == 0) {
      for (char& c : piece) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      tag.language = piece;
    } else if (piece.size() == 2 || (piece.size() == 3 && std::isdigit(static_cast<unsigned char>(piece[0])))) {
      for (char& c : piece) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      tag.region = piece;
    }
    start = end + 1;
  }
  return tag;
}

bool Has(const std::vector<std::string>& available, const std::string& code) {
  return std::find(available.begin(), available.end(), code) != available.end();
}

}  // namespace

std::string ChooseInterfaceLanguage(const std::string& stored, const std::vector<std::string>& desktop,
                                    const std::vector<std::string>& available) {
  if (!stored.empty()) return stored;
  // First the exact language and region ("pt_BR"), else the bare language
  // ("de-AT" is served by "de"), for each desktop language in its order, so
  // that a language the user named later in the list ("pt_PT:en") beats a
  // mere relative of an earlier one.
  for (const std::string& entry : desktop) {
    const TTag tag = TagOf(entry);
    if (tag.language.empty()) continue;
    if (!tag.region.empty() && Has(available, tag.language + '_' + tag.region)) return tag.language + '_' + tag.region;
    if (Has(available, tag.language)) return tag.language;
  }
  // Then a relative: the same language for another country ("pt-PT" gets
  // "pt_BR", a Traditional Chinese desktop the Simplified texts). Its reader
  // understands it far better than the Russian of the fall-back.
  for (const std::string& entry : desktop) {
    const std::string language = TagOf(entry).language;
    if (language.empty()) continue;
    for (const std::string& code : available)
      if (code.size() > language.size() && code.compare(0, language.size(), language) == 0 &&
          code[language.size()] == '_')
        return code;
  }
  // "C", "POSIX", or a language the program has no texts for.
  return kSourceLanguage;
}

std::vector<std::string> DesktopLanguages() {
  std::vector<std::string> languages;
  for (const QString& tag : QLocale::system().uiLanguages()) languages.push_back(tag.toStdString());
  return languages;
}

std::string InterfaceLanguageFor(const std::string& stored) {
  if (!stored.empty()) return stored;
  std::vector<std::string> available;
  for (const TLanguageChoice& choice : AvailableLanguages()) available.push_back(choice.code.toStdString());
  return ChooseInterfaceLanguage(stored, DesktopLanguages(), available);
}
