// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/catalogue/cataloguetree.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "storage/profiledocument.h"
#include "ui/widgets/legiblecolor.h"

namespace {
// Shares of the text colour in the list's background: a grey of 192 for the
// category rows and of 224 for the grid on white, and as far from the base
// on a dark desktop, so the palette's text stays readable on them.
constexpr double kCategoryShade = 63.0 / 255;
constexpr double kGridShade = 31.0 / 255;
const QColor kTreeLine(128, 128, 128);
constexpr int kButtonSize = 9;  // the expand button's box, odd so its sign has a middle
constexpr int kHeaderHeight = 20;
constexpr int kMaxColumnWidth = 4000;  // a width from a damaged settings file stays usable
}  // namespace

TCatalogueTree::TCatalogueTree(const QString& objectName, const QStringList& headers, QWidget* parent)
    : QTreeWidget(parent) {
  setObjectName(objectName);
  setColumnCount(static_cast<int>(headers.size()));
  setHeaderLabels(headers);
  setRootIsDecorated(true);
  setItemsExpandable(true);
  setExpandsOnDoubleClick(true);  // on a category row; on an entry row it inserts
  setSortingEnabled(false);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setAllColumnsShowFocus(true);
  setUniformRowHeights(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  header()->setFixedHeight(kHeaderHeight);
  header()->setSectionsMovable(false);
  header()->setStretchLastSection(false);
  header()->setSectionResizeMode(QHeaderView::Interactive);
  connect(header(), &QHeaderView::sectionResized, this, [this] { FitColumns(); });
}

QColor TCatalogueTree::Shade(double share) const {
  return Blend(palette().color(QPalette::Base), palette().color(QPalette::Text), share);
}

QTreeWidgetItem* TCatalogueTree::AddCategory(const QString& name) {
  auto* item = new QTreeWidgetItem(this);
  item->setText(0, name);
  item->setData(0, Qt::UserRole, name);
  QFont bold = font();
  bold.setBold(true);
  for (int c = 0; c < columnCount(); ++c) {
    item->setFont(c, bold);
    item->setBackground(c, Shade(kCategoryShade));
  }
  // The name may be longer than the first column: let it run across the row.
  item->setFirstColumnSpanned(true);
  return item;
}

QTreeWidgetItem* TCatalogueTree::FindCategory(const QString& name) const {
  for (int i = 0; i < topLevelItemCount(); ++i)
    if (CategoryKey(topLevelItem(i)) == name) return topLevelItem(i);
  return nullptr;
}

QString TCatalogueTree::CategoryKey(const QTreeWidgetItem* item) { return item->data(0, Qt::UserRole).toString(); }

std::vector<int> TCatalogueTree::LeadingWidths() const {
  std::vector<int> widths;
  for (int c = 0; c + 1 < columnCount(); ++c) widths.push_back(columnWidth(c));
  return widths;
}

void TCatalogueTree::SetLeadingWidths(const std::vector<int>& widths) {
  for (int c = 0; c + 1 < columnCount() && c < static_cast<int>(widths.size()); ++c)
    setColumnWidth(c, std::clamp(widths[static_cast<size_t>(c)], header()->minimumSectionSize(), kMaxColumnWidth));
  FitColumns();
}

void TCatalogueTree::FitColumns() {
  if (m_fitting || columnCount() == 0) return;
  m_fitting = true;
  const int last = columnCount() - 1;
  int rest = viewport()->width();
  for (int c = 0; c < last; ++c) rest -= columnWidth(c);
  setColumnWidth(last, std::max(rest, header()->minimumSectionSize()));
  m_fitting = false;
}

void TCatalogueTree::ReadExpanded(const TProfileDocument& settings, const char* section) {
  for (int i = 0; i < topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = topLevelItem(i);
    item->setExpanded(settings.ReadBool(section, CategoryKey(item).toStdString(), true));
  }
}

void TCatalogueTree::WriteExpanded(TProfileDocument& settings, const char* section) const {
  for (int i = 0; i < topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = topLevelItem(i);
    settings.WriteBool(section, CategoryKey(item).toStdString(), item->isExpanded());
  }
}

void TCatalogueTree::drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QTreeWidget::drawRow(painter, option, index);
  painter->save();
  painter->setPen(Shade(kGridShade));
  const QRect r = option.rect;
  // The branch area belongs to the tree lines, which must not be broken.
  const int textLeft = r.left() + (index.parent().isValid() ? 2 : 1) * indentation();
  painter->drawLine(textLeft, r.bottom(), r.right(), r.bottom());
  if (index.parent().isValid()) {  // a category row's name runs across its cells
    for (int c = 0; c + 1 < columnCount(); ++c) {
      const int x = header()->sectionViewportPosition(c) + columnWidth(c) - 1;
      painter->drawLine(x, r.top(), x, r.bottom());
    }
  }
  painter->restore();
}

// The branch area holds one indentation step per level (the root's too).
// Each step's middle carries the vertical line of its level: through the
// whole row where a later sibling follows below, down to the row's middle
// for the last one; the row's own step adds the horizontal stub to the text
// and, for a category with entries, the boxed plus or minus.
void TCatalogueTree::drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const {
  const bool child = index.parent().isValid();
  const int step = indentation();
  const int levels = child ? 2 : 1;
  const int left = rect.right() + 1 - levels * step;
  const int top = rect.top();
  const int bottom = rect.bottom();
  const int middle = rect.top() + rect.height() / 2;
  const auto hasNextSibling = [this](const QModelIndex& i) { return model()->hasIndex(i.row() + 1, 0, i.parent()); };

  painter->save();
  painter->setPen(QPen(kTreeLine, 1, Qt::SolidLine));
  if (child && hasNextSibling(index.parent())) {
    const int x = left + step / 2;  // the root line passes by
    painter->drawLine(x, top, x, bottom);
  }
  const int x = left + (levels - 1) * step + step / 2;
  const bool lineAbove = child || index.row() > 0;
  const bool lineBelow = hasNextSibling(index);
  if (lineAbove) painter->drawLine(x, top, x, middle);
  if (lineBelow) painter->drawLine(x, middle, x, bottom);
  painter->drawLine(x, middle, left + levels * step - 2, middle);

  const QModelIndex first = model()->index(0, 0, index);
  if (first.isValid()) {
    const int half = kButtonSize / 2;
    const QRect box(x - half, middle - half, kButtonSize - 1, kButtonSize - 1);
    painter->fillRect(box, palette().base());
    painter->drawRect(box);
    painter->setPen(palette().color(QPalette::Text));
    painter->drawLine(x - 2, middle, x + 2, middle);
    if (!isExpanded(index)) painter->drawLine(x, middle - 2, x, middle + 2);
  }
  painter->restore();
}

bool TCatalogueTree::viewportEvent(QEvent* event) {
  const bool handled = QTreeWidget::viewportEvent(event);
  if (event->type() == QEvent::Resize) FitColumns();
  return handled;
}

void TCatalogueTree::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    emit EntryChosen();
    return;
  }
  QTreeWidget::keyPressEvent(event);
}

void TCatalogueTree::mouseDoubleClickEvent(QMouseEvent* event) {
  QTreeWidget::mouseDoubleClickEvent(event);
  emit EntryChosen();
}
