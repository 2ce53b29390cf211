// SPDX-License-Identifier: GPL-3.0-or-later
// Random sequences of adds, changes, deletes (answered Yes or No) and
// restarts on the constants page. After every step the list file on disk,
// the tree and the parser must agree with a model of what the user did.
#include <QRandomGenerator>

#include "catalogueharness.h"

namespace {
constexpr int kVar = TfrmFunc::pgVar;
const QString kOther = "Другие";

struct TEntry {
  QString Name, Expression, Value, Description, Category;
};
struct TGroup {
  QString Name;
  QList<TEntry> Entries;
};
struct TSection {
  QString Name;
  QList<QPair<QString, QString>> Keys;
  bool operator==(const TSection& o) const { return Name == o.Name && Keys == o.Keys; }
};

// Letter case of ASCII names does not count in the files and the parser.
bool Same(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// What the file must hold: entries in tree order, each under the section of
// its own category; a section or key met again joins or replaces the first.
QList<TSection> ExpectedFile(const QList<TGroup>& groups) {
  QList<TSection> sections;
  for (const TGroup& g : groups) {
    for (const TEntry& e : g.Entries) {
      auto s = std::find_if(sections.begin(), sections.end(), [&](const TSection& x) { return Same(x.Name, e.Category); });
      if (s == sections.end()) s = sections.insert(sections.end(), TSection{e.Category, {}});
      const QString value = e.Expression + "|" + e.Value + "|" + e.Description;
      auto k = std::find_if(s->Keys.begin(), s->Keys.end(), [&](const auto& x) { return Same(x.first, e.Name); });
      if (k == s->Keys.end()) s->Keys.append({e.Name, value});
      else k->second = value;
    }
  }
  return sections;
}

// The file on disk, read line by line (its only non-ASCII text is "Другие").
QList<TSection> FileOnDisk(QByteArray bytes) {
  bytes.replace(QByteArray("\xC4\xF0\xF3\xE3\xE8\xE5"), kOther.toUtf8());
  QList<TSection> sections;
  for (const QByteArray& raw : bytes.split('\n')) {
    const QString line = QString::fromUtf8(raw).remove('\r');
    if (line.isEmpty()) continue;
    if (line.startsWith('[') && line.endsWith(']')) sections.append({line.mid(1, line.size() - 2), {}});
    else if (!sections.isEmpty()) sections.last().Keys.append({line.section('=', 0, 0), line.section('=', 1)});
  }
  return sections;
}

QString Describe(const QList<TSection>& sections) {
  QStringList out;
  for (const TSection& s : sections) {
    out << "[" + s.Name + "]";
    for (const auto& [k, v] : s.Keys) out << k + "=" + v;
  }
  return out.join(" ");
}
}  // namespace

class TestCatalogueRandom : public QObject {
  Q_OBJECT
 private slots:
  void init();
  void cleanup();
  void randomSequences_data();
  void randomSequences();

 private:
  std::unique_ptr<TCatalogueHarness> h;
  QList<TGroup> m_groups;
  QRandomGenerator m_random;

