// The grids of the registry, kept by item key.
#include "fenwix/grid/grid_record.h"

#include <algorithm>
#include <memory>

#include "fenwix/registry/registry.h"

Grid* FindGrid(const std::string& formName, const std::string& itemName) {
  auto& grids = TheRegistry().grids;
  const auto it = grids.find(ItemKey(formName, itemName));
  return it == grids.end() ? nullptr : it->second.get();
}

Grid& MakeGrid(const std::string& formName, const std::string& itemName) {
  std::shared_ptr<Grid>& grid = TheRegistry().grids[ItemKey(formName, itemName)];
  if (!grid) grid = std::make_shared<Grid>();
  return *grid;
}

std::int32_t ShownRowCount(const Grid& grid) {
  return grid.filter.empty() ? grid.rows : static_cast<std::int32_t>(grid.shown.size());
}

std::int32_t StoredRow(const Grid& grid, std::int32_t shownRow) {
  if (shownRow < 0 || shownRow >= ShownRowCount(grid)) return -1;
  return grid.filter.empty() ? shownRow : grid.shown[static_cast<std::size_t>(shownRow)];
}

std::int32_t ShownRow(const Grid& grid, std::int32_t storedRow) {
  if (storedRow < 0 || storedRow >= grid.rows) return -1;
  if (grid.filter.empty()) return storedRow;
  const auto it = std::lower_bound(grid.shown.begin(), grid.shown.end(), storedRow);
  return it != grid.shown.end() && *it == storedRow
             ? static_cast<std::int32_t>(it - grid.shown.begin())
             : -1;
}

std::int32_t ColumnIndex(const Grid& grid, const std::string& name) {
  for (std::size_t i = 0; i < grid.columns.size(); ++i)
    if (grid.columns[i].name == name) return static_cast<std::int32_t>(i);
  return -1;
}

std::string CellText(const std::string& formName, const std::string& itemName, const Grid& grid,
                     std::int32_t row, std::size_t column) {
  if (grid.source) {
    // The program's source answers for its rows; what it throws ends here, as an empty cell.
    try {
      return grid.source(formName, itemName, row, grid.columns[column].name);
    } catch (...) {
      return std::string();
    }
  }
  if (grid.cells.HoldsNumbers(column))
    return WriteCell(grid.columns[column], grid.cells.Number(row, column));
  return grid.cells.Text(row, column);
}
