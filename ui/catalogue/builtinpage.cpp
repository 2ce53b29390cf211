// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/catalogue/builtinpage.h"

#include <QString>

#include "engine/functable.h"
#include "ui/catalogue/builtintexts.h"
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

void FillBuiltinTree(TCatalogueTree& tree, char argumentSeparator) {
  for (const QString& category : BuiltinCategories()) {
    QTreeWidgetItem* row = tree.AddCategory(category);
    for (int i = 0; i < kFuncCount; ++i) {
      const TFunc& f = FuncTable[static_cast<size_t>(i)];
      if (CategoryOf(f) != category) continue;
      auto* entry = new QTreeWidgetItem(row);
      entry->setData(1, Qt::UserRole, i);  // the row's function
    }
  }
  ShowBuiltinCalls(tree, argumentSeparator);
  RetranslateBuiltinTree(tree);
}

void ShowBuiltinCalls(TCatalogueTree& tree, char argumentSeparator) {
  for (int i = 0; i < tree.topLevelItemCount(); ++i) {
    QTreeWidgetItem* row = tree.topLevelItem(i);
    for (int j = 0; j < row->childCount(); ++j) {
      QTreeWidgetItem* entry = row->child(j);
      const TFunc& f = FuncTable[entry->data(1, Qt::UserRole).toUInt()];
      // The table writes the arguments as the engine reads them, with ",".
      const QString args = QString::fromUtf8(f.Args).replace(QLatin1Char(','), QLatin1Char(argumentSeparator));
      entry->setText(0, QString::fromUtf8(f.Name) + "(" + args + ")");
    }
  }
}

void RetranslateBuiltinTree(TCatalogueTree& tree) {
  for (int i = 0; i < tree.topLevelItemCount(); ++i) {
    QTreeWidgetItem* row = tree.topLevelItem(i);
    row->setText(0, BuiltinCategoryName(TCatalogueTree::CategoryKey(row)));
    for (int j = 0; j < row->childCount(); ++j) {
      QTreeWidgetItem* entry = row->child(j);
      entry->setText(1, BuiltinDescription(FuncTable[entry->data(1, Qt::UserRole).toUInt()]));
    }
  }
}
