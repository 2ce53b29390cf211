// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/messagecatalogue.h"

#include <QCoreApplication>
#include <QTranslator>

#include <cstdlib>
#include <functional>
#include <string_view>

#include "resources/stringtable.h"

namespace {

// Every id of the string table, as the source texts of the catalogue.
constexpr const char* kMessageIds[] = {
    QT_TRANSLATE_NOOP("Message", "61149"), QT_TRANSLATE_NOOP("Message", "61150"),
    QT_TRANSLATE_NOOP("Message", "61151"), QT_TRANSLATE_NOOP("Message", "61152"),
    QT_TRANSLATE_NOOP("Message", "61153"), QT_TRANSLATE_NOOP("Message", "61154"),
    QT_TRANSLATE_NOOP("Message", "61155"), QT_TRANSLATE_NOOP("Message", "61156"),
    QT_TRANSLATE_NOOP("Message", "61157"), QT_TRANSLATE_NOOP("Message", "61158"),
    QT_TRANSLATE_NOOP("Message", "65505"), QT_TRANSLATE_NOOP("Message", "65506"),
    QT_TRANSLATE_NOOP("Message", "65507"), QT_TRANSLATE_NOOP("Message", "65521"),
};

using TLookUp = std::function<QString(const char* id)>;

// The argument that fills the "%s" of pattern to give text, if it does.
bool MatchesPattern(std::string_view text, std::string_view pattern, std::string& arg) {
  const std::size_t at = pattern.find("%s");
  if (at == std::string_view::npos) {
    arg.clear();
    return text == pattern;
  }
  const std::string_view head = pattern.substr(0, at), tail = pattern.substr(at + 2);
  if (text.size() < head.size() + tail.size() || text.substr(0, head.size()) != head ||
      text.substr(text.size() - tail.size()) != tail) {
    return false;
  }
  arg = std::string(text.substr(head.size(), text.size() - head.size() - tail.size()));
  return true;
}

std::string Translate(const std::string& text, const TLookUp& lookUp) {
  if (text.empty()) return text;
  for (const char* id : kMessageIds) {
    std::string arg;
    if (!MatchesPattern(text, LoadStr(std::atoi(id)), arg)) continue;
    const QString translated = lookUp(id);
    if (translated.isEmpty() || translated == QLatin1String(id)) return text;
    std::string result = translated.toStdString();
    if (const std::size_t at = result.find("%s"); at != std::string::npos) result.replace(at, 2, arg);
    return result;
  }
  return text;
}

}  // namespace

std::string TranslateMessage(const std::string& text, const QTranslator& catalogue) {
  return Translate(text, [&](const char* id) { return catalogue.translate("Message", id); });
}

std::string TranslateMessage(const std::string& text) {
  return Translate(text, [](const char* id) { return QCoreApplication::translate("Message", id); });
}
