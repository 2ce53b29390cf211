// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The binary tree stream in which earlier versions of the program kept the
// list files. All numbers little-endian.
//   header   six 16-bit units: 0x2045 0x0056 0x0054 version(0..2) any 0x2046
//   version 2: a 32-bit count of top-level rows; 0 and 1: rows to the end
//   row      u32 type (1), u32 size, then that many bytes of sub-chunks:
//            u32 type, u32 size, body
//     type 2 structure: u32 child count + 8 bytes (versions 0, 1) or + 13
//            bytes (version 2), followed by the child rows
//     type 4 data: the record's fields, each a u32 byte count and the bytes
//     other  skipped by its size
// A row whose type is not 1, or whose sub-chunks do not end exactly at its
// size, makes the stream corrupt: reading stops and keeps what it has.
#include <string>
#include <string_view>
#include <vector>

struct TLegacyRow {
  bool HasData = false;             // its data chunk was read
  std::vector<std::string> Fields;  // UTF-8, fieldCount of them when HasData
  std::vector<TLegacyRow> Children;
};

struct TLegacyStream {
  bool IsLegacy = false;  // the header matched
  bool Corrupt = false;   // reading stopped early
  std::vector<TLegacyRow> Rows;
};

// Nesting deeper than this is no tree the program wrote: the stream is corrupt.
inline constexpr int kMaxLegacyDepth = 64;

// True when bytes begin with the header of a stream of a known version.
bool IsLegacyStream(std::string_view bytes);

// Reads the rows of a stream whose records have fieldCount fields. Never
// throws for any bytes; time linear in their number.
TLegacyStream ReadLegacyStream(std::string_view bytes, int fieldCount);
