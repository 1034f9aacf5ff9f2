// The cost of one arrow press in the program (HotkeyLabel_Feedback: two
// cursor reads, the speed read and converted, one cursor set) against the
// floor of the same two GetCursorPos calls and one SetCursorPos made
// directly. Rounds of both alternate; the medians are compared.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/program.h"
#include "nudge/hotkeys.h"
#include "toolkit/runtime.h"
#include "toolkit/toolkit.h"

namespace {

constexpr int kCallsPerRound = 2000;
constexpr int kRounds = 15;

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main() {
  toolkit::InstallProgram(TarnwickProgram());
  if (!toolkit::detail::ResolveBindings().empty()) return 1;
  std::string error;
  if (!toolkit::detail::BuildWindow(main_window::kWindow, &error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  SetWindowTextW(toolkit::GetUnitHandle(main_window::kWindow, main_window::编辑框1), L"1");

  std::vector<double> program, floor;
  for (int round = 0; round < kRounds; ++round) {
    SetCursorPos(500, 400);
    double start = Now();
    for (int i = 0; i < kCallsPerRound; ++i) HotkeyLabel_Feedback(i % 2 ? upHotkeyId : downHotkeyId, 0);
    program.push_back((Now() - start) / kCallsPerRound);

    SetCursorPos(500, 400);
    start = Now();
    for (int i = 0; i < kCallsPerRound; ++i) {
      POINT x, y;
      GetCursorPos(&x);
      GetCursorPos(&y);
      SetCursorPos(x.x, y.y + (i % 2 ? -1 : 1));
    }
    floor.push_back((Now() - start) / kCallsPerRound);
  }
  const double p = Median(program), f = Median(floor);
  std::printf("one press (median of %d rounds of %d): program %.2f us, floor %.2f us, ratio %.3f\n", kRounds,
              kCallsPerRound, p * 1e6, f * 1e6, p / f);
  return 0;
}
