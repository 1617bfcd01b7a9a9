// The grid in the dark theme: its selected rows, grid lines and header, which the list
// view and its header paint in the system's colours whatever their own colours are.
#ifndef FENWIX_GRID_GRID_THEME_H
#define FENWIX_GRID_GRID_THEME_H

#include <windows.h>
#include <commctrl.h>

// The list view's custom draw in the dark theme: the flags to add to the answer.
LRESULT DarkGridDraw(NMLVCUSTOMDRAW& draw);

// WM_ERASEBKGND: true in the dark theme, the list view's whole client filled with its
// background. Painting through a buffer, the list view leaves the erasing to its class's
// brush, the system's light window colour, which shows in the rows' gap under the header.
bool DarkGridErase(HWND list, HDC dc);

// The custom draw of the list view's header, which comes to the list view: true with the answer in the
// dark theme, where the grid paints its header itself.
bool DarkHeaderDraw(HWND list, const NMHDR& notify, LRESULT& answer);

#endif
