// The orders the gallery's grids show. They are computed from the row number, so the
// stored grid and the program's source agree without a file to read.
#ifndef GALLERY_ORDER_BOOK_H
#define GALLERY_ORDER_BOOK_H

#include <string>

namespace gallery {

// The columns of an order, as the grids name them.
inline constexpr const char kNumberColumn[] = "number";
inline constexpr const char kDateColumn[] = "date";
inline constexpr const char kAmountColumn[] = "amount";
inline constexpr const char kCustomerColumn[] = "customer";

// One cell of the order on a row: its number ("A-0000001" for row 0), its date (dd/mm/yyyy,
// from 01/01/2000 to 28/12/2025, the earliest and latest falling on other rows than the
// first and last), its amount (1.00 to 99999.99) or its customer; empty for another column.
std::string OrderCell(int row, const std::string& column);

}  // namespace gallery

#endif
