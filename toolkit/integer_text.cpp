#include "toolkit/integer_text.h"

#include <algorithm>

namespace toolkit {
namespace {

std::string_view UpToTerminator(std::string_view text) {
  return text.substr(0, std::min(text.find('\0'), text.size()));
}

bool IsBlank(unsigned char c) { return c == 0x20 || (c >= 0x09 && c <= 0x0D); }
bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

// Skips white space and one sign, then accumulates digits into an unsigned
// value of the given width; the wrap-around is the unsigned type's own.
template <typename Unsigned>
Unsigned ReadWrapped(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(static_cast<unsigned char>(text[i]))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  Unsigned value = 0;
  for (; i < text.size() && IsDigit(static_cast<unsigned char>(text[i])); ++i) {
    value = static_cast<Unsigned>(value * 10u + static_cast<Unsigned>(text[i] - '0'));
  }
  return negative ? static_cast<Unsigned>(0u - value) : value;
}

}  // namespace

std::string NormaliseIntegerInput(std::string_view text) {
  const auto value = static_cast<std::int64_t>(ReadWrapped<std::uint64_t>(UpToTerminator(text)));
  const std::int64_t limited = std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX);
  return limited == 0 ? std::string() : std::to_string(limited);
}

std::string FoldFullWidthText(std::string_view gbk) {
  gbk = UpToTerminator(gbk);
  std::string folded;
  folded.reserve(gbk.size());
  for (std::size_t i = 0; i < gbk.size(); ++i) {
    const auto lead = static_cast<unsigned char>(gbk[i]);
    if (lead < 0x80) {
      folded.push_back(static_cast<char>(lead));
      continue;
    }
    if (i + 1 == gbk.size()) break;  // a lone lead byte at the end is dropped
    const auto trail = static_cast<unsigned char>(gbk[++i]);
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
      folded.push_back(static_cast<char>(trail - 0x80));
    } else if (lead == 0xA1 && trail == 0xA1) {
      folded.push_back(' ');
    } else if (lead == 0xA1 && trail == 0xAB) {
      folded.push_back('~');
    } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
      folded.push_back('*');
    } else {
      folded.push_back(static_cast<char>(lead));
      folded.push_back(static_cast<char>(trail));
    }
  }
  return folded;
}

std::int32_t ReadDecimal32(std::string_view text) {
  return static_cast<std::int32_t>(ReadWrapped<std::uint32_t>(UpToTerminator(text)));
}

std::int32_t GbkTextToInteger(std::string_view gbk) {
  return ReadDecimal32(FoldFullWidthText(gbk));
}

}  // namespace toolkit
