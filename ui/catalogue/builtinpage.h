// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The functions page: the built-in table grouped by category, categories in
// order of first appearance (an empty one counting as "Другие"), each
// function shown as its call, for example SIN(X) or ROL(X,N): the text it
// inserts, written with the argument separator in force (ROL(X;N) where ","
// is the decimal separator), so that it can be typed on as shown.
#include <QStringList>

class TCatalogueTree;

// The category names in the order the page shows them, as the table names
// them (the keys of their rows).
QStringList BuiltinCategories();
void FillBuiltinTree(TCatalogueTree& tree, char argumentSeparator);
// Writes every function's call anew with argumentSeparator.
void ShowBuiltinCalls(TCatalogueTree& tree, char argumentSeparator);
// Shows the category names and descriptions in the interface's language.
void RetranslateBuiltinTree(TCatalogueTree& tree);
