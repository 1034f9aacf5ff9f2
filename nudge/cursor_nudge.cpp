// The feedback handler: one arrow press moves the cursor by the speed typed
// into the speed box, read afresh on every press.
#include "nudge/cursor_nudge.h"

#include "app/main_window.h"
#include "app/program.h"
#include "nudge/coordinates.h"
#include "nudge/hotkeys.h"
#include "toolkit/input.h"
#include "toolkit/system_function.h"
#include "toolkit/toolkit.h"

namespace {

using nudge::AddCoordinates;
using nudge::SubtractCoordinates;

using ClientToScreenFn = BOOL(WINAPI*)(HWND, POINT*);
using SetCursorPosFn = BOOL(WINAPI*)(int, int);

struct User32 {
  ClientToScreenFn clientToScreen = nullptr;
  SetCursorPosFn setCursorPos = nullptr;
};

// Looked up by name once.
const User32& User32Routines() {
  static const User32 routines{toolkit::SystemFunction<ClientToScreenFn>(L"user32.dll", "ClientToScreen"),
                               toolkit::SystemFunction<SetCursorPosFn>(L"user32.dll", "SetCursorPos")};
  return routines;
}

std::int32_t ReadSpeed() {
  char* text = toolkit::ReadUnitProperty(main_window::kWindow, main_window::编辑框1, toolkit::prop::kEditText, -1);
  const std::int32_t speed = toolkit::TextToInteger(text != nullptr ? text : "");
  if (text != nullptr) toolkit::FreeBlock(text);
  return speed;
}

// A stored identifier of 0 belongs to a refused key and matches nothing.
bool Matches(std::int32_t identifier, std::int32_t stored) { return stored != 0 && identifier == stored; }

}  // namespace

void PlaceCursor(HWND window, std::int32_t x, std::int32_t y) {
  const User32& user32 = User32Routines();
  POINT origin{0, 0};
  if (window != nullptr && user32.clientToScreen != nullptr) user32.clientToScreen(window, &origin);
  if (user32.setCursorPos != nullptr) {
    user32.setCursorPos(AddCoordinates(origin.x, x), AddCoordinates(origin.y, y));
  }
}

// Each test is independent of the others. A move whose position cannot be
// read is skipped rather than made relative to an undefined point.
void HotkeyLabel_Feedback(std::int32_t identifier, std::int32_t /*unused*/) {
  if (Matches(identifier, upHotkeyId)) {
    const auto x = toolkit::ReadMouseX();
    const auto y = toolkit::ReadMouseY();
    const std::int32_t speed = ReadSpeed();
    if (x && y) PlaceCursor(nullptr, *x, SubtractCoordinates(*y, speed));
  }
  if (Matches(identifier, downHotkeyId)) {
    const auto x = toolkit::ReadMouseX();
    const auto y = toolkit::ReadMouseY();
    const std::int32_t speed = ReadSpeed();
    if (x && y) PlaceCursor(nullptr, *x, AddCoordinates(*y, speed));
  }
  if (Matches(identifier, leftHotkeyId)) {
    const auto x = toolkit::ReadMouseX();
    const std::int32_t speed = ReadSpeed();
    const auto y = toolkit::ReadMouseY();
    if (x && y) PlaceCursor(nullptr, SubtractCoordinates(*x, speed), *y);
  }
  if (Matches(identifier, rightHotkeyId)) {
    const auto x = toolkit::ReadMouseX();
    const std::int32_t speed = ReadSpeed();
    const auto y = toolkit::ReadMouseY();
    if (x && y) PlaceCursor(nullptr, AddCoordinates(*x, speed), *y);
  }
}
