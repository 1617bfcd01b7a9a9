// The one platform control that shows an item of a form, created inside the form's
// dialog from the item's record.
#ifndef FENWIX_FORM_ITEM_CONTROLS_H
#define FENWIX_FORM_ITEM_CONTROLS_H

#include <windows.h>

#include <string>

#include "fenwix/fenwix.h"

// The status bar's control id; items take their sequence number + 101, above it.
inline constexpr int kStatusBarId = 100;
inline constexpr int kItemIdBase = 101;

// A check box shows its box only, whatever size its item declares: its text, the item's
// name, would not fit.
inline constexpr int kCheckBoxSize = 14;

// Creates the item's control as a child of dialog and records its window and id in the
// item's record. Codes 18, 26, 1001, 1003, 1047, reported.
ErrorCode FX_FormCreateItem(HWND dialog, std::string formName, std::string itemName);

#endif
