// The hotkey facility: registers keys for a window, takes over that window's
// message handling once, and turns each WM_HOTKEY into WM_UNIT_FEEDBACK for
// the target control. GUI thread only.
#pragma once

#include <windows.h>

#include <cstdint>

namespace toolkit {

inline constexpr std::int32_t HOTKEY_ID_BASE = 33000;

// Toolkit modifier codes, combined by OR; 0 is no modifier key.
inline constexpr std::int32_t kModifierCtrl = 1;
inline constexpr std::int32_t kModifierShift = 2;
inline constexpr std::int32_t kModifierAlt = 4;
inline constexpr std::int32_t kModifierWin = 8;

struct HotkeyFacility {
  std::int32_t hotkeySerial = 0;         // registration attempts so far
  std::uint32_t lastHotkeyId = 0;        // identifier of the latest attempt, accepted or not
  HWND hotkeyTarget = nullptr;           // receives WM_UNIT_FEEDBACK for every hotkey
  WNDPROC savedWindowProc = nullptr;     // the procedure HotkeyWindowProc replaced
};

const HotkeyFacility& HotkeyFacilityState();

// Registers the key for the window. The k-th attempt of the process gets the
// identifier HOTKEY_ID_BASE + k whether or not the platform accepts it; the
// result is that identifier, or 0 when the platform refused. Every attempt
// makes target the receiver of all hotkeys.
std::int32_t RegisterUnitHotkey(HWND window, HWND target, std::int32_t modifiers, std::int32_t virtualKey);

// Forwards WM_HOTKEY with an identifier of this facility to the target as
// WM_UNIT_FEEDBACK, then passes every message to savedWindowProc once.
LRESULT CALLBACK HotkeyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace toolkit
