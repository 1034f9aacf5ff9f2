// The program's routines as the toolkit sees them: the start routine, the
// three event handlers bound by the main window, and the table that names
// them for the window definition.
#pragma once

#include <cstdint>

#include "toolkit/definition.h"

// Prepares the toolkit, loads the main window and runs the message loop;
// always returns 0.
std::int32_t ProgramStart();

// Handler of the main window's created event: registers the arrow hotkeys,
// then switches the control skin on.
void MainWindow_Created();

// Handler of the export button's clicked event.
void ExportButton_Clicked();

// Handler of the hotkey label's feedback event: the hotkey identifier, then
// an argument that is not read.
void HotkeyLabel_Feedback(std::int32_t identifier, std::int32_t unused);

// The program as the toolkit installs it.
const toolkit::Program& TarnwickProgram();
