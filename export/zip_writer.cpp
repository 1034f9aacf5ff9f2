#include "export/zip_writer.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace package {
namespace {

// 1980-01-01 00:00:00, the earliest time a ZIP entry can carry.
constexpr std::uint16_t kDosTime = 0x0000;
constexpr std::uint16_t kDosDate = 0x0021;
constexpr std::uint16_t kMadeByUnix = 0x031E;  // Unix, format 3.0
constexpr std::uint16_t kNeeded = 10;          // stored entries need 1.0
constexpr std::uint16_t kUtf8Names = 0x0800;

class Writer {
 public:
  void U16(std::uint32_t v) {
    bytes_.push_back(static_cast<std::uint8_t>(v));
    bytes_.push_back(static_cast<std::uint8_t>(v >> 8));
  }
  void U32(std::uint32_t v) {
    U16(v & 0xFFFF);
    U16(v >> 16);
  }
  void Raw(const std::uint8_t* data, std::size_t size) { bytes_.insert(bytes_.end(), data, data + size); }
  void Text(const std::string& s) { Raw(reinterpret_cast<const std::uint8_t*>(s.data()), s.size()); }
  std::uint32_t Offset() const { return static_cast<std::uint32_t>(bytes_.size()); }
  std::vector<std::uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
};

const std::array<std::uint32_t, 256>& CrcTable() {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t i = 0; i < 256; ++i) {
      std::uint32_t c = i;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[i] = c;
    }
    return t;
  }();
  return table;
}

}  // namespace

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (std::size_t i = 0; i < size; ++i) crc = CrcTable()[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

std::vector<std::uint8_t> WriteZip(std::vector<ZipEntry> entries) {
  std::sort(entries.begin(), entries.end(), [](const ZipEntry& a, const ZipEntry& b) { return a.name < b.name; });
  for (std::size_t i = 1; i < entries.size(); ++i) {
    if (entries[i].name == entries[i - 1].name) throw std::invalid_argument("duplicate entry " + entries[i].name);
  }
  Writer out;
  std::vector<std::uint32_t> offsets;
  std::vector<std::uint32_t> crcs;
  for (const ZipEntry& e : entries) {
    offsets.push_back(out.Offset());
    crcs.push_back(Crc32(e.bytes.data(), e.bytes.size()));
    out.U32(0x04034B50);
    out.U16(kNeeded);
    out.U16(kUtf8Names);
    out.U16(0);  // stored
    out.U16(kDosTime);
    out.U16(kDosDate);
    out.U32(crcs.back());
    out.U32(static_cast<std::uint32_t>(e.bytes.size()));
    out.U32(static_cast<std::uint32_t>(e.bytes.size()));
    out.U16(static_cast<std::uint32_t>(e.name.size()));
    out.U16(0);
    out.Text(e.name);
    out.Raw(e.bytes.data(), e.bytes.size());
  }
  const std::uint32_t directory = out.Offset();
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const ZipEntry& e = entries[i];
    out.U32(0x02014B50);
    out.U16(kMadeByUnix);
    out.U16(kNeeded);
    out.U16(kUtf8Names);
    out.U16(0);
    out.U16(kDosTime);
    out.U16(kDosDate);
    out.U32(crcs[i]);
    out.U32(static_cast<std::uint32_t>(e.bytes.size()));
    out.U32(static_cast<std::uint32_t>(e.bytes.size()));
    out.U16(static_cast<std::uint32_t>(e.name.size()));
    out.U16(0);  // extra
    out.U16(0);  // comment
    out.U16(0);  // disk
    out.U16(0);  // internal attributes
    out.U32((0100000u | (e.mode & 0777u)) << 16);  // a regular file with its mode
    out.U32(offsets[i]);
    out.Text(e.name);
  }
  const std::uint32_t directorySize = out.Offset() - directory;
  out.U32(0x06054B50);
  out.U16(0);
  out.U16(0);
  out.U16(static_cast<std::uint32_t>(entries.size()));
  out.U16(static_cast<std::uint32_t>(entries.size()));
  out.U32(directorySize);
  out.U32(directory);
  out.U16(0);
  return out.Take();
}

}  // namespace package
