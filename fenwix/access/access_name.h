// The name a screen reader reads for an item: what the program named it, else the text the
// item shows, else the caption a person reads beside it, else its help, else its name.
#ifndef FENWIX_ACCESS_ACCESS_NAME_H
#define FENWIX_ACCESS_ACCESS_NAME_H

#include <string>

// In this order: ACCNAME; the text a label or a BUTTON paints (VALUE); for a field, a
// combo box, a grid or a progress bar, the nearest label on its row to its left, else the nearest one
// above it; for a check box, which shows only its box, the nearest label on its row to
// its right first; then REMARK for those; the item's name last. Labels are the form's
// shown STATIC items with a text; one with another control between it and the item is
// that control's. Read afresh from the records at every call.
std::string AccessibleName(const std::string& formName, const std::string& itemName);

#endif
