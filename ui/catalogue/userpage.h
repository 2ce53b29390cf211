// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One of the two user pages of the catalogue (constants or user functions):
// its tree, its category list, its lines in the parser and its list file,
// kept in step through every add, change and delete. The tree's rows hold
// the records; the list file is written from them after each change.
#include <string>
#include <vector>

#include "engine/zqtextlist.h"
#include "storage/listrecords.h"

class QWidget;
class TCatalogueTree;
class TfrmEdit;

template <class Record>
class TUserPage {
 public:
  TUserPage(TCatalogueTree& tree, TZQTextList& parserLines, std::string filePath);

  // The names the editor's category box offers, in order of first making.
  std::vector<std::string> Categories;

  // Reads the list file into the tree, the category list and the parser's
  // lines. Returns the failure's message, empty when the file was read whole
  // (or was missing). Rows read before a failure stay.
  std::string Load();

  // The editor's round trips (btnAddClick, btnChangeClick, btnDelClick).
  // owner carries the message boxes.
  void Add(TfrmEdit& editor, QWidget* owner);
  void Change(TfrmEdit& editor, QWidget* owner);
  void Delete(QWidget* owner);

  // The page as the list file is written from it.
  TListPage<Record> Page() const;

 private:
  void PrepareEditor(TfrmEdit& editor, bool adding) const;
  Record RecordFromEditor(const TfrmEdit& editor) const;
  void Save(QWidget* owner);

  TCatalogueTree& m_tree;
  TZQTextList& m_lines;
  std::string m_path;
  // Set when the file could not be read whole: writing the page then would
  // throw away the entries that were never read, so it is not written.
  std::string m_loadError;
};

using TConstUserPage = TUserPage<TUserConstRecord>;
using TFuncUserPage = TUserPage<TUserFuncRecord>;
