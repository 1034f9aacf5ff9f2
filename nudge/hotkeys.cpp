// Registration of the four bare arrow keys for the main window, routed to the
// hotkey label, when the main window is created.
#include "nudge/hotkeys.h"

#include <windows.h>

#include "app/main_window.h"
#include "app/program.h"
#include "toolkit/hotkey.h"
#include "toolkit/toolkit.h"

std::int32_t upHotkeyId = 0;
std::int32_t downHotkeyId = 0;
std::int32_t leftHotkeyId = 0;
std::int32_t rightHotkeyId = 0;

namespace {

std::int32_t RegisterArrow(std::int32_t virtualKey) {
  HWND window = toolkit::GetUnitHandle(main_window::kWindow, main_window::kWindowUnit);
  HWND label = toolkit::GetUnitHandle(main_window::kWindow, main_window::标签1);
  return toolkit::RegisterUnitHotkey(window, label, 0, virtualKey);
}

}  // namespace

void MainWindow_Created() {
  // A refused key keeps 0 and does not stop the others.
  upHotkeyId = RegisterArrow(VK_UP);
  downHotkeyId = RegisterArrow(VK_DOWN);
  leftHotkeyId = RegisterArrow(VK_LEFT);
  rightHotkeyId = RegisterArrow(VK_RIGHT);
  toolkit::SetControlSkin(1);
}
