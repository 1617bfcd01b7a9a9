// Stored cells. A changed cell's new text goes to the end of its column's buffer; the
// old one is left behind, and the buffer is written afresh once more than half of it is
// unused.
#include "fenwix/grid/grid_cells.h"

#include <cstring>
#include <limits>

#include "fenwix/formats/typed_text.h"

namespace {

template <class T>
void Permute(std::vector<T>& values, const std::vector<std::int32_t>& order) {
  std::vector<T> permuted(values.size());
  for (std::size_t row = 0; row < order.size(); ++row)
    permuted[row] = values[static_cast<std::size_t>(order[row])];
  values.swap(permuted);
}

}  // namespace

void GridCells::AddColumn(bool numbers) {
  Column column;
  column.numbers = numbers;
  if (numbers) {
    column.numbers_.assign(static_cast<std::size_t>(rows_), kEmptyOrder);
  } else {
    column.starts.assign(static_cast<std::size_t>(rows_), 0);
  }
  columns_.push_back(std::move(column));
}

void GridCells::SetRows(std::int32_t rows) {
  if (rows < 0) rows = 0;
  const std::size_t count = static_cast<std::size_t>(rows);
  for (Column& column : columns_) {
    if (column.numbers) {
      column.numbers_.resize(count, kEmptyOrder);
      column.numbers_.shrink_to_fit();
      continue;
    }
    for (std::size_t row = count; row < column.starts.size(); ++row)
      if (column.starts[row]) column.unused += std::strlen(&column.texts[column.starts[row]]) + 1;
    column.starts.resize(count, 0);
    column.starts.shrink_to_fit();
    if (column.unused > column.texts.size() / 2) Compact(column);
  }
  rows_ = rows;
  ++arrangement_;
}

bool GridCells::SetText(std::int32_t row, std::size_t column, const std::string& text) {
  Column& cells = columns_[column];
  std::uint32_t& start = cells.starts[static_cast<std::size_t>(row)];
  const std::size_t length = std::strlen(text.c_str());
  const std::size_t old = start ? std::strlen(&cells.texts[start]) + 1 : 0;
  if (length && cells.texts.size() + length + 1 > std::numeric_limits<std::uint32_t>::max())
    return false;
  cells.unused += old;
  if (length == 0) {
    start = 0;
  } else {
    start = static_cast<std::uint32_t>(cells.texts.size());
    cells.texts.append(text.c_str(), length + 1);
  }
  if (cells.unused > cells.texts.size() / 2) Compact(cells);
  return true;
}

const char* GridCells::Text(std::int32_t row, std::size_t column) const {
  const Column& cells = columns_[column];
  return &cells.texts[cells.starts[static_cast<std::size_t>(row)]];
}

void GridCells::SetNumber(std::int32_t row, std::size_t column, std::int64_t number) {
  columns_[column].numbers_[static_cast<std::size_t>(row)] = number;
}

void GridCells::Reorder(const std::vector<std::int32_t>& order) {
  for (Column& column : columns_) {
    if (column.numbers) {
      Permute(column.numbers_, order);
    } else {
      Permute(column.starts, order);
    }
  }
  ++arrangement_;
}

void GridCells::Compact(Column& column) {
  std::string texts(1, '\0');
  texts.reserve(column.texts.size() - column.unused);
  for (std::uint32_t& start : column.starts) {
    if (!start) continue;
    const char* text = &column.texts[start];
    start = static_cast<std::uint32_t>(texts.size());
    texts.append(text, std::strlen(text) + 1);
  }
  column.texts.swap(texts);
  column.unused = 0;
}
