// Integer text rules shared by the toolkit: the tidy-up an integer-input edit
// box applies when it loses the focus, and the text-to-number conversion of
// the speed text. Plain C++ without any platform header, so the rules are
// tested natively.
//
// A text ends at its first zero byte or at the end of the view, whichever
// comes first, as the platform hands texts over zero-terminated.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace toolkit {

// The text an integer-input box shows after losing the focus: leading white
// space skipped, one sign, digits up to the first non-digit (wrapping modulo
// 2^64), the value limited to the 32-bit range and written as "%d"; the
// result "0" becomes the empty text.
std::string NormaliseIntegerInput(std::string_view text);

// Folds the GBK full-width forms of printable ASCII (and the ideographic
// space, the full-width tilde and the two stars) to single bytes. A lone lead
// byte at the end is dropped; every other pair stays as it is.
std::string FoldFullWidthText(std::string_view gbk);

// Reads a decimal number: white space (0x09-0x0D, 0x20), one sign, then
// digits, all on 32 bits with wrap-around. No digit gives 0.
std::int32_t ReadDecimal32(std::string_view text);

// FoldFullWidthText followed by ReadDecimal32: the speed conversion, on GBK
// bytes.
std::int32_t GbkTextToInteger(std::string_view gbk);

}  // namespace toolkit
