// The toolkit's operations, as the program's routines call them. All of them
// run on the GUI thread only. Texts are UTF-8 throughout; the toolkit
// converts at each platform call.
#pragma once

#include <windows.h>

#include <cstdint>

#include "toolkit/definition.h"

namespace toolkit {

// Hands the program's definitions and routines to the toolkit. Called once by
// the entry point (or a test) before InitToolkit.
void InstallProgram(const Program& program);

// Makes the executable's folder the working directory and resolves every
// event binding of the installed program. An unknown or doubly bound routine
// is a fatal error, reported with a message box.
void InitToolkit();

// Builds the window from its definition, raises its created event and shows
// it. Failure is fatal: one message box, then the process ends with
// kFatalExitCode.
void LoadWindow(WindowId window);

// Runs the message loop until the quit message; returns at once when no
// window of the program is left.
void RunMessageLoop();

// The code that the quit message carried (0 unless the loop never ran).
int ExitCodeOfLoop();

// Closes the event gate for good and releases the toolkit's resources.
void ShutdownToolkit();

// Calls the routine bound to the event with the arguments, at once. False
// when nothing is bound or events are closed (while a window is being built,
// after shutdown).
bool RaiseEvent(WindowId window, UnitId unit, std::int32_t event, std::int32_t a1 = 0,
                std::int32_t a2 = 0, std::int32_t a3 = 0, std::int32_t a4 = 0,
                std::int32_t a5 = 0);

// The platform window of a unit of a loaded window (the top-level window for
// the window's own unit), or null.
HWND GetUnitHandle(WindowId window, UnitId unit);

// A text property's value as a new zero-terminated UTF-8 copy that the
// caller releases with FreeBlock, or null when the text is empty (or the
// property is not a text). Live values come from the platform window.
char* ReadUnitProperty(WindowId window, UnitId unit, int property, int part = -1);

// An integer or flag property's value; false when the unit or property is
// unknown or holds a text.
bool ReadUnitNumber(WindowId window, UnitId unit, int property, std::int32_t* value);

// Releases a block the toolkit allocated. Null is allowed.
void FreeBlock(void* block);

// Blocks handed out and not yet released.
std::int32_t OutstandingBlocks();

// Switches the control skin on (styles 1-3) or off (any other style);
// returns the style that was in force before.
std::int32_t SetControlSkin(std::int32_t style);

// Whether a control currently carries the skin.
bool IsSkinned(HWND control);

// The exit code of a fatal toolkit failure.
inline constexpr int kFatalExitCode = 3;

// The private message that carries a hotkey identifier (wParam) to a label,
// which raises its feedback event with wParam and lParam and answers 0.
inline constexpr UINT WM_UNIT_FEEDBACK = 0x8075;

}  // namespace toolkit
