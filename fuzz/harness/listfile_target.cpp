// SPDX-License-Identifier: GPL-3.0-or-later
// A list file of any bytes, profile text or legacy stream, loaded as the
// program loads it at start-up (a complete legacy stream is converted, so the
// file is written anew in the scratch folder) and in the read-only mode of
// the command line, which must never write.
#include <string>

#include "fuzz/harness/fuzzinput.h"
#include "fuzz/harness/fuzztargets.h"
#include "fuzz/harness/scratchfolder.h"
#include "storage/cp1251.h"
#include "storage/filebytes.h"
#include "storage/listfiles.h"

namespace {
// Flags byte: bit 0 functions instead of constants, bit 1 read-only mode,
// bit 2 a legacy header of version (bits 3..4) is put in front, so that the
// fuzzer reaches the stream reader without having to find the header.
std::string FileBytes(std::uint8_t flags, std::string_view rest) {
  std::string bytes;
  if (flags & 4) {
    const char version = static_cast<char>((flags >> 3) & 3);
    bytes = std::string("\x45\x20\x56\x00\x54\x00", 6) + version + std::string("\x00\x20\x00\x46\x20", 5);
  }
  bytes += rest;
  return bytes;
}

std::string FileTextOf(const TConstPage& page) { return ConstFileText(page); }
std::string FileTextOf(const TFuncPage& page) { return FuncFileText(page); }

// The text of the page loaded from a file holding text.
template <class Page, class LoadFn>
std::string ResavedText(const std::string& text, LoadFn load) {
  const std::string path = WriteScratchFile("resaved.lst", EncodeFileText(text));
  Page page;
  TZQTextList lines;
  load(path, page, lines, TListLoadMode::ReadOnly);
  return FileTextOf(page);
}

template <class Page, class LoadFn>
void Load(const std::string& path, bool readOnly, LoadFn load) {
  Page page;
  TZQTextList lines;
  load(path, page, lines, readOnly ? TListLoadMode::ReadOnly : TListLoadMode::Convert);
  std::size_t entries = 0;
  for (const auto& group : page.Groups) entries += group.Entries.size();
  if (entries != static_cast<std::size_t>(lines.Count())) FuzzFailure("page rows and parser lines differ");
  if (page.Categories.size() != page.Groups.size()) FuzzFailure("categories and groups differ");
  // Saving is stable after one round: the format has no escapes, so a "|"
  // inside a field or blanks around a name are lost in the first save (as
  // documented), but the saved file then loads and saves to itself.
  const std::string saved = ResavedText<Page>(FileTextOf(page), load);
  if (ResavedText<Page>(saved, load) != saved) FuzzFailure("saving a saved list file changes it");
  if (readOnly) return;
  // What the load left on disk (the converted file) loads again.
  Page again;
  TZQTextList againLines;
  load(path, again, againLines, TListLoadMode::ReadOnly);
}
}  // namespace

int FuzzListFile(const std::uint8_t* data, std::size_t size) {
  TFuzzInput in(data, size);
  const std::uint8_t flags = in.Byte();
  const bool functions = flags & 1;
  const bool readOnly = flags & 2;
  const std::string bytes = FileBytes(flags, in.Rest());
  const std::string path = WriteScratchFile(functions ? "functions.lst" : "variables.lst", bytes);
  if (functions) Load<TFuncPage>(path, readOnly, LoadFuncFile);
  else Load<TConstPage>(path, readOnly, LoadConstFile);
  if (readOnly && ReadFileBytes(path).Bytes != bytes) FuzzFailure("a read-only load changed the file");
  return 0;
}
