#include "toolkit/input.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "toolkit/integer_text.h"
#include "toolkit/text.h"

namespace toolkit {
namespace {

constexpr unsigned kGbkCodePage = 936;

std::optional<POINT> CursorPosition() {
  POINT point{};
  if (!GetCursorPos(&point)) return std::nullopt;
  return point;
}

}  // namespace

std::optional<std::int32_t> ReadMouseX() {
  const auto point = CursorPosition();
  return point ? std::optional<std::int32_t>(point->x) : std::nullopt;
}

std::optional<std::int32_t> ReadMouseY() {
  const auto point = CursorPosition();
  return point ? std::optional<std::int32_t>(point->y) : std::nullopt;
}

std::int32_t TextToInteger(const char* text) {
  if (text == nullptr || *text == '\0') return 0;
  const std::string_view view(text);
  // ASCII reads the same in UTF-8 and GBK: no conversion needed.
  const bool ascii = std::all_of(view.begin(), view.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  return GbkTextToInteger(ascii ? std::string(view) : ToCodePage(view, kGbkCodePage));
}

}  // namespace toolkit
