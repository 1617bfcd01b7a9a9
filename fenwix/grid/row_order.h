// The order of a grid's rows sorted by one column: row numbers, the first to show first.
// Sorts are stable, and empty cells come last in either direction. And the rows a filter
// shows, kept as ascending row numbers through a sort and a new row count.
#ifndef FENWIX_GRID_ROW_ORDER_H
#define FENWIX_GRID_ROW_ORDER_H

#include <cstdint>
#include <string>
#include <vector>

// By the numbers of a date or amount column (kEmptyOrder for an empty cell).
std::vector<std::int32_t> RowsByNumber(const std::vector<std::int64_t>& numbers, bool ascending);

// By the sort keys of a text column's cells, compared byte by byte (the platform's keys
// for its locale's comparison); an empty text is an empty cell.
std::vector<std::int32_t> RowsByKey(const std::vector<std::string>& keys,
                                    const std::vector<bool>& empty, bool ascending);

// The shown rows' numbers once the rows are reordered by order (row i becomes the row
// that was order[i]), ascending again.
std::vector<std::int32_t> ShownAfterReorder(const std::vector<std::int32_t>& shown,
                                            const std::vector<std::int32_t>& order);

// The shown rows of a grid whose row count goes from oldRows to rows: the rows dropped are
// gone, the new ones are shown.
void ShownAfterNewCount(std::vector<std::int32_t>& shown, std::int32_t oldRows,
                        std::int32_t rows);

// The text copied from a grid: one line per row, cells apart by a tab, each line ended by
// CRLF. A tab or line break inside a cell becomes a space, so that the lines and columns
// stay where they belong.
void AppendCopiedLine(std::string& text, const std::vector<std::string>& cells);

#endif
