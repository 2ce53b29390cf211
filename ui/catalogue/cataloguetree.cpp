// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/catalogue/cataloguetree.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <QTreeWidgetItemIterator>
#include <algorithm>

#include "storage/profiledocument.h"
#include "ui/widgets/legiblecolor.h"
#include "ui/widgets/screenclamp.h"

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

// Rows as high as their text plus the grid line drawn over their last pixel
// row and one pixel of air, so descenders are never cut.
class TRowDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const QFont font = index.data(Qt::FontRole).isValid() ? index.data(Qt::FontRole).value<QFont>() : option.font;
    size.setHeight(std::max(size.height(), QFontMetrics(font).height() + 2));
    return size;
  }
};

// A tip in rich text wraps at a readable width (a long description would
// otherwise run across the whole screen); the text's own blanks stay.
QString WrappingToolTip(const QString& text) {
  return "<p style=\"white-space:pre-wrap\">" + text.toHtmlEscaped() + "</p>";
}
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
  setItemDelegate(new TRowDelegate(this));
  header()->setSectionsMovable(false);
  header()->setStretchLastSection(false);
  header()->setSectionResizeMode(QHeaderView::Interactive);
  connect(header(), &QHeaderView::sectionResized, this, [this] { FitColumns(); });
  FitToFont();
}

// The header keeps its designed height unless the font needs more.
void TCatalogueTree::FitToFont() {
  header()->setFixedHeight(kHeaderHeight);
  header()->setFixedHeight(std::max(kHeaderHeight, header()->sizeHint().height()));
  QFont bold = font();
  bold.setBold(true);
  for (int i = 0; i < topLevelItemCount(); ++i)
    for (int c = 0; c < columnCount(); ++c) topLevelItem(i)->setFont(c, bold);
}

void TCatalogueTree::changeEvent(QEvent* event) {
  QTreeWidget::changeEvent(event);
  if (event->type() != QEvent::FontChange) return;
  FitToFont();
  FitTextsAgain();
}

void TCatalogueTree::FitTextsAgain() {
  m_textFitPending = true;
  FitPendingColumns();
}

void TCatalogueTree::FitPendingColumns() {
  // The limit is the tree's width, known only once it is shown.
  if (!m_textFitPending || !isVisible()) return;
  m_textFitPending = false;
  FitLeadingColumnsToTexts();
}

void TCatalogueTree::FitLeadingColumnsToTexts() {
  const int last = columnCount() - 1;
  if (last < 1) return;
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  std::vector<int> wanted(static_cast<size_t>(last));
  for (int c = 0; c < last; ++c) wanted[static_cast<size_t>(c)] = header()->sectionSizeHint(c);
  // Category names run across the row; the entries' names are what the
  // first column must hold, after their indentation.
  for (QTreeWidgetItemIterator it(this); *it; ++it) {
    if (IsCategoryRow(*it)) continue;
    const QModelIndex index = indexFromItem(*it, 0);
    const int width = itemDelegate()->sizeHint(option, index).width() + 2 * indentation();
    wanted[0] = std::max(wanted[0], width);
  }
  int room = viewport()->width() - header()->sectionSizeHint(last);
  for (int c = 0; c < last; ++c) room -= std::max(columnWidth(c), wanted[static_cast<size_t>(c)]);
  for (int c = last - 1; c >= 0; --c) {
    int width = std::max(columnWidth(c), wanted[static_cast<size_t>(c)]);
    // Short of room, the name column gives way first, down to what it had.
    if (room < 0 && c == 0) width = std::max(columnWidth(c), width + room);
    setColumnWidth(c, width);
  }
  FitColumns();
}

QString TCatalogueTree::CutCellText(const QModelIndex& index) const {
  const QString text = index.data(Qt::DisplayRole).toString();
  if (text.isEmpty()) return {};
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  return itemDelegate()->sizeHint(option, index).width() > visualRect(index).width() ? text : QString();
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
    setColumnWidth(c, std::clamp(widths[static_cast<size_t>(c)], header()->minimumSectionSize(),
                                 std::min(kMaxColumnWidth, WidestScreenWidth())));
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
  if (event->type() == QEvent::ToolTip) {
    // A cell its column cuts shows its whole text.
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString text = CutCellText(indexAt(help->pos()));
    if (text.isEmpty()) QToolTip::hideText();
    else QToolTip::showText(help->globalPos(), WrappingToolTip(text), viewport(), visualRect(indexAt(help->pos())));
    return true;
  }
  const bool handled = QTreeWidget::viewportEvent(event);
  if (event->type() == QEvent::Resize) FitColumns();
  return handled;
}

void TCatalogueTree::showEvent(QShowEvent* event) {
  QTreeWidget::showEvent(event);
  FitPendingColumns();
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
