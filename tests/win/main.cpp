// The Windows-side test runner. Besides the tests it has two helper modes
// that the tests start as child processes:
//   --report-working-directory=FILE  start the toolkit, write the working
//                                    directory (UTF-8) to FILE
//   --hold-key=VK                    hold the bare key as a hotkey until
//                                    the event "TarnwickTestRelease" is set;
//                                    "TarnwickTestHeld" is set once held
//   --hold-file=PATH                 the same for a file opened without
//                                    sharing
//   --load-window=ID                 start the toolkit and load window ID,
//                                    as the program's start does
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/program.h"
#include "toolkit/text.h"
#include "toolkit/toolkit.h"

namespace {

int ReportWorkingDirectory(const std::string& file) {
  toolkit::InstallProgram(TarnwickProgram());
  toolkit::InitToolkit();
  wchar_t folder[1024] = {};
  GetCurrentDirectoryW(1024, folder);
  const std::string text = toolkit::Narrow(folder);
  HANDLE out = CreateFileW(toolkit::Widen(file).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  if (out == INVALID_HANDLE_VALUE) return 2;
  DWORD written = 0;
  WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(out);
  return 0;
}

// Holds something until the test lets go.
template <typename Take, typename Give>
int Hold(Take take, Give give) {
  HANDLE held = CreateEventW(nullptr, TRUE, FALSE, L"TarnwickTestHeld");
  HANDLE release = CreateEventW(nullptr, TRUE, FALSE, L"TarnwickTestRelease");
  if (!take()) return 2;
  SetEvent(held);
  WaitForSingleObject(release, 60000);
  give();
  CloseHandle(held);
  CloseHandle(release);
  return 0;
}

int HoldKey(UINT virtualKey) {
  return Hold([&] { return RegisterHotKey(nullptr, 1, 0, virtualKey) != FALSE; },
              [] { UnregisterHotKey(nullptr, 1); });
}

int HoldFile(const std::string& path) {
  HANDLE file = INVALID_HANDLE_VALUE;
  return Hold(
      [&] {
        file = CreateFileW(toolkit::Widen(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
        return file != INVALID_HANDLE_VALUE;
      },
      [&] { CloseHandle(file); });
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg.rfind("--report-working-directory=", 0) == 0) return ReportWorkingDirectory(arg.substr(27));
    if (arg.rfind("--hold-key=", 0) == 0) return HoldKey(static_cast<UINT>(std::atoi(arg.c_str() + 11)));
    if (arg.rfind("--hold-file=", 0) == 0) return HoldFile(arg.substr(12));
    if (arg.rfind("--load-window=", 0) == 0) {
      toolkit::InstallProgram(TarnwickProgram());
      toolkit::InitToolkit();
      toolkit::LoadWindow(static_cast<toolkit::WindowId>(std::strtoul(arg.c_str() + 14, nullptr, 0)));
      toolkit::RunMessageLoop();
      return toolkit::ExitCodeOfLoop();
    }
  }
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
