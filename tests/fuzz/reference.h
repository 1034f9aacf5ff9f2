// Slow, obviously-correct references for the fuzz targets: wider arithmetic,
// reduced at the end.
#pragma once

#include <cstdint>
#include <string>

namespace reference {

inline bool Blank(unsigned char c) { return c == ' ' || (c >= 9 && c <= 13); }

// Reads sign and digits on unsigned 64 bits (wrapping modulo 2^64).
inline std::uint64_t Read64(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && Blank(static_cast<unsigned char>(text[i]))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::uint64_t value = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') value = value * 10 + static_cast<unsigned>(text[i++] - '0');
  return negative ? 0 - value : value;
}

}  // namespace reference
