// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The row of tool buttons along the top of the main window. The right-hand
// group (help, minimise, close) moves with the right edge; the left group
// keeps its designed places while there is room for them and, on a narrow
// window, closes up its gaps so that it always ends before the right-hand
// group: no button covers another, and every button stays in reach.
#include <QPointer>
#include <QWidget>
#include <vector>

class TButtonRow {
 public:
  // The left group in its order, at its present (designed) places, and the
  // first button of the right-hand group.
  TButtonRow(std::vector<QWidget*> left, QWidget* firstRight);

  // Places the left group for the present place of the right-hand group.
  void Fit() const;

 private:
  struct TSlot {
    QPointer<QWidget> button;
    int designLeft;
  };
  std::vector<TSlot> m_left;
  QPointer<QWidget> m_firstRight;
};
