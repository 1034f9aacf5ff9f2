// Screen-coordinate arithmetic of the cursor nudge. Sums and differences are
// formed in double precision, truncated toward zero and cut to the low 32
// bits, which is 32-bit two's-complement wrap-around: nothing is clamped here,
// the platform confines the cursor itself.
#pragma once

#include <cstdint>

namespace nudge {

std::int32_t AddCoordinates(std::int32_t a, std::int32_t b);
std::int32_t SubtractCoordinates(std::int32_t a, std::int32_t b);

}  // namespace nudge
