#include "toolkit/byte_set.h"

namespace toolkit {
namespace {

std::uint32_t ReadLittleEndian32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

void AppendLittleEndian32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

}  // namespace

std::optional<std::span<const std::uint8_t>> ByteSetBytes(std::span<const std::uint8_t> block) {
  if (block.size() < kByteSetHeader) return std::nullopt;
  if (ReadLittleEndian32(block.data()) != 1) return std::nullopt;
  const std::uint32_t length = ReadLittleEndian32(block.data() + 4);
  if (length > 0x7FFFFFFF || length > block.size() - kByteSetHeader) return std::nullopt;
  return block.subspan(kByteSetHeader, length);
}

std::vector<std::uint8_t> MakeByteSet(std::span<const std::uint8_t> bytes) {
  std::vector<std::uint8_t> block;
  block.reserve(kByteSetHeader + bytes.size());
  AppendLittleEndian32(block, 1);
  AppendLittleEndian32(block, static_cast<std::uint32_t>(bytes.size()));
  block.insert(block.end(), bytes.begin(), bytes.end());
  return block;
}

}  // namespace toolkit
