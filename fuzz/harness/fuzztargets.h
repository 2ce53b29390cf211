// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bodies of the fuzz targets, shared by the libFuzzer programs and by the
// regression tests that replay every kept input in the ordinary build. Each
// returns 0 and aborts when a property that must hold for every input breaks.
#include <cstddef>
#include <cstdint>

// Settings byte, optional raw separators, NDigit byte, user lines, then the
// expression: Evaluate and EvaluateToText must agree.
int FuzzEvaluate(const std::uint8_t* data, std::size_t size);
// Ten bytes of an 80-bit pattern, NDigit byte, flags byte: FormatValue with
// every code from -12 to 7 and both decimal separators.
int FuzzFormatValue(const std::uint8_t* data, std::size_t size);
// The bytes as a settings file: every section, key and value read through
// TProfileFile and in memory, ReadMainSettings, and one write.
int FuzzProfileFile(const std::uint8_t* data, std::size_t size);
// Flags byte, then the bytes as "variables.lst" or "functions.lst" (with a
// legacy stream header put in front when the flags ask for it).
int FuzzListFile(const std::uint8_t* data, std::size_t size);
// The bytes as "Tamrix.his": read, write back, read again.
int FuzzHistoryFile(const std::uint8_t* data, std::size_t size);

struct TFuzzTarget {
  const char* Name;  // also the folder name of its corpus and regressions
  int (*Run)(const std::uint8_t*, std::size_t);
};

inline constexpr TFuzzTarget kFuzzTargets[] = {
    {"evaluate", FuzzEvaluate},       {"formatvalue", FuzzFormatValue}, {"profilefile", FuzzProfileFile},
    {"listfile", FuzzListFile},       {"historyfile", FuzzHistoryFile},
};
