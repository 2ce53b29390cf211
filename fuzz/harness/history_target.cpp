// SPDX-License-Identifier: GPL-3.0-or-later
// A history file of any bytes: read, written back, read again; the second
// reading must give what the first one did.
#include <string>
#include <vector>

#include "fuzz/harness/fuzztargets.h"
#include "fuzz/harness/scratchfolder.h"
#include "storage/historyfile.h"
#include "storage/storageerror.h"

int FuzzHistoryFile(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string path = WriteScratchFile("Tamrix.his", bytes);
  const std::vector<std::string> entries = ReadHistory(path);
  const int keep = size == 0 ? 0 : data[0] % 16;
  WriteHistory(path, entries, keep);
  const std::vector<std::string> again = ReadHistory(path);
  if (again != TrimHistory(entries, keep)) FuzzFailure("the history does not read back as written");
  return 0;
}
