// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/catalogue/usercategories.h"

#include <algorithm>

#include "storage/profiledocument.h"
#include "ui/catalogue/builtintexts.h"
#include "ui/catalogue/cataloguetree.h"
#include "ui/catalogue/othercategory.h"

QString ShownCategoryName(const std::string& key) {
  // The built-in page's "Другие" and this one are the same category name.
  return key == kOtherCategory ? BuiltinCategoryName(QString::fromUtf8(kOtherCategory)) : QString::fromStdString(key);
}

std::string CategoryKeyOf(const QString& typed, const std::vector<std::string>& pageCategories) {
  const std::string text(TrimProfileBlanks(typed.toStdString()));
  if (text.empty()) return kOtherCategory;
  if (std::find(pageCategories.begin(), pageCategories.end(), text) != pageCategories.end()) return text;
  return QString::fromStdString(text) == ShownCategoryName(kOtherCategory) ? std::string(kOtherCategory) : text;
}

void ShowCategoryNames(TCatalogueTree& tree) {
  for (int i = 0; i < tree.topLevelItemCount(); ++i) {
    QTreeWidgetItem* row = tree.topLevelItem(i);
    row->setText(0, ShownCategoryName(TCatalogueTree::CategoryKey(row).toStdString()));
  }
}
