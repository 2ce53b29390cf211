// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which language the interface speaks: the one the user chose in the
// settings dialog, or else the first of the desktop's languages the program
// has texts for, or else Russian, the language of the source texts.
#include <string>
#include <vector>

// stored: the settings' Language, empty while the user has chosen none.
// desktop: the desktop's languages, most wanted first, as the toolkit or the
// environment spells them ("de-AT", "zh-Hans-CN", "pt_BR.UTF-8", "C").
// available: the codes the program has texts for ("ru", "en", "pt_BR").
std::string ChooseInterfaceLanguage(const std::string& stored, const std::vector<std::string>& desktop,
                                    const std::vector<std::string>& available);

// The desktop's languages of this session, from the toolkit (which reads
// LANGUAGE, LC_ALL, LC_MESSAGES and LANG).
std::vector<std::string> DesktopLanguages();

// The choice for stored on this desktop with the program's own catalogues.
std::string InterfaceLanguageFor(const std::string& stored);
