// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An entry row of a user page: the record it shows, and its three cells
// (constant: Name, Expression, Description; function: Head, Expression,
// Description). The value a constant really has (Value) is not shown.
#include <QTreeWidgetItem>
#include <string>

#include "storage/listrecords.h"

// The record's first field: what the row shows first, inserts and is keyed by.
inline const std::string& FirstField(const TUserConstRecord& r) { return r.Name; }
inline const std::string& FirstField(const TUserFuncRecord& r) { return r.Head; }

template <class Record>
class TEntryItem : public QTreeWidgetItem {
 public:
  TEntryItem(QTreeWidgetItem* category, Record record) : QTreeWidgetItem(category), Rec(std::move(record)) {
    Refresh();
  }

  Record Rec;

  // Shows the record's present texts.
  void Refresh() {
    setText(0, QString::fromStdString(FirstField(Rec)));
    setText(1, QString::fromStdString(Rec.Expression));
    setText(2, QString::fromStdString(Rec.Description));
  }
};

using TConstItem = TEntryItem<TUserConstRecord>;
using TFuncItem = TEntryItem<TUserFuncRecord>;
