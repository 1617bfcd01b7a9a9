// The cells of a grid in stored mode, kept compact. A text column is one buffer of texts,
// each ended by a NUL, with the start of each row's text beside it; a date or amount
// column keeps only the number of each value (its order), from which its text is written
// again when shown. Rows are numbered from 0.
#ifndef FENWIX_GRID_GRID_CELLS_H
#define FENWIX_GRID_GRID_CELLS_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class GridCells {
 public:
  void AddColumn(bool numbers);
  std::size_t columns() const { return columns_.size(); }
  std::int32_t rows() const { return rows_; }
  bool HoldsNumbers(std::size_t column) const { return columns_[column].numbers; }

  // New rows are empty; rows beyond a smaller count are dropped.
  void SetRows(std::int32_t rows);
  // A text column's cell; false, changing nothing, when the column's buffer is full. A
  // text ends at its first NUL.
  bool SetText(std::int32_t row, std::size_t column, const std::string& text);
  const char* Text(std::int32_t row, std::size_t column) const;
  // A number column's cell; kEmptyOrder for an empty one.
  void SetNumber(std::int32_t row, std::size_t column, std::int64_t number);
  std::int64_t Number(std::int32_t row, std::size_t column) const {
    return columns_[column].numbers_[static_cast<std::size_t>(row)];
  }
  const std::vector<std::int64_t>& Numbers(std::size_t column) const {
    return columns_[column].numbers_;
  }

  // Row i becomes the row that was order[i]; order holds every row once.
  void Reorder(const std::vector<std::int32_t>& order);

  // Changes at every new row count or order, not at a cell's new value: a row number read
  // while it stays the same still names the same record.
  std::uint32_t arrangement() const { return arrangement_; }

 private:
  struct Column {
    bool numbers = false;
    std::string texts = std::string(1, '\0');  // the empty text lives at 0
    std::vector<std::uint32_t> starts;
    std::vector<std::int64_t> numbers_;
    std::size_t unused = 0;  // bytes of texts that no row points to any more
  };
  static void Compact(Column& column);

  std::vector<Column> columns_;
  std::int32_t rows_ = 0;
  std::uint32_t arrangement_ = 0;
};

#endif
