// The order of a grid's rows sorted by one column: row numbers, the first to show first.
// Sorts are stable, and empty cells come last in either direction.
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

// The text copied from a grid: one line per row, cells apart by a tab, each line ended by
// CRLF. A tab or line break inside a cell becomes a space, so that the lines and columns
// stay where they belong.
void AppendCopiedLine(std::string& text, const std::vector<std::string>& cells);

#endif
