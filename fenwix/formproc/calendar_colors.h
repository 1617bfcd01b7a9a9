// The colours of a date field's drop-down calendar, one set per look of the library.
#ifndef FENWIX_FORMPROC_CALENDAR_COLORS_H
#define FENWIX_FORMPROC_CALENDAR_COLORS_H

#include <windows.h>

struct CalendarColors {
  COLORREF background;       // around the months
  COLORREF monthBackground;  // behind the days
  COLORREF text;             // the days
  COLORREF titleBackground;  // the month's title bar
  COLORREF titleText;
  COLORREF trailingText;  // the days of the months before and after
};

// The platform's window and caption colours: what the calendar shows by itself.
CalendarColors LightCalendarColors();

// Gives the calendar control every colour of the set (MCM_SETCOLOR). A calendar drawn by
// a visual style keeps the style's colours, which the style makes match its own theme.
void SetCalendarColors(HWND calendar, const CalendarColors& colors);

#endif
