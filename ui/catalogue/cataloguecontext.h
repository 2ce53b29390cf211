// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the catalogue windows take from the main window: the one parser, the
// one settings file, the data folder, the expression input box and a way to
// bring the main window to the front. All must outlive the windows.
#include <functional>
#include <string>

class TProfileFile;
class TZQParser;
class TzqComboBox;

struct TCatalogueContext {
  TZQParser* Parser = nullptr;
  TProfileFile* Settings = nullptr;
  std::string ProgramDir;  // ends with a path delimiter
  TzqComboBox* Input = nullptr;
  // Activates the main window; its activation evaluates the input anew.
  std::function<void()> ActivateMain;
};
