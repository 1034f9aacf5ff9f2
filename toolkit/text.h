// The one pair of conversions between the program's UTF-8 texts and the
// platform's UTF-16, plus the narrow conversion to a given code page that the
// GBK-defined rules need. Invalid input never fails: malformed UTF-8 becomes
// U+FFFD, as do unpaired surrogates on the way back.
#pragma once

#include <string>
#include <string_view>

namespace toolkit {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// Text in the given code page; a character the code page cannot spell
// becomes '?'.
std::string ToCodePage(std::string_view utf8, unsigned codePage);

}  // namespace toolkit
