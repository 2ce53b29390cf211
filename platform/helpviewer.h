// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help document: one file name, topics 1 to 5 (1 main window,
// 2 catalogue, 3 settings, 4 constant editor, 5 function editor).
#include <QString>

class THelpViewer {
 public:
  virtual ~THelpViewer() = default;
  virtual void ShowTopic(const QString& helpFile, int topic) = 0;
};

THelpViewer& HelpViewer();
// Installs a replacement (nullptr restores the real one). Not owned.
void SetHelpViewer(THelpViewer* viewer);
