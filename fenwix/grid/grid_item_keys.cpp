#include "fenwix/grid/grid_item_keys.h"

#include <new>

#include "fenwix/grid/grid_editor.h"
#include "fenwix/grid/grid_filter.h"
#include "fenwix/grid/grid_record.h"
#include "fenwix/grid/grid_sort.h"
#include "fenwix/grid/grid_view.h"
#include "fenwix/props/property_string.h"
#include "fenwix/registry/registry.h"

bool GridKeyValue(const std::string& formName, const std::string& itemName,
                  const std::string& key, std::string& value) {
  const std::string upper = UpperCase(key);
  const Grid* grid = FindGrid(formName, itemName);
  if (upper == fx::key::ROWS) {
    value = IntToText(grid ? grid->rows : 0);
  } else if (upper == fx::key::ROW) {
    const HWND list = FindItemDef(formName, itemName).control;
    value = IntToText(list && grid ? SelectedRow(list, *grid) : -1);
  } else if (upper == fx::key::VALUE) {
    value = grid ? grid->edited : std::string();
  } else if (upper == fx::key::FILTER) {
    value = grid ? grid->filter : std::string();
  } else if (upper == fx::key::SHOWN) {
    value = IntToText(grid ? ShownRowCount(*grid) : 0);
  } else if (upper == fx::key::SORT) {
    value = grid ? GridSortText(*grid) : std::string();
  } else {
    return false;
  }
  return true;
}

bool GridKeySet(const std::string& formName, const std::string& itemName, const std::string& key,
                const std::string& value, ErrorCode& result) {
  const std::string upper = UpperCase(key);
  if (upper == fx::key::ROWS || upper == fx::key::SHOWN) {
    result = 19;
    return true;
  }
  if (upper == fx::key::FILTER || upper == fx::key::SORT) {
    // The rows of a large grid may not fit twice: FX_FormItemSet answers with a code.
    try {
      result = upper == fx::key::FILTER ? SetGridFilter(formName, itemName, value)
                                        : SetGridSort(formName, itemName, value);
    } catch (const std::bad_alloc&) {
      result = 1049;
    }
    return true;
  }
  if (upper != fx::key::ROW) return false;
  Grid* grid = FindGrid(formName, itemName);
  const std::int32_t row = TextToInt(value, 10);
  const std::int32_t rows = grid ? grid->rows : 0;
  if (row < -1 || row >= rows || (row == 0 && value != "0")) {
    result = 19;
    return true;
  }
  if (row >= 0 && grid && ShownRow(*grid, row) < 0) {
    result = 1089;
    return true;
  }
  result = 0;
  const HWND list = FindItemDef(formName, itemName).control;
  if (!list) return true;
  EndGridEdit(formName, itemName);
  // The program knows the row it chose: the change is not reported.
  grid = FindGrid(formName, itemName);
  if (!grid) return true;
  grid->selected = row;
  SelectRow(list, *grid, row);
  return true;
}
