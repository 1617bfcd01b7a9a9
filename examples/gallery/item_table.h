// A form's items as a table whose rows read like the calls that declare them, so that a
// row can be copied into a program as it stands.
#ifndef GALLERY_ITEM_TABLE_H
#define GALLERY_ITEM_TABLE_H

#include <cstddef>

#include "fenwix/fenwix.h"

namespace gallery {

// The arguments of one FX_FormItemAdd call after the form name, in the same order.
struct ItemRow {
  const char* name;
  const char* type;
  int sequence;
  int x, y, width, height;
  const char* properties;
};

struct ItemTable {
  const ItemRow* rows;
  std::size_t count;
  const ItemRow* begin() const { return rows; }
  const ItemRow* end() const { return rows + count; }
};

template <std::size_t N>
ItemTable TableOf(const ItemRow (&rows)[N]) {
  return ItemTable{rows, N};
}

// Declares every row; the library reports a failing row itself. Returns the first
// failure's code, or 0.
ErrorCode DeclareItems(const char* formName, ItemTable table);

// The control id the library gives an item's control: its sequence number + 101.
// Labels and rectangles have none (their control id is 0).
int ControlIdOf(const ItemRow& row);

}  // namespace gallery

#endif
