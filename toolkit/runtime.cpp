// Program installation, event binding and delivery, unit look-ups, property
// reads and the blocks handed to the program.
#include "toolkit/runtime.h"

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <list>
#include <map>
#include <tuple>

#include "toolkit/text.h"
#include "toolkit/toolkit.h"

namespace toolkit {
namespace detail {
namespace {

struct State {
  Program program{};
  bool installed = false;
  bool shutDown = false;
  std::map<std::tuple<WindowId, UnitId, std::int32_t>, Routine> bindings;
  std::list<LiveWindow> windows;  // a list keeps every LiveWindow where it is
  std::int32_t outstandingBlocks = 0;
};

State& TheState() {
  static State state;
  return state;
}

}  // namespace

const Program& InstalledProgram() { return TheState().program; }

const WindowDefinition* FindDefinition(WindowId window) {
  for (const WindowDefinition& def : TheState().program.windows) {
    if (def.id == window) return &def;
  }
  return nullptr;
}

LiveWindow* AddLiveWindow(const WindowDefinition& def) {
  LiveWindow& window = TheState().windows.emplace_back();
  window.def = &def;
  window.units.resize(def.units.size());
  for (std::size_t i = 0; i < def.units.size(); ++i) {
    window.units[i].def = &def.units[i];
    window.units[i].window = &window;
  }
  return &window;
}

void RemoveLiveWindow(LiveWindow* window) {
  TheState().windows.remove_if([window](const LiveWindow& w) { return &w == window; });
}

LiveWindow* FindLiveWindow(WindowId id) {
  for (LiveWindow& window : TheState().windows) {
    if (window.def->id == id) return &window;
  }
  return nullptr;
}

LiveUnit* FindLiveUnit(WindowId window, UnitId unit) {
  LiveWindow* live = FindLiveWindow(window);
  if (live == nullptr) return nullptr;
  for (LiveUnit& u : live->units) {
    if (u.def->id == unit) return &u;
  }
  return nullptr;
}

std::size_t LiveWindowCount() { return TheState().windows.size(); }

LiveUnit* UnitOfHandle(HWND hwnd) {
  if (hwnd == nullptr) return nullptr;
  for (LiveWindow& window : TheState().windows) {
    for (LiveUnit& unit : window.units) {
      if (unit.hwnd == hwnd) return &unit;
    }
  }
  return nullptr;
}

void Fatal(const std::string& what) {
  const std::wstring text = Widen("Tarnwick cannot continue:\n" + what);
  MessageBoxW(nullptr, text.c_str(), L"Tarnwick", MB_OK | MB_ICONERROR);
  ExitProcess(kFatalExitCode);
}

char* CopyToBlock(const std::string& text) {
  if (text.empty()) return nullptr;
  auto* block = static_cast<char*>(std::malloc(text.size() + 1));
  if (block == nullptr) return nullptr;
  std::memcpy(block, text.c_str(), text.size() + 1);
  ++TheState().outstandingBlocks;
  return block;
}

}  // namespace detail

using namespace detail;

void InstallProgram(const Program& program) {
  State& state = TheState();
  state.program = program;
  state.installed = true;
  state.shutDown = false;
  state.bindings.clear();
}

namespace {

// The working directory becomes the executable's folder, so relative paths
// and a file dialog without a starting folder begin there. The wide API
// handles any folder name, whatever the ANSI code page.
void EnterExecutableFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return;
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  const std::size_t slash = path.find_last_of(L'\\');
  if (slash == std::wstring::npos) return;
  path.resize(slash == 2 && path[1] == L':' ? slash + 1 : slash);  // keep "C:\" a root
  SetCurrentDirectoryW(path.c_str());
}

}  // namespace

std::string detail::ResolveBindings() {
  State& state = TheState();
  state.bindings.clear();
  for (const WindowDefinition& window : state.program.windows) {
    for (const UnitDefinition& unit : window.units) {
      for (const EventBinding& binding : unit.bindings) {
        Routine routine = nullptr;
        for (const NamedRoutine& named : state.program.routines) {
          if (std::strcmp(named.name, binding.routine) != 0) continue;
          if (routine != nullptr) return std::string("two routines are named ") + named.name;
          routine = named.routine;
        }
        if (routine == nullptr) return std::string("no routine is named ") + binding.routine;
        const auto key = std::make_tuple(window.id, unit.id, binding.event);
        if (!state.bindings.emplace(key, routine).second) {
          return "event " + std::to_string(binding.event) + " of unit " + unit.name + " is bound twice";
        }
      }
    }
  }
  return {};
}

namespace {
}  // namespace

void InitToolkit() {
  if (!TheState().installed) Fatal("no program is installed");
  EnterExecutableFolder();
  if (const std::string error = ResolveBindings(); !error.empty()) Fatal(error);
}

void ShutdownToolkit() {
  State& state = TheState();
  state.shutDown = true;
  state.bindings.clear();
}

