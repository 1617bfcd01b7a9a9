// The accessible object of an item's control: the platform's standard one, with the name
// the library finds and, for the controls the library paints, the role and states of what
// they show.
#ifndef FENWIX_ACCESS_ACCESSIBLE_ITEM_H
#define FENWIX_ACCESS_ACCESSIBLE_ITEM_H

#include <windows.h>
#include <oleacc.h>

#include <string>

// What a control the library paints stands for: the standard object knows only that it
// is a window of the dialog, a client.
enum class PaintedRole { kNone, kPushButton, kStaticText };

// A new object with one reference, which answers for `control`, the item `itemName` of
// `formName`, and keeps `standard`, taking over the caller's reference; null, with that
// reference released, when memory runs out. The name and a push button's states
// (unavailable, focused, pressed) are found again at every question.
IAccessible* NewAccessibleItem(IAccessible* standard, HWND control, std::string formName,
                               std::string itemName, PaintedRole role);

#endif
