// "FILTER" on a stored grid: the list view shows only the rows some cell of which shows
// the text, found as the platform finds a text in another for the user's locale, case
// ignored. The rows are chosen when the filter is set: a cell changed later leaves its row
// where it is, so that a row never vanishes under the user's hands.
#ifndef FENWIX_GRID_GRID_FILTER_H
#define FENWIX_GRID_GRID_FILTER_H

#include <string>

#include "fenwix/fenwix.h"

// 0, or 1087 on a virtual grid, whose rows only its program knows. The empty text shows
// every row. The selected record stays selected when it is still shown. Throws
// std::bad_alloc, the grid as it was, when the rows shown do not fit in memory.
ErrorCode SetGridFilter(const std::string& formName, const std::string& itemName,
                        const std::string& text);

#endif
