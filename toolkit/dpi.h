// Dots per inch: a window definition gives sizes in pixels at 96 DPI, and
// the toolkit scales them to the DPI of the monitor a window is on. The
// per-monitor functions of newer systems are looked up at run time, with the
// system-wide values as the fallback.
#pragma once

#include <windows.h>

namespace toolkit::detail {

inline constexpr UINT kDefinitionDpi = 96;

UINT SystemDpi();
UINT WindowDpi(HWND hwnd);

// A length of the definition at the given DPI.
int Scale(int length, UINT dpi);

// GetSystemMetrics for the given DPI.
int MetricForDpi(int index, UINT dpi);

// The default GUI font for text at the given DPI: the stock font itself at
// the system DPI, else a new font the caller owns (see OwnsFont).
HFONT GuiFontForDpi(UINT dpi);
bool OwnsFont(HFONT font);

}  // namespace toolkit::detail
