// Event lines, the status-bar watcher and the layout lines of the gallery.
#include "event_log.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <map>

namespace gallery {
namespace {

bool everyMessage = false;

// Wide enough for a WPARAM, which a 64-bit program's unsigned long is not.
std::string Hex(std::uintptr_t value) {
  char digits[2 * sizeof value];
  char* end = std::to_chars(digits, digits + sizeof digits, value, 16).ptr;
  return "0x" + std::string(digits, end);
}

std::string ClassOf(HWND window) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

// The gallery runs in UTF-8 mode: its windows are Unicode ones, and it logs in UTF-8.
std::string Utf8Of(const wchar_t* text, int units) {
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, units, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return std::string();
  std::string utf8(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, units, &utf8[0], bytes, nullptr, nullptr);
  return utf8;
}

std::string TextOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  const int units = GetWindowTextW(window, &text[0], static_cast<int>(text.size()));
  return Utf8Of(text.c_str(), units);
}

// Notification codes overlap between control classes, so the sender's class decides.
std::string NotificationName(HWND control, unsigned code) {
  const std::string cls = ClassOf(control);
  if (lstrcmpiA(cls.c_str(), "Edit") == 0) {
    switch (code) {
      case EN_SETFOCUS: return "EN_SETFOCUS";
      case EN_KILLFOCUS: return "EN_KILLFOCUS";
      case EN_CHANGE: return "EN_CHANGE";
      case EN_UPDATE: return "EN_UPDATE";
    }
  } else if (lstrcmpiA(cls.c_str(), "Button") == 0) {
    switch (code) {
      case BN_CLICKED: return "BN_CLICKED";
      case BN_DOUBLECLICKED: return "BN_DOUBLECLICKED";
      case BN_SETFOCUS: return "BN_SETFOCUS";
      case BN_KILLFOCUS: return "BN_KILLFOCUS";
    }
  } else if (lstrcmpiA(cls.c_str(), "ComboBox") == 0) {
    switch (code) {
      case CBN_SELCHANGE: return "CBN_SELCHANGE";
      case CBN_SETFOCUS: return "CBN_SETFOCUS";
      case CBN_KILLFOCUS: return "CBN_KILLFOCUS";
      case CBN_EDITCHANGE: return "CBN_EDITCHANGE";
      case CBN_EDITUPDATE: return "CBN_EDITUPDATE";
      case CBN_DROPDOWN: return "CBN_DROPDOWN";
      case CBN_CLOSEUP: return "CBN_CLOSEUP";
      case CBN_SELENDOK: return "CBN_SELENDOK";
      case CBN_SELENDCANCEL: return "CBN_SELENDCANCEL";
    }
  }
  return "code=" + Hex(code);
}

std::string DescribeMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: return "WM_INITDIALOG";
    case WM_SYSCOMMAND:
      return (wParam & 0xFFF0) == SC_CLOSE ? "WM_SYSCOMMAND SC_CLOSE"
                                           : "WM_SYSCOMMAND " + Hex(wParam & 0xFFF0);
    case WM_COMMAND: {
      const HWND control = reinterpret_cast<HWND>(lParam);
      if (control == nullptr) return "WM_COMMAND id=" + std::to_string(LOWORD(wParam));
      return "WM_COMMAND " + NotificationName(control, HIWORD(wParam));
    }
    // Keys: the virtual key, or the character typed.
    case WM_KEYDOWN: return "WM_KEYDOWN " + Hex(wParam);
    case WM_SYSKEYDOWN: return "WM_SYSKEYDOWN " + Hex(wParam);
    case WM_CHAR: return "WM_CHAR " + Hex(wParam);
  }
  return "message=" + Hex(message);
}

bool IsCommandMessage(UINT message) {
  return message == WM_INITDIALOG || message == WM_COMMAND || message == WM_SYSCOMMAND;
}

// The field's text as the library recorded it, and what its control shows now (a date
// or an amount is rewritten in the control, not in the record).
std::string FieldState(const std::string& form, const std::string& item, LPARAM lParam) {
  const std::string recorded = "recorded=[" + FX_FormItemText(form, item) + "]";
  const HWND control = reinterpret_cast<HWND>(lParam);
  if (control == nullptr || !IsWindow(control)) return recorded;
  if (lstrcmpiA(ClassOf(control).c_str(), "Button") == 0) {
    const bool checked = SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
    return recorded + " checked=" + (checked ? "1" : "0");
  }
  return recorded + " shown=[" + TextOf(control) + "]";
}

struct WatchedBar {
  std::string form;
  WNDPROC previous;
};
std::map<HWND, WatchedBar> watchedBars;

LRESULT CALLBACK StatusBarProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto it = watchedBars.find(bar);
  if (it == watchedBars.end()) return DefWindowProcW(bar, message, wParam, lParam);
  const WNDPROC previous = it->second.previous;
  try {
    if (message == WM_SETTEXT) {
      const wchar_t* text = reinterpret_cast<const wchar_t*>(lParam);
      Line("status " + it->second.form + " [" + (text ? Utf8Of(text, -1).c_str() : "") + "]");
    }
  } catch (...) {
    // Telling is a courtesy; the bar must get its text whatever happens here.
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(bar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    watchedBars.erase(it);
  }
  return CallWindowProcW(previous, bar, message, wParam, lParam);
}

