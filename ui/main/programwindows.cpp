// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/programwindows.h"

#include <QApplication>

#include "language/desktoplanguage.h"
#include "platform/glyphs.h"
#include "storage/datafolder.h"
#include "storage/mainsettings.h"
#include "storage/profilefile.h"

#include "ui/catalogue/cataloguecontext.h"
#include "ui/options/runoptionsdialog.h"
#include "ui/widgets/accessibility.h"

TProgramWindows::TProgramWindows(const std::string& programDir, THotKeyService* hotKey)
    : TProgramWindows(programDir, hotKey, ReadMainSettings(TProfileFile(programDir + kSettingsFileName))) {}

TProgramWindows::TProgramWindows(const std::string& programDir, THotKeyService* hotKey, const TMainSettings& settings)
    : Language(InterfaceLanguageFor(settings.Language)),
      frmMain(TMainServices{programDir, hotKey, {}, {}, settings}),
      frmOptions(*hotKey, &frmMain),
      frmEdit(frmMain.Parser, *frmMain.Settings, &frmMain),
      frmFunc(TCatalogueContext{&frmMain.Parser, frmMain.Settings.get(), frmMain.ProgramDir, frmMain.cbInput,
                                [this] {
                                  // Text the program inserts is not a user edit: evaluate it here
                                  // too, in case the desktop does not hand the activation over.
                                  frmMain.Activate();
                                  frmMain.cbInputChange();
                                }},
              frmEdit, &frmMain),
      aboutBox(&frmMain) {
  // A stored code the program has no texts for is shown in Russian, and is
  // kept as the user's choice for a later version that has its texts.
  frmMain.Language = Language.Code();
  // Every window of the program, the message boxes and standard dialogs
  // included, shows the program icon in the taskbar and the window switcher.
  QApplication::setWindowIcon(ProgramIcon());
  // The help window, made later, is read by the program's interfaces too.
  InstallAccessibleInterfaces();
  frmMain.ShowAbout = [this] { aboutBox.exec(); };
  frmMain.ShowFunc = [this] { frmFunc.ShowCatalogue(); };
  frmMain.ShowOptions = [this] {
    TOptionsTarget target{frmMain.InTray,      frmMain.ExprMem, frmMain.CloseQuery,
                          frmMain.NExpres,     frmMain.Parser,  frmMain.fsModifiers,
                          frmMain.VK_Code,     [this] { return frmMain.OutputFont(); },
                          [this](const QFont& font) { frmMain.ApplyOutputFont(font); }, &frmMain.LanguageChoice};
    if (!RunOptionsDialog(frmOptions, target)) return false;
    const bool switched = Language.SwitchTo(InterfaceLanguageFor(frmMain.LanguageChoice));
    frmMain.Language = Language.Code();
    // A value shown in the old language is shown again in the new one.
    if (switched) frmMain.cbInputChange();
    return true;
  };
}
