// The keys only a grid takes in FX_FormItemGet and FX_FormItemSet: ROWS (its row count,
// read only), ROW (its selected row, -1 for none) and VALUE (the text of the cell the user
// last committed).
#ifndef FENWIX_GRID_GRID_ITEM_KEYS_H
#define FENWIX_GRID_GRID_ITEM_KEYS_H

#include <string>

#include "fenwix/fenwix.h"

// False when the key is none of the grid's own.
bool GridKeyValue(const std::string& formName, const std::string& itemName,
                  const std::string& key, std::string& value);

// ROW selects the row and shows it without raising "ROWSEL"; 19 for a row out of range or
// ROWS. False when the key is none of the grid's own.
bool GridKeySet(const std::string& formName, const std::string& itemName, const std::string& key,
                const std::string& value, ErrorCode& result);

#endif
