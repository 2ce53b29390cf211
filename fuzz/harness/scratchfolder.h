// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A private temporary folder for the file targets, made once per process and
// removed at its exit, so runs in parallel never share a file.
#include <string>

// The folder's path, ending with "/".
const std::string& ScratchFolder();

// Replaces the file name in the scratch folder by bytes; returns its path.
std::string WriteScratchFile(const std::string& name, const std::string& bytes);

// Aborts with a message when a property of a target does not hold.
[[noreturn]] void FuzzFailure(const char* what);
