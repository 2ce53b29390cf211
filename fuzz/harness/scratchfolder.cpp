// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/harness/scratchfolder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {
std::string MakeFolder() {
  std::string tmpl = (std::filesystem::temp_directory_path() / "tamrix-fuzz-XXXXXX").string();
  if (!::mkdtemp(tmpl.data())) FuzzFailure("cannot create the scratch folder");
  return tmpl + "/";
}

void RemoveFolder() {
  std::error_code ec;
  std::filesystem::remove_all(ScratchFolder(), ec);
}
}  // namespace

const std::string& ScratchFolder() {
  // Never destroyed: the removal at exit runs after static destructors may have.
  static const std::string* const folder = [] {
    auto* f = new std::string(MakeFolder());
    std::atexit(RemoveFolder);
    return f;
  }();
  return *folder;
}

std::string WriteScratchFile(const std::string& name, const std::string& bytes) {
  const std::string path = ScratchFolder() + name;
  std::error_code ec;
  // A conversion may have left something else of that name behind.
  std::filesystem::remove_all(path, ec);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) FuzzFailure("cannot write the scratch file");
  return path;
}

void FuzzFailure(const char* what) {
  std::fprintf(stderr, "fuzz property broken: %s\n", what);
  std::fflush(stderr);
  std::abort();
}
