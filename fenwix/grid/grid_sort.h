// A click on a grid's column header: the program hears of it first, and a stored grid
// whose program leaves the order to it sorts its rows by that column. And "SORT", the
// order a program gives or reads.
#ifndef FENWIX_GRID_GRID_SORT_H
#define FENWIX_GRID_GRID_SORT_H

#include <windows.h>

#include <cstdint>
#include <string>

#include "fenwix/fenwix.h"

struct Grid;

void GridColumnClick(const std::string& formName, const std::string& itemName,
                     std::int32_t column);

// Sorts the stored rows by the column; the selected row's record stays selected, the
// filter shows the same records and the header shows the direction.
void SortGrid(const std::string& formName, const std::string& itemName, std::int32_t column,
              bool ascending);

// "SORT": the column the rows are in the order of and its direction, "COLUMN,UP" or
// "COLUMN,DOWN", or "" for none.
std::string GridSortText(const Grid& grid);
// Sets "SORT": a stored grid's rows are sorted (left as they are for ""), a virtual
// grid's header only shows the order its program gave its rows. 1088 for a text of
// another form or an unknown column.
ErrorCode SetGridSort(const std::string& formName, const std::string& itemName,
                      const std::string& text);

// The header's arrow on the column the rows are sorted by, none on the others.
void ShowSortArrows(HWND list, const Grid& grid);

#endif
