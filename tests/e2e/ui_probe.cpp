// A small Windows helper for the end-to-end tests, run under the same Wine
// as Tarnwick.exe. It reads the running main window's state the way another
// process can, and plays the parts the tests need:
//   ui_probe text           the speed box's text (UTF-8)
//   ui_probe focus          the class of the control that has the focus
//   ui_probe selection      the speed box's selection, "start end"
//   ui_probe clipboard TEXT puts TEXT (UTF-8) on the clipboard
//   ui_probe button         the export button's screen rectangle, "l t r b"
//   ui_probe dialog-name    the file name shown by the open save dialog
//   ui_probe dialog-name-set TEXT   puts TEXT in the dialog's file name box
//   ui_probe dialog-skin    "skinned N plain M": the dialog's buttons, edit
//                           and combo boxes with and without the skin
//   ui_probe message        the text of the open message box
//   ui_probe idle           waits until the main window's process waits for
//                           input with nothing left to do (painting done)
//   ui_probe hold FILE      holds FILE open without sharing until killed
//   ui_probe keylog FILE    shows a window "TarnwickKeyLog" and appends each
//                           key-down it gets to FILE ("vk shift"); Escape
//                           closes it
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::wstring Widen(const char* utf8) {
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n > 0 ? n : 1), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide.data(), n);
  wide.resize(wide.size() - 1);
  return wide;
}

std::string Narrow(const std::wstring& text) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(n > 0 ? n : 1), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, narrow.data(), n, nullptr, nullptr);
  narrow.resize(narrow.size() - 1);
  return narrow;
}

void PrintUtf8(const std::wstring& text) {
  std::fputs(Narrow(text).c_str(), stdout);
  std::fputs("\n", stdout);
}

HWND MainWindow() { return FindWindowW(L"TarnwickWindow", L"Tarnwick"); }

constexpr int kFileNameCombo = 0x47C;  // cmb13
constexpr int kFileNameEdit = 0x480;   // edt1
constexpr int kMessageText = 0xFFFF;

// A visible dialog owned by the main window that has the given control.
HWND OwnedDialogWith(int control) {
  HWND owner = MainWindow();
  for (HWND dialog = FindWindowExW(nullptr, nullptr, L"#32770", nullptr); dialog;
       dialog = FindWindowExW(nullptr, dialog, L"#32770", nullptr)) {
    if (IsWindowVisible(dialog) && GetWindow(dialog, GW_OWNER) == owner && GetDlgItem(dialog, control)) return dialog;
  }
  return nullptr;
}

HWND FileNameBox(HWND dialog) {
  HWND box = GetDlgItem(dialog, kFileNameCombo);
  return box ? box : GetDlgItem(dialog, kFileNameEdit);
}

std::wstring TextOf(HWND hwnd) {
  wchar_t text[1024] = {};
  SendMessageW(hwnd, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
  return text;
}

struct SkinCount {
  int skinned = 0;
  int plain = 0;
};

BOOL CALLBACK CountSkin(HWND hwnd, LPARAM param) {
  auto* count = reinterpret_cast<SkinCount*>(param);
  wchar_t name[32] = {};
  GetClassNameW(hwnd, name, 32);
  const bool button = lstrcmpiW(name, L"Button") == 0;
  const auto kind = GetWindowLongW(hwnd, GWL_STYLE) & BS_TYPEMASK;
  const bool affected = (button && kind != BS_OWNERDRAW) || lstrcmpiW(name, L"Edit") == 0 ||
                        lstrcmpiW(name, L"ComboBox") == 0;
  if (affected) ++(GetPropW(hwnd, L"Tarnwick.Skin") ? count->skinned : count->plain);
  return TRUE;
}
HWND SpeedBox() { return FindWindowExW(MainWindow(), nullptr, L"Edit", nullptr); }

HANDLE logFile = INVALID_HANDLE_VALUE;

LRESULT CALLBACK KeyLogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) {
    if (wParam == VK_ESCAPE) {
      DestroyWindow(hwnd);
      return 0;
    }
    char line[64];
    const int n = std::snprintf(line, sizeof line, "%u %d\n", static_cast<unsigned>(wParam),
                                GetKeyState(VK_SHIFT) < 0 ? 1 : 0);
    DWORD written = 0;
    WriteFile(logFile, line, static_cast<DWORD>(n), &written, nullptr);
    return 0;
  }
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

