// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help viewer the user sees: one small window that shows a topic of the
// help file and follows the links between topics.
#include <QObject>
#include <QPointer>
#include <QString>

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
  // Shows the window's topic and caption again when the interface's
  // language changes.
  class TLanguageWatch : public QObject {
   public:
    explicit TLanguageWatch(THelpWindowViewer& owner) : m_owner(owner) {}
    bool eventFilter(QObject* watched, QEvent* event) override;

   private:
    THelpWindowViewer& m_owner;
  };

  void SetTitle();

  QPointer<QTextBrowser> m_browser;
  QString m_helpFile;
  int m_topic = 1;
  TLanguageWatch m_languageWatch{*this};
};
