// The stock tool's inventory file: UTF-8 CSV, a header line, then one line per item:
//   sku,name,quantity,price,counted
// A row keeps the bytes it was read from, so that writing the file again gives every row
// the user did not touch byte for byte, whatever quoting or line end it had.
#ifndef STOCK_STOCK_FILE_H
#define STOCK_STOCK_FILE_H

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace stock {

enum Column { kSku, kName, kQuantity, kPrice, kCounted, kColumns };

struct Row {
  std::string fields[kColumns];
  std::string line;  // the record as read, with its line end; empty for a new row
  bool touched = false;
};

struct StockFile {
  std::string header;   // the header line as read, with its line end
  std::string lineEnd;  // the file's own: "\r\n" or "\n"
  std::vector<Row> rows;
};

// Reads the text of a file; false and a reason naming the line for a record without five
// fields or an unfinished quote. progress(bytes read) is called every few hundred rows.
bool ReadStock(const std::string& text, StockFile& file, std::string& error,
               const std::function<void(std::size_t)>& progress = nullptr);

// The file's text: untouched rows as read, the others written anew.
std::string WriteStock(const StockFile& file);

// One record of fields, quoted where a field holds a comma, a quote or a line break.
std::string CsvRecord(const std::string* fields, std::size_t count, const std::string& lineEnd);

}  // namespace stock

#endif
