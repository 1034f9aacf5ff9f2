// Helpers for the Windows-side tests: installing the real program (or a
// test one), loading the main window, and pumping messages.
#pragma once

#include <windows.h>

#include <string>

#include "app/main_window.h"
#include "toolkit/definition.h"

namespace testing_support {

// Installs the real program, resolves its bindings and loads the main
// window (fails the test on error).
void LoadTarnwick();

// Installs a program with the given definition and routines and loads the
// window; returns false with the toolkit's message on failure.
bool LoadProgram(const toolkit::Program& program, std::string* error);

// Dispatches every queued message of the thread.
void Pump();

HWND Unit(toolkit::UnitId unit);

std::string ClassOf(HWND hwnd);

// The rectangle of a child in its parent's client coordinates.
RECT ChildRect(HWND hwnd);

// The cursor position.
POINT Cursor();

}  // namespace testing_support
