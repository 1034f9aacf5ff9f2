// NormaliseIntegerInput against a 64-bit reference read, limited and printed
// on its own; the result must also be stable under a second tidy-up.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tests/fuzz/reference.h"
#include "toolkit/integer_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  const std::string actual = toolkit::NormaliseIntegerInput(text);
  text = text.substr(0, text.find('\0'));
  const auto value = static_cast<std::int64_t>(reference::Read64(text));
  const std::int64_t limited = std::min<std::int64_t>(std::max<std::int64_t>(value, INT32_MIN), INT32_MAX);
  const std::string expected = limited == 0 ? "" : std::to_string(limited);
  if (actual != expected) std::abort();
  if (toolkit::NormaliseIntegerInput(actual) != actual) std::abort();
  return 0;
}
