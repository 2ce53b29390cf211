// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/messagecatalogue.h"

#include <QCoreApplication>
#include <QTranslator>

#include <functional>
#include <iterator>

#include "resources/stringtable.h"
#include "storage/storageerror.h"

namespace {

// Every id of the string table, as the source texts of the catalogue: only
// lupdate reads this list, the lookup builds the key from the id.
[[maybe_unused]] constexpr const char* kMessageIds[] = {
    QT_TRANSLATE_NOOP("Message", "61149"), QT_TRANSLATE_NOOP("Message", "61150"),
    QT_TRANSLATE_NOOP("Message", "61151"), QT_TRANSLATE_NOOP("Message", "61152"),
    QT_TRANSLATE_NOOP("Message", "61153"), QT_TRANSLATE_NOOP("Message", "61154"),
    QT_TRANSLATE_NOOP("Message", "61155"), QT_TRANSLATE_NOOP("Message", "61156"),
    QT_TRANSLATE_NOOP("Message", "61157"), QT_TRANSLATE_NOOP("Message", "61158"),
    QT_TRANSLATE_NOOP("Message", "65505"), QT_TRANSLATE_NOOP("Message", "65506"),
    QT_TRANSLATE_NOOP("Message", "65507"), QT_TRANSLATE_NOOP("Message", "65521"),
};

// The storage layer's messages have no number of the string table: they go
// by ids of their own, in the order of TStorageMessageId.
constexpr const char* kStorageMessageIds[] = {
    QT_TRANSLATE_NOOP("Message", "UnableToWrite"),
    QT_TRANSLATE_NOOP("Message", "CannotCreateFile"),
    QT_TRANSLATE_NOOP("Message", "StreamReadError"),
};
static_assert(std::size(kStorageMessageIds) == static_cast<std::size_t>(TStorageMessageId::StreamReadError) + 1);

using TLookUp = std::function<QString(const char* id)>;

// The translation of id with its "%s" filled by arg; own when the catalogue
// has none.
std::string Filled(const char* id, const std::string& arg, std::string own, const TLookUp& lookUp) {
  const QString translated = lookUp(id);
  if (translated.isEmpty() || translated == QLatin1String(id)) return own;
  std::string text = translated.toStdString();
  if (const std::size_t at = text.find("%s"); at != std::string::npos) text.replace(at, 2, arg);
  return text;
}

std::string TextOf(const TZQMessage& message, const TLookUp& lookUp) {
  return Filled(QByteArray::number(message.Id).constData(), message.Arg, FormatStr(message.Id, message.Arg),
                lookUp);
}

std::string TextOf(const TStorageMessage& message, const TLookUp& lookUp) {
  return Filled(kStorageMessageIds[static_cast<int>(message.Id)], message.Path, StorageMessageText(message),
                lookUp);
}

}  // namespace

std::string MessageText(const TZQMessage& message, const QTranslator& catalogue) {
  return TextOf(message, [&](const char* id) { return catalogue.translate("Message", id); });
}

std::string MessageText(const TZQMessage& message) {
  return TextOf(message, [](const char* id) { return QCoreApplication::translate("Message", id); });
}

std::string MessageText(const TStorageMessage& message, const QTranslator& catalogue) {
  return TextOf(message, [&](const char* id) { return catalogue.translate("Message", id); });
}

std::string MessageText(const TStorageMessage& message) {
  return TextOf(message, [](const char* id) { return QCoreApplication::translate("Message", id); });
}

QString TranslatedOr(const char* context, const char* id, const char* own) {
  const QString text = QCoreApplication::translate(context, id);
  // No translation gives back the key.
  return text == QLatin1String(id) ? QString::fromUtf8(own) : text;
}
