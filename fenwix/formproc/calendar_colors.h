// The colours of a date field's drop-down calendar: the platform's own in the light theme,
// the theme's in the dark one.
#ifndef FENWIX_FORMPROC_CALENDAR_COLORS_H
#define FENWIX_FORMPROC_CALENDAR_COLORS_H

#include <windows.h>

// Gives the calendar control every colour of the theme in force (MCM_SETCOLOR).
void ColorCalendar(HWND calendar);

#endif
