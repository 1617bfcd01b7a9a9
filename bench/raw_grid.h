// The hand-written grid of raw_grid.cpp: the platform's list view with owner data, as a
// program makes it without the library.
#ifndef FENWIX_BENCH_RAW_GRID_H
#define FENWIX_BENCH_RAW_GRID_H

#include <windows.h>

#include <string>

// Row row's cell of column 0 (date), 1 (amount) or 2 (customer).
std::string MadeUpCell(int row, int column);
// The cells the list view has asked for so far.
long RawGridTextRequests();
// A window holding the list view of `rows` rows; the list view, or null.
HWND MakeRawGrid(int rows, int width, int height);

#endif
