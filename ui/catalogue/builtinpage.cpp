// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/catalogue/builtinpage.h"

#include <QString>

#include "engine/functable.h"
#include "ui/catalogue/cataloguetree.h"
#include "ui/catalogue/othercategory.h"

namespace {
QString CategoryOf(const TFunc& f) {
  return f.Category[0] == '\0' ? QString::fromUtf8(kOtherCategory) : QString::fromUtf8(f.Category);
}
}  // namespace

QStringList BuiltinCategories() {
  QStringList names;
  for (const TFunc& f : FuncTable)
    if (!names.contains(CategoryOf(f))) names.append(CategoryOf(f));
  return names;
}

void FillBuiltinTree(TCatalogueTree& tree) {
  for (const QString& category : BuiltinCategories()) {
    QTreeWidgetItem* row = tree.AddCategory(category);
    for (const TFunc& f : FuncTable) {
      if (CategoryOf(f) != category) continue;
      auto* entry = new QTreeWidgetItem(row);
      entry->setText(0, QString::fromUtf8(f.Name) + "(" + QString::fromUtf8(f.Args) + ")");
      entry->setText(1, QString::fromUtf8(f.Description));
    }
  }
}
