#include "toolkit/export_ops.h"

#include <commdlg.h>
#include <shellapi.h>

#include <algorithm>
#include <vector>

#include "toolkit/runtime.h"
#include "toolkit/system_function.h"
#include "toolkit/text.h"
#include "toolkit/toolkit.h"

namespace toolkit {
using namespace detail;

namespace {

constexpr std::size_t kFileNameCapacity = 260;

std::wstring FilterList(const std::string& filter) {
  if (filter.empty()) return {};
  std::wstring list = Widen(filter);
  for (wchar_t& c : list) {
    if (c == L'|') c = L'\0';
  }
  list.push_back(L'\0');
  list.push_back(L'\0');
  return list;
}

}  // namespace

void OpenWebAddress(const char* address) {
  using ShellExecuteFn = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
  static const auto shellExecute = SystemFunction<ShellExecuteFn>(L"shell32.dll", "ShellExecuteW");
  HWND owner = FindWindowExW(nullptr, nullptr, nullptr, L"Microsoft Internet Explorer");
  if (shellExecute == nullptr || address == nullptr) return;
  const std::wstring target = Widen(address);
  shellExecute(owner, L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

std::wstring detail::PlatformSuffix(const std::string& suffix) {
  std::string_view view(suffix);
  while (!view.empty() && view.front() == '.') view.remove_prefix(1);
  return Widen(view);
}

std::wstring detail::FitFileName(const std::wstring& name, std::size_t capacity) {
  if (capacity == 0) return {};
  std::size_t length = std::min(name.size(), capacity - 1);
  if (length > 0 && length < name.size() && IS_HIGH_SURROGATE(name[length - 1])) --length;
  return name.substr(0, length);
}

bool ShowCommonDialog(WindowId window, UnitId dialog) {
  LiveUnit* unit = FindLiveUnit(window, dialog);
  const auto* settings = unit ? PropertiesOf<CommonDlgProperties>(*unit->def) : nullptr;
  if (settings == nullptr || (settings->dialogType != 0 && settings->dialogType != 1)) return false;
  using DialogFn = BOOL(WINAPI*)(OPENFILENAMEW*);
  static const auto openDialog = SystemFunction<DialogFn>(L"comdlg32.dll", "GetOpenFileNameW");
  static const auto saveDialog = SystemFunction<DialogFn>(L"comdlg32.dll", "GetSaveFileNameW");
  const DialogFn show = settings->dialogType == 0 ? openDialog : saveDialog;
  if (show == nullptr) return false;

  DWORD flags = OFN_HIDEREADONLY | OFN_EXPLORER | OFN_ENABLESIZING;
  if (settings->promptCreate == 1) flags |= OFN_CREATEPROMPT;
  if (settings->fileMustExist == 1) flags |= OFN_FILEMUSTEXIST;
  if (settings->promptOverwrite == 1) flags |= OFN_OVERWRITEPROMPT;
  if (settings->pathMustExist == 1) flags |= OFN_PATHMUSTEXIST;
  if (settings->keepCurrentDirectory == 1) flags |= OFN_NOCHANGEDIR;

  std::vector<wchar_t> buffer(kFileNameCapacity, L'\0');
  const std::wstring initial = FitFileName(Widen(unit->fileName), buffer.size());
  std::copy(initial.begin(), initial.end(), buffer.begin());
  const std::wstring suffix = PlatformSuffix(settings->defaultSuffix);
  const std::wstring title = Widen(settings->title);
  const std::wstring folder = Widen(settings->initialDirectory);
  const std::wstring filter = FilterList(settings->filter);

  // Modal to the thread's active window: up to its top-level window, then
  // to that window's last active pop-up.
  HWND owner = GetActiveWindow();
  if (owner != nullptr) owner = GetLastActivePopup(GetAncestor(owner, GA_ROOT));
  HWND focus = GetFocus();

  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = static_cast<DWORD>(settings->initialFilter) + 1;
  ofn.lpstrFile = buffer.data();
  ofn.nMaxFile = static_cast<DWORD>(buffer.size());
  ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
  ofn.lpstrDefExt = suffix.empty() ? nullptr : suffix.c_str();
  ofn.Flags = flags;
  // A path longer than the buffer makes the platform call fail
  // (FNERR_BUFFERTOOSMALL): a failed dialog, never a cut path.
  const bool confirmed = show(&ofn) != FALSE;
  if (focus != nullptr && IsWindow(focus)) SetFocus(focus);
  if (!confirmed) return false;
  unit->fileName = Narrow(buffer.data());
  return true;
}

void ShowErrorMessage(HWND owner, const std::string& text) {
  wchar_t title[256] = L"";
  if (owner != nullptr) GetWindowTextW(owner, title, 256);
  MessageBoxW(owner, Widen(text).c_str(), title, MB_OK | MB_ICONERROR);
}

std::string SystemErrorText(DWORD error) {
  wchar_t* message = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
      reinterpret_cast<wchar_t*>(&message), 0, nullptr);
  std::wstring text = length > 0 ? std::wstring(message, length) : std::wstring();
  if (message != nullptr) LocalFree(message);
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) text.pop_back();
  if (text.empty()) text = L"error " + std::to_wstring(error);
  return Narrow(text);
}

}  // namespace toolkit
