// The accessible object of an item's control: the platform's standard one, with the name
// the library finds and, for the controls the library paints, the role and states of what
// they show.
#ifndef FENWIX_ACCESS_ACCESSIBLE_ITEM_H
#define FENWIX_ACCESS_ACCESSIBLE_ITEM_H

#include <windows.h>
#include <oleacc.h>

#include "fenwix/text/encoding.h"

// What a control the library paints stands for: the standard object knows only that it
// is a window of the dialog, a client.
enum class PaintedRole { kNone, kPushButton, kStaticText };

// A new object with one reference, which answers for `control` and keeps `standard`,
// taking over the caller's reference; null, with that reference released, when memory
// runs out. A push button's states are read from its control at every question:
// unavailable, focused and pressed.
IAccessible* NewAccessibleItem(IAccessible* standard, HWND control, WideString name,
                               PaintedRole role);

#endif
