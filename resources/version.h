// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's version, written once as the build's project version and
// shown by "tamrix --version", the about box, the package and its metadata.

extern const char* const kTamrixVersion;  // "1.0.0"
