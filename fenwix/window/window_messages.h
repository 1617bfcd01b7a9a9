// The library's handling of the main window's messages, and its repaint.
#ifndef FENWIX_WINDOW_WINDOW_MESSAGES_H
#define FENWIX_WINDOW_WINDOW_MESSAGES_H

#include "fenwix/fenwix.h"
#include "fenwix/registry/registry.h"

// Invalidates and repaints the window named by CurrentWindowName at once. Codes 4, 1019
// and 1018, reported under the context of the running call.
ErrorCode FX_WindowRedrawIntl();

// WM_DPICHANGED of the main window: it keeps its place and takes its declared size at its
// new DPI, and the forms inside it are placed again.
void MainWindowDpiChanged(const WindowDef& window);

#endif
