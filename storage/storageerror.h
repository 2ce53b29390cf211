// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The failure of a file operation of the storage layer; its text is the
// message the user sees ("Unable to write to <path>", "Cannot create file <path>").
#include <stdexcept>
#include <string>

class EStorageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
