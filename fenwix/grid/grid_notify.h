// WM_NOTIFY from a grid's list view, answered as a dialog procedure answers: the cells
// it shows, changes of selection, header clicks, double clicks and the current cell's
// colours.
#ifndef FENWIX_GRID_GRID_NOTIFY_H
#define FENWIX_GRID_GRID_NOTIFY_H

#include <windows.h>

#include <string>

INT_PTR GridNotify(HWND dialog, const std::string& formName, const std::string& itemName,
                   NMHDR& header);

#endif