bool RaiseEvent(WindowId window, UnitId unit, std::int32_t event, std::int32_t a1, std::int32_t a2,
                std::int32_t a3, std::int32_t a4, std::int32_t a5) {
  State& state = TheState();
  if (state.shutDown) return false;
  const LiveWindow* live = FindLiveWindow(window);
  if (live == nullptr || !live->eventsOpen) return false;
  const auto found = state.bindings.find(std::make_tuple(window, unit, event));
  if (found == state.bindings.end()) return false;
  found->second(EventArguments{a1, a2, a3, a4, a5});
  return true;
}

HWND GetUnitHandle(WindowId window, UnitId unit) {
  const LiveUnit* live = FindLiveUnit(window, unit);
  return live == nullptr ? nullptr : live->hwnd;
}

std::string detail::WindowTextUtf8(HWND hwnd) {
  const int length = GetWindowTextLengthW(hwnd);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(hwnd, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return Narrow(text);
}

namespace {

// Common rectangle properties of a unit with a platform window: outer size,
// position in the parent's client coordinates (screen for a top-level one).
RECT PlacedRect(HWND hwnd) {
  RECT rect{};
  GetWindowRect(hwnd, &rect);
  if (HWND parent = GetAncestor(hwnd, GA_PARENT); parent != nullptr && parent != GetDesktopWindow()) {
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
  }
  return rect;
}

const char* StoredText(const LiveUnit& unit, int property) {
  const UnitDefinition& def = *unit.def;
  if (property == prop::kTag) return def.common.tag;
  if (const auto* w = PropertiesOf<WindowProperties>(def); w && property == prop::kWindowCaption) return w->caption;
  if (const auto* l = PropertiesOf<LabelProperties>(def); l && property == prop::kLabelCaption) return l->caption;
  if (const auto* e = PropertiesOf<EditBoxProperties>(def); e && property == prop::kEditText) return e->text;
  if (const auto* b = PropertiesOf<ButtonProperties>(def); b && property == prop::kButtonCaption) return b->caption;
  if (const auto* d = PropertiesOf<CommonDlgProperties>(def)) {
    switch (property) {
      case prop::kDialogTitle: return d->title;
      case prop::kDialogFilter: return d->filter;
      case prop::kDialogInitialDirectory: return d->initialDirectory;
      case prop::kDialogDefaultSuffix: return d->defaultSuffix;
      default: break;
    }
  }
  return nullptr;
}

}  // namespace

char* ReadUnitProperty(WindowId window, UnitId unit, int property, int /*part*/) {
  const LiveUnit* live = FindLiveUnit(window, unit);
  if (live == nullptr) return nullptr;
  if (property == prop::kDialogFileName && PropertiesOf<CommonDlgProperties>(*live->def)) {
    return CopyToBlock(live->fileName);
  }
  if (property == prop::kEditText && live->hwnd != nullptr && PropertiesOf<EditBoxProperties>(*live->def)) {
    return CopyToBlock(live->text);
  }
  const char* stored = StoredText(*live, property);
  if (stored == nullptr) return nullptr;
  // Captions are read from the platform window: what the unit shows now.
  const bool live_text = property != prop::kTag && live->hwnd != nullptr;
  return CopyToBlock(live_text ? WindowTextUtf8(live->hwnd) : std::string(stored));
}

bool ReadUnitNumber(WindowId window, UnitId unit, int property, std::int32_t* value) {
  const LiveUnit* live = FindLiveUnit(window, unit);
  if (live == nullptr || value == nullptr) return false;
  const CommonProperties& common = live->def->common;
  const HWND hwnd = live->hwnd;
  const RECT rect = hwnd ? PlacedRect(hwnd) : RECT{common.left, common.top, common.left + common.width,
                                                   common.top + common.height};
  switch (property) {
    case prop::kLeft: *value = rect.left; return true;
    case prop::kTop: *value = rect.top; return true;
    case prop::kWidth: *value = rect.right - rect.left; return true;
    case prop::kHeight: *value = rect.bottom - rect.top; return true;
    case prop::kVisible: *value = hwnd ? (IsWindowVisible(hwnd) ? 1 : 0) : common.visible; return true;
    case prop::kDisabled: *value = hwnd ? (IsWindowEnabled(hwnd) ? 0 : 1) : common.disabled; return true;
    case prop::kMousePointer: *value = common.mousePointer; return true;
    default: break;
  }
  if (const auto* d = PropertiesOf<CommonDlgProperties>(*live->def)) {
    switch (property) {
      case prop::kDialogType: *value = d->dialogType; return true;
      case prop::kDialogInitialFilter: *value = d->initialFilter; return true;
      case prop::kDialogPromptCreate: *value = d->promptCreate; return true;
      case prop::kDialogFileMustExist: *value = d->fileMustExist; return true;
      case prop::kDialogPromptOverwrite: *value = d->promptOverwrite; return true;
      case prop::kDialogPathMustExist: *value = d->pathMustExist; return true;
      case prop::kDialogKeepCurrentDirectory: *value = d->keepCurrentDirectory; return true;
      default: break;
    }
  }
  return false;
}

void FreeBlock(void* block) {
  if (block == nullptr) return;
  std::free(block);
  --TheState().outstandingBlocks;
}

std::int32_t OutstandingBlocks() { return TheState().outstandingBlocks; }

}  // namespace toolkit
