// The Windows-side test runner. Besides the tests it has two helper modes
// that the tests start as child processes:
//   --report-working-directory=FILE  start the toolkit, write the working
//                                    directory (UTF-8) to FILE
//   --hold-key=VK                    hold the bare key as a hotkey until
//                                    the event "TarnwickTestRelease" is set;
//                                    "TarnwickTestHeld" is set once held
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

int HoldKey(UINT virtualKey) {
  HANDLE held = CreateEventW(nullptr, TRUE, FALSE, L"TarnwickTestHeld");
  HANDLE release = CreateEventW(nullptr, TRUE, FALSE, L"TarnwickTestRelease");
  if (!RegisterHotKey(nullptr, 1, 0, virtualKey)) return 2;
  SetEvent(held);
  WaitForSingleObject(release, 60000);
  UnregisterHotKey(nullptr, 1);
  CloseHandle(held);
  CloseHandle(release);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg.rfind("--report-working-directory=", 0) == 0) return ReportWorkingDirectory(arg.substr(27));
    if (arg.rfind("--hold-key=", 0) == 0) return HoldKey(static_cast<UINT>(std::atoi(arg.c_str() + 11)));
  }
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
