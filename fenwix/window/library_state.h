// Library-wide state of the running program: whether the library has been started, and
// the module instance that owns every window class, window and dialog it creates.
#ifndef FENWIX_WINDOW_LIBRARY_STATE_H
#define FENWIX_WINDOW_LIBRARY_STATE_H

#include <windows.h>

struct LibraryState {
  bool initialised = false;
  bool commonControls = false;  // comctl32 loaded and its classes registered
  HINSTANCE instance = nullptr;
  // The program's procedure for its main window, which the library's own one calls.
  WNDPROC mainProcedure = nullptr;
};

LibraryState& TheLibrary();

#endif
