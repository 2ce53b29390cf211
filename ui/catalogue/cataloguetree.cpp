#include "ui/catalogue/cataloguetree.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "storage/profiledocument.h"

namespace {
const QColor kCategoryFill(192, 192, 192);
const QColor kGridLine(224, 224, 224);
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

QTreeWidgetItem* TCatalogueTree::AddCategory(const QString& name) {
  auto* item = new QTreeWidgetItem(this);
  item->setText(0, name);
  QFont bold = font();
  bold.setBold(true);
  for (int c = 0; c < columnCount(); ++c) {
    item->setFont(c, bold);
    item->setBackground(c, kCategoryFill);
  }
  // The name may be longer than the first column: let it run across the row.
  item->setFirstColumnSpanned(true);
  return item;
}

QTreeWidgetItem* TCatalogueTree::FindCategory(const QString& name) const {
  for (int i = 0; i < topLevelItemCount(); ++i)
    if (topLevelItem(i)->text(0) == name) return topLevelItem(i);
  return nullptr;
}

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
    item->setExpanded(settings.ReadBool(section, item->text(0).toStdString(), true));
  }
}

void TCatalogueTree::WriteExpanded(TProfileDocument& settings, const char* section) const {
  for (int i = 0; i < topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = topLevelItem(i);
    settings.WriteBool(section, item->text(0).toStdString(), item->isExpanded());
  }
}

void TCatalogueTree::drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QTreeWidget::drawRow(painter, option, index);
  painter->save();
  painter->setPen(kGridLine);
  const QRect r = option.rect;
  painter->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
  if (index.parent().isValid()) {  // a category row's name runs across its cells
    for (int c = 0; c + 1 < columnCount(); ++c) {
      const int x = header()->sectionViewportPosition(c) + columnWidth(c) - 1;
      painter->drawLine(x, r.top(), x, r.bottom());
    }
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
