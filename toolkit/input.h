// Reading the mouse cursor and converting the speed text.
#pragma once

#include <cstdint>
#include <optional>

namespace toolkit {

// The cursor's current x (or y) in screen coordinates, from one
// GetCursorPos call; empty when the platform cannot report it (for instance
// while another desktop has the input).
std::optional<std::int32_t> ReadMouseX();
std::optional<std::int32_t> ReadMouseY();

// The number a UTF-8 text starts with, by the GBK rules: the text is turned
// into GBK (a character GBK cannot spell ends the number), full-width forms
// are folded, and the decimal read wraps around on 32 bits.
std::int32_t TextToInteger(const char* text);

}  // namespace toolkit
