// The toolkit's own state: the installed program, the resolved event
// bindings and the windows that are loaded now. Internal to the toolkit.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "toolkit/definition.h"

namespace toolkit::detail {

struct LiveWindow;

struct LiveUnit {
  const UnitDefinition* def = nullptr;
  LiveWindow* window = nullptr;
  HWND hwnd = nullptr;
  std::string fileName;  // CommonDlg: the file name, replaced by each confirmed dialog
  HBRUSH background = nullptr;  // EditBox: its solid background brush, owned
  // EditBox: the text the box shows, kept current from its change
  // notifications, so that a read costs no round trip through the control.
  std::string text;
};

struct LiveWindow {
  const WindowDefinition* def = nullptr;
  std::vector<LiveUnit> units;  // same order as def->units; never resized after load
  HWND hwnd = nullptr;
  bool eventsOpen = false;
  HWND lastFocus = nullptr;  // the control that had the focus when the window was deactivated
  UINT dpi = 96;             // the DPI the window is laid out for
  HFONT font = nullptr;      // the default GUI font at that DPI (owned unless the stock font)
};

template <typename T>
const T* PropertiesOf(const UnitDefinition& unit) {
  return std::get_if<T>(&unit.own);
}

const Program& InstalledProgram();
const WindowDefinition* FindDefinition(WindowId window);

// Windows that are loaded now.
LiveWindow* AddLiveWindow(const WindowDefinition& def);
void RemoveLiveWindow(LiveWindow* window);
LiveWindow* FindLiveWindow(WindowId window);
LiveUnit* FindLiveUnit(WindowId window, UnitId unit);
std::size_t LiveWindowCount();

// The unit a platform window belongs to (via GWLP_USERDATA for the
// toolkit's own classes, by search for the platform's classes).
LiveUnit* UnitOfHandle(HWND hwnd);

bool MessageLoopRunning();

// Resolves the installed program's event bindings to its routines; the
// empty text on success, else what is wrong.
std::string ResolveBindings();

// Builds a window from its definition (LoadWindow without the fatal report).
bool BuildWindow(WindowId window, std::string* error);

// A platform window's text, as UTF-8.
std::string WindowTextUtf8(HWND hwnd);

// The integer-input tidy-up of an edit box that has lost the focus.
void NormaliseIntegerBox(HWND edit);
void AttachIntegerInput(HWND edit);

// Reports a failure of the toolkit itself in one message box and ends the
// process with kFatalExitCode.
[[noreturn]] void Fatal(const std::string& what);

// Copies a text into a block for FreeBlock; null for the empty text.
char* CopyToBlock(const std::string& text);

}  // namespace toolkit::detail
