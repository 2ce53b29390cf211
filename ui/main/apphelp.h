// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application's help file: a bare name that the help viewer resolves.
inline constexpr char kAppHelpFile[] = "Tamrix.hlp";
