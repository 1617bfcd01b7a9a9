// The gallery's forms, declared in form files: compiled into the program, or read from a
// folder and watched (--forms DIR), so that a saved change shows on the open form. The
// items of a form as its file lists them, for the event log to name a control by its id.
#ifndef GALLERY_ITEM_TABLE_H
#define GALLERY_ITEM_TABLE_H

#include <string>
#include <vector>

#include "fenwix/fenwix.h"

namespace gallery {

struct ItemRow {
  std::string name;
  std::string type;
  int sequence;
};

typedef std::vector<ItemRow> ItemTable;

// Declares the gallery's forms from the compiled-in files, or from the files of folder
// (watched) when it is not empty. The library reports a refused file itself; the first
// code, or 0.
ErrorCode LoadForms(const std::string& folder);

// The form's items, in their file's order (which is their sequence).
ItemTable ItemsOf(const std::string& formName);

// The control id the library gives an item's control: its sequence number + 101.
// Labels and rectangles have none (their control id is 0).
int ControlIdOf(const ItemRow& row);

}  // namespace gallery

#endif
