// Start-up to a visible window, and peak working set, of two programs run
// alternately: startup_bench PROGRAM FLOOR [RUNS]. Prints medians and the
// ratios PROGRAM / FLOOR.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Found {
  DWORD process;
  HWND window;
};

BOOL CALLBACK FindVisible(HWND hwnd, LPARAM param) {
  auto* found = reinterpret_cast<Found*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid == found->process && IsWindowVisible(hwnd)) {
    found->window = hwnd;
    return FALSE;
  }
  return TRUE;
}

struct Sample {
  double seconds = 0;
  double peakMiB = 0;
};

bool RunOnce(const std::wstring& exe, Sample* sample) {
  LARGE_INTEGER frequency, start, now;
  QueryPerformanceFrequency(&frequency);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::wstring command = L"\"" + exe + L"\"";
  QueryPerformanceCounter(&start);
  if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    return false;
  }
  Found found{process.dwProcessId, nullptr};
  for (;;) {  // the benchmark polls; the programs under test do not
    EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&found));
    QueryPerformanceCounter(&now);
    if (found.window != nullptr) break;
    if (now.QuadPart - start.QuadPart > frequency.QuadPart * 30) return false;
    Sleep(0);
  }
  sample->seconds = static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
  Sleep(300);  // let it settle before reading memory
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(process.hProcess, &counters, sizeof counters);
  sample->peakMiB = static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
  PostMessageW(found.window, WM_CLOSE, 0, 0);
  WaitForSingleObject(process.hProcess, 30000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

std::wstring Widen(const char* text) {
  std::wstring wide;
  for (const char* p = text; *p; ++p) wide.push_back(static_cast<wchar_t>(static_cast<unsigned char>(*p)));
  return wide;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: startup_bench PROGRAM FLOOR [RUNS]\n");
    return 2;
  }
  const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 11;
  const std::wstring programs[2] = {Widen(argv[1]), Widen(argv[2])};
  std::vector<double> seconds[2], memory[2];
  for (int i = 0; i < runs; ++i) {
    for (int p = 0; p < 2; ++p) {
      Sample sample;
      if (!RunOnce(programs[p], &sample)) {
        std::fprintf(stderr, "could not start %s\n", argv[1 + p]);
        return 1;
      }
      seconds[p].push_back(sample.seconds);
      memory[p].push_back(sample.peakMiB);
    }
  }
  const double t0 = Median(seconds[0]), t1 = Median(seconds[1]);
  const double m0 = Median(memory[0]), m1 = Median(memory[1]);
  std::printf("start-up to visible window (median of %d): program %.1f ms, floor %.1f ms, ratio %.2f\n", runs,
              t0 * 1000, t1 * 1000, t0 / t1);
  std::printf("peak working set (median of %d):           program %.2f MiB, floor %.2f MiB, ratio %.2f\n", runs,
              m0, m1, m0 / m1);
  return 0;
}
