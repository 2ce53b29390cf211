// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An engine message as data: the id of its string-table text and the text
// that fills its "%s", so that where it is shown it can be put into any
// language without reading the Russian text back.
#include <string>

struct TZQMessage {
  int Id = 0;  // 0: no message
  std::string Arg;
};
