// The export command's constants and its access to the embedded package.
#pragma once

#include <cstdint>
#include <span>

// The referral page opened on every click. The host is one of the names
// reserved for examples, so it can belong to no one.
inline constexpr char REFERRAL_URL[] = "http://forum.example/?fromuid=520131";

// The embedded source package as a toolkit byte set (dimension count 1, the
// length, the ZIP archive's bytes), mapped from the executable's resources
// when first asked for; empty if the executable carries none.
std::span<const std::uint8_t> SOURCE_PACKAGE();
