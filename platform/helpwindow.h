// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help viewer the user sees: one small window that shows a topic of the
// help file and follows the links between topics.
#include <QPointer>

#include "platform/helpviewer.h"

class QTextBrowser;

class THelpWindowViewer : public THelpViewer {
 public:
  THelpWindowViewer() = default;
  ~THelpWindowViewer() override;
  THelpWindowViewer(const THelpWindowViewer&) = delete;
  THelpWindowViewer& operator=(const THelpWindowViewer&) = delete;

  void ShowTopic(const QString& helpFile, int topic) override;
  // The window's browser, none before the first topic was asked for.
  QTextBrowser* Browser() const;

 private:
  QPointer<QTextBrowser> m_browser;
};