// The close box sits at the right end of the caption, right above the client area.
void LogCloseBox(const std::string& form, HWND dialog) {
  if ((GetWindowLongA(dialog, GWL_STYLE) & WS_CAPTION) != WS_CAPTION) return;
  RECT client;
  GetClientRect(dialog, &client);
  POINT corner = {client.right, client.top};
  ClientToScreen(dialog, &corner);
  const int x = corner.x - GetSystemMetrics(SM_CXSIZE) / 2;
  const int y = corner.y - GetSystemMetrics(SM_CYCAPTION) / 2;
  if (SendMessageA(dialog, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE)
    Line("layout " + form + " closebox " + std::to_string(x) + " " + std::to_string(y));
  // The frame's bottom right corner, where the user drags a sizable form larger.
  RECT frame;
  GetWindowRect(dialog, &frame);
  const int cornerX = frame.right - 2, cornerY = frame.bottom - 2;
  if (SendMessageA(dialog, WM_NCHITTEST, 0, MAKELPARAM(cornerX, cornerY)) == HTBOTTOMRIGHT)
    Line("layout " + form + " corner " + std::to_string(cornerX) + " " + std::to_string(cornerY));
}

}  // namespace

void Line(const std::string& text) {
  std::fputs(text.c_str(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

void SetEveryMessage(bool on) { everyMessage = on; }

void LogEvent(const std::string& form, const std::string& item, const std::string& event,
              UINT message, WPARAM wParam, LPARAM lParam) {
  std::string line = "event " + form + " " + (item.empty() ? "-" : item) + " " + event;
  if (event == fx::event::BEFORE) {
    if (!everyMessage && !IsCommandMessage(message)) return;
    line += " " + DescribeMessage(message, wParam, lParam);
  } else if (event == fx::event::ITEMKEY) {
    line += " " + DescribeMessage(message, wParam, lParam);
  } else if (event == fx::event::ITEMCHG || event == fx::event::ITEMEXIT) {
    line += " " + FieldState(form, item, lParam);
  }
  Line(line);
}

bool IsGridEvent(const std::string& event) {
  return event == fx::event::ROWSEL || event == fx::event::CELLCHG ||
         event == fx::event::COLCLIC || event == fx::event::ITEMCLIC;
}

void LogGridEvent(const std::string& form, const std::string& grid, const std::string& event,
                  WPARAM wParam, LPARAM lParam, const std::string& cells) {
  // A row or a column index; no row is -1, which a WPARAM carries as its highest value.
  const std::string index = std::to_string(static_cast<std::int32_t>(wParam));
  std::string line = "event " + form + " " + grid + " " + event;
  if (event == fx::event::COLCLIC) {
    line += " column=" + index;
  } else {
    line += " row=" + index;
    if (event == fx::event::CELLCHG)
      line += " column=" + std::to_string(lParam) + " value=[" +
              FX_FormItemGet(form, grid, fx::key::VALUE) + "]";
  }
  if (!cells.empty()) line += " " + cells;
  Line(line);
}

void LogPaint(const std::string& form, ItemTable items, UINT message, LPARAM lParam) {
  if (message != WM_DRAWITEM || lParam == 0) return;
  const UINT id = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->CtlID;
  for (const ItemRow& row : items) {
    if (id != 0 && static_cast<UINT>(ControlIdOf(row)) == id)
      Line("paint " + form + " " + row.name);
  }
}

void WatchStatusBar(const std::string& form, HWND dialog) {
  // The library gives a form's status bar the control id 100.
  const HWND bar = GetDlgItem(dialog, 100);
  if (bar == nullptr || watchedBars.count(bar) != 0) return;
  // The entry is made before the bar is subclassed, so a failed allocation leaves the
  // bar untouched.
  WatchedBar& watch = watchedBars[bar];
  watch.form = form;
  watch.previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(bar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StatusBarProc)));
}

void LogLayout(const std::string& form, HWND dialog, ItemTable items) {
  for (const ItemRow& row : items) {
    const int id = ControlIdOf(row);
    const HWND control = id != 0 ? GetDlgItem(dialog, id) : nullptr;
    RECT r;
    if (control == nullptr || !GetWindowRect(control, &r)) continue;
    Line("layout " + form + " " + row.name + " " + std::to_string(r.left) + " " +
         std::to_string(r.top) + " " + std::to_string(r.right - r.left) + " " +
         std::to_string(r.bottom - r.top));
  }
  LogCloseBox(form, dialog);
  Line("ready " + form);
}

void WatchForm(const std::string& form, HWND dialog, ItemTable items, const std::string& event,
               UINT message, WPARAM wParam, LPARAM lParam) {
  WatchStatusBar(form, dialog);
  if (event != fx::event::BEFORE) return;
  LogPaint(form, items, message, lParam);
  if ((message == WM_SHOWWINDOW && wParam) || message == WM_EXITSIZEMOVE)
    LogLayout(form, dialog, items);
}

}  // namespace gallery
