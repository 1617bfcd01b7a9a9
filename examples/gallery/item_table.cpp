// Declaration of a form's items from a table of rows.
#include "item_table.h"

#include <cstring>

namespace gallery {

ErrorCode DeclareItems(const char* formName, ItemTable table) {
  ErrorCode first = 0;
  for (const ItemRow& row : table) {
    const ErrorCode code = FX_FormItemAdd(formName, row.name, row.type, row.sequence, row.x,
                                          row.y, row.width, row.height, row.properties);
    if (first == 0) first = code;
  }
  return first;
}

int ControlIdOf(const ItemRow& row) {
  const bool drawnArea = std::strcmp(row.type, fx::item::STATIC) == 0 ||
                         std::strcmp(row.type, fx::item::RECT) == 0;
  return drawnArea ? 0 : row.sequence + 101;
}

}  // namespace gallery
