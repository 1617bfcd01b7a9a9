// Ctrl+C on a grid: the selected rows to the clipboard as tab-separated text.
#ifndef FENWIX_GRID_GRID_COPY_H
#define FENWIX_GRID_GRID_COPY_H

#include <windows.h>

#include <string>

// The column titles, then each selected row's cells as shown, one line each. 1048
// (reported) when the clipboard does not take the text.
void CopyGridRows(HWND list, const std::string& formName, const std::string& itemName);

// The text CopyGridRows puts on the clipboard, in the program's encoding.
std::string CopiedRowsText(HWND list, const std::string& formName, const std::string& itemName);

#endif
