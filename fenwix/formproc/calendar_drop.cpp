// The calendar's popup: made when it opens, sized to the month calendar's smallest
// rectangle in the field's font (which carries the form's DPI), closed by a choice,
// Escape, the field losing the keyboard, or a click anywhere else.
#include "fenwix/formproc/calendar_drop.h"

#include <commctrl.h>

#include "fenwix/access/control_access.h"
#include "fenwix/error/procedure_context.h"
#include "fenwix/error/reported.h"
#include "fenwix/formats/calendar_day.h"
#include "fenwix/formproc/calendar_colors.h"
#include "fenwix/formproc/form_events.h"
#include "fenwix/platform/platform.h"
#include "fenwix/registry/registry.h"
#include "fenwix/text/window_text.h"
#include "fenwix/window/library_start.h"
#include "fenwix/window/library_state.h"

namespace {

constexpr char kDropClass[] = "FenwixCalendarDrop";
constexpr int kCalendarId = 1;

// The one open calendar.
struct OpenDrop {
  HWND popup = nullptr;
  HWND calendar = nullptr;
  HWND field = nullptr;
  std::string formName, itemName;
  HHOOK mouseHook = nullptr;
};
OpenDrop open;

bool InsidePopup(HWND window) {
  return window && open.popup && (window == open.popup || os::IsChild(open.popup, window));
}

bool IsButtonDown(WPARAM message) {
  switch (message) {
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN: case WM_NCRBUTTONDOWN: case WM_NCMBUTTONDOWN:
      return true;
    default:
      return false;
  }
}

// A click anywhere but in the calendar or its own field closes it, and goes on to where
// it was aimed. The field decides itself: its button opens and closes the calendar.
LRESULT CALLBACK WatchClicks(int code, WPARAM wParam, LPARAM lParam) {
  const HHOOK hook = open.mouseHook;
  if (code == HC_ACTION && IsButtonDown(wParam) && open.popup) {
    const HWND target = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam)->hwnd;
    if (!InsidePopup(target) && target != open.field) CloseCalendar();
  }
  return os::CallNextHookEx(hook, code, wParam, lParam);
}

// The date the user chose goes into the field as if typed, and the field is brought in
// as leaving it would bring it in: checked, written back in its FORMAT, ITEMCHG and
// ITEMEXIT raised, the keyboard staying in it.
void Choose(const SYSTEMTIME& chosen) {
  const OpenDrop drop = open;
  CloseCalendar();
  if (!os::IsWindow(drop.field)) return;
  const ItemDef item = FindItemDef(drop.formName, drop.itemName);
  const std::string text =
      TextWithDay(item.format, ControlText(drop.field),
                  CalendarDay{chosen.wYear, chosen.wMonth, chosen.wDay});
  if (text.empty()) return;
  SetControlText(drop.field, text);
  CommitForm(drop.formName);
}

LRESULT CALLBACK DropProcedure(HWND popup, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    switch (message) {
      // The form keeps the activation, and its field the keyboard.
      case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
      case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header && header->code == MCN_SELECT && popup == open.popup)
          Choose(reinterpret_cast<const NMSELCHANGE*>(lParam)->stSelStart);
        return 0;
      }
      case WM_CLOSE: os::DestroyWindow(popup); return 0;
      default: break;
    }
  } catch (...) {
    return 0;
  }
  return os::DefWindowProcA(popup, message, wParam, lParam);
}

bool RegisterDropClass() {
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = DropProcedure;
  windowClass.hInstance = TheLibrary().instance;
  windowClass.hCursor = os::LoadCursorA(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kDropClass;
  // Registered once for the process; a restarted library finds it there.
  return os::RegisterClassExA(&windowClass) || os::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// Below the field, or above it when the screen's work area ends first; never past the
// work area's sides.
POINT DropPlace(HWND field, int width, int height) {
  RECT below = {};
  os::GetWindowRect(field, &below);
  POINT place = {below.left, below.bottom};
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof monitor;
  if (!os::GetMonitorInfoA(os::MonitorFromRect(&below, MONITOR_DEFAULTTONEAREST), &monitor))
    return place;
  const RECT& work = monitor.rcWork;
  if (place.y + height > work.bottom && below.top - height >= work.top) place.y = below.top - height;
  if (place.x + width > work.right) place.x = work.right - width;
  if (place.x < work.left) place.x = work.left;
  return place;
}

}  // namespace

ErrorCode OpenCalendar(HWND field, const std::string& formName, const std::string& itemName) {
  CloseCalendar();
  LoadCommonControls();
  const HWND dialog = os::GetParent(field);
  const HWND popup =
      RegisterDropClass()
          ? os::CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kDropClass, "",
                                WS_POPUP | WS_BORDER, 0, 0, 0, 0, dialog, nullptr,
                                TheLibrary().instance, nullptr)
          : nullptr;
  const HWND calendar =
      popup ? os::CreateWindowExA(0, MONTHCAL_CLASSA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, popup,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kCalendarId)),
                                  TheLibrary().instance, nullptr)
            : nullptr;
  if (!calendar) {
    if (popup) os::DestroyWindow(popup);
    const ProcedureErrorContext context(ItemKey(formName, itemName), "CALENDAR");
    return Reported(kCalendarNotMade);
  }
  open = OpenDrop{popup, calendar, field, formName, itemName, nullptr};

  // The field's font is made for the form's DPI: the calendar's size follows from it.
  os::SendMessageA(calendar, WM_SETFONT, os::SendMessageA(field, WM_GETFONT, 0, 0), FALSE);
  ColorCalendar(calendar);
  CalendarDay day;
  if (DayOfText(FindItemDef(formName, itemName).format, ControlText(field), day)) {
    SYSTEMTIME shown = {};
    shown.wYear = static_cast<WORD>(day.year);
    shown.wMonth = static_cast<WORD>(day.month);
    shown.wDay = static_cast<WORD>(day.day);
    os::SendMessageA(calendar, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&shown));
  }
  // A screen reader names the calendar as it names the field it fills.
  MakeAccessible(calendar, formName, itemName);

  RECT needed = {};
  os::SendMessageA(calendar, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&needed));
  RECT outer = {}, inner = {};
  os::GetWindowRect(popup, &outer);
  os::GetClientRect(popup, &inner);
  const int width = needed.right + (outer.right - outer.left) - inner.right;
  const int height = needed.bottom + (outer.bottom - outer.top) - inner.bottom;
  const POINT place = DropPlace(field, width, height);
  os::MoveWindow(calendar, 0, 0, needed.right, needed.bottom, FALSE);
  os::SetWindowPos(popup, HWND_TOPMOST, place.x, place.y, width, height,
                   SWP_NOACTIVATE | SWP_SHOWWINDOW);
  open.mouseHook = os::SetWindowsHookExA(WH_MOUSE, WatchClicks, nullptr, os::GetCurrentThreadId());
  return 0;
}

void CloseCalendar() {
  if (!open.popup) return;
  const OpenDrop closing = open;
  open = OpenDrop();
  if (closing.mouseHook) os::UnhookWindowsHookEx(closing.mouseHook);
  // Hidden now and destroyed later: the calendar may be inside its own notification.
  os::ShowWindow(closing.popup, SW_HIDE);
  os::PostMessageA(closing.popup, WM_CLOSE, 0, 0);
}

HWND OpenCalendarOf(HWND field) { return field && open.field == field ? open.calendar : nullptr; }

void ChooseSelectedDay() {
  SYSTEMTIME selected = {};
  if (open.calendar &&
      os::SendMessageA(open.calendar, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&selected)))
    Choose(selected);
  else
    CloseCalendar();
}
