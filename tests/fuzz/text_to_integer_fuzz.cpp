// GbkTextToInteger against a reference that folds by a lookup of its own and
// reads on 64 bits, reduced modulo 2^32.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tests/fuzz/reference.h"
#include "toolkit/integer_text.h"

namespace {

std::string ReferenceFold(const std::string& in) {
  std::string out;
  std::size_t i = 0;
  while (i < in.size() && in[i] != '\0') {
    const auto b = static_cast<unsigned char>(in[i]);
    if (b < 0x80) {
      out += static_cast<char>(b);
      ++i;
      continue;
    }
    if (i + 1 >= in.size() || in[i + 1] == '\0') break;
    const auto t = static_cast<unsigned char>(in[i + 1]);
    const unsigned pair = b << 8 | t;
    if (b == 0xA3 && t >= 0xA1 && t <= 0xFE) out += static_cast<char>(t - 0x80);
    else if (pair == 0xA1A1) out += ' ';
    else if (pair == 0xA1AB) out += '~';
    else if (pair == 0xA1EE || pair == 0xA1EF) out += '*';
    else out += in.substr(i, 2);
    i += 2;
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::int32_t actual = toolkit::GbkTextToInteger(text);
  const auto expected = static_cast<std::int32_t>(static_cast<std::uint32_t>(reference::Read64(ReferenceFold(text))));
  if (actual != expected) std::abort();
  return 0;
}
