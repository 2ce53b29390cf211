// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/messageboxes.h"

#include "platform/qtmessageboxes.h"

namespace {

TMessageBoxes* g_installed = nullptr;

}  // namespace

TMessageBoxes& MessageBoxes() {
  static TQtMessageBoxes real;
  return g_installed ? *g_installed : real;
}

void SetMessageBoxes(TMessageBoxes* boxes) { g_installed = boxes; }
