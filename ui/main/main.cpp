// SPDX-License-Identifier: GPL-3.0-or-later
// Program entry: with --eval (or --help, --version, a usage error) the
// command-line evaluator, which needs no display; otherwise, where there is a
// display, the calculator's five windows and the event loop.
#include <QApplication>
#include <unistd.h>

#include <iostream>
#include <memory>

#include "cli/commandline.h"
#include "language/desktoplanguage.h"
#include "language/interfacelanguage.h"
#include "language/messagecatalogue.h"
#include "platform/activationtoken.h"
#include "platform/hotkey.h"
#include "storage/datafolder.h"
#include "ui/main/displaycheck.h"
#include "ui/main/apphelp.h"
#include "ui/main/frmmain.h"
#include "ui/main/programending.h"
#include "ui/main/programwindows.h"
#include "ui/main/singleinstance.h"

int main(int argc, char** argv) {
  // The catalogue is loaded on the first message only: most runs print none.
  // The language is the window's: the stored choice, else the desktop's.
  std::unique_ptr<TInterfaceLanguage> cliLanguage;
  const auto catalogue = [&](const std::string& language) -> const QTranslator& {
    if (!cliLanguage) cliLanguage = std::make_unique<TInterfaceLanguage>(InterfaceLanguageFor(language));
    return cliLanguage->Catalogue();
  };
  const auto translate = [&](const std::string& language, const TZQMessage& message) {
    return MessageText(message, catalogue(language));
  };
  const auto translateStorage = [&](const std::string& language, const TStorageMessage& message) {
    return MessageText(message, catalogue(language));
  };
  if (std::optional<int> status =
          RunCommandLine(argc, argv, std::cin, std::cout, std::cerr, translate, translateStorage)) {
    return *status;
  }
  if (!HasDisplay(argc, argv)) {
    std::cerr << kNoDisplayMessage << '\n';
    return 1;
  }

  // Read before the toolkit starts: it may take the variables away.
  const QString activationToken = LauncherActivationToken();
  QApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("Tamrix"));
  app.setDesktopFileName(QStringLiteral("org.tamrix.Tamrix"));  // the menu entry org.tamrix.Tamrix.desktop
  app.setProperty("helpFile", QString::fromLatin1(kAppHelpFile));
  const TCommandLine commandLine = ParseCommandLine(argc, argv);
  const std::string programDir =
      ResolveProgramDir(RunningProgramPath(argc > 0 ? argv[0] : nullptr), commandLine.Dir, ReadUserDirs());
  // "tamrix --toggle" (a desktop shortcut where no global key can be
  // grabbed): the calculator already running on this data folder acts as on
  // its hot key and this run ends; with none running, this one becomes it.
  TSingleInstance instance(TSingleInstance::ServerName(QString::fromStdString(programDir), ::getuid()));
  if (instance.Name().isEmpty()) std::cerr << "tamrix: no private folder for the --toggle socket\n";
  if (commandLine.Toggle && TSingleInstance::SendToggle(instance.Name(), activationToken)) return 0;
  // A calculator started by a launcher comes to the front with its token.
  OfferActivationToken(activationToken);
  std::unique_ptr<THotKeyService> hotKey = CreateDesktopHotKeyService(&app);

  TProgramWindows windows(programDir, hotKey.get());
  TfrmMain& frmMain = windows.frmMain;

  TProgramEnding ending(windows);
  QObject::connect(&instance, &TSingleInstance::ToggleRequested, &frmMain, &TfrmMain::WMHotKey);
  instance.Listen();
  frmMain.show();
  return app.exec();
}
