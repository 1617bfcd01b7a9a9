// The list view that shows a DATAGRID item: the platform's own, in report mode with owner
// data, so that it never holds the rows and asks for the cells it shows.
#ifndef FENWIX_GRID_GRID_VIEW_H
#define FENWIX_GRID_GRID_VIEW_H

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>

#include "fenwix/fenwix.h"
#include "fenwix/grid/grid_column.h"
#include "fenwix/registry/registry.h"

struct Grid;

inline constexpr const char kGridClass[] = "SysListView32";
inline constexpr DWORD kGridStyle =
    WS_CHILD | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS;

// Gives a new list view its columns, row count, colours, font and keys. 0, or 1047
// (reported) when a column cannot be added.
// A column's header shows the column's title and width again.
bool ShowColumnHeader(HWND list, int index, const GridColumn& column);

ErrorCode StartGridControl(HWND list, const std::string& formName, const std::string& itemName,
                           const ItemDef& item);

// The item's BKCOL and TXCOL on its list view.
// The list view of a form whose DPI changed from oldDpi to newDpi: its font made again,
// its columns' widths scaled, an open edit field placed over its cell again.
void ScaleGridView(HWND list, const std::string& formName, const std::string& itemName,
                   std::int32_t oldDpi, std::int32_t newDpi);

void ShowGridColors(const ItemDef& item);

// The row count and the selection after the rows changed, the edit ended before: a
// selection beyond the last row moves to it.
void ShowGridRows(const std::string& formName, const std::string& itemName);

// Rows are the stored rows' numbers, and shown rows the list view's, unless said.
// The selected row: the focused row when it is selected, else the first selected one, -1
// for none.
std::int32_t SelectedRow(HWND list, const Grid& grid);
std::int32_t SelectedShownRow(HWND list, const Grid& grid);
// Selects the one row (none for -1 or a row the filter hides), focuses it and scrolls it
// into view.
void SelectRow(HWND list, const Grid& grid, std::int32_t row);

// The rectangle of a cell of a shown row in the list view's client area; false when it
// has no such cell.
bool GridCellRect(HWND list, std::int32_t row, std::int32_t column, RECT& cell);
// The same, once the list view has scrolled the cell's row and column into view (a cell
// wider than the view shows its start).
bool ScrollToCell(HWND list, std::int32_t row, std::int32_t column, RECT& cell);

// Widens or narrows a column to its widest text among its header and the rows in view, as
// a double click on the header's divider asks. The list view's own fit reads every row,
// which in a grid of a million rows holds the program up for minutes.
void FitColumnToRowsInView(HWND list, int column);

// The list view reports a shown row's new state: the focused row is followed.
void NoteItemState(Grid& grid, const NMLISTVIEW& change);

// Raises "ROWSEL" when the selected row is no longer the one last reported.
void NoteSelection(const std::string& formName, const std::string& itemName);

// The list view's message that looks at the selection once the list view has done with
// the change at hand: a click clears the selection, then selects the row clicked, and the
// program hears only of the row.
inline constexpr UINT kNoteSelectionMessage = WM_APP + 0x0F1D;
void NoteSelectionLater(HWND list, Grid& grid);

// The form and item of a grid's list view, or of a window inside it; false for none.
bool GridOfWindow(HWND window, std::string& formName, std::string& itemName);

#endif
