// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/privatefolder.h"

#include <QDir>
#include <QFile>
#include <sys/stat.h>

bool IsPrivateFolder(const QString& path, unsigned userId) {
  struct stat info {};
  if (path.isEmpty() || ::lstat(QFile::encodeName(path).constData(), &info) != 0) return false;
  return S_ISDIR(info.st_mode) && info.st_uid == userId && (info.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

QString PrivateRuntimeFolder(unsigned userId) {
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (QDir::isAbsolutePath(runtime) && IsPrivateFolder(QDir::cleanPath(runtime), userId))
    return QDir::cleanPath(runtime);
  // The temporary folder is shared: the name is predictable, so what is
  // found there counts only when it passes the same checks.
  const QString own = QDir(QDir::tempPath()).filePath(QStringLiteral("tamrix-%1").arg(userId));
  ::mkdir(QFile::encodeName(own).constData(), S_IRWXU);  // an existing one is checked below
  return IsPrivateFolder(own, userId) ? own : QString();
}
