// The program's calls on a grid: its columns, its rows and cells, its source. An unknown
// form or item gives 18, and an item that is not a grid, an unknown column or a row out
// of range 19, without a message box, as FX_FormItemGet does.
#include <new>

#include "fenwix/error/error_context.h"
#include "fenwix/error/reported.h"
#include "fenwix/fenwix.h"
#include "fenwix/grid/grid_editor.h"
#include "fenwix/grid/grid_entries.h"
#include "fenwix/grid/grid_item_keys.h"
#include "fenwix/grid/grid_notify.h"
#include "fenwix/grid/grid_record.h"
#include "fenwix/grid/grid_sort.h"
#include "fenwix/grid/grid_view.h"
#include "fenwix/grid/row_order.h"
#include "fenwix/platform/platform.h"
#include "fenwix/registry/registry.h"
#include "fenwix/window/form_life.h"

namespace {

// A program that calls any of these carries the grid's code, and its forms reach it from
// the start, whatever it declares or calls first.
[[maybe_unused]] const bool gridEntriesFilled = [] {
  TheGridEntries() = {StartGridControl, ScaleGridView, ShowGridColors, GridNotify,
                      GridKeyValue,     GridKeySet,    CommitGridEdits};
  return true;
}();

// 0 when the item is a grid, else its code.
ErrorCode CheckGridItem(const std::string& formName, const std::string& itemName) {
  const ItemDef item = FindItemDef(formName, itemName);
  if (item.type.empty()) return 18;
  return item.type == fx::item::DATAGRID ? 0 : 19;
}

// The cell, or its code.
ErrorCode FindCell(const std::string& formName, const std::string& itemName, int row,
                   const std::string& column, Grid*& grid, std::int32_t& index) {
  if (const ErrorCode code = CheckGridItem(formName, itemName)) return code;
  grid = FindGrid(formName, itemName);
  index = grid ? ColumnIndex(*grid, column) : -1;
  return index < 0 || row < 0 || row >= grid->rows ? 19 : 0;
}

}  // namespace

ErrorCode FX_GridColumnAdd(std::string formName, std::string itemName, std::string column,
                           std::string properties) {
  try {
    SaveErrorContext();
    SetErrorContext(ItemKey(formName, itemName), "FX_GridColumnAdd");
    if (const ErrorCode code = CheckGridItem(formName, itemName)) return code;
    if (column.empty()) return 19;
    Grid& grid = MakeGrid(formName, itemName);
    // The list view takes its columns when it is made.
    if (ColumnIndex(grid, column) >= 0 || FindItemDef(formName, itemName).control ||
        IsFormAlive(FindWindowDef(formName)))
      return Reported(2);
    GridColumn declared;
    if (const ErrorCode code = ColumnFromProperties(column, properties, declared))
      return Reported(code);
    grid.columns.push_back(declared);
    grid.cells.AddColumn(HoldsNumbers(declared));
    RestoreErrorContext();
    return 0;
  } catch (const std::bad_alloc&) {
    return Reported(1049);
  }
}

ErrorCode FX_GridRowCountSet(std::string formName, std::string itemName, int rows) {
  try {
    SaveErrorContext();
    SetErrorContext(ItemKey(formName, itemName), "FX_GridRowCountSet");
    if (const ErrorCode code = CheckGridItem(formName, itemName)) return code;
    if (rows < 0) return 19;
    // The rows the edit was opened over are the program's to replace: the edit ends first,
    // whether or not its row survives.
    EndGridEdit(formName, itemName);
    Grid& grid = MakeGrid(formName, itemName);
    if (!grid.source) grid.cells.SetRows(rows);
    if (!grid.filter.empty()) ShownAfterNewCount(grid.shown, grid.rows, rows);
    grid.rows = rows;
    ShowGridRows(formName, itemName);
    RestoreErrorContext();
    return 0;
  } catch (const std::bad_alloc&) {
    return Reported(1049);
  }
}

ErrorCode FX_GridCellSet(std::string formName, std::string itemName, int row, std::string column,
                         std::string value) {
  try {
    Grid* grid = nullptr;
    std::int32_t index = -1;
    if (const ErrorCode code = FindCell(formName, itemName, row, column, grid, index)) return code;
    if (grid->source) return 19;  // the program's source holds the rows
    const std::size_t c = static_cast<std::size_t>(index);
    const TypedText cell = ReadCell(grid->columns[c], value);
    if (cell.code) return 31;
    if (grid->cells.HoldsNumbers(c)) {
      grid->cells.SetNumber(row, c, cell.order);
    } else if (!grid->cells.SetText(row, c, cell.normal)) {
      return 1049;
    }
    // Only a row on the screen is painted again: a program fills thousands of rows.
    const HWND list = FindItemDef(formName, itemName).control;
    const std::int32_t shown = ShownRow(*grid, row);
    if (list && shown >= 0) {
      const LRESULT top = os::SendMessageA(list, LVM_GETTOPINDEX, 0, 0);
      if (shown >= top && shown <= top + os::SendMessageA(list, LVM_GETCOUNTPERPAGE, 0, 0))
        os::SendMessageA(list, LVM_REDRAWITEMS, static_cast<WPARAM>(shown), shown);
    }
    return 0;
  } catch (const std::bad_alloc&) {
    return 1049;
  }
}

std::string FX_GridCellGet(std::string formName, std::string itemName, int row,
                           std::string column) {
  try {
    Grid* grid = nullptr;
    std::int32_t index = -1;
    if (FindCell(formName, itemName, row, column, grid, index)) return std::string();
    return CellText(formName, itemName, *grid, row, static_cast<std::size_t>(index));
  } catch (...) {
    return std::string();
  }
}

ErrorCode FX_GridSourceSet(std::string formName, std::string itemName, int rows,
                           GridSource source) {
  try {
    if (const ErrorCode code = CheckGridItem(formName, itemName)) return code;
    if (rows < 0) return 19;
    EndGridEdit(formName, itemName);
    Grid& grid = MakeGrid(formName, itemName);
    // Without a source the grid shows its stored cells again.
    grid.source = source;
    if (!source) grid.cells.SetRows(rows);
    grid.rows = rows;
    grid.sortColumn = -1;
    // New rows, of the program's or stored, are shown whole.
    grid.filter.clear();
    grid.shown.clear();
    if (const HWND list = FindItemDef(formName, itemName).control) ShowSortArrows(list, grid);
    ShowGridRows(formName, itemName);
    return 0;
  } catch (const std::bad_alloc&) {
    return Reported(1049);
  }
}
