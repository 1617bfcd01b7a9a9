// The keys an item takes at run time: how each one changes the item's record, how the
// record's value reads back as text, and what the item's control is told.
#ifndef FENWIX_FORM_ITEM_KEYS_H
#define FENWIX_FORM_ITEM_KEYS_H

#include <string>

#include "fenwix/registry/registry.h"

struct ItemKeyRule {
  const char* key;
  void (*apply)(ItemDef& item, const std::string& value);
  std::string (*read)(const ItemDef& item);
  // Brings the control in line with the record, once apply has run; null for the keys
  // that only a repaint shows.
  void (*show)(const ItemDef& item);
};

// The rule of a key, matched without regard to case; null for a key not taken at run time.
const ItemKeyRule* FindItemKeyRule(const std::string& key);

// Whether an item's control shows a text the user types or picks: its VALUE is the
// control's text, not only the record's.
bool ShowsTypedText(const ItemDef& item);

// Brings a PROGRESS item's control in line with its VALUE: the position 0 to 100, or the
// busy bar (PBS_MARQUEE, running) for -1.
void ShowProgress(const ItemDef& item);

#endif
