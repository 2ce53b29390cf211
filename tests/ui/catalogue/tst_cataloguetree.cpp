// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue's tree lines as drawn: solid lines joining the categories
// at the root and the entries to their category, stopping at the last row
// of each level, and a boxed minus or plus on a category with entries.
#include <QtTest>

#include "ui/catalogue/cataloguetree.h"

namespace {
const QRgb kLine = qRgb(128, 128, 128);

struct TRowPlace {
  int Top;
  int Middle;
  int Bottom;
};
}  // namespace

class TestCatalogueTree : public QObject {
  Q_OBJECT
 private slots:
  void linesAndButtons();
};

void TestCatalogueTree::linesAndButtons() {
  TCatalogueTree tree("vtTest", {"Name", "Value"});
  QTreeWidgetItem* a = tree.AddCategory("A");
  new QTreeWidgetItem(a, QStringList{"a1", "1"});
  QTreeWidgetItem* a2 = new QTreeWidgetItem(a, QStringList{"a2", "2"});
  QTreeWidgetItem* b = tree.AddCategory("B");
  new QTreeWidgetItem(b, QStringList{"b1", "3"});
  QTreeWidgetItem* c = tree.AddCategory("C");  // no entries: no button
  a->setExpanded(true);
  tree.setFocusPolicy(Qt::NoFocus);  // no current row: its highlight would cover the lines
  tree.resize(300, 300);
  tree.show();
  QVERIFY(QTest::qWaitForWindowExposed(&tree));
  tree.setCurrentItem(nullptr);
  tree.clearSelection();
  // The viewport's own part of the whole widget's picture, in the
  // viewport's coordinates (the rows' places are given in those).
  const QRect inTree(tree.viewport()->mapTo(&tree, QPoint(0, 0)), tree.viewport()->size());
  const QImage image = tree.grab().toImage().convertToFormat(QImage::Format_RGB32).copy(inTree);
  const QRgb text = tree.palette().color(QPalette::Text).rgb();

  const auto place = [&](QTreeWidgetItem* item) {
    const QRect r = tree.visualItemRect(item);
    return TRowPlace{r.top(), r.top() + r.height() / 2, r.bottom()};
  };
  const int step = tree.indentation();
  const int rootX = step / 2;
  const int childX = step + step / 2;
  const auto lineFrom = [&](int x, int y0, int y1) {
    for (int y = y0; y <= y1; ++y)
      if (image.pixel(x, y) != kLine) return false;
    return true;
  };
  const auto noLineFrom = [&](int x, int y0, int y1) {
    for (int y = y0; y <= y1; ++y)
      if (image.pixel(x, y) == kLine) return false;
    return true;
  };
  const TRowPlace pa = place(a), pa2 = place(a2), pb = place(b), pc = place(c);

  // The root line runs from A's button down past A's entries to C, and
  // stops at C's middle: C is the last category.
  QVERIFY(lineFrom(rootX, pa.Middle + 5, pb.Middle - 5));
  QVERIFY(lineFrom(rootX, pb.Middle + 5, pc.Middle));
  QVERIFY(noLineFrom(rootX, pa.Top, pa.Middle - 5));  // nothing above the first
  QVERIFY(noLineFrom(rootX, pc.Middle + 1, pc.Bottom));
  // A's entries hang on their own line, which ends at the last entry.
  QVERIFY(lineFrom(childX, place(a->child(0)).Top, pa2.Middle));
  QVERIFY(noLineFrom(childX, pa2.Middle + 1, pa2.Bottom));
  // Each row has its stub to the text.
  QVERIFY(lineFrom(childX + 1, pa2.Middle, pa2.Middle) && image.pixel(2 * step - 2, pa2.Middle) == kLine);
  QVERIFY(image.pixel(rootX + 6, pc.Middle) == kLine);

  // A is open (minus), B closed (plus), C has no button.
  QCOMPARE(image.pixel(rootX - 2, pa.Middle), text);
  QVERIFY(image.pixel(rootX, pa.Middle - 2) != text);
  QCOMPARE(image.pixel(rootX, pb.Middle - 2), text);
  QCOMPARE(image.pixel(rootX - 4, pb.Middle), kLine);  // the box's edge
  QCOMPARE(image.pixel(rootX - 2, pc.Middle), image.pixel(rootX - 2, pc.Middle + 3));
}

QTEST_MAIN(TestCatalogueTree)
#include "tst_cataloguetree.moc"
