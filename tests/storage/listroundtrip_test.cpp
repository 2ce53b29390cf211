// SPDX-License-Identifier: GPL-3.0-or-later
// Records saved and loaded again come back the same, for any texts without
// "|" or line breaks, and without blanks around names and categories (the
// value fields keep theirs).
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "storage/listfiles.h"
#include "storage/profilename.h"
#include "tempfolder.h"

namespace {

class TRandomText {
 public:
  explicit TRandomText(unsigned seed) : m_rng(seed) {}

  // Letters of every kind the files meet: ASCII signs, quotes, brackets,
  // Cyrillic, Windows-1251 symbols, and characters it cannot hold.
  std::string Text(int maxLength, bool allowEmpty, const std::string& forbidden = "", bool trim = true) {
    static const std::vector<std::string> pool = {
        "a", "Z", "0", "9", "_", "(", ")", ",", ";", ".", "*", "+", "-", "^", "\"", "'", "[", "]", "=",
        " ", "ж", "Ё", "я", "Ї", "€", "№", "°", "日", "ß", "😀", "%", "$", "#"};
    for (;;) {
      std::string s;
      const int n = std::uniform_int_distribution<int>(allowEmpty ? 0 : 1, maxLength)(m_rng);
      for (int i = 0; i < n; ++i) {
        const std::string& c = pool[std::uniform_int_distribution<std::size_t>(0, pool.size() - 1)(m_rng)];
        if (forbidden.find(c) == std::string::npos || c.size() > 1) s += c;
      }
      while (trim && !s.empty() && s.front() == ' ') s.erase(0, 1);
      while (trim && !s.empty() && s.back() == ' ') s.pop_back();
      if (allowEmpty || !s.empty()) return s;
    }
  }
  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }

 private:
  std::mt19937 m_rng;
};

template <class Record>
TListPage<Record> PageOf(const std::vector<Record>& records) {
  TListPage<Record> page;
  for (const Record& r : records) {
    TListGroup<Record>* g = page.FindGroup(r.Category);
    if (!g) g = &page.AddGroup(r.Category);
    g->Entries.push_back(r);
  }
  return page;
}

// A key cannot hold "=" (it ends the key) nor begin with "[" (a section).
const std::string kKeyForbidden = "=[";

TEST(ListRoundTrip, ConstantsComeBackTheSame) {
  TRandomText random(20261208);
  TTempFolder dir;
  for (int round = 0; round < 100; ++round) {
    std::vector<std::string> categories;
    std::set<std::string> folded;
    while (categories.size() < 3) {
      std::string c = random.Text(8, true);
      if (folded.insert(FoldProfileName(c)).second) categories.push_back(c);
    }
    std::vector<TUserConstRecord> records;
    std::set<std::string> keys;
    for (int i = random.Below(12); i > 0; --i) {
      TUserConstRecord r{random.Text(6, false, kKeyForbidden), random.Text(10, false, "", false),
                         random.Text(10, true, "", false), random.Text(20, true, "", false), categories[static_cast<std::size_t>(random.Below(3))]};
      if (!keys.insert(FoldProfileName(r.Category) + "\n" + FoldProfileName(r.Name)).second) continue;
      records.push_back(r);
    }
    const TConstPage saved = PageOf(records);
    SaveConstFile(dir.File("variables.lst"), saved);
    TConstPage loaded;
    TZQTextList lines;
    LoadConstFile(dir.File("variables.lst"), loaded, lines);
    ASSERT_EQ(loaded.Groups, saved.Groups) << dir.Read("variables.lst");
    EXPECT_EQ(loaded.Categories, saved.Categories);
    std::vector<std::string> expectedLines;
    for (const auto& g : saved.Groups) {
      for (const auto& r : g.Entries) expectedLines.push_back(ConstLine(r));
    }
    EXPECT_EQ(lines.Lines(), expectedLines);
  }
}

TEST(ListRoundTrip, FunctionsComeBackTheSame) {
  TRandomText random(7);
  TTempFolder dir;
  for (int round = 0; round < 100; ++round) {
    std::vector<TUserFuncRecord> records;
    std::set<std::string> keys;
    const std::string categories[] = {random.Text(6, false), "Другие"};
    for (int i = random.Below(12); i > 0; --i) {
      const std::string& category = categories[random.Below(2)];
      TUserFuncRecord r{random.Text(5, false, kKeyForbidden) + "(" + random.Text(4, true, "=") + ")",
                        random.Text(12, false, "", false), random.Text(20, true, "", false), category};
      if (!keys.insert(FoldProfileName(r.Category) + "\n" + FoldProfileName(r.Head)).second) continue;
      records.push_back(r);
    }
    if (SameProfileName(categories[0], categories[1])) continue;
    const TFuncPage saved = PageOf(records);
    SaveFuncFile(dir.File("functions.lst"), saved);
    TFuncPage loaded;
    TZQTextList lines;
    LoadFuncFile(dir.File("functions.lst"), loaded, lines);
    ASSERT_EQ(loaded.Groups, saved.Groups) << dir.Read("functions.lst");
  }
}

}  // namespace
