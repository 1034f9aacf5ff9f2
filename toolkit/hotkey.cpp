#include "toolkit/hotkey.h"

#include "toolkit/toolkit.h"

namespace toolkit {
namespace {

HotkeyFacility facility;

UINT PlatformModifiers(std::int32_t modifiers) {
  UINT flags = 0;
  if (modifiers & kModifierCtrl) flags |= MOD_CONTROL;
  if (modifiers & kModifierShift) flags |= MOD_SHIFT;
  if (modifiers & kModifierAlt) flags |= MOD_ALT;
  if (modifiers & kModifierWin) flags |= MOD_WIN;
  return flags;
}

}  // namespace

const HotkeyFacility& HotkeyFacilityState() { return facility; }

std::int32_t RegisterUnitHotkey(HWND window, HWND target, std::int32_t modifiers, std::int32_t virtualKey) {
  facility.hotkeyTarget = target;
  const UINT flags = PlatformModifiers(modifiers);
  if (facility.savedWindowProc == nullptr) {
    // Only the first window is taken over; a failed takeover is tried again
    // by the next registration.
    facility.savedWindowProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HotkeyWindowProc)));
  }
  ++facility.hotkeySerial;
  facility.lastHotkeyId = static_cast<std::uint32_t>(HOTKEY_ID_BASE + facility.hotkeySerial);
  const auto id = static_cast<int>(facility.lastHotkeyId);
  return RegisterHotKey(window, id, flags, static_cast<UINT>(virtualKey)) ? id : 0;
}

LRESULT CALLBACK HotkeyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // Identifiers are handed out in sequence, so "one of ours" is a range test.
  if (message == WM_HOTKEY && wParam > static_cast<WPARAM>(HOTKEY_ID_BASE) && wParam <= facility.lastHotkeyId) {
    SendMessageW(facility.hotkeyTarget, WM_UNIT_FEEDBACK, wParam, 0);
  }
  if (facility.savedWindowProc == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return CallWindowProcW(facility.savedWindowProc, window, message, wParam, lParam);
}

}  // namespace toolkit
