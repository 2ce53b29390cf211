// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Section and key names of profile files match without regard to letter case,
// as the system's profile functions match them under a Cyrillic code page:
// ASCII and the Cyrillic letters of Windows-1251 are folded.
#include <string>
#include <string_view>

std::string FoldProfileName(std::string_view name);
bool SameProfileName(std::string_view a, std::string_view b);
