// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A rejected entry in the entry editor. The editor raises it from its checks
// and shows it through the general error display while it stays open.
#include <stdexcept>
#include <string>

class EZQEditError : public std::runtime_error {
 public:
  explicit EZQEditError(const std::string& text) : std::runtime_error(text) {}
};
