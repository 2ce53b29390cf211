// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/helpviewer.h"

#include "platform/helpwindow.h"

namespace {

THelpViewer* g_installed = nullptr;

}  // namespace

THelpViewer& HelpViewer() {
  static THelpWindowViewer real;
  return g_installed ? *g_installed : real;
}

void SetHelpViewer(THelpViewer* viewer) { g_installed = viewer; }
