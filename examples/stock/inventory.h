// What the stock tool holds: the file as read, and the rows the grid shows, in order.
#ifndef STOCK_INVENTORY_H
#define STOCK_INVENTORY_H

#include <string>
#include <vector>

#include "stock_file.h"

namespace stock {

struct Inventory {
  std::wstring path;
  StockFile file;
  bool loaded = false;
  std::vector<int> view;  // indexes into file.rows, after the search and the sort
  std::string search;
  int sortColumn = -1;
  bool descending = false;
};

// The grid's column names, in the order of Column.
inline const char* const kColumnNames[kColumns] = {"sku", "name", "qty", "price", "counted"};

// One line on the standard output, for whoever drives the program from a script.
void Line(const std::string& text);

// True when an item of the inventory has this SKU already.
bool HasSku(const Inventory& inventory, const std::string& sku);

// Asks for a new item in a modal form; true with its row when the user confirmed it.
bool AskNewItem(const Inventory& inventory, Row& added);

}  // namespace stock

#endif
