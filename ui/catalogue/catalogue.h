// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The catalogue's two windows as the program entry makes them, right after
// the main window and the settings dialog: creating them reads the list
// files into the parser, so user constants and functions work at once.
// The main window shows the catalogue with Func->ShowCatalogue() (btnFunc, F5).
#include <memory>

#include "ui/catalogue/cataloguecontext.h"
#include "ui/catalogue/frmedit.h"
#include "ui/catalogue/frmfunc.h"

struct TCatalogue {
  std::unique_ptr<TfrmEdit> Edit;
  std::unique_ptr<TfrmFunc> Func;  // declared last: it goes first, it uses Edit
};

// Everything in context must outlive the returned windows.
TCatalogue CreateCatalogue(const TCatalogueContext& context);
