// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A help viewer for tests: remembers what was asked for instead of showing it.
#include <QList>
#include <QString>

#include "platform/helpviewer.h"

class TRecordingHelpViewer : public THelpViewer {
 public:
  struct Request {
    QString helpFile;
    int topic = 0;
    bool operator==(const Request&) const = default;
  };

  QList<Request> Requests;

  void ShowTopic(const QString& helpFile, int topic) override { Requests.append({helpFile, topic}); }
};

// Installs viewer as the program's help viewer for the lifetime of this
// object, restoring the real one afterwards (also when a test fails).
class THelpViewerOverride {
 public:
  explicit THelpViewerOverride(THelpViewer* viewer) { SetHelpViewer(viewer); }
  ~THelpViewerOverride() { SetHelpViewer(nullptr); }
  THelpViewerOverride(const THelpViewerOverride&) = delete;
  THelpViewerOverride& operator=(const THelpViewerOverride&) = delete;
};
