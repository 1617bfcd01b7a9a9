// Screen readers ask each control for its accessible object with WM_GETOBJECT; an item's
// control answers with the library's own, named from the item's record.
#ifndef FENWIX_ACCESS_CONTROL_ACCESS_H
#define FENWIX_ACCESS_CONTROL_ACCESS_H

#include <windows.h>

#include <string>

// Puts the library's procedure in front of the control's own. Every other message, and
// WM_GETOBJECT when oleacc or the standard object is missing, goes on to the control's
// own procedure; after WM_NCDESTROY the control is forgotten.
void MakeAccessible(HWND control, const std::string& formName, const std::string& itemName);

#endif
