// The main window as the toolkit builds it from its definition, the event
// wiring around its creation, unit reads, and the start-up folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/main_window.h"
#include "app/program.h"
#include "tests/win/fixture.h"
#include "toolkit/runtime.h"
#include "toolkit/text.h"
#include "toolkit/toolkit.h"

namespace {

using namespace testing_support;
using namespace main_window;

std::string ReadText(toolkit::UnitId unit, int property) {
  char* text = toolkit::ReadUnitProperty(kWindow, unit, property, -1);
  std::string copy = text ? text : "";
  toolkit::FreeBlock(text);
  return copy;
}

TEST(MainWindow, TopLevelStyleSizeAndPlace) {
  LoadTarnwick();
  HWND window = Unit(kWindowUnit);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(ClassOf(window), "TarnwickWindow");
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
  // The platform adds WS_CLIPSIBLINGS to every top-level window itself.
  EXPECT_EQ(style & ~(WS_VISIBLE | WS_CLIPSIBLINGS), 0x02CA0000u);
  EXPECT_TRUE(style & WS_VISIBLE);
  // The platform itself adds WS_EX_WINDOWEDGE to every captioned window.
  EXPECT_EQ(GetWindowLongPtrW(window, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0);
  EXPECT_EQ(GetParent(window), nullptr);
  EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
  EXPECT_EQ(GetMenu(window), nullptr);

  RECT outer{};
  GetWindowRect(window, &outer);
  EXPECT_EQ(outer.right - outer.left, 374);
  EXPECT_EQ(outer.bottom - outer.top, 77);
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 374) / 2);
  EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 77) / 2);

  EXPECT_EQ(ReadText(kWindowUnit, toolkit::prop::kWindowCaption), "Tarnwick");
  EXPECT_NE(SendMessageW(window, WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_NE(SendMessageW(window, WM_GETICON, ICON_SMALL, 0), 0);
}

struct UnitExpectation {
  toolkit::UnitId unit;
  const char* className;
  DWORD style;  // without WS_VISIBLE
  bool visible;
  RECT rect;
  DWORD exStyle;
};

TEST(MainWindow, UnitsClassesStylesAndRectangles) {
  LoadTarnwick();
  const UnitExpectation expected[] = {
      {通用对话框1, "TarnwickComponent", WS_CHILD | WS_CLIPSIBLINGS, false, {67, 4, 67 + 48, 4 + 40}, 0},
      {按钮1, "Button",
       WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE, true,
       {250, 13, 250 + 94, 13 + 24}, 0},
      {编辑框1, "Edit", WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, true,
       {193, 16, 193 + 32, 16 + 21}, WS_EX_CLIENTEDGE},
      {标签1, "TarnwickLabel", WS_CHILD | WS_CLIPSIBLINGS, true, {19, 14, 19 + 184, 14 + 24}, 0},
  };
  for (const auto& e : expected) {
    HWND hwnd = Unit(e.unit);
    ASSERT_NE(hwnd, nullptr);
    SCOPED_TRACE(ClassOf(hwnd));
    EXPECT_STRCASEEQ(ClassOf(hwnd).c_str(), e.className);
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
    EXPECT_EQ(style & ~WS_VISIBLE, e.style);
    EXPECT_EQ((style & WS_VISIBLE) != 0, e.visible);
    EXPECT_EQ(GetWindowLongPtrW(hwnd, GWL_EXSTYLE), static_cast<LONG_PTR>(e.exStyle));
    const RECT rect = ChildRect(hwnd);
    EXPECT_EQ(rect.left, e.rect.left);
    EXPECT_EQ(rect.top, e.rect.top);
    EXPECT_EQ(rect.right, e.rect.right);
    EXPECT_EQ(rect.bottom, e.rect.bottom);
    std::int32_t width = 0;
    EXPECT_TRUE(toolkit::ReadUnitNumber(kWindow, e.unit, toolkit::prop::kWidth, &width));
    EXPECT_EQ(width, e.rect.right - e.rect.left);
  }
  // Stacked in stored order: the component on top, the label at the bottom.
  HWND window = Unit(kWindowUnit);
  std::vector<HWND> stack;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) stack.push_back(child);
  EXPECT_EQ(stack, (std::vector<HWND>{Unit(通用对话框1), Unit(按钮1), Unit(编辑框1), Unit(标签1)}));

  EXPECT_EQ(ReadText(标签1, toolkit::prop::kLabelCaption), "上下左右控制移动   移动速度：");
  EXPECT_EQ(ReadText(按钮1, toolkit::prop::kButtonCaption), "获取本程序源码");
  EXPECT_EQ(SendMessageW(Unit(按钮1), WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT)));
  EXPECT_EQ(SendMessageW(Unit(编辑框1), WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT)));
}

