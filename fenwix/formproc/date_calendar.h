// The drop button of a DATE field with CALENDAR=true, and the keys that open its calendar.
#ifndef FENWIX_FORMPROC_DATE_CALENDAR_H
#define FENWIX_FORMPROC_DATE_CALENDAR_H

#include <windows.h>

#include <string>

// For an EDIT item of type DATE with CALENDAR=true: a drop button inside the field's right
// edge (its frame, so the field keeps its declared rectangle and the text stops short of
// it); the button, Alt+Down and F4 open the calendar. Any other item is left alone.
void AttachCalendar(HWND field, const std::string& formName, const std::string& itemName);

// Where the field's drop button is, in screen pixels; empty for a field without one.
RECT CalendarButtonRect(HWND field);

#endif
