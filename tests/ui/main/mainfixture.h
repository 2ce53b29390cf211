// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A main window on its own temporary data folder, with a fake hot key, a
// notification area that can be switched off, scripted message boxes and a
// recording help viewer.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "tests/doubles/fakehotkeyservice.h"
#include "tests/doubles/recordinghelpviewer.h"
#include "tests/doubles/scriptedmessageboxes.h"
#include "ui/main/frmmain.h"

struct TMainFixture {
  QTemporaryDir dir;
  TFakeHotKeyService hotKey;
  TScriptedMessageBoxes boxes;
  TRecordingHelpViewer help;
  TMessageBoxesOverride boxesOverride{&boxes};
  THelpViewerOverride helpOverride{&help};
  bool trayAvailable = true;
  // None: the platform's own (offscreen: every ability); a Wayland desktop has none.
  std::optional<TWindowAbilities> abilities;
  std::unique_ptr<TfrmMain> frm;

  std::string Dir() const { return QDir(dir.path()).absolutePath().toStdString() + "/"; }
  QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

  // Writes a data file as Windows-1251 bytes would be for ASCII text.
  void WriteFile(const char* name, const QByteArray& bytes) const {
    QFile f(Path(name));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }

  TfrmMain& Create() {
    frm = std::make_unique<TfrmMain>(TMainServices{Dir(), &hotKey, [this] { return trayAvailable; }, abilities});
    return *frm;
  }

  TfrmMain& Show() {
    TfrmMain& w = frm ? *frm : Create();
    w.show();
    w.activateWindow();
    if (!QTest::qWaitForWindowExposed(&w)) qWarning("window not exposed");
    return w;
  }
};
