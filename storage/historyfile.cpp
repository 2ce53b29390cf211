// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/historyfile.h"

#include "storage/cp1251.h"
#include "storage/filebytes.h"
#include "storage/storageerror.h"

std::vector<std::string> SplitHistoryText(const std::string& text) {
  std::vector<std::string> lines;
  const std::size_t end = text.find('\0');
  const std::size_t n = end == std::string::npos ? text.size() : end;
  std::size_t start = 0;
  while (start < n) {
    std::size_t i = start;
    while (i < n && text[i] != '\r' && text[i] != '\n') ++i;
    lines.push_back(text.substr(start, i - start));
    if (i < n && text[i] == '\r') {
      ++i;
      if (i < n && text[i] == '\n') ++i;  // CR LF is one line end
    } else if (i < n) {
      ++i;
    }
    start = i;
  }
  return lines;
}

std::vector<std::string> ReadHistory(const std::string& path) {
  TFileBytes file = ReadFileBytes(path);
  if (file.Status == TReadStatus::Failed) throw EStorageError(TStorageMessageId::StreamReadError, path);
  if (file.Status != TReadStatus::Ok) return {};
  // The NUL ends the text before decoding, so it works for both encodings.
  const std::size_t nul = file.Bytes.find('\0');
  if (nul != std::string::npos) file.Bytes.resize(nul);
  return SplitHistoryText(DecodeFileText(file.Bytes));
}

std::vector<std::string> TrimHistory(std::vector<std::string> entries, int nExpres) {
  const std::size_t keep = nExpres > 0 ? static_cast<std::size_t>(nExpres) : 0;
  if (entries.size() > keep) entries.resize(keep);
  return entries;
}

void WriteHistory(const std::string& path, const std::vector<std::string>& entries, int nExpres) {
  std::string text;
  for (const std::string& entry : TrimHistory(entries, nExpres)) {
    // An entry is one line: a line break inside it would make two entries.
    for (char c : entry) text += (c == '\r' || c == '\n' || c == '\0') ? ' ' : c;
    text += "\r\n";
  }
  if (!WriteFileAtomic(path, EncodeFileText(text))) throw EStorageError(TStorageMessageId::CannotCreateFile, path);
}
