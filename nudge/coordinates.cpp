#include "nudge/coordinates.h"

namespace nudge {
namespace {

// Any sum or difference of two 32-bit values is exact in a double and fits a
// 64-bit integer, so the truncating conversion is always defined.
std::int32_t LowBits(double exact) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::int64_t>(exact)));
}

}  // namespace

std::int32_t AddCoordinates(std::int32_t a, std::int32_t b) {
  return LowBits(static_cast<double>(a) + static_cast<double>(b));
}

std::int32_t SubtractCoordinates(std::int32_t a, std::int32_t b) {
  return LowBits(static_cast<double>(a) - static_cast<double>(b));
}

}  // namespace nudge
