// The one platform control that shows an item of a form, created inside the form's
// dialog from the item's record.
#ifndef FENWIX_FORM_ITEM_CONTROLS_H
#define FENWIX_FORM_ITEM_CONTROLS_H

#include <windows.h>

#include <string>

#include "fenwix/fenwix.h"
#include "fenwix/form/item_place.h"
#include "fenwix/registry/registry.h"

// The status bar's control id; items take their sequence number + 101, above it.
inline constexpr int kStatusBarId = 100;
inline constexpr int kItemIdBase = 101;

// A check box shows its box only, whatever size its item declares: its text, the item's
// name, would not fit.
inline constexpr int kCheckBoxSize = 14;

// The rectangle an item's control is declared at, in pixels at 96 DPI; a check box's is
// the size of its box.
PixelRect DeclaredRect(const ItemDef& item);

// Where the item's control goes in its form's client area, width × height now, in the
// pixels of the form's DPI.
PixelRect ControlRect(const FormDef& form, const ItemDef& item, int width, int height);

// Creates the item's control as a child of dialog and records its window and id in the
// item's record. Codes 18, 26, 1001, 1003, 1047, reported.
ErrorCode FX_FormCreateItem(HWND dialog, std::string formName, std::string itemName);

#endif
