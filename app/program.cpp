#include "app/program.h"

#include "app/main_window.h"
#include "toolkit/toolkit.h"

std::int32_t ProgramStart() {
  toolkit::InitToolkit();
  toolkit::LoadWindow(main_window::kWindow);
  toolkit::RunMessageLoop();
  return 0;
}

namespace {

using toolkit::EventArguments;

constexpr toolkit::NamedRoutine kRoutines[] = {
    {"MainWindow_Created", [](const EventArguments&) { MainWindow_Created(); }},
    {"ExportButton_Clicked", [](const EventArguments&) { ExportButton_Clicked(); }},
    {"HotkeyLabel_Feedback", [](const EventArguments& a) { HotkeyLabel_Feedback(a[0], a[1]); }},
};

}  // namespace

const toolkit::Program& TarnwickProgram() {
  static const toolkit::WindowDefinition windows[] = {main_window::Definition()};
  static const toolkit::Program program{windows, kRoutines, main_window::kWindow, &ProgramStart};
  return program;
}
