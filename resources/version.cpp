// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/version.h"

// TAMRIX_VERSION comes from the build (the project version), for this file only,
// so that a new version recompiles nothing else.
const char* const kTamrixVersion = TAMRIX_VERSION;
