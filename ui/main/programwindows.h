// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calculator's five windows, created and wired to one another as the
// program runs them. The program entry and the tests build this same object,
// so what the tests check is the wiring the user gets.
#include <string>

#include "language/currentlanguage.h"
#include "storage/mainsettings.h"
#include "ui/catalogue/frmedit.h"
#include "ui/catalogue/frmfunc.h"
#include "ui/main/frmmain.h"
#include "ui/options/frmoptions.h"
#include "ui/widgets/aboutbox.h"

class THotKeyService;

class TProgramWindows {
 public:
  // programDir is the data folder, ending with a path delimiter; hotKey must
  // outlive the windows.
  TProgramWindows(const std::string& programDir, THotKeyService* hotKey);

  TProgramWindows(const TProgramWindows&) = delete;
  TProgramWindows& operator=(const TProgramWindows&) = delete;

 private:
  // The data folder's settings, read once: the language from them is put in
  // force first, the main window takes the rest.
  TProgramWindows(const std::string& programDir, THotKeyService* hotKey, const TMainSettings& settings);

 public:

  // The interface's language, read from the data folder's settings and put
  // in force before any window is built, so that each is built in it; the
  // settings dialog's OK changes it for every window at once.
  TCurrentLanguage Language;
  // The five windows in their order; the catalogue reads the user's
  // constants and functions into the main window's parser as it is created.
  // (The entry editor comes first only because the catalogue holds it.)
  // Members are built in this order and torn down in the reverse one.
  TfrmMain frmMain;
  TfrmOptions frmOptions;
  TfrmEdit frmEdit;
  TfrmFunc frmFunc;
  TAboutBox aboutBox;
};
