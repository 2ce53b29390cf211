// Program entry: the calculator window, or with --eval the command-line
// evaluator, which needs no display.
#include <QApplication>
#include <QStringList>
#include <memory>

#include "platform/hotkey.h"
#include "ui/main/apphelp.h"
#include "ui/main/frmmain.h"

namespace {
// The folder of "--dir DIR", or the program's own folder.
std::string DataFolder(const QStringList& args) {
  const qsizetype at = args.indexOf(QStringLiteral("--dir"));
  if (at >= 0 && at + 1 < args.size()) return args[at + 1].toStdString();
  return QCoreApplication::applicationDirPath().toStdString();
}
}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("Tamrix"));
  app.setProperty("helpFile", QString::fromLatin1(kAppHelpFile));

  std::unique_ptr<THotKeyService> hotKey = CreateDesktopHotKeyService(&app);
  TfrmMain frmMain(TMainServices{DataFolder(app.arguments()), hotKey.get(), {}});
  // The program ends when the main window has closed for good, also when it
  // sits hidden in the notification area.
  app.setQuitOnLastWindowClosed(false);
  QObject::connect(&frmMain, &TfrmMain::Closed, &app, &QCoreApplication::quit);
  frmMain.show();
  return app.exec();
}
