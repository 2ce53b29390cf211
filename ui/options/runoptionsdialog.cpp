// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/options/runoptionsdialog.h"

#include "engine/zqparser.h"
#include "ui/options/frmoptions.h"

bool RunOptionsDialog(TfrmOptions& dialog, TOptionsValues& values) {
  dialog.Fill(values);
  if (dialog.exec() != QDialog::Accepted) return false;
  values = dialog.Read();
  return true;
}

bool RunOptionsDialog(TfrmOptions& dialog, TOptionsTarget& target) {
  TOptionsValues values;
  values.InTray = target.InTray;
  values.ExprMem = target.ExprMem;
  values.CloseQuery = target.CloseQuery;
  values.NExpres = target.NExpres;
  values.Font = target.OutputFont();
  values.NDigit = target.Parser.NDigit;
  values.DecimalSeparator = target.Parser.DecimalSeparator;
  values.ArgumentSeparator = target.Parser.ArgumentSeparator;
  values.fsModifiers = target.fsModifiers;
  values.VK_Code = target.VK_Code;
  if (target.Language) values.Language = *target.Language;
  if (!RunOptionsDialog(dialog, values)) return false;

  target.InTray = values.InTray;
  target.ExprMem = values.ExprMem;
  target.CloseQuery = values.CloseQuery;
  target.Parser.NDigit = values.NDigit;
  target.NExpres = values.NExpres;
  target.Parser.DecimalSeparator = values.DecimalSeparator;
  target.Parser.ArgumentSeparator = values.ArgumentSeparator;
  // The dialog has registered a changed key already; this keeps the
  // window's copy, which goes to the settings file, in step with it.
  target.fsModifiers = values.fsModifiers;
  target.VK_Code = values.VK_Code;
  if (target.Language) *target.Language = values.Language;
  target.ApplyOutputFont(values.Font);
  return true;
}
