// The toolkit's byte set: a 32-bit dimension count (1), a 32-bit byte
// length, then the bytes; integers little-endian. Plain C++.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace toolkit {

inline constexpr std::size_t kByteSetHeader = 8;

// The bytes of a byte set held in block, or nothing when the block is not a
// one-dimensional byte set or is shorter than its length field says.
std::optional<std::span<const std::uint8_t>> ByteSetBytes(std::span<const std::uint8_t> block);

// A byte set holding bytes.
std::vector<std::uint8_t> MakeByteSet(std::span<const std::uint8_t> bytes);

}  // namespace toolkit
