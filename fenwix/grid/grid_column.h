// A column of a grid as the program declared it.
#ifndef FENWIX_GRID_GRID_COLUMN_H
#define FENWIX_GRID_GRID_COLUMN_H

#include <cstdint>
#include <string>

#include "fenwix/fenwix.h"
#include "fenwix/formats/typed_text.h"
#include "fenwix/props/value_convert.h"

struct GridColumn {
  std::string name;
  std::string title;
  std::string type = fx::field::STRING;
  std::string format;
  std::int32_t width = 100;
  HAlign align = -1;
  bool edit = false;
  bool notNull = false;
};

// Reads a column's properties: 0, 21 (an unknown TYPE) or 24 (a DATE or CURRENCY without
// its FORMAT, or an amount of no digits or more than its number holds).
ErrorCode ColumnFromProperties(const std::string& name, const std::string& properties,
                               GridColumn& column);

// A cell's text read by its column's type.
TypedText ReadCell(const GridColumn& column, const std::string& text);

// Whether the column's cells are dates or amounts, kept as their numbers (the order of
// ReadCell) and written again under the column's format when shown.
bool HoldsNumbers(const GridColumn& column);
std::string WriteCell(const GridColumn& column, std::int64_t number);

#endif