std::pair<DWORD, DWORD> Selection(HWND edit) {
  DWORD start = 99, end = 99;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {start, end};
}

TEST(MainWindow, SpeedBoxStartsWithFocusAndCaretBefore50) {
  LoadTarnwick();
  EXPECT_EQ(ReadText(编辑框1, toolkit::prop::kEditText), "50");
  EXPECT_EQ(GetFocus(), Unit(编辑框1));
  EXPECT_EQ(Selection(Unit(编辑框1)), std::make_pair(DWORD{0}, DWORD{0}));
}

TEST(MainWindow, TextIsReadLiveAsACallerOwnedCopyOrNull) {
  LoadTarnwick();
  HWND edit = Unit(编辑框1);
  SetWindowTextW(edit, L"0050");
  char* first = toolkit::ReadUnitProperty(kWindow, 编辑框1, toolkit::prop::kEditText, -1);
  char* second = toolkit::ReadUnitProperty(kWindow, 编辑框1, toolkit::prop::kEditText, -1);
  ASSERT_NE(first, nullptr);
  EXPECT_STREQ(first, "0050");  // as typed: only losing the focus tidies it
  EXPECT_NE(first, second);     // each read is a new copy
  EXPECT_EQ(toolkit::OutstandingBlocks(), 2);
  toolkit::FreeBlock(first);
  toolkit::FreeBlock(second);
  EXPECT_EQ(toolkit::OutstandingBlocks(), 0);

  SetWindowTextW(edit, L"");
  EXPECT_EQ(toolkit::ReadUnitProperty(kWindow, 编辑框1, toolkit::prop::kEditText, -1), nullptr);
  SetWindowTextW(edit, L"\xff15\xff10");  // full-width ５０ comes back as UTF-8
  EXPECT_EQ(ReadText(编辑框1, toolkit::prop::kEditText), "５０");
}

TEST(MainWindow, LosingTheFocusTidiesTheSpeedText) {
  LoadTarnwick();
  HWND edit = Unit(编辑框1);
  struct Case {
    const wchar_t* before;
    const char* after;
  };
  const Case cases[] = {{L"0050", "50"}, {L"-0", ""}, {L"5-5", "5"}, {L"+7", "7"}, {L" 12", "12"},
                        {L"99999999999", "2147483647"}, {L"-", ""}, {L"abc", ""}, {L"-30", "-30"}};
  for (const auto& c : cases) {
    SetFocus(edit);
    SetWindowTextW(edit, c.before);
    SetFocus(Unit(按钮1));
    EXPECT_EQ(ReadText(编辑框1, toolkit::prop::kEditText), c.after) << toolkit::Narrow(c.before);
  }
  // The caret goes to where the former selection started.
  SetFocus(edit);
  SetWindowTextW(edit, L"00123");
  SendMessageW(edit, EM_SETSEL, 2, 4);
  SetFocus(Unit(按钮1));
  EXPECT_EQ(ReadText(编辑框1, toolkit::prop::kEditText), "123");
  EXPECT_EQ(Selection(edit), std::make_pair(DWORD{2}, DWORD{2}));
}

TEST(MainWindow, TypingLetsOnlyDigitsAndMinusThrough) {
  LoadTarnwick();
  HWND edit = Unit(编辑框1);
  SetWindowTextW(edit, L"");
  for (const wchar_t c : std::wstring(L"a1.+ 2-x3\x4e94")) SendMessageW(edit, WM_CHAR, c, 0);
  EXPECT_EQ(ReadText(编辑框1, toolkit::prop::kEditText), "12-3");
  SendMessageW(edit, WM_CHAR, VK_BACK, 0);  // control codes pass
  EXPECT_EQ(ReadText(编辑框1, toolkit::prop::kEditText), "12-");
}

// ---- the created event ---------------------------------------------------------

struct CreatedProbe {
  int calls = 0;
  bool allHandles = false;
  bool visibleDuring = true;
  bool skinnedAtEnd = false;
  bool visibleAtEnd = true;
} probe;

void ProbeCreated() {
  ++probe.calls;
  probe.allHandles = Unit(kWindowUnit) && Unit(通用对话框1) && Unit(按钮1) && Unit(编辑框1) && Unit(标签1);
  probe.visibleDuring = IsWindowVisible(Unit(kWindowUnit));
  MainWindow_Created();
  probe.skinnedAtEnd = toolkit::IsSkinned(Unit(按钮1)) && toolkit::IsSkinned(Unit(编辑框1));
  probe.visibleAtEnd = IsWindowVisible(Unit(kWindowUnit));
}

