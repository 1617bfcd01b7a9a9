// The grid's own procedures in front of its list view's and edit field's, through the
// window's procedure slot: comctl32's subclass chain is kept in a window property, which
// Wine reads from its server on every message.
#ifndef FENWIX_GRID_WINDOW_SUBCLASS_H
#define FENWIX_GRID_WINDOW_SUBCLASS_H

#include <windows.h>

// The window's messages go to procedure first, always as Unicode messages.
void Subclass(HWND window, WNDPROC procedure);

// The window's own procedure; after WM_NCDESTROY the window is forgotten.
LRESULT CallOriginal(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

#endif
