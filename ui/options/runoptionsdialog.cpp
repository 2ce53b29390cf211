#include "ui/options/runoptionsdialog.h"

#include "ui/options/frmoptions.h"

bool RunOptionsDialog(TfrmOptions& dialog, TOptionsValues& values) {
  dialog.Fill(values);
  if (dialog.exec() != QDialog::Accepted) return false;
  values = dialog.Read();
  return true;
}
