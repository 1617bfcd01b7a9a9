// A grid's cells from arbitrary text: a column declared from the first line (its property
// string), a cell typed from the rest. Whatever comes in, an accepted cell is kept as its
// number and written back exactly as it was accepted.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fenwix/grid/grid_cells.h"
#include "fenwix/grid/grid_column.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::size_t line = input.find('\n');
  const std::string properties = input.substr(0, line);
  const std::string text = line == std::string::npos ? std::string() : input.substr(line + 1);

  GridColumn column;
  if (ColumnFromProperties("c", properties, column) != 0) return 0;
  const TypedText cell = ReadCell(column, text);
  if (cell.code != 0) return 0;

  GridCells cells;
  cells.AddColumn(HoldsNumbers(column));
  cells.SetRows(2);
  if (HoldsNumbers(column)) {
    cells.SetNumber(1, 0, cell.order);
    const std::string shown = WriteCell(column, cells.Number(1, 0));
    Require(shown == cell.normal);
    // Read again, the text may give another value (a format whose literals hold digits,
    // or whose numbers touch, reads otherwise, as a field's does); it must still be read.
    ReadCell(column, shown);
  } else {
    Require(cells.SetText(1, 0, cell.normal));
    Require(cell.normal.compare(0, std::string::npos, cells.Text(1, 0)) == 0 ||
            cell.normal.find('\0') != std::string::npos);
  }
  return 0;
}
