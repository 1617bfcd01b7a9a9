// The keys of a grid's list view beyond the platform's own: F2 and typing edit the
// current cell, Left and Right move it, Return activates the row, Ctrl+C copies the
// selected rows and Ctrl+A selects them all.
#ifndef FENWIX_GRID_GRID_KEYS_H
#define FENWIX_GRID_GRID_KEYS_H

#include <windows.h>

// Subclasses the list view for its keys until it is destroyed.
void WatchGridKeys(HWND list);

#endif
