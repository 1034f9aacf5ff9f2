// Which controls the skin reaches, when, and that switching it off gives
// each its own look back.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <vector>

#include "app/main_window.h"
#include "tests/win/fixture.h"
#include "toolkit/toolkit.h"

namespace {

using namespace testing_support;

struct Control {
  const wchar_t* className;
  DWORD style;
  bool affected;
};

const Control kControls[] = {
    {L"BUTTON", BS_PUSHBUTTON, true},
    {L"BUTTON", BS_DEFPUSHBUTTON, true},
    {L"BUTTON", BS_AUTOCHECKBOX, true},
    {L"BUTTON", BS_AUTORADIOBUTTON, true},
    {L"BUTTON", BS_GROUPBOX, true},
    {L"EDIT", ES_LEFT | WS_BORDER, true},
    {L"COMBOBOX", CBS_DROPDOWN, true},
    {L"COMBOBOX", CBS_DROPDOWNLIST, true},
    {UPDOWN_CLASSW, 0, true},
    {L"STATIC", SS_LEFT, false},
    {L"LISTBOX", 0, false},
    {L"BUTTON", BS_OWNERDRAW, false},
};

std::vector<HWND> CreateControls(HWND parent) {
  std::vector<HWND> controls;
  int y = 0;
  for (const Control& c : kControls) {
    controls.push_back(CreateWindowExW(0, c.className, L"x", WS_CHILD | WS_VISIBLE | c.style, 0, y, 80, 20, parent,
                                       nullptr, GetModuleHandleW(nullptr), nullptr));
    y += 22;
  }
  return controls;
}

HWND CreateHost() {
  return CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW, 0, 0, 200, 300, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

TEST(Skin, ReachesExistingAndLaterControlsOfAffectedKinds) {
  InitCommonControls();
  HWND before = CreateHost();
  const std::vector<HWND> existing = CreateControls(before);
  for (HWND hwnd : existing) EXPECT_FALSE(toolkit::IsSkinned(hwnd));

  toolkit::SetControlSkin(1);
  HWND after = CreateHost();
  const std::vector<HWND> later = CreateControls(after);
  for (std::size_t i = 0; i < std::size(kControls); ++i) {
    SCOPED_TRACE(ClassOf(existing[i]) + " #" + std::to_string(i));
    ASSERT_NE(existing[i], nullptr);
    ASSERT_NE(later[i], nullptr);
    EXPECT_EQ(toolkit::IsSkinned(existing[i]), kControls[i].affected);
    EXPECT_EQ(toolkit::IsSkinned(later[i]), kControls[i].affected);
  }
  // The drop-down list of a combo box is a control of its own, created with it.
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(later[6], &info));
  EXPECT_TRUE(toolkit::IsSkinned(info.hwndList));

  EXPECT_EQ(toolkit::SetControlSkin(0), 1);
  for (HWND hwnd : later) EXPECT_FALSE(toolkit::IsSkinned(hwnd));
  HWND plain = CreateWindowExW(0, L"BUTTON", L"x", WS_CHILD, 0, 0, 10, 10, after, nullptr, nullptr, nullptr);
  EXPECT_FALSE(toolkit::IsSkinned(plain));
  DestroyWindow(before);
  DestroyWindow(after);
}

TEST(Skin, TheMainWindowsButtonAndEditBoxCarryItTheLabelDoesNot) {
  LoadTarnwick();
  EXPECT_TRUE(toolkit::IsSkinned(Unit(main_window::按钮1)));
  EXPECT_TRUE(toolkit::IsSkinned(Unit(main_window::编辑框1)));
  EXPECT_FALSE(toolkit::IsSkinned(Unit(main_window::标签1)));
  EXPECT_FALSE(toolkit::IsSkinned(Unit(main_window::kWindowUnit)));
}

// The skinned push button is drawn flat: its face is the skin's white, not
// the platform's button face.
TEST(Skin, PushButtonIsDrawnInTheSkin) {
  LoadTarnwick();
  HWND button = Unit(main_window::按钮1);
  RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  HDC dc = GetDC(button);
  const COLORREF face = GetPixel(dc, 4, 20);
  ReleaseDC(button, dc);
  EXPECT_EQ(face, RGB(0xFF, 0xFF, 0xFF));
  EXPECT_NE(face, GetSysColor(COLOR_BTNFACE));
}

}  // namespace