  int Pick(int n) { return static_cast<int>(m_random.bounded(n)); }
  template <class T>
  const T& PickOf(const QList<T>& list) { return list[Pick(static_cast<int>(list.size()))]; }
  bool NameUsed(const QString& name, const TEntry* except) const;
  QString Step();
  void Check(const QString& step);
};

void TestCatalogueRandom::init() {
  h = std::make_unique<TCatalogueHarness>();
  h->Start();
  m_groups.clear();
}

void TestCatalogueRandom::cleanup() { h.reset(); }

bool TestCatalogueRandom::NameUsed(const QString& name, const TEntry* except) const {
  for (const TGroup& g : m_groups)
    for (const TEntry& e : g.Entries)
      if (&e != except && Same(e.Name, name)) return true;
  return false;
}

QString TestCatalogueRandom::Step() {
  static const QStringList names{"a", "b", "B", "rate", "x1", "Rate"};
  static const QList<QPair<QString, QString>> values{{"7", "7"}, {"2*3", "6"}, {"10/4", "2.5"}, {"-1", "-1"}};
  static const QStringList descriptions{"", "d", "two words"};
  static const QStringList categories{"", "Phys", "phys", "Math", kOther};
  h->ShowCatalogue(kVar);
  const QString name = PickOf(names);
  const auto [expression, value] = PickOf(values);
  const QString description = PickOf(descriptions);
  const QString category = PickOf(categories);
  const QString effective = category.isEmpty() ? kOther : category;
  const TEntry entry{name, expression, value, description, effective};
  const int exceptionsBefore = h->Exceptions().size();

  int entries = 0;
  for (const TGroup& g : m_groups) entries += static_cast<int>(g.Entries.size());
  const int op = Pick(10);
  if (op < 4) {  // add
    const TEditorRun run = h->Add(kVar, TCatalogueHarness::Typing(name, expression, description, category));
    const bool used = NameUsed(name, nullptr);
    if (run.ClosedByOk == used) return "add " + name + ": editor " + (run.ClosedByOk ? "accepted" : "refused");
    if (used) {
      if (h->Exceptions().size() != exceptionsBefore + 1) return "add " + name + ": no message";
      return {};
    }
    auto g = std::find_if(m_groups.begin(), m_groups.end(), [&](const TGroup& x) { return x.Name == effective; });
    if (g == m_groups.end()) g = m_groups.insert(m_groups.end(), TGroup{effective, {}});
    g->Entries.append(entry);
  } else if (op < 7 && entries > 0) {  // change
    int gi, ei;
    do {
      gi = Pick(static_cast<int>(m_groups.size()));
    } while (m_groups[gi].Entries.isEmpty());
    ei = Pick(static_cast<int>(m_groups[gi].Entries.size()));
    TEntry& old = m_groups[gi].Entries[ei];
    QTreeWidgetItem* row = h->Tree(kVar).topLevelItem(gi)->child(ei);
    const TEditorRun run = h->Change(kVar, row, TCatalogueHarness::Typing(name, expression, description, category));
    const bool refused = NameUsed(name, &old) && !Same(name, old.Name);
    if (run.ClosedByOk == refused) return "change " + old.Name + " to " + name + ": editor " + (run.ClosedByOk ? "accepted" : "refused");
    if (!refused) old = entry;
  } else if (op < 9 && !m_groups.isEmpty()) {  // delete
    const int gi = Pick(static_cast<int>(m_groups.size()));
    const int ei = Pick(static_cast<int>(m_groups[gi].Entries.size()) + 1) - 1;  // -1: the category row
    QTreeWidgetItem* category = h->Tree(kVar).topLevelItem(gi);
    const bool yes = Pick(2) == 0;
    h->Delete(kVar, ei < 0 ? category : category->child(ei), yes);
    if (yes && ei >= 0) m_groups[gi].Entries.removeAt(ei);
    else if (yes && m_groups[gi].Entries.isEmpty()) m_groups.removeAt(gi);
  } else {  // restart: the tree is made anew from the file
    h->Restart();
    m_groups.clear();
    for (const TSection& s : FileOnDisk(h->FileBytes("variables.lst"))) {
      TGroup g{s.Name, {}};
      for (const auto& [k, v] : s.Keys)
        g.Entries.append({k, v.section('|', 0, 0), v.section('|', 1, 1), v.section('|', 2, 2), s.Name});
      m_groups.append(g);
    }
  }
  return {};
}

void TestCatalogueRandom::Check(const QString& step) {
  // The file as the model says it must be.
  const QList<TSection> expected = ExpectedFile(m_groups);
  const QList<TSection> onDisk = FileOnDisk(h->FileBytes("variables.lst"));
  QVERIFY2(onDisk == expected, qPrintable(step + ": file " + Describe(onDisk) + " expected " + Describe(expected)));
  // The tree, row by row.
  const QTreeWidget& tree = h->Tree(kVar);
  QCOMPARE(tree.topLevelItemCount(), m_groups.size());
  int entries = 0;
  for (int gi = 0; gi < m_groups.size(); ++gi) {
    const QTreeWidgetItem* row = tree.topLevelItem(gi);
    QCOMPARE(row->text(0), m_groups[gi].Name);
    QCOMPARE(row->childCount(), m_groups[gi].Entries.size());
    for (int ei = 0; ei < row->childCount(); ++ei) {
      const TEntry& e = m_groups[gi].Entries[ei];
      QCOMPARE(row->child(ei)->text(0), e.Name);
      QCOMPARE(row->child(ei)->text(1), e.Expression);
      QCOMPARE(row->child(ei)->text(2), e.Description);
      // The parser knows every entry by its value.
      QCOMPARE(QString::fromStdString(h->Eval(e.Name.toStdString())), e.Value);
      ++entries;
    }
  }
  QCOMPARE(h->Parser->UserConstants.Count(), entries);
}

void TestCatalogueRandom::randomSequences_data() {
  QTest::addColumn<quint32>("seed");
  for (const quint32 seed : {1u, 2u, 3u, 4u, 5u, 20261208u}) QTest::newRow(qPrintable(QString::number(seed))) << seed;
}

void TestCatalogueRandom::randomSequences() {
  QFETCH(quint32, seed);
  m_random.seed(seed);
  for (int i = 0; i < 60; ++i) {
    const QString failure = Step();
    QVERIFY2(failure.isEmpty(), qPrintable(QString("step %1: %2").arg(i).arg(failure)));
    Check(QString("step %1").arg(i));
    if (QTest::currentTestFailed()) return;
  }
}

QTEST_MAIN(TestCatalogueRandom)
#include "tst_cataloguerandom.moc"
