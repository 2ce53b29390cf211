// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A temporary data folder per test, removed with everything in it.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class TTempFolder {
 public:
  TTempFolder() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "tamrix-test-XXXXXX").string();
    m_path = ::mkdtemp(tmpl.data()) ? tmpl + "/" : std::string();
  }
  ~TTempFolder() {
    std::error_code ec;
    if (!m_path.empty()) std::filesystem::remove_all(m_path, ec);
  }
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;

  const std::string& Path() const { return m_path; }
  std::string File(const std::string& name) const { return m_path + name; }

  std::string Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(File(name), std::ios::binary) << bytes;
    return File(name);
  }
  std::string Read(const std::string& name) const {
    std::ifstream in(File(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  bool Exists(const std::string& name) const { return std::filesystem::exists(File(name)); }
  // Names of every file in the folder (a left-over temporary file shows here).
  std::size_t FileCount() const {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(m_path),
                                                  std::filesystem::directory_iterator()));
  }

 private:
  std::string m_path;
};
