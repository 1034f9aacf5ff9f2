// Moving the cursor on a hotkey press.
#pragma once

#include <windows.h>

#include <cstdint>

// Sets the cursor to (x, y) relative to the top-left corner of the window's
// client area, or to the screen position (x, y) when window is null. The sums
// wrap around on 32 bits; the platform confines the cursor to the desktop.
void PlaceCursor(HWND window, std::int32_t x, std::int32_t y);
