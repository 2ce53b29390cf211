// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The expression history "Tamrix.his": one expression per line, the most
// recent first.
#include <string>
#include <vector>

// The entries of the file. A line ends at CR, LF or CR LF; empty lines are
// empty entries; a last line without line end counts; a NUL ends the text.
// A missing file, or one that cannot be opened, gives no entries. Throws
// EStorageError when reading breaks off midway.
std::vector<std::string> ReadHistory(const std::string& path);

// The first nExpres entries (all of them are dropped for 0 or less).
std::vector<std::string> TrimHistory(std::vector<std::string> entries, int nExpres);

// Replaces the file by the first nExpres entries, each ended by CR LF (no
// entries: an empty file). Throws EStorageError "Cannot create file <path>"
// when it cannot; the old file then stays intact.
void WriteHistory(const std::string& path, const std::vector<std::string>& entries, int nExpres);

// The entries split from a file's decoded text (the reading rules above).
std::vector<std::string> SplitHistoryText(const std::string& text);
