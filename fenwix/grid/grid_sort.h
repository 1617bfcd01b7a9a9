// A click on a grid's column header: the program hears of it first, and a stored grid
// whose program leaves the order to it sorts its rows by that column.
#ifndef FENWIX_GRID_GRID_SORT_H
#define FENWIX_GRID_GRID_SORT_H

#include <windows.h>

#include <cstdint>
#include <string>

struct Grid;

void GridColumnClick(const std::string& formName, const std::string& itemName,
                     std::int32_t column);

// Sorts the stored rows by the column, ascending, or descending when they are already
// sorted ascending by it; the selected row's record stays selected and the header shows
// the direction.
void SortGrid(const std::string& formName, const std::string& itemName, std::int32_t column);

// The header's arrow on the column the rows are sorted by, none on the others.
void ShowSortArrows(HWND list, const Grid& grid);

#endif
