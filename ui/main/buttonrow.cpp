// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/buttonrow.h"

namespace {
// The least space kept between the two groups, as between the right-hand
// buttons themselves.
constexpr int kGroupGap = 2;
}  // namespace

TButtonRow::TButtonRow(std::vector<QWidget*> left, QWidget* firstRight) : m_firstRight(firstRight) {
  for (QWidget* b : left) m_left.push_back({b, b->x()});
}

void TButtonRow::Fit() const {
  if (m_left.empty() || !m_firstRight) return;
  for (const TSlot& s : m_left)
    if (!s.button) return;
  const auto gapBefore = [this](std::size_t i) {
    return m_left[i].designLeft - (m_left[i - 1].designLeft + m_left[i - 1].button->width());
  };
  int designGaps = 0;
  int widths = m_left.front().button->width();
  for (std::size_t i = 1; i < m_left.size(); ++i) {
    designGaps += gapBefore(i);
    widths += m_left[i].button->width();
  }
  const int start = m_left.front().designLeft;
  const int end = m_firstRight->x() - kGroupGap;
  // Short of room, every gap gives up the same share of its designed width.
  const int gapBudget = qBound(0, end - start - widths, designGaps);
  int x = start;
  int gapsSoFar = 0;
  for (std::size_t i = 0; i < m_left.size(); ++i) {
    QWidget* b = m_left[i].button;
    if (i > 0) {
      const int before = gapsSoFar * gapBudget / qMax(1, designGaps);
      gapsSoFar += gapBefore(i);
      x += m_left[i - 1].button->width() + gapsSoFar * gapBudget / qMax(1, designGaps) - before;
    }
    if (b->x() != x) b->move(x, b->y());
  }
}
