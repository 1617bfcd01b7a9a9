// The library's handling of the main window's messages, and its repaint.
#ifndef FENWIX_WINDOW_WINDOW_MESSAGES_H
#define FENWIX_WINDOW_WINDOW_MESSAGES_H

#include <windows.h>

#include "fenwix/fenwix.h"

// Invalidates and repaints the window named by CurrentWindowName at once. Codes 4, 1019
// and 1018, reported under the context of the running call.
ErrorCode FX_WindowRedrawIntl();

// WM_DPICHANGED of the main window: it takes the platform's rectangle for it (without one,
// its declared size at its new DPI, where it is), and the forms inside it are placed again.
void MainWindowDpiChanged(HWND window, const RECT* suggested);

#endif