int feedbackCalls = 0;

constexpr toolkit::NamedRoutine kProbeRoutines[] = {
    {"MainWindow_Created", [](const toolkit::EventArguments&) { ProbeCreated(); }},
    {"ExportButton_Clicked", [](const toolkit::EventArguments&) {}},
    {"HotkeyLabel_Feedback", [](const toolkit::EventArguments&) { ++feedbackCalls; }},
};

toolkit::Program ProbeProgram() {
  static const toolkit::WindowDefinition windows[] = {Definition()};
  return toolkit::Program{windows, kProbeRoutines, kWindow, nullptr};
}

TEST(CreatedEvent, RunsOnceAfterAllUnitsExistBeforeTheWindowShows) {
  std::string error;
  ASSERT_TRUE(LoadProgram(ProbeProgram(), &error)) << error;
  EXPECT_EQ(probe.calls, 1);
  EXPECT_TRUE(probe.allHandles);
  EXPECT_FALSE(probe.visibleDuring);
  EXPECT_TRUE(probe.skinnedAtEnd);
  EXPECT_FALSE(probe.visibleAtEnd);
  EXPECT_TRUE(IsWindowVisible(Unit(kWindowUnit)));
  EXPECT_FALSE(toolkit::IsSkinned(Unit(标签1)));  // the toolkit draws the label itself
}

// While the window is being built, a feedback message reaches the label but
// no handler; once built, the same message does.
HWND labelDuringBuild = nullptr;
LRESULT CALLBACK SendFeedbackWhenButtonIsCreated(int code, WPARAM wParam, LPARAM lParam) {
  const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && call->message == WM_CREATE && ClassOf(call->hwnd) == "Button") {
    labelDuringBuild = Unit(标签1);
    if (labelDuringBuild) SendMessageW(labelDuringBuild, toolkit::WM_UNIT_FEEDBACK, 33001, 0);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(CreatedEvent, EventsRaisedWhileBuildingReachNoHandler) {
  HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, SendFeedbackWhenButtonIsCreated, nullptr, GetCurrentThreadId());
  std::string error;
  ASSERT_TRUE(LoadProgram(ProbeProgram(), &error)) << error;
  UnhookWindowsHookEx(hook);
  ASSERT_NE(labelDuringBuild, nullptr);
  EXPECT_EQ(feedbackCalls, 0);
  EXPECT_EQ(SendMessageW(Unit(标签1), toolkit::WM_UNIT_FEEDBACK, 33001, 0), 0);
  EXPECT_EQ(feedbackCalls, 1);
}

TEST(Events, UnboundEventsAreDroppedAndBoundOnesCalled) {
  std::string error;
  ASSERT_TRUE(LoadProgram(ProbeProgram(), &error)) << error;
  EXPECT_FALSE(toolkit::RaiseEvent(kWindow, 编辑框1, toolkit::event::kEditChanged));
  EXPECT_FALSE(toolkit::RaiseEvent(kWindow, 标签1, 7));
  EXPECT_FALSE(toolkit::RaiseEvent(kWindow, 0x12345678, 0));
  EXPECT_FALSE(toolkit::RaiseEvent(0x12345678, 标签1, 0));
  SetWindowTextW(Unit(编辑框1), L"77");  // a change notification nothing is bound to
  EXPECT_EQ(feedbackCalls, 0);
  EXPECT_TRUE(toolkit::RaiseEvent(kWindow, 标签1, toolkit::event::kLabelFeedback, 1, 2));
  EXPECT_EQ(feedbackCalls, 1);
  toolkit::ShutdownToolkit();
  EXPECT_FALSE(toolkit::RaiseEvent(kWindow, 标签1, toolkit::event::kLabelFeedback, 1, 2));
  EXPECT_EQ(feedbackCalls, 1);
}

TEST(Definitions, BrokenBindingsAndWindowsAreReported) {
  constexpr toolkit::EventBinding twice[] = {{0, "MainWindow_Created"}, {0, "MainWindow_Created"}};
  constexpr toolkit::EventBinding unknown[] = {{0, "NoSuchRoutine"}};
  const toolkit::UnitDefinition twiceUnits[] = {{"", 1, {}, toolkit::WindowProperties{}, twice}};
  const toolkit::UnitDefinition unknownUnits[] = {{"", 1, {}, toolkit::WindowProperties{}, unknown}};
  const toolkit::WindowDefinition twiceWindow[] = {{7, twiceUnits}};
  const toolkit::WindowDefinition unknownWindow[] = {{7, unknownUnits}};
  std::string error;
  EXPECT_FALSE(LoadProgram({twiceWindow, kProbeRoutines, 7, nullptr}, &error));
  EXPECT_NE(error.find("bound twice"), std::string::npos) << error;
  EXPECT_FALSE(LoadProgram({unknownWindow, kProbeRoutines, 7, nullptr}, &error));
  EXPECT_NE(error.find("NoSuchRoutine"), std::string::npos) << error;
  EXPECT_FALSE(LoadProgram({twiceWindow, {}, 8, nullptr}, &error));
  EXPECT_FALSE(error.empty());
}

