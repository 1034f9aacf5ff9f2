// The process entry: the toolkit takes over, calls the program's start
// routine, shuts down and ends the process with the code of the quit message.
#include <windows.h>

#include "app/program.h"
#include "toolkit/toolkit.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const toolkit::Program& program = TarnwickProgram();
  toolkit::InstallProgram(program);
  program.start();
  toolkit::ShutdownToolkit();
  return toolkit::ExitCodeOfLoop();
}
