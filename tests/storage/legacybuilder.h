// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Builds legacy tree streams byte by byte, as the earlier versions wrote them.
#include <cstdint>
#include <string>
#include <vector>

namespace legacy {

inline std::string U16(std::uint16_t v) { return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)}; }
inline std::string U32(std::uint32_t v) {
  return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF), static_cast<char>((v >> 16) & 0xFF),
          static_cast<char>(v >> 24)};
}

inline std::string Header(std::uint16_t version) {
  return U16(0x2045) + U16(0x0056) + U16(0x0054) + U16(version) + U16(0x0020) + U16(0x2046);
}

inline std::string SubChunk(std::uint32_t type, const std::string& body) { return U32(type) + U32(body.size()) + body; }

// A row: structure chunk (with the child rows after it), a caption chunk
// (type 3, skipped by readers) and the data chunk with the fields (bytes as
// on disk, Windows-1251).
inline std::string Row(int version, const std::vector<std::string>& fields,
                       const std::vector<std::string>& children = {}) {
  std::string structure = U32(static_cast<std::uint32_t>(children.size()));
  structure += version == 2 ? std::string(13, '\x01') : U32(18) + std::string(4, '\0');
  std::string body = SubChunk(2, structure);
  for (const auto& c : children) body += c;
  body += SubChunk(3, U16('x') + U16('y'));
  std::string data;
  for (const auto& f : fields) data += U32(static_cast<std::uint32_t>(f.size())) + f;
  body += SubChunk(4, data);
  return U32(1) + U32(static_cast<std::uint32_t>(body.size())) + body;
}

inline std::string Stream(int version, const std::vector<std::string>& rows) {
  std::string s = Header(static_cast<std::uint16_t>(version));
  if (version == 2) s += U32(static_cast<std::uint32_t>(rows.size()));
  for (const auto& r : rows) s += r;
  return s;
}

// "Физика" in Windows-1251.
inline const std::string kPhysics = "\xD4\xE8\xE7\xE8\xEA\xE0";

// One category with the constants g and c.
inline std::string PhysicsConstants(int version) {
  return Stream(version, {Row(version, {kPhysics, "", "", "", ""},
                              {Row(version, {"g", "9.81", "9.81", "gravity", kPhysics}),
                               Row(version, {"c", "3e8", "300000000", "", kPhysics})})});
}

}  // namespace legacy
