// The window laid out for the DPI it is shown at: the definition's pixels at
// 96 DPI, scaled by DPI/96, fonts included. The suite runs at 96 DPI and,
// for these cases, again at 120 and 144.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "app/main_window.h"
#include "tests/win/fixture.h"
#include "toolkit/text.h"
#include "toolkit/toolkit.h"

namespace {

using namespace testing_support;
using namespace main_window;

int Scaled(int length, int dpi) { return MulDiv(length, dpi, 96); }

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

LONG FontHeight(HWND hwnd) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)), sizeof font, &font);
  return std::abs(font.lfHeight);
}

LONG StockFontHeight() {
  LOGFONTW font{};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
  return std::abs(font.lfHeight);
}

struct Placement {
  toolkit::UnitId unit;
  RECT at96;
};

const Placement kPlacements[] = {
    {按钮1, {250, 13, 344, 37}},
    {编辑框1, {193, 16, 225, 37}},
    {标签1, {19, 14, 203, 38}},
    {通用对话框1, {67, 4, 115, 44}},
};

// Each edge within a pixel of rounding of the definition's value scaled.
void ExpectLaidOutFor(int dpi) {
  SCOPED_TRACE("dpi " + std::to_string(dpi));
  RECT outer{};
  GetWindowRect(Unit(kWindowUnit), &outer);
  EXPECT_NEAR(outer.right - outer.left, Scaled(374, dpi), 1);
  EXPECT_NEAR(outer.bottom - outer.top, Scaled(77, dpi), 1);
  for (const Placement& p : kPlacements) {
    const RECT rect = ChildRect(Unit(p.unit));
    SCOPED_TRACE(ClassOf(Unit(p.unit)));
    EXPECT_NEAR(rect.left, Scaled(p.at96.left, dpi), 1);
    EXPECT_NEAR(rect.top, Scaled(p.at96.top, dpi), 1);
    EXPECT_NEAR(rect.right, Scaled(p.at96.right, dpi), 1);
    EXPECT_NEAR(rect.bottom, Scaled(p.at96.bottom, dpi), 1);
  }
}

TEST(Dpi, TheWindowIsTheDefinitionScaledToTheScreensDpi) {
  LoadTarnwick();
  const int dpi = ScreenDpi();
  ExpectLaidOutFor(dpi);
  RECT outer{};
  GetWindowRect(Unit(kWindowUnit), &outer);
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2);
  EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top)) / 2);
  // The platform's GUI font is made for the screen's DPI already.
  EXPECT_EQ(FontHeight(Unit(按钮1)), StockFontHeight());
  EXPECT_EQ(FontHeight(Unit(编辑框1)), StockFontHeight());
}

TEST(Dpi, MovingToAMonitorWithAnotherDpiRescalesAndKeepsTextAndFocus) {
  LoadTarnwick();
  const int start = ScreenDpi();
  HWND window = Unit(kWindowUnit);
  HWND edit = Unit(编辑框1);
  SetWindowTextW(edit, L"123");
  SetFocus(edit);
  for (const int dpi : {144, 120, 192, start}) {
    RECT suggested{100, 50, 100 + Scaled(374, dpi), 50 + Scaled(77, dpi)};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    ExpectLaidOutFor(dpi);
    RECT outer{};
    GetWindowRect(window, &outer);
    EXPECT_EQ(outer.left, 100);
    EXPECT_EQ(outer.top, 50);
    EXPECT_NEAR(FontHeight(Unit(按钮1)), MulDiv(StockFontHeight(), dpi, start), 1) << dpi;
    EXPECT_EQ(FontHeight(Unit(编辑框1)), FontHeight(Unit(按钮1)));
    EXPECT_EQ(GetFocus(), edit);
    char* text = toolkit::ReadUnitProperty(kWindow, 编辑框1, toolkit::prop::kEditText, -1);
    EXPECT_STREQ(text, "123");
    toolkit::FreeBlock(text);
  }
  EXPECT_EQ(SendMessageW(Unit(按钮1), WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT)));
}

}  // namespace
