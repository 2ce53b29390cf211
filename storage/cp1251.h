// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Windows-1251 on disk, UTF-8 inside the program. The conversions happen only
// where a file's bytes are read or written.
#include <string>
#include <string_view>

// Every byte has a character, so this never fails. The one unassigned byte
// (0x98) becomes U+0098 so that it survives a read and a write unchanged.
std::string Cp1251ToUtf8(std::string_view bytes);

// Converts UTF-8 text to Windows-1251. Returns false when some character has
// no Windows-1251 byte or the text is not valid UTF-8; such characters become
// "?" in out, so a false result means out must not be used where loss matters.
bool Utf8ToCp1251(std::string_view utf8, std::string& out);

// A file's text: UTF-8 when it starts with the UTF-8 byte-order mark (which is
// dropped), Windows-1251 otherwise.
std::string DecodeFileText(std::string_view bytes);

// The bytes for a file: Windows-1251 when it can hold the whole text, else
// UTF-8 behind a byte-order mark, so no character is lost.
std::string EncodeFileText(std::string_view utf8);