TEST(Shutdown, ClosingTheLastWindowEndsTheLoopWithCodeZero) {
  LoadTarnwick();
  PostMessageW(Unit(kWindowUnit), WM_CLOSE, 0, 0);
  toolkit::RunMessageLoop();
  EXPECT_EQ(toolkit::ExitCodeOfLoop(), 0);
  EXPECT_EQ(toolkit::detail::LiveWindowCount(), 0u);
  EXPECT_EQ(Unit(kWindowUnit), nullptr);
}

// A window the toolkit cannot build: one message box says what failed, and
// once it is dismissed the process ends with the fatal exit code.
struct FoundBox {
  DWORD process;
  HWND box;
};

BOOL CALLBACK FindMessageBox(HWND hwnd, LPARAM param) {
  auto* found = reinterpret_cast<FoundBox*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid == found->process && IsWindowVisible(hwnd) && ClassOf(hwnd) == "#32770") {
    found->box = hwnd;
    return FALSE;
  }
  return TRUE;
}

TEST(Failure, AWindowThatCannotBeBuiltIsReportedOnceAndEndsTheProcess) {
  wchar_t exe[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  std::wstring command = L"\"" + std::wstring(exe) + L"\" --load-window=0x12345678";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessW(exe, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
  FoundBox found{process.dwProcessId, nullptr};
  for (int i = 0; i < 200 && found.box == nullptr; ++i) {
    EnumWindows(FindMessageBox, reinterpret_cast<LPARAM>(&found));
    if (found.box == nullptr) Sleep(50);
  }
  ASSERT_NE(found.box, nullptr);
  wchar_t text[512] = {};
  GetDlgItemTextW(found.box, 0xFFFF, text, 512);
  EXPECT_NE(toolkit::Narrow(text).find("cannot be read"), std::string::npos) << toolkit::Narrow(text);
  PostMessageW(found.box, WM_COMMAND, IDOK, 0);
  ASSERT_EQ(WaitForSingleObject(process.hProcess, 30000), WAIT_OBJECT_0);
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  EXPECT_EQ(code, static_cast<DWORD>(toolkit::kFatalExitCode));
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

// ---- working directory -------------------------------------------------------------

std::wstring ThisExecutable() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return path;
}

std::wstring Temporary(const std::wstring& name) {
  wchar_t folder[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, folder);
  return std::wstring(folder) + name;
}

std::string WorkingDirectoryOfCopyIn(const std::wstring& folder) {
  CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring exe = folder + L"\\probe.exe";
  const std::wstring report = Temporary(L"tarnwick-cwd.txt");
  EXPECT_TRUE(CopyFileW(ThisExecutable().c_str(), exe.c_str(), FALSE));
  DeleteFileW(report.c_str());
  std::wstring command = L"\"" + exe + L"\" --report-working-directory=" + report;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  wchar_t otherFolder[MAX_PATH] = {};
  GetWindowsDirectoryW(otherFolder, MAX_PATH);  // started from somewhere else
  EXPECT_TRUE(CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, otherFolder,
                             &startup, &process));
  WaitForSingleObject(process.hProcess, 30000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  std::string text;
  HANDLE in = CreateFileW(report.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (in != INVALID_HANDLE_VALUE) {
    char buffer[2048];
    DWORD read = 0;
    ReadFile(in, buffer, sizeof buffer, &read, nullptr);
    text.assign(buffer, read);
    CloseHandle(in);
  }
  DeleteFileW(exe.c_str());
  DeleteFileW(report.c_str());
  RemoveDirectoryW(folder.c_str());
  return text;
}

TEST(WorkingDirectory, IsTheExecutablesFolderWhereverStarted) {
  const std::wstring plain = Temporary(L"tarnwick-plain");
  EXPECT_EQ(WorkingDirectoryOfCopyIn(plain), toolkit::Narrow(plain));
  // Greek and Chinese: outside the ANSI code page of a Western system.
  const std::wstring unicode = Temporary(L"tarnwick-\x03a9\x03bb-\x76ee\x5f55");
  EXPECT_EQ(WorkingDirectoryOfCopyIn(unicode), toolkit::Narrow(unicode));
}

}  // namespace
