// A deterministic ZIP archive of stored (uncompressed) files: entries sorted
// by name, one fixed time stamp, Unix modes kept, no extra fields. The same
// files always give the same bytes. Plain C++.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace package {

struct ZipEntry {
  std::string name;      // '/'-separated path inside the archive
  std::uint32_t mode;    // Unix permission bits, e.g. 0644 or 0755
  std::vector<std::uint8_t> bytes;
};

// CRC-32 as ZIP uses it (the IEEE 802.3 polynomial).
std::uint32_t Crc32(const std::uint8_t* data, std::size_t size);

// The archive; entries are sorted by name first. Names must be unique.
std::vector<std::uint8_t> WriteZip(std::vector<ZipEntry> entries);

}  // namespace package
