// Reading and writing the inventory CSV.
#include "stock_file.h"

namespace stock {
namespace {

constexpr std::size_t kProgressRows = 500;

// Splits the record that starts at pos into its fields and moves pos past its line end.
// False for an unfinished quote.
bool NextRecord(const std::string& text, std::size_t& pos, std::vector<std::string>& fields) {
  fields.assign(1, std::string());
  bool quoted = false;
  while (pos < text.size()) {
    const char c = text[pos++];
    if (quoted) {
      if (c != '"') {
        fields.back() += c;
      } else if (pos < text.size() && text[pos] == '"') {
        fields.back() += '"';
        ++pos;
      } else {
        quoted = false;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      fields.emplace_back();
    } else if (c == '\n') {
      return true;
    } else if (c == '\r' && pos < text.size() && text[pos] == '\n') {
      ++pos;
      return true;
    } else {
      fields.back() += c;
    }
  }
  return !quoted;
}

bool NeedsQuotes(const std::string& field) {
  return field.find_first_of(",\"\r\n") != std::string::npos;
}

}  // namespace

bool ReadStock(const std::string& text, StockFile& file, std::string& error,
               const std::function<void(std::size_t)>& progress) {
  file = StockFile();
  std::size_t pos = 0;
  std::vector<std::string> fields;
  if (!NextRecord(text, pos, fields)) {
    error = "line 1: unfinished quote";
    return false;
  }
  file.header = text.substr(0, pos);
  file.lineEnd = file.header.size() >= 2 && file.header.compare(file.header.size() - 2, 2, "\r\n") == 0
                     ? "\r\n"
                     : "\n";
  std::size_t line = 1;
  while (pos < text.size()) {
    const std::size_t start = pos;
    ++line;
    if (!NextRecord(text, pos, fields)) {
      error = "line " + std::to_string(line) + ": unfinished quote";
      return false;
    }
    if (fields.size() != kColumns) {
      error = "line " + std::to_string(line) + ": " + std::to_string(fields.size()) +
              " fields, not 5";
      return false;
    }
    Row row;
    for (int column = 0; column < kColumns; ++column) row.fields[column] = std::move(fields[column]);
    row.line = text.substr(start, pos - start);
    file.rows.push_back(std::move(row));
    if (progress && file.rows.size() % kProgressRows == 0) progress(pos);
  }
  return true;
}

std::string CsvRecord(const std::string* fields, std::size_t count, const std::string& lineEnd) {
  std::string record;
  for (std::size_t i = 0; i < count; ++i) {
    if (i) record += ',';
    if (!NeedsQuotes(fields[i])) {
      record += fields[i];
      continue;
    }
    record += '"';
    for (char c : fields[i]) record += c == '"' ? std::string("\"\"") : std::string(1, c);
    record += '"';
  }
  return record + lineEnd;
}

std::string WriteStock(const StockFile& file) {
  std::string text = file.header;
  for (const Row& row : file.rows) {
    // A last line without its line end gets one before a row follows it.
    if (!text.empty() && text.back() != '\n') text += file.lineEnd;
    text += row.touched || row.line.empty() ? CsvRecord(row.fields, kColumns, file.lineEnd)
                                            : row.line;
  }
  return text;
}

}  // namespace stock
