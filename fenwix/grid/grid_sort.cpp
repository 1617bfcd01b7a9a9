// Dates sort in time order and amounts by value, by the numbers the cells are kept as;
// texts by the platform's comparison for the user's locale, through its sort keys, so
// that each text is read once rather than at every comparison.
#include "fenwix/grid/grid_sort.h"

#include <vector>

#include "fenwix/grid/grid_editor.h"
#include "fenwix/grid/grid_record.h"
#include "fenwix/grid/grid_view.h"
#include "fenwix/grid/row_order.h"
#include "fenwix/platform/platform.h"
#include "fenwix/props/property_string.h"
#include "fenwix/registry/form_callback.h"
#include "fenwix/text/encoding.h"

namespace {

// The platform's sort key of a text: comparing two keys byte by byte gives what
// CompareString gives for the texts.
std::string SortKey(const std::string& text) {
  const WideString wide = WideText(text);
  const int length = static_cast<int>(wide.size());
  int size = os::LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_SORTKEY, wide.c_str(), length, nullptr, 0);
  if (size <= 0) return text;  // no key: the bytes themselves still give an order
  std::string key(static_cast<std::size_t>(size), '\0');
  size = os::LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_SORTKEY, wide.c_str(), length,
                          reinterpret_cast<LPWSTR>(&key[0]), size);
  key.resize(size > 0 ? static_cast<std::size_t>(size) : 0);
  return key;
}

std::vector<std::int32_t> SortedRows(const Grid& grid, std::size_t column, bool ascending) {
  if (grid.cells.HoldsNumbers(column)) return RowsByNumber(grid.cells.Numbers(column), ascending);
  std::vector<std::string> keys(static_cast<std::size_t>(grid.rows));
  std::vector<bool> empty(keys.size());
  for (std::int32_t row = 0; row < grid.rows; ++row) {
    const char* text = grid.cells.Text(row, column);
    empty[static_cast<std::size_t>(row)] = !*text;
    if (*text) keys[static_cast<std::size_t>(row)] = SortKey(text);
  }
  return RowsByKey(keys, empty, ascending);
}

}  // namespace

void ShowSortArrows(HWND list, const Grid& grid) {
  const HWND header = reinterpret_cast<HWND>(os::SendMessageA(list, LVM_GETHEADER, 0, 0));
  if (!header) return;
  for (std::size_t i = 0; i < grid.columns.size(); ++i) {
    HDITEMA item = {};
    item.mask = HDI_FORMAT;
    if (!os::SendMessageA(header, HDM_GETITEMA, i, reinterpret_cast<LPARAM>(&item))) continue;
    item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
    if (static_cast<std::int32_t>(i) == grid.sortColumn)
      item.fmt |= grid.ascending ? HDF_SORTUP : HDF_SORTDOWN;
    os::SendMessageA(header, HDM_SETITEMA, i, reinterpret_cast<LPARAM>(&item));
  }
}

void GridColumnClick(const std::string& formName, const std::string& itemName,
                     std::int32_t column) {
  EndGridEdit(formName, itemName);
  const FormDef form = FindWindowDef(formName);
  const INT_PTR answer = RaiseEvent(form, itemName, fx::event::COLCLIC,
                                    {form.handle, WM_NOTIFY, static_cast<WPARAM>(column), 0});
  const Grid* grid = FindGrid(formName, itemName);
  if (answer || !grid || grid->source) return;
  SortGrid(formName, itemName, column, !(grid->sortColumn == column && grid->ascending));
}

void SortGrid(const std::string& formName, const std::string& itemName, std::int32_t column,
              bool ascending) {
  Grid* grid = FindGrid(formName, itemName);
  if (!grid || column < 0 || column >= static_cast<std::int32_t>(grid->columns.size())) return;
  const HWND list = FindItemDef(formName, itemName).control;
  // The list view still holds the selection as the rows were.
  const std::int32_t selected = list ? SelectedRow(list, *grid) : -1;
  const std::vector<std::int32_t> order =
      SortedRows(*grid, static_cast<std::size_t>(column), ascending);
  grid->cells.Reorder(order);
  if (!grid->filter.empty()) grid->shown = ShownAfterReorder(grid->shown, order);
  grid->sortColumn = column;
  grid->ascending = ascending;

  if (!list) return;
  ShowSortArrows(list, *grid);
  // The selected record stays selected where the sort has put it.
  if (selected >= 0) {
    for (std::size_t row = 0; row < order.size(); ++row)
      if (order[row] == selected) {
        SelectRow(list, *grid, static_cast<std::int32_t>(row));
        break;
      }
  }
  os::InvalidateRect(list, nullptr, FALSE);
  NoteSelection(formName, itemName);
}

std::string GridSortText(const Grid& grid) {
  if (grid.sortColumn < 0 || grid.sortColumn >= static_cast<std::int32_t>(grid.columns.size()))
    return std::string();
  return grid.columns[static_cast<std::size_t>(grid.sortColumn)].name +
         (grid.ascending ? ",UP" : ",DOWN");
}

ErrorCode SetGridSort(const std::string& formName, const std::string& itemName,
                      const std::string& text) {
  std::int32_t column = -1;
  bool ascending = true;
  if (!text.empty()) {
    const std::size_t comma = text.rfind(',');
    if (comma == std::string::npos) return 1088;
    const std::string direction = UpperCase(text.substr(comma + 1));
    if (direction != "UP" && direction != "DOWN") return 1088;
    ascending = direction == "UP";
    const Grid* grid = FindGrid(formName, itemName);
    column = grid ? ColumnIndex(*grid, text.substr(0, comma)) : -1;
    if (column < 0) return 1088;
  }
  // A stored grid's order is the library's to make; a virtual one's rows are in the order
  // the program says they are.
  EndGridEdit(formName, itemName);
  Grid* grid = FindGrid(formName, itemName);
  if (!grid) return 0;
  if (!grid->source && column >= 0) {
    SortGrid(formName, itemName, column, ascending);
    return 0;
  }
  grid->sortColumn = column;
  grid->ascending = ascending;
  if (const HWND list = FindItemDef(formName, itemName).control) ShowSortArrows(list, *grid);
  return 0;
}
