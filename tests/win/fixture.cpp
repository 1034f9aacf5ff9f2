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

#include "tests/win/helper_process.h"

namespace testing_support {

Holder::Holder(const std::wstring& argument)
    : held_(CreateEventW(nullptr, TRUE, FALSE, L"TarnwickTestHeld")),
      release_(CreateEventW(nullptr, TRUE, FALSE, L"TarnwickTestRelease")) {
  ResetEvent(held_);
  ResetEvent(release_);
  wchar_t exe[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  std::wstring command = L"\"" + std::wstring(exe) + L"\" " + argument;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (CreateProcessW(exe, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_)) {
    holding_ = WaitForSingleObject(held_, 30000) == WAIT_OBJECT_0;
  }
}

Holder::~Holder() {
  SetEvent(release_);
  if (process_.hProcess != nullptr) {
    WaitForSingleObject(process_.hProcess, 30000);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  CloseHandle(held_);
  CloseHandle(release_);
}

}  // namespace testing_support
