// SPDX-License-Identifier: GPL-3.0-or-later
// The libFuzzer entry of one target, chosen when the program is compiled.
#include <cstddef>
#include <cstdint>

#include "fuzz/harness/fuzztargets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return TAMRIX_FUZZ_TARGET(data, size);
}
