// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The interfaces the program can show: Russian, the source texts' language,
// and every language whose catalogue is built into the program. A catalogue
// names its own language, so the settings dialog needs no list of its own.
#include <QString>

#include <vector>

struct TLanguageChoice {
  QString code;  // as the settings file keeps it: "ru", "en"
  QString name;  // in the language itself: "Русский", "English"
};

// Russian first, then the others in the order of their codes.
std::vector<TLanguageChoice> AvailableLanguages();
