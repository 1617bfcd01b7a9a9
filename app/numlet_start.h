// Numlet's start-up: the main window, the calculator's form and the message loop.
#ifndef NUMLET_NUMLET_START_H
#define NUMLET_NUMLET_START_H

#include <windows.h>

// Runs the calculator with the given main-window procedure and returns the exit code:
// the library's code when the main window cannot be created (no form, no loop), else
// the message loop's result.
int StartNumlet(int showCommand, WNDPROC mainWindowProc);

#endif
