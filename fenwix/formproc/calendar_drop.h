// The drop-down month calendar of a DATE field with CALENDAR=true. One is open at a time,
// in a popup owned by the field's form, below the field (above it where the screen ends);
// the keyboard stays in the field, which hands the calendar its keys.
#ifndef FENWIX_FORMPROC_CALENDAR_DROP_H
#define FENWIX_FORMPROC_CALENDAR_DROP_H

#include <windows.h>

#include <string>

#include "fenwix/fenwix.h"

// The calendar could not be made: the field stays as it was.
inline constexpr ErrorCode kCalendarNotMade = 1084;

// Opens the field's calendar on the day it shows, or today; a calendar already open
// closes first. 0, or kCalendarNotMade, reported.
ErrorCode OpenCalendar(HWND field, const std::string& formName, const std::string& itemName);

// Closes the open calendar, if any, with no change to its field.
void CloseCalendar();

// The month calendar control open under the field, or null.
HWND OpenCalendarOf(HWND field);

// Writes the day the calendar has selected into its field, as a click on the day does,
// and closes it.
void ChooseSelectedDay();

#endif
