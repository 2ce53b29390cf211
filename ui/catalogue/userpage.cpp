// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/catalogue/userpage.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "platform/messageboxes.h"
#include "storage/listfiles.h"
#include "ui/catalogue/catalogueitems.h"
#include "ui/catalogue/cataloguetree.h"
#include "ui/widgets/errordisplay.h"
#include "ui/catalogue/frmedit.h"
#include "ui/catalogue/frmfunc.h"
#include "ui/catalogue/usercategories.h"

namespace {
// What differs between the two pages. The captions are the editor's texts.
struct TPageKind {
  bool ConstMode;
  const char* AddCaption;
  const char* ChangeCaption;
  int HelpTopic;
};
constexpr TPageKind kConstKind{true, QT_TRANSLATE_NOOP("TfrmEdit", "Добавить константу"),
                               QT_TRANSLATE_NOOP("TfrmEdit", "Изменить константу"), 4};
constexpr TPageKind kFuncKind{false, QT_TRANSLATE_NOOP("TfrmEdit", "Добавить функцию"),
                              QT_TRANSLATE_NOOP("TfrmEdit", "Изменить функцию"), 5};

const TPageKind& KindOf(const TUserConstRecord*) { return kConstKind; }
const TPageKind& KindOf(const TUserFuncRecord*) { return kFuncKind; }

// The name under which the parser's list holds the entry's line.
std::string ParserName(const TUserConstRecord& r) { return r.Name; }
std::string ParserName(const TUserFuncRecord& r) { return FunctionName(r.Head); }
std::string ParserLine(const TUserConstRecord& r) { return ConstLine(r); }
std::string ParserLine(const TUserFuncRecord& r) { return FuncLine(r); }

void LoadFile(const std::string& path, TConstPage& page, TZQTextList& lines) { LoadConstFile(path, page, lines); }
void LoadFile(const std::string& path, TFuncPage& page, TZQTextList& lines) { LoadFuncFile(path, page, lines); }
void SaveFile(const std::string& path, const TConstPage& page) { SaveConstFile(path, page); }
void SaveFile(const std::string& path, const TFuncPage& page) { SaveFuncFile(path, page); }

void FillFromEditor(TUserConstRecord& r, const TfrmEdit& editor) {
  r.Name = editor.edName->text().toStdString();
  r.Value = editor.ComputedValue;
}
void FillFromEditor(TUserFuncRecord& r, const TfrmEdit& editor) { r.Head = editor.edName->text().toStdString(); }

QString Q(const std::string& text) { return QString::fromStdString(text); }
}  // namespace

template <class Record>
TUserPage<Record>::TUserPage(TCatalogueTree& tree, TZQTextList& parserLines, std::string filePath)
    : m_tree(tree), m_lines(parserLines), m_path(std::move(filePath)) {}

template <class Record>
std::string TUserPage<Record>::Load() {
  TListPage<Record> page;
  try {
    LoadFile(m_path, page, m_lines);
  } catch (const std::exception& e) {
    m_loadError = ErrorText(e);
  }
  for (const auto& group : page.Groups) {
    QTreeWidgetItem* row = m_tree.AddCategory(Q(group.Name));
    for (const Record& entry : group.Entries) new TEntryItem<Record>(row, entry);
  }
  ShowCategoryNames(m_tree);
  Categories = page.Categories;
  return m_loadError;
}

template <class Record>
TListPage<Record> TUserPage<Record>::Page() const {
  TListPage<Record> page;
  page.Categories = Categories;
  for (int i = 0; i < m_tree.topLevelItemCount(); ++i) {
    const QTreeWidgetItem* row = m_tree.topLevelItem(i);
    auto& group = page.Groups.emplace_back(TListGroup<Record>{TCatalogueTree::CategoryKey(row).toStdString(), {}});
    for (int j = 0; j < row->childCount(); ++j)
      if (const auto* entry = dynamic_cast<const TEntryItem<Record>*>(row->child(j))) group.Entries.push_back(entry->Rec);
  }
  return page;
}

