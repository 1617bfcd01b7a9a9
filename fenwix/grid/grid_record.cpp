// The grids of the registry, kept by item key.
#include "fenwix/grid/grid_record.h"

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
