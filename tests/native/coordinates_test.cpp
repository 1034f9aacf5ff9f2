#include "nudge/coordinates.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

constexpr std::int32_t kMin = INT32_MIN;
constexpr std::int32_t kMax = INT32_MAX;

struct Case {
  std::int32_t a;
  std::int32_t b;
  std::int32_t sum;
  std::int32_t difference;
};

TEST(Coordinates, WrapAroundOn32Bits) {
  const Case cases[] = {
      {500, 50, 550, 450},
      {400, -30, 370, 430},
      {0, 50, 50, -50},
      {-1280, 50, -1230, -1330},  // a monitor left of the primary one
      {-10, 50, 40, -60},         // across the edge between a left monitor and the primary
      {20, 50, 70, -30},          // from the primary up into a monitor above it
      {-1024, -50, -1074, -974},  // within a monitor above the primary
      {100, kMax, -2147483549, -2147483547},
      {100, kMin, -2147483548, -2147483548},
      {kMax, 1, kMin, kMax - 1},
      {kMin, 1, kMin + 1, kMax},
      {kMin, kMin, 0, 0},
      {kMax, kMax, -2, 0},
      {kMin, kMax, -1, 1},
      {-1, kMin, kMax, kMax},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(nudge::AddCoordinates(c.a, c.b), c.sum) << c.a << " + " << c.b;
    EXPECT_EQ(nudge::SubtractCoordinates(c.a, c.b), c.difference) << c.a << " - " << c.b;
  }
}

}  // namespace
