#include "fenwix/formproc/calendar_colors.h"

#include <commctrl.h>

#include "fenwix/platform/platform.h"
#include "fenwix/theme/theme.h"

namespace {

struct CalendarColors {
  COLORREF background;       // around the months
  COLORREF monthBackground;  // behind the days
  COLORREF text;             // the days
  COLORREF titleBackground;  // the month's title bar
  COLORREF titleText;
  COLORREF trailingText;  // the days of the months before and after
};

CalendarColors ThemeCalendarColors() {
  if (!DarkThemeActive()) {
    return {os::GetSysColor(COLOR_WINDOW),      os::GetSysColor(COLOR_WINDOW),
            os::GetSysColor(COLOR_WINDOWTEXT),  os::GetSysColor(COLOR_ACTIVECAPTION),
            os::GetSysColor(COLOR_CAPTIONTEXT), os::GetSysColor(COLOR_GRAYTEXT)};
  }
  const ThemeColors theme = CurrentThemeColors();
  const auto rgb = [](ColorValue color) { return static_cast<COLORREF>(color); };
  return {rgb(theme.window), rgb(theme.field),      rgb(theme.fieldText),
          rgb(theme.header), rgb(theme.headerText), rgb(theme.grayText)};
}

}  // namespace

void ColorCalendar(HWND calendar) {
  // A visual style draws the calendar in light colours of its own and ignores these: the
  // dark calendar is drawn without one.
  if (DarkThemeActive()) {
    static const WCHAR kNoStyle[] = {0};
    os::SetWindowTheme(calendar, kNoStyle, kNoStyle);
  }
  const CalendarColors colors = ThemeCalendarColors();
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
