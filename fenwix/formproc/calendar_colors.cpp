#include "fenwix/formproc/calendar_colors.h"

#include <commctrl.h>

#include "fenwix/platform/platform.h"

CalendarColors LightCalendarColors() {
  return {os::GetSysColor(COLOR_WINDOW),       os::GetSysColor(COLOR_WINDOW),
          os::GetSysColor(COLOR_WINDOWTEXT),   os::GetSysColor(COLOR_ACTIVECAPTION),
          os::GetSysColor(COLOR_CAPTIONTEXT),  os::GetSysColor(COLOR_GRAYTEXT)};
}

void SetCalendarColors(HWND calendar, const CalendarColors& colors) {
  const struct {
    int part;
    COLORREF color;
  } parts[] = {
      {MCSC_BACKGROUND, colors.background}, {MCSC_MONTHBK, colors.monthBackground},
      {MCSC_TEXT, colors.text},             {MCSC_TITLEBK, colors.titleBackground},
      {MCSC_TITLETEXT, colors.titleText},   {MCSC_TRAILINGTEXT, colors.trailingText},
  };
  for (const auto& part : parts)
    os::SendMessageA(calendar, MCM_SETCOLOR, static_cast<WPARAM>(part.part),
                     static_cast<LPARAM>(part.color));
}
