#include "tests/win/fixture.h"

#include <gtest/gtest.h>

#include "app/program.h"
#include "toolkit/runtime.h"
#include "toolkit/text.h"
#include "toolkit/toolkit.h"

namespace testing_support {

void LoadTarnwick() {
  std::string error;
  ASSERT_TRUE(LoadProgram(TarnwickProgram(), &error)) << error;
}

bool LoadProgram(const toolkit::Program& program, std::string* error) {
  toolkit::InstallProgram(program);
  *error = toolkit::detail::ResolveBindings();
  if (!error->empty()) return false;
  if (!toolkit::detail::BuildWindow(program.startupWindow, error)) return false;
  Pump();
  return true;
}

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

HWND Unit(toolkit::UnitId unit) { return toolkit::GetUnitHandle(main_window::kWindow, unit); }

std::string ClassOf(HWND hwnd) {
  wchar_t name[64] = {};
  GetClassNameW(hwnd, name, 64);
  return toolkit::Narrow(name);
}

RECT ChildRect(HWND hwnd) {
  RECT rect{};
  GetWindowRect(hwnd, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(hwnd), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

POINT Cursor() {
  POINT point{};
  GetCursorPos(&point);
  return point;
}

}  // namespace testing_support
