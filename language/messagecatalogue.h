// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The engine's and storage's messages in the interface's language. The core
// produces them in Russian from its string table; they are translated here,
// by their ids, at the point where the program shows them, so that the core
// stays free of the toolkit.
#include <QString>

#include <string>

#include "engine/zqmessage.h"
#include "storage/storageerror.h"

class QTranslator;

// An engine message given by its id and argument, in the language of
// catalogue; the string table's own text where the catalogue has none.
std::string MessageText(const TZQMessage& message, const QTranslator& catalogue);
// The same through the catalogues installed in the running application.
std::string MessageText(const TZQMessage& message);

// A storage failure given by its id and path, in the language of catalogue;
// storage's own text where the catalogue has none.
std::string MessageText(const TStorageMessage& message, const QTranslator& catalogue);
// The same through the catalogues installed in the running application.
std::string MessageText(const TStorageMessage& message);

// The translation of the key id in context; own, the core's own (Russian)
// text, when the catalogues in force have none.
QString TranslatedOr(const char* context, const char* id, const char* own);
