// Numlet v1.0, an integer calculator: the program's entry and its main-window procedure.
#include <windows.h>

#include "app/numlet_start.h"
#include "fenwix/fenwix.h"

namespace {

// Every message goes to the library first, then to the platform, which closes the window
// on the close command and so lets the library end the program.
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // An exception cannot unwind through the platform's frames.
  try {
    FX_WindowMessageAuto(message, wParam);
  } catch (...) {
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
  return StartNumlet(showCommand, MainWindowProc);
}
