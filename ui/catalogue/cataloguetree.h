// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One page's list: a two-level tree of category rows (top level, bold on
// silver, their name running across the row) and entry rows under them,
// with a header of resizable columns, grid lines, solid tree lines with
// boxed expand buttons, and whole-row selection.
// The last column always takes the room the others leave.
#include <QStringList>
#include <QTreeWidget>
#include <vector>

class TProfileDocument;

class TCatalogueTree : public QTreeWidget {
  Q_OBJECT
 public:
  // headers: the column captions; the last column has no width of its own.
  TCatalogueTree(const QString& objectName, const QStringList& headers, QWidget* parent = nullptr);

  // Appends a category row at the end of the tree. name is also its key:
  // the row keeps it when its shown text is translated.
  QTreeWidgetItem* AddCategory(const QString& name);
  // The first category row whose key is exactly name (letter case counts), or null.
  QTreeWidgetItem* FindCategory(const QString& name) const;
  static QString CategoryKey(const QTreeWidgetItem* item);
  static bool IsCategoryRow(const QTreeWidgetItem* item) { return item && !item->parent(); }

  // Widths of all columns but the last.
  std::vector<int> LeadingWidths() const;
  void SetLeadingWidths(const std::vector<int>& widths);
  void FitColumns();
  // Widens the columns but the last to their captions and the first to the
  // longest name it holds, as far as the tree's width allows; done once the
  // tree is shown at its size, and again after a change of font.
  void FitLeadingColumnsToTexts();
  // The same once shown, for new texts (another language).
  void FitTextsAgain();

  // The whole text of a cell that its column cuts, empty for one that fits.
  QString CutCellText(const QModelIndex& index) const;

  // Expanded state of each category row, one settings key per category key
  // in section (the same in every language); a category with no key is expanded.
  void ReadExpanded(const TProfileDocument& settings, const char* section);
  void WriteExpanded(TProfileDocument& settings, const char* section) const;

 signals:
  // A double click, or Enter, on the tree.
  void EntryChosen();

 protected:
  void drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  void drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const override;
  bool viewportEvent(QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  // The list's background with that share of its text colour mixed in.
  QColor Shade(double share) const;
  void FitToFont();
  void FitPendingColumns();
  bool m_fitting = false;
  bool m_textFitPending = true;
};
