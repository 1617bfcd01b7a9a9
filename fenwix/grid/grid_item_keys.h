// The keys only a grid takes in FX_FormItemGet and FX_FormItemSet: ROWS (its row count,
// read only), ROW (its selected row, -1 for none), VALUE (the text of the cell the user
// last committed), FILTER (the text its shown rows hold), SHOWN (how many rows it shows,
// read only) and SORT (the order of its rows, "COLUMN,UP", "COLUMN,DOWN" or "").
#ifndef FENWIX_GRID_GRID_ITEM_KEYS_H
#define FENWIX_GRID_GRID_ITEM_KEYS_H

#include <string>

#include "fenwix/fenwix.h"

// False when the key is none of the grid's own.
bool GridKeyValue(const std::string& formName, const std::string& itemName,
                  const std::string& key, std::string& value);

// ROW selects the row and shows it without raising "ROWSEL"; 19 for a row out of range or
// ROWS and SHOWN, 1089 for a row the filter hides; 1049 when FILTER or SORT lack the
// memory for the rows. False when the key is none of the grid's own.
bool GridKeySet(const std::string& formName, const std::string& itemName, const std::string& key,
                const std::string& value, ErrorCode& result);

#endif
