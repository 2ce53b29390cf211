// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user pages' category names, as kept and as shown. An entry given no
// category goes under "Другие": that key is the same in every language, as
// the list files and the settings keys hold it; only its shown name follows
// the interface's language. Every other category is the user's own text and
// shows as typed.
#include <QString>
#include <string>
#include <vector>

class TCatalogueTree;

QString ShownCategoryName(const std::string& key);

// The key of what the editor's category box holds: blanks at its ends go
// (the list file would drop them at the next start), an empty text and the
// shown name of the default category are the default category, unless the
// page has a category of exactly that name.
std::string CategoryKeyOf(const QString& typed, const std::vector<std::string>& pageCategories);

// Shows every category row of a user page under its shown name.
void ShowCategoryNames(TCatalogueTree& tree);
