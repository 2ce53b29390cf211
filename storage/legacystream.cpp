// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/legacystream.h"

#include <cstdint>

#include "storage/cp1251.h"

namespace {

constexpr std::uint32_t kRowChunk = 1;
constexpr std::uint32_t kStructureChunk = 2;
constexpr std::uint32_t kDataChunk = 4;

class TLegacyReader {
 public:
  TLegacyReader(std::string_view bytes, int version, int fieldCount)
      : m_bytes(bytes), m_version(version), m_fieldCount(fieldCount) {}

  std::size_t Pos() const { return m_pos; }
  void Seek(std::size_t pos) { m_pos = pos; }

  bool ReadU32(std::size_t limit, std::uint32_t& v) {
    if (m_pos > limit || limit - m_pos < 4) return false;
    const auto* p = reinterpret_cast<const unsigned char*>(m_bytes.data() + m_pos);
    v = std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
    m_pos += 4;
    return true;
  }

  // One row chunk that must end by limit. Returns false when the stream is
  // corrupt; row keeps what was read of it.
  bool ReadRow(std::size_t limit, int depth, TLegacyRow& row) {
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    if (depth > kMaxLegacyDepth || !ReadU32(limit, type) || type != kRowChunk || !ReadU32(limit, size)) {
      return false;
    }
    // A row that runs past its bounds (a cut-off file) is corrupt, but what
    // it holds up to there is still read.
    const bool truncated = size > limit - m_pos;
    const std::size_t rowEnd = truncated ? limit : m_pos + size;
    while (m_pos < rowEnd) {
      std::uint32_t subType = 0;
      std::uint32_t subSize = 0;
      if (!ReadU32(rowEnd, subType) || !ReadU32(rowEnd, subSize) || subSize > rowEnd - m_pos) return false;
      const std::size_t bodyStart = m_pos;
      const std::size_t bodyEnd = bodyStart + subSize;
      if (subType == kStructureChunk) {
        if (!ReadStructure(bodyEnd, rowEnd, depth, row)) return false;
        // The children follow the structure's body; a size that covers them
        // as well is accepted too.
        if (m_pos < bodyEnd) m_pos = bodyEnd;
      } else if (subType == kDataChunk) {
        if (!ReadData(bodyEnd, row)) return false;
        m_pos = bodyEnd;
      } else {
        m_pos = bodyEnd;
      }
    }
    return !truncated && m_pos == rowEnd;
  }

 private:
  bool ReadStructure(std::size_t bodyEnd, std::size_t rowEnd, int depth, TLegacyRow& row) {
    const std::size_t bodySize = m_version == 2 ? 17 : 12;
    std::uint32_t childCount = 0;
    if (bodyEnd - m_pos < bodySize || !ReadU32(bodyEnd, childCount)) return false;
    m_pos += bodySize - 4;  // height, flags, alignment, check state and type
    // Each child takes at least 8 bytes, so a huge count ends at rowEnd.
    for (std::uint32_t i = 0; i < childCount; ++i) {
      row.Children.emplace_back();
      if (!ReadRow(rowEnd, depth + 1, row.Children.back())) return false;
    }
    return true;
  }

  bool ReadData(std::size_t bodyEnd, TLegacyRow& row) {
    std::vector<std::string> fields;
    for (int i = 0; i < m_fieldCount; ++i) {
      std::uint32_t length = 0;
      if (!ReadU32(bodyEnd, length) || length > bodyEnd - m_pos) return false;
      fields.push_back(Cp1251ToUtf8(m_bytes.substr(m_pos, length)));
      m_pos += length;
    }
    row.Fields = std::move(fields);
    row.HasData = true;
    return true;
  }

  std::string_view m_bytes;
  std::size_t m_pos = 12;
  int m_version;
  int m_fieldCount;
};

std::uint16_t Unit(std::string_view bytes, int i) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                    static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
}

}  // namespace

bool IsLegacyStream(std::string_view bytes) {
  return bytes.size() >= 12 && Unit(bytes, 0) == 0x2045 && Unit(bytes, 1) == 0x0056 &&
         Unit(bytes, 2) == 0x0054 && Unit(bytes, 3) <= 2 && Unit(bytes, 5) == 0x2046;
}

TLegacyStream ReadLegacyStream(std::string_view bytes, int fieldCount) {
  TLegacyStream result;
  if (!IsLegacyStream(bytes)) return result;
  result.IsLegacy = true;
  const int version = Unit(bytes, 3);
  TLegacyReader reader(bytes, version, fieldCount);
  const std::size_t end = bytes.size();
  if (version == 2) {
    std::uint32_t count = 0;
    if (!reader.ReadU32(end, count)) {
      result.Corrupt = true;
      return result;
    }
    for (std::uint32_t i = 0; i < count; ++i) {
      result.Rows.emplace_back();
      if (!reader.ReadRow(end, 0, result.Rows.back())) {
        result.Corrupt = true;
        break;
      }
    }
  } else {
    while (reader.Pos() < end) {
      result.Rows.emplace_back();
      if (!reader.ReadRow(end, 0, result.Rows.back())) {
        result.Corrupt = true;
        break;
      }
    }
  }
  return result;
}
