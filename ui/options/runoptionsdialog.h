#pragma once
// The main window's side of the settings dialog: fill it, show it modally,
// and hand the values back only when it ends with OK.
#include "ui/options/optionsvalues.h"

class TfrmOptions;

// Returns true and replaces values after OK (the hot key pair included,
// which the dialog has registered already); false and values untouched
// after Cancel or the close box.
bool RunOptionsDialog(TfrmOptions& dialog, TOptionsValues& values);
