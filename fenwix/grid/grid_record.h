// What a DATAGRID item holds beyond its item record: its columns, its rows (stored, or
// asked of the program's source), its sort, selection and the cell being edited. A grid
// is made by its first column and forgotten with the registry.
#ifndef FENWIX_GRID_GRID_RECORD_H
#define FENWIX_GRID_GRID_RECORD_H

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "fenwix/fenwix.h"
#include "fenwix/grid/grid_cells.h"
#include "fenwix/grid/grid_column.h"

struct Grid {
  std::vector<GridColumn> columns;
  GridCells cells;                // stored mode
  GridSource source = nullptr;    // virtual mode when set
  std::int32_t rows = 0;          // the row count; the cells' own in stored mode
  std::int32_t selected = -1;     // the row that "ROWSEL" last reported
  // The list view's focused row (a shown row), followed from its notifications: asking
  // the list view would have it look through every row.
  std::int32_t focused = -1;
  std::int32_t sortColumn = -1;   // the column the rows were last sorted by
  bool ascending = false;
  // "FILTER": the text the shown rows were chosen by, and those rows' stored numbers in
  // ascending order; every row is shown while the text is empty.
  std::string filter;
  std::vector<std::int32_t> shown;
  std::int32_t column = 0;        // the column of the current cell
  HWND editor = nullptr;          // the edit field over the cell being edited
  std::int32_t editRow = -1, editColumn = -1;
  std::string edited;             // "VALUE": the text of the last cell the user committed
  HFONT font = nullptr;           // the item's own font, when it declares one
  bool selectionNoted = true;     // no look at the selection is waiting in the queue
};

// The grid of an item, or null while it has no column.
Grid* FindGrid(const std::string& formName, const std::string& itemName);
Grid& MakeGrid(const std::string& formName, const std::string& itemName);

// The list view's rows are the shown ones: its row n is the stored row StoredRow(n).
std::int32_t ShownRowCount(const Grid& grid);
// -1 for a row the list view does not have.
std::int32_t StoredRow(const Grid& grid, std::int32_t shownRow);
// -1 for a row out of range or hidden by the filter.
std::int32_t ShownRow(const Grid& grid, std::int32_t storedRow);

// The index of a column by name, -1 for none.
std::int32_t ColumnIndex(const Grid& grid, const std::string& name);

// What a cell shows: its stored text, or the source's answer (cut to limit bytes, empty
// when the source throws). Row and column must be in range.
std::string CellText(const std::string& formName, const std::string& itemName, const Grid& grid,
                     std::int32_t row, std::size_t column);

#endif
