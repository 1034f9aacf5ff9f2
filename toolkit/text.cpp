#include "toolkit/text.h"

#include <windows.h>

#include <climits>

namespace toolkit {
namespace {

int Length(std::size_t size) { return size > INT_MAX ? INT_MAX : static_cast<int>(size); }

std::wstring WidenWith(std::string_view utf8, DWORD flags) {
  const int needed = MultiByteToWideChar(CP_UTF8, flags, utf8.data(), Length(utf8.size()), nullptr, 0);
  if (needed <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(needed), L'\0');
  MultiByteToWideChar(CP_UTF8, flags, utf8.data(), Length(utf8.size()), wide.data(), needed);
  return wide;
}

}  // namespace

std::wstring Widen(std::string_view utf8) {
  if (utf8.empty()) return {};
  std::wstring strict = WidenWith(utf8, MB_ERR_INVALID_CHARS);
  return strict.empty() ? WidenWith(utf8, 0) : strict;
}

std::string Narrow(std::wstring_view utf16) {
  if (utf16.empty()) return {};
  const int size = Length(utf16.size());
  const int needed = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return {};
  std::string narrow(static_cast<std::size_t>(needed), '\0');
  WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, narrow.data(), needed, nullptr, nullptr);
  return narrow;
}

std::string ToCodePage(std::string_view utf8, unsigned codePage) {
  const std::wstring wide = Widen(utf8);
  if (wide.empty()) return {};
  const int size = Length(wide.size());
  const int needed = WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, "?", nullptr);
  if (needed <= 0) return {};
  std::string narrow(static_cast<std::size_t>(needed), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), size, narrow.data(), needed, "?", nullptr);
  return narrow;
}

}  // namespace toolkit