template <class Record>
void TUserPage<Record>::PrepareEditor(TfrmEdit& editor, bool adding) const {
  const TPageKind& kind = KindOf(static_cast<const Record*>(nullptr));
  editor.ConstMode = kind.ConstMode;
  editor.setWindowTitle(TfrmEdit::tr(adding ? kind.AddCaption : kind.ChangeCaption));
  editor.HelpContext = kind.HelpTopic;
  editor.SetValueLabel();
  editor.OldName.clear();
  editor.ComputedValue.clear();
  editor.edName->clear();
  editor.edValue->clear();
  editor.edDescription->clear();
  editor.cbCategory->clear();
  for (const std::string& name : Categories) editor.cbCategory->addItem(ShownCategoryName(name));
  editor.cbCategory->setEditText(QString());
  editor.edName->setFocus();
}

template <class Record>
Record TUserPage<Record>::RecordFromEditor(const TfrmEdit& editor) const {
  Record r;
  FillFromEditor(r, editor);
  r.Expression = editor.edValue->text().toStdString();
  r.Description = editor.edDescription->text().toStdString();
  r.Category = CategoryKeyOf(editor.cbCategory->currentText(), Categories);
  return r;
}

template <class Record>
void TUserPage<Record>::Add(TfrmEdit& editor, QWidget* owner) {
  PrepareEditor(editor, true);
  if (editor.ShowModal() != QDialog::Accepted) return;
  const Record record = RecordFromEditor(editor);
  // Letter case counts here: "physics" does not take an entry of "Physics".
  QTreeWidgetItem* category = m_tree.FindCategory(Q(record.Category));
  if (!category) {
    category = m_tree.AddCategory(Q(record.Category));
    category->setText(0, ShownCategoryName(record.Category));
    Categories.push_back(record.Category);
  }
  new TEntryItem<Record>(category, record);
  category->setExpanded(true);
  m_lines.Append(ParserLine(record));
  // The new name gets room in its column, as names read at start-up do.
  m_tree.FitTextsAgain();
  Save(owner);
}

template <class Record>
void TUserPage<Record>::Change(TfrmEdit& editor, QWidget* owner) {
  auto* item = dynamic_cast<TEntryItem<Record>*>(m_tree.currentItem());
  if (!item) return;
  PrepareEditor(editor, false);
  editor.OldName = ParserName(item->Rec);
  editor.edName->setText(Q(FirstField(item->Rec)));
  editor.edValue->setText(Q(item->Rec.Expression));
  editor.edDescription->setText(Q(item->Rec.Description));
  editor.cbCategory->setEditText(ShownCategoryName(item->Rec.Category));
  if (editor.ShowModal() != QDialog::Accepted) return;
  const Record record = RecordFromEditor(editor);
  // The entry's line is found by its old name; should it be missing, the
  // changed entry still reaches the parser.
  const int line = m_lines.IndexOfName(editor.OldName);
  if (line >= 0) m_lines.Replace(line, ParserLine(record));
  else m_lines.Append(ParserLine(record));
  // The row stays under its category row even when its category changed:
  // the file puts it under the new one, which shows from the next start.
  item->Rec = record;
  item->Refresh();
  m_tree.FitTextsAgain();
  Save(owner);
}

template <class Record>
void TUserPage<Record>::Delete(QWidget* owner) {
  QTreeWidgetItem* item = m_tree.currentItem();
  if (!item || item->childCount() > 0) return;
  if (!MessageBoxes().Confirm(owner, TfrmFunc::tr("Действительно удалить %1").arg(item->text(0)),
                              TQuestionIcon::Question))
    return;
  if (const auto* entry = dynamic_cast<const TEntryItem<Record>*>(item)) {
    const int line = m_lines.IndexOfName(ParserName(entry->Rec));
    if (line >= 0) m_lines.Delete(line);
  }
  delete item;
  Save(owner);
}

template <class Record>
void TUserPage<Record>::Save(QWidget* owner) {
  if (!m_loadError.empty()) {
    ShowGeneralError(owner, m_loadError);
    return;
  }
  try {
    SaveFile(m_path, Page());
  } catch (const std::exception& e) {
    ShowGeneralError(owner, e);
  }
}

template class TUserPage<TUserConstRecord>;
template class TUserPage<TUserFuncRecord>;