int KeyLog(const char* file) {
  logFile = CreateFileW(Widen(file).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
  if (logFile == INVALID_HANDLE_VALUE) return 2;
  WNDCLASSW wc{};
  wc.lpfnWndProc = KeyLogProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"TarnwickKeyLog";
  wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
  RegisterClassW(&wc);
  HWND hwnd = CreateWindowExW(0, L"TarnwickKeyLog", L"TarnwickKeyLog", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                              200, 100, nullptr, nullptr, wc.hInstance, nullptr);
  if (hwnd == nullptr) return 2;
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  CloseHandle(logFile);
  return 0;
}

int SetClipboard(const char* utf8) {
  const std::wstring text = Widen(utf8);
  if (!OpenClipboard(nullptr)) return 2;
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  std::memcpy(GlobalLock(block), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(block);
  SetClipboardData(CF_UNICODETEXT, block);
  CloseClipboard();
  return 0;
}

}  // namespace

int main() {
  // The narrow argv would pass through the ANSI code page and lose text.
  int argc = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &argc);
  std::vector<std::string> args;
  for (int i = 0; i < argc; ++i) args.push_back(Narrow(wide[i]));
  std::vector<const char*> pointers;
  for (const std::string& arg : args) pointers.push_back(arg.c_str());
  const char* const* argv = pointers.data();
  if (argc < 2) return 2;
  const std::string command = argv[1];
  if (command == "keylog" && argc == 3) return KeyLog(argv[2]);
  if (command == "clipboard" && argc == 3) return SetClipboard(argv[2]);
  if (command == "hold" && argc == 3) {
    HANDLE file = CreateFileW(Widen(argv[2]).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 2;
    std::puts("holding");
    std::fflush(stdout);
    Sleep(INFINITE);
    return 0;
  }
  if (command.rfind("dialog-", 0) == 0) {
    HWND dialog = OwnedDialogWith(kFileNameCombo);
    if (dialog == nullptr) dialog = OwnedDialogWith(kFileNameEdit);
    if (dialog == nullptr) return 3;
    if (command == "dialog-name") {
      PrintUtf8(TextOf(FileNameBox(dialog)));
      return 0;
    }
    if (command == "dialog-name-set" && argc == 3) {
      SendMessageW(FileNameBox(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Widen(argv[2]).c_str()));
      return 0;
    }
    if (command == "dialog-skin") {
      SkinCount count;
      EnumChildWindows(dialog, CountSkin, reinterpret_cast<LPARAM>(&count));
      std::printf("skinned %d plain %d\n", count.skinned, count.plain);
      return 0;
    }
    return 2;
  }
  if (command == "message") {
    HWND box = OwnedDialogWith(kMessageText);
    if (box == nullptr) return 3;
    PrintUtf8(TextOf(GetDlgItem(box, kMessageText)));
    return 0;
  }
  if (command == "idle") {
    DWORD process = 0;
    GetWindowThreadProcessId(MainWindow(), &process);
    HANDLE handle = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, process);
    if (handle == nullptr) return 3;
    const DWORD waited = WaitForInputIdle(handle, 20000);
    CloseHandle(handle);
    return waited == 0 ? 0 : 4;
  }
  if (command == "button") {
    HWND button = FindWindowExW(MainWindow(), nullptr, L"Button", nullptr);
    RECT rect{};
    if (button == nullptr || !GetWindowRect(button, &rect)) return 3;
    std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right, rect.bottom);
    return 0;
  }
  HWND edit = SpeedBox();
  if (edit == nullptr) return 3;
  if (command == "text") {
    wchar_t text[512] = {};
    SendMessageW(edit, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
    PrintUtf8(text);
    return 0;
  }
  if (command == "selection") {
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    std::printf("%lu %lu\n", start, end);
    return 0;
  }
  if (command == "focus") {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(MainWindow(), nullptr), &info);
    wchar_t name[64] = L"none";
    if (info.hwndFocus) GetClassNameW(info.hwndFocus, name, 64);
    PrintUtf8(name);
    return 0;
  }
  return 2;
}
