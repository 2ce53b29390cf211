// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The built-in functions' descriptions and category names in the interface's
// language. The engine's table holds them in Russian and stays free of the
// toolkit, so they are translated here: a description by its function's
// name, a category by its name in the table. Where no translation is
// installed (Russian) or none is found, the table's own text shows.
#include <QString>

struct TFunc;

QString BuiltinDescription(const TFunc& f);
// category: the name as the table (or the page, for "Другие") gives it.
QString BuiltinCategoryName(const QString& category);
