// The hotkey facility: identifiers, the takeover of the window procedure,
// forwarding to the target, and refused keys.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "app/main_window.h"
#include "nudge/hotkeys.h"
#include "tests/win/fixture.h"
#include "tests/win/helper_process.h"
#include "toolkit/hotkey.h"
#include "toolkit/toolkit.h"

namespace {

using namespace testing_support;
using toolkit::HotkeyFacilityState;
using toolkit::RegisterUnitHotkey;
using toolkit::WM_UNIT_FEEDBACK;

TEST(Hotkeys, NormalStartRegistersTheFourArrowsInOrder) {
  LoadTarnwick();
  HWND window = Unit(main_window::kWindowUnit);
  EXPECT_EQ(upHotkeyId, 33001);
  EXPECT_EQ(downHotkeyId, 33002);
  EXPECT_EQ(leftHotkeyId, 33003);
  EXPECT_EQ(rightHotkeyId, 33004);
  const auto& facility = HotkeyFacilityState();
  EXPECT_EQ(facility.hotkeySerial, 4);
  EXPECT_EQ(facility.lastHotkeyId, 33004u);
  EXPECT_EQ(facility.hotkeyTarget, Unit(main_window::标签1));
  EXPECT_NE(facility.savedWindowProc, nullptr);
  EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&toolkit::HotkeyWindowProc));

  // Each identifier names the bare key on the main window: the platform
  // refuses the same bare key elsewhere, and the main window can give it up
  // under that identifier.
  HWND other = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  const std::pair<int, UINT> keys[] = {{33001, VK_UP}, {33002, VK_DOWN}, {33003, VK_LEFT}, {33004, VK_RIGHT}};
  for (const auto& [id, key] : keys) {
    SetLastError(0);
    EXPECT_FALSE(RegisterHotKey(other, 1, 0, key)) << id;
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_HOTKEY_ALREADY_REGISTERED)) << id;
    EXPECT_TRUE(UnregisterHotKey(window, id)) << id;
    EXPECT_TRUE(RegisterHotKey(other, 1, 0, key)) << id;  // now free
    UnregisterHotKey(other, 1);
  }
  DestroyWindow(other);
}

// A window that counts what reaches its own procedure.
std::map<UINT, int> received;
std::map<WPARAM, int> feedback;

LRESULT CALLBACK CountingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  ++received[message];
  if (message == WM_UNIT_FEEDBACK) {
    ++feedback[wParam];
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND CountingWindow() {
  static bool registered = false;
  if (!registered) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = CountingProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TarnwickTestCounting";
    RegisterClassW(&wc);
    registered = true;
  }
  return CreateWindowExW(0, L"TarnwickTestCounting", L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

TEST(Hotkeys, OnlyIdentifiersInRangeAreForwardedAndEveryMessagePassesOnce) {
  HWND owner = CountingWindow();
  HWND target = CountingWindow();
  EXPECT_EQ(RegisterUnitHotkey(owner, target, toolkit::kModifierCtrl | toolkit::kModifierAlt, VK_F13), 33001);
  EXPECT_EQ(RegisterUnitHotkey(owner, target, toolkit::kModifierCtrl | toolkit::kModifierAlt, VK_F14), 33002);
  received.clear();
  feedback.clear();

  const WPARAM identifiers[] = {0, 1, 33000, 33001, 33002, 33003, 0xFFFFFFFF};
  for (WPARAM id : identifiers) SendMessageW(owner, WM_HOTKEY, id, 0);
  EXPECT_EQ(feedback, (std::map<WPARAM, int>{{33001, 1}, {33002, 1}}));
  SendMessageW(owner, WM_USER + 5, 0, 0);
  SendMessageW(owner, WM_NULL, 0, 0);
  // The owner's own procedure saw each message once, WM_HOTKEY included.
  EXPECT_EQ(received[WM_HOTKEY], static_cast<int>(std::size(identifiers)));
  EXPECT_EQ(received[WM_USER + 5], 1);
  EXPECT_EQ(received[WM_NULL], 1);
  DestroyWindow(owner);
  DestroyWindow(target);
}

TEST(Hotkeys, TheLatestTargetReceivesEveryHotkeyAndOnlyTheFirstWindowIsTakenOver) {
  HWND owner = CountingWindow();
  HWND second = CountingWindow();
  HWND targetA = CountingWindow();
  HWND targetB = CountingWindow();
  const WNDPROC ownProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(second, GWLP_WNDPROC));
  EXPECT_EQ(RegisterUnitHotkey(owner, targetA, toolkit::kModifierCtrl | toolkit::kModifierShift, VK_F15), 33001);
  EXPECT_EQ(RegisterUnitHotkey(second, targetB, toolkit::kModifierCtrl | toolkit::kModifierShift, VK_F16), 33002);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(second, GWLP_WNDPROC)), ownProc);
  feedback.clear();
  received.clear();
  SendMessageW(owner, WM_HOTKEY, 33001, 0);
  EXPECT_EQ(feedback[33001], 1);
  EXPECT_EQ(HotkeyFacilityState().hotkeyTarget, targetB);
  for (HWND hwnd : {owner, second, targetA, targetB}) DestroyWindow(hwnd);
}

TEST(Hotkeys, ARefusedKeyUsesUpItsIdentifierAndTheOthersStillWork) {
  // Another process holds the bare Up arrow.
  Holder holder(L"--hold-key=" + std::to_wstring(VK_UP));
  ASSERT_TRUE(holder.Holding());

  LoadTarnwick();
  EXPECT_EQ(upHotkeyId, 0);
  EXPECT_EQ(downHotkeyId, 33002);
  EXPECT_EQ(leftHotkeyId, 33003);
  EXPECT_EQ(rightHotkeyId, 33004);
  EXPECT_EQ(HotkeyFacilityState().lastHotkeyId, 33004u);

  // Down still moves the cursor; the identifier 0 of the refused Up moves
  // nothing, though it equals the stored value.
  HWND window = Unit(main_window::kWindowUnit);
  SetCursorPos(500, 400);
  SendMessageW(window, WM_HOTKEY, 33002, 0);
  EXPECT_EQ(Cursor().y, 450);
  SendMessageW(Unit(main_window::标签1), WM_UNIT_FEEDBACK, 0, 0);
  EXPECT_EQ(Cursor().x, 500);
  EXPECT_EQ(Cursor().y, 450);
}

}  // namespace
