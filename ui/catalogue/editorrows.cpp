// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/catalogue/editorrows.h"

#include <QFontMetrics>
#include <QWidget>
#include <algorithm>

namespace {
constexpr int kTopMargin = 4;
constexpr int kCaptionToField = 16;  // design: top of caption to top of field
constexpr int kFieldHeight = 21;
constexpr int kFieldToCaption = 7;
constexpr int kFieldToButtons = 9;
constexpr int kButtonHeight = 23;
constexpr int kBottomMargin = 6;
constexpr int kButtonGap = 7;

void SetTopAndHeight(QWidget* w, int top, int height) { w->setGeometry(w->x(), top, w->width(), height); }
}  // namespace

int LayOutEditorRows(const std::vector<TEditorRow>& rows, const std::vector<QWidget*>& buttons) {
  int top = kTopMargin;
  for (const TEditorRow& row : rows) {
    int captionHeight = 0;
    for (QWidget* c : row.captions) captionHeight = std::max(captionHeight, QFontMetrics(c->font()).height());
    for (QWidget* c : row.captions) SetTopAndHeight(c, top, captionHeight);
    top += std::max(kCaptionToField, captionHeight + 2);
    int fieldHeight = kFieldHeight;
    for (QWidget* f : row.fields) fieldHeight = std::max(fieldHeight, QFontMetrics(f->font()).height() + 6);
    for (QWidget* f : row.fields) SetTopAndHeight(f, top, fieldHeight);
    top += fieldHeight + kFieldToCaption;
  }
  top += kFieldToButtons - kFieldToCaption;
  int buttonHeight = kButtonHeight;
  for (QWidget* b : buttons) buttonHeight = std::max(buttonHeight, QFontMetrics(b->font()).height() + 8);
  for (QWidget* b : buttons) SetTopAndHeight(b, top, buttonHeight);
  // The buttons keep their right edge and widen for their captions, the
  // next one to the left moving aside.
  if (!buttons.empty()) {
    int right = buttons.back()->x() + buttons.back()->width();
    for (auto it = buttons.rbegin(); it != buttons.rend(); ++it) {
      QWidget* b = *it;
      const int width = std::max(b->width(), b->sizeHint().width());
      b->setGeometry(right - width, b->y(), width, b->height());
      right -= width + kButtonGap;
    }
  }
  return top + buttonHeight + kBottomMargin;
}
