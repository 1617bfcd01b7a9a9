// The field's side of the drop-down calendar. The button lives in the edit control's
// frame (WM_NCCALCSIZE takes its width from the client area), so it moves and sizes with
// the field and never takes the keyboard. While the calendar is open the field keeps the
// focus and hands the calendar its keys, as a combo box hands its list.
#include "fenwix/formproc/date_calendar.h"

#include <algorithm>
#include <map>

#include "fenwix/formproc/calendar_drop.h"
#include "fenwix/grid/window_subclass.h"
#include "fenwix/platform/platform.h"
#include "fenwix/registry/registry.h"
#include "fenwix/window/window_dpi.h"

namespace {

// The button's width at 96 DPI, a scroll bar's.
constexpr int kButtonWidth = 16;

struct CalendarField {
  std::string formName, itemName;
  RECT button = {};  // in the field's window coordinates
};

std::map<HWND, CalendarField>& Fields() {
  static std::map<HWND, CalendarField> fields;
  return fields;
}

bool InButton(HWND field, const CalendarField& entry, LPARAM screenPoint) {
  RECT window = {};
  os::GetWindowRect(field, &window);
  const LONG x = static_cast<short>(LOWORD(screenPoint)) - window.left;
  const LONG y = static_cast<short>(HIWORD(screenPoint)) - window.top;
  return x >= entry.button.left && x < entry.button.right && y >= entry.button.top &&
         y < entry.button.bottom;
}

void PaintButton(HWND field, const CalendarField& entry) {
  const HDC dc = os::GetWindowDC(field);
  if (!dc) return;
  RECT button = entry.button;
  UINT state = DFCS_SCROLLCOMBOBOX;
  if (OpenCalendarOf(field)) state |= DFCS_PUSHED;
  if (!os::IsWindowEnabled(field)) state |= DFCS_INACTIVE;
  os::DrawFrameControl(dc, &button, DFC_SCROLL, state);
  os::ReleaseDC(field, dc);
}

void RepaintButton(HWND field) {
  os::RedrawWindow(field, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
}

void Toggle(HWND field, const CalendarField& entry) {
  if (OpenCalendarOf(field)) {
    CloseCalendar();
  } else {
    // The calendar works for the field that has the keyboard; a field that cannot get it
    // (another field's refusal keeps it) opens nothing.
    if (os::GetFocus() != field) os::SetFocus(field);
    if (os::GetFocus() == field) OpenCalendar(field, entry.formName, entry.itemName);
  }
  RepaintButton(field);
}

bool IsNavigationKey(WPARAM key) {
  switch (key) {
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN:
    case VK_PRIOR: case VK_NEXT: case VK_HOME: case VK_END:
      return true;
    default:
      return false;
  }
}

bool IsDropKey(UINT message, WPARAM key) {
  return (message == WM_KEYDOWN && key == VK_F4) ||
         (message == WM_SYSKEYDOWN && (key == VK_DOWN || key == VK_UP));
}

// A key while the calendar is open: true when it was the calendar's.
bool CalendarKey(HWND field, UINT message, WPARAM key, LPARAM lParam) {
  const HWND calendar = OpenCalendarOf(field);
  if (IsDropKey(message, key) || (message == WM_KEYDOWN && key == VK_ESCAPE)) {
    CloseCalendar();
  } else if (message == WM_KEYDOWN && key == VK_RETURN) {
    ChooseSelectedDay();
  } else if (message == WM_KEYDOWN && IsNavigationKey(key)) {
    os::SendMessageW(calendar, message, key, lParam);
    return true;
  } else {
    return false;
  }
  RepaintButton(field);
  return true;
}

LRESULT FieldMessage(HWND field, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto it = Fields().find(field);
  if (it == Fields().end()) return CallOriginal(field, message, wParam, lParam);
  CalendarField& entry = it->second;
  switch (message) {
    case WM_NCCALCSIZE: {
      RECT* area = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                          : reinterpret_cast<RECT*>(lParam);
      const RECT window = *area;
      const LRESULT result = CallOriginal(field, message, wParam, lParam);
      const int width = std::min<int>(os::MulDiv(kButtonWidth, WindowDpi(field), 96),
                                      (area->right - area->left) / 2);
      area->right -= width;
      entry.button = {area->right - window.left, area->top - window.top,
                      area->right + width - window.left, area->bottom - window.top};
      return result;
    }
    case WM_NCPAINT: {
      const LRESULT result = CallOriginal(field, message, wParam, lParam);
      PaintButton(field, entry);
      return result;
    }
    case WM_NCHITTEST:
      if (InButton(field, entry, lParam)) return HTBORDER;
      break;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      if (!InButton(field, entry, lParam)) break;
      Toggle(field, entry);
      return 0;
    case WM_LBUTTONDOWN:
      if (OpenCalendarOf(field)) CloseCalendar();
      break;
    case WM_GETDLGCODE:
      // Escape and Return are the calendar's while it is open, not the form's.
      if (OpenCalendarOf(field)) return CallOriginal(field, message, wParam, lParam) | DLGC_WANTALLKEYS;
      break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (OpenCalendarOf(field)) {
        if (CalendarKey(field, message, wParam, lParam)) return 0;
      } else if (IsDropKey(message, wParam)) {
        Toggle(field, entry);
        return 0;
      }
      break;
    case WM_KILLFOCUS:
    case WM_NCDESTROY:
      if (OpenCalendarOf(field)) CloseCalendar();
      if (message == WM_NCDESTROY) Fields().erase(it);
      break;
    case WM_ENABLE: {
      const LRESULT result = CallOriginal(field, message, wParam, lParam);
      RepaintButton(field);
      return result;
    }
    default:
      break;
  }
  return CallOriginal(field, message, wParam, lParam);
}

LRESULT CALLBACK FieldProcedure(HWND field, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    return FieldMessage(field, message, wParam, lParam);
  } catch (...) {
    return 0;
  }
}

}  // namespace

void AttachCalendar(HWND field, const std::string& formName, const std::string& itemName) {
  const ItemDef item = FindItemDef(formName, itemName);
  if (!field || !item.calendar || item.type != fx::item::EDIT ||
      item.fieldType != fx::field::DATE || Fields().count(field))
    return;
  Fields()[field] = CalendarField{formName, itemName, {}};
  Subclass(field, FieldProcedure);
  // The frame is measured again with the button in it.
  os::SetWindowPos(field, nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT CalendarButtonRect(HWND field) {
  const auto it = Fields().find(field);
  RECT button = {};
  if (it == Fields().end()) return button;
  RECT window = {};
  os::GetWindowRect(field, &window);
  const RECT& local = it->second.button;
  return {local.left + window.left, local.top + window.top, local.right + window.left,
          local.bottom + window.top};
}
