#include "toolkit/integer_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using toolkit::GbkTextToInteger;
using toolkit::NormaliseIntegerInput;
using toolkit::ReadDecimal32;

struct NormaliseCase {
  std::string before;
  std::string after;
};

// What the speed box shows after it loses the focus.
TEST(NormaliseIntegerInput, Table) {
  const NormaliseCase cases[] = {
      {"50", "50"},
      {"0050", "50"},
      {"0", ""},
      {"-0", ""},
      {"-", ""},
      {"", ""},
      {"5-5", "5"},
      {"abc", ""},
      {"+7", "7"},
      {" 12", "12"},
      {"\t\n\v\f\r 12", "12"},
      {"-30", "-30"},
      {"99999999999", "2147483647"},
      {"-99999999999", "-2147483648"},
      {"2147483647", "2147483647"},
      {"2147483648", "2147483647"},
      {"-2147483648", "-2147483648"},
      {"-2147483649", "-2147483648"},
      // Digits beyond 64 bits wrap modulo 2^64 before the value is limited.
      {"18446744073709551617", "1"},           // 2^64 + 1
      {"18446744073709551616", ""},            // 2^64
      {"18446744073709551615", "-1"},          // 2^64 - 1 reads as -1
      {"9223372036854775808", "-2147483648"},  // 2^63 reads as the lowest 64-bit value
      {"-9223372036854775808", "-2147483648"},
      {"36893488147419103237", "5"},           // 2 * 2^64 + 5
      {"+-5", ""},
      {"--5", ""},
      {"- 5", ""},
      {"12 34", "12"},
      {"3.9", "3"},
      {"\xEF\xBC\x95", ""},  // full-width 5 in UTF-8 is no digit here
      {std::string("7\0" "5", 3), "7"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NormaliseIntegerInput(c.before), c.after) << "text: \"" << c.before << "\"";
  }
}

struct SpeedCase {
  std::string gbk;
  std::int32_t speed;
};

// The speed conversion, on GBK bytes.
TEST(GbkTextToInteger, Table) {
  const SpeedCase cases[] = {
      {"50", 50},
      {"", 0},
      {"abc", 0},
      {"12px", 12},
      {"3.9", 3},
      {"5-5", 5},
      {"0050", 50},
      {"  42", 42},
      {"\t\n\v\f\r42", 42},
      {"-", 0},
      {"+", 0},
      {"- 5", 0},
      {"+ 5", 0},
      {"-30", -30},
      {"+7", 7},
      {"\xA3\xB5\xA3\xB0", 50},                 // ５０
      {"\xA3\xAD\xA3\xB5", -5},                 // －５
      {"\xA3\xAB\xA3\xB7", 7},                  // ＋７
      {"\xA1\xA1\xA3\xB9", 9},                  // ideographic space, ９
      {"\xA3\xB1\xA3\xAE\xA3\xB5", 1},          // １．５
      {"\xCE\xE5\xCA\xAE", 0},                  // 五十
      {"12\xCE\xE5", 12},                       // a left-in-place pair ends the number
      {"1\xA3", 1},                             // a lone lead byte at the end is dropped
      {"\xA3", 0},
      {"5\xA1\xAB" "5", 5},                     // full-width tilde folds to '~'
      {"\xA1\xEE" "5", 0},                      // white star folds to '*'
      {"\xA1\xEF" "5", 0},                      // black star folds to '*'
      {"4294967346", 50},                       // 2^32 + 50
      {"2147483648", -2147483647 - 1},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"4294967295", -1},
      {"-4294967295", 1},
      {"99999999999999999999", 1661992959},  // (10^20 - 1) mod 2^32
      {std::string("8\0" "9", 3), 8},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GbkTextToInteger(c.gbk), c.speed) << "text: \"" << c.gbk << "\"";
  }
}

struct FoldCase {
  std::string gbk;
  std::string folded;
};

TEST(FoldFullWidthText, Table) {
  const FoldCase cases[] = {
      {"", ""},
      {"ab1", "ab1"},
      {"\xA3\xA1", "!"},            // first full-width form
      {"\xA3\xFE", "~"},            // last full-width form
      {"\xA3\xA0", "\xA3\xA0"},     // just below the full-width range
      {"\xA3\xFF", "\xA3\xFF"},     // just above it
      {"\xA1\xA1", " "},
      {"\xA1\xAB", "~"},
      {"\xA1\xEE\xA1\xEF", "**"},
      {"\xA1\xA2", "\xA1\xA2"},     // other punctuation stays
      {"\xB0\xA1", "\xB0\xA1"},     // an ideograph stays
      {"\xA3\xB5\x80", "5"},        // lone lead byte at the end dropped
      {"\x81\x30", "\x81\x30"},     // a pair takes any second byte, even ASCII
  };
  for (const auto& c : cases) {
    EXPECT_EQ(toolkit::FoldFullWidthText(c.gbk), c.folded) << "text: \"" << c.gbk << "\"";
  }
}

TEST(ReadDecimal32, WrapsWithoutLimit) {
  EXPECT_EQ(ReadDecimal32("4294967296"), 0);
  EXPECT_EQ(ReadDecimal32("-2147483649"), 2147483647);
}

}  // namespace
