// A DATE field's drop-down calendar driven by real input: opened by its button, Alt+Down
// and F4, a day chosen by a real click, Escape and a click elsewhere closing it; and the
// PROGRESS item read back from its control.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "fenwix/formproc/calendar_drop.h"
#include "fenwix/formproc/date_calendar.h"
#include "fenwix/theme/theme.h"
#include "tests/gui/gui_test_helpers.h"

namespace {

std::vector<std::string> events;
std::intptr_t RecordEvents(std::string, std::string item, std::string event, HWND, UINT, WPARAM,
                           LPARAM) {
  if (event == fx::event::ITEMCHG || event == fx::event::ITEMEXIT) events.push_back(item + ":" + event);
  return 0;
}

void Click(POINT screen) {
  SetCursorPos(screen.x, screen.y);
  INPUT press[2] = {};
  press[0].type = press[1].type = INPUT_MOUSE;
  press[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  press[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, press, sizeof(INPUT));
  test::PumpMessages();
}

// A key held down with Alt, through the library's loop as the user's keys go.
void AltKey(WORD key, HWND target) {
  INPUT keys[4] = {};
  const WORD order[4] = {VK_MENU, key, key, VK_MENU};
  for (int i = 0; i < 4; ++i) {
    keys[i].type = INPUT_KEYBOARD;
    keys[i].ki.wVk = order[i];
    keys[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
  }
  SendInput(4, keys, sizeof(INPUT));
  test::TypeInLoop({}, target);
}

// Where the calendar shows that day of the month it shows, in screen pixels; found by
// asking the calendar itself what lies under each point.
bool DayPoint(HWND calendar, int day, POINT& screen) {
  RECT client;
  GetClientRect(calendar, &client);
  SYSTEMTIME shown = {};
  SendMessageA(calendar, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&shown));
  for (int y = 2; y < client.bottom; y += 3) {
    for (int x = 2; x < client.right; x += 3) {
      MCHITTESTINFO hit = {};
      hit.cbSize = sizeof hit;
      hit.pt = {x, y};
      if (SendMessageA(calendar, MCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)) ==
              MCHT_CALENDARDATE &&
          hit.st.wDay == day && hit.st.wMonth == shown.wMonth) {
        screen = hit.pt;
        ClientToScreen(calendar, &screen);
        return true;
      }
    }
  }
  return false;
}

SYSTEMTIME Selected(HWND calendar) {
  SYSTEMTIME selected = {};
  SendMessageA(calendar, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&selected));
  return selected;
}

class DateCalendarGui : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(test::StartWithMainWindow("Calendar", 400, 300), 0);
    const test::DeclaredItem items[] = {
        {"due", fx::item::EDIT, 20, 20, 150, 24,
         "type=date;format=dd/mm/yyyy hh:nn;calendar=true"},
        {"other", fx::item::EDIT, 180, 20, 100, 24, ""},
        {"bar", fx::item::PROGRESS, 20, 100, 150, 16, "value=25"},
        {"busy", fx::item::PROGRESS, 20, 130, 150, 16, "value=-1"},
    };
    int sequence = 0;
    for (const auto& d : items)
      ASSERT_EQ(FX_FormItemAdd("dates", d.name, d.type, ++sequence, d.x, d.y, d.width, d.height,
                               d.properties), 0) << d.name;
    // With the keys of Windows, an Escape the form got would close it.
    ASSERT_EQ(FX_FormCreate("dates", "keys=windows;stbar=false", 0, 0, 300, 200, RecordEvents), 0);
    test::PumpMessages();
  }
  void TearDown() override {
    const HWND dialog = FindWindowDef("dates").handle;
    if (dialog) SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    test::PumpMessages();
  }
  static HWND Control(const char* name) { return FindItemDef("dates", name).control; }
};

TEST_F(DateCalendarGui, OpensChoosesAndClosesWithoutForcingAValue) {
  enum class Open { kButton, kAltDown, kF4 };
  enum class Close { kClickDay, kReturn, kEscape, kClickElsewhere };
  const struct {
    const char* what;
    const char* shown;
    Open open;
    Close close;
    int day;             // the day chosen, for kClickDay
    const char* after;   // what the field then shows; "*" the chosen day of today's month
    bool changed;        // ITEMCHG raised
    bool nearBottom;     // the form at the foot of the screen: the calendar opens above
    bool dark;           // in the dark theme
  } cases[] = {
      {"button, click a day", "05/03/2005 09:30", Open::kButton, Close::kClickDay, 12,
       "12/03/2005 09:30", true, false, false},
      {"Alt+Down, Escape", "", Open::kAltDown, Close::kEscape, 0, "", false, false, false},
      {"F4, click elsewhere, dark", "", Open::kF4, Close::kClickElsewhere, 0, "", false, false,
       true},
      {"F4 empty, click a day", "", Open::kF4, Close::kClickDay, 15, "*", true, true, false},
      {"Alt+Down, Return", "01/02/2010 23:15", Open::kAltDown, Close::kReturn, 0,
       "01/02/2010 23:15", false, false, false},
  };
  const HWND dialog = FindWindowDef("dates").handle;
  const HWND field = Control("due");
  RECT declared;
  GetWindowRect(field, &declared);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RECT screen;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &screen, 0);
    SetWindowPos(dialog, nullptr, 0, c.nearBottom ? screen.bottom - 120 : 0, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
    ASSERT_EQ(FX_FormItemSet("dates", "due", fx::key::VALUE, c.shown), 0);
    ASSERT_EQ(FX_ThemeSet(c.dark ? "DARK" : "LIGHT"), 0);
    SetFocus(field);
    test::PumpMessages();
    events.clear();

    // The button lies inside the field's own rectangle, at its right edge.
    RECT window, button = CalendarButtonRect(field);
    GetWindowRect(field, &window);
    EXPECT_EQ(window.right - window.left, declared.right - declared.left);
    EXPECT_EQ(button.right - button.left, 16);
    EXPECT_TRUE(button.left > window.left && button.right <= window.right &&
                button.right >= window.right - 3)
        << "button " << button.left << ".." << button.right << " in " << window.left << ".."
        << window.right;

    if (c.open == Open::kButton) {
      Click({(button.left + button.right) / 2, (button.top + button.bottom) / 2});
    } else if (c.open == Open::kAltDown) {
      AltKey(VK_DOWN, field);
    } else {
      test::TypeInLoop({VK_F4}, field);
    }
    const HWND calendar = OpenCalendarOf(field);
    ASSERT_NE(calendar, nullptr);
    RECT popup;
    GetWindowRect(GetParent(calendar), &popup);
    EXPECT_TRUE(IsWindowVisible(GetParent(calendar)));
    EXPECT_EQ(GetFocus(), field) << "the keyboard stays in the field";
    // The calendar takes the theme's colours: read where no day is drawn, left of the days.
    test::PumpMessages();
    const HDC drawn = GetDC(calendar);
    RECT inside;
    GetClientRect(calendar, &inside);
    const COLORREF edge = GetPixel(drawn, 1, inside.bottom / 2);
    ReleaseDC(calendar, drawn);
    const ThemeColors theme = CurrentThemeColors();
    EXPECT_TRUE(edge == static_cast<COLORREF>(c.dark ? theme.field : GetSysColor(COLOR_WINDOW)) ||
                edge == static_cast<COLORREF>(c.dark ? theme.window : GetSysColor(COLOR_WINDOW)))
        << std::hex << edge;
    if (c.nearBottom) {
      EXPECT_EQ(popup.bottom, window.top) << "above the field";
    } else {
      EXPECT_EQ(popup.top, window.bottom) << "below the field";
    }
    // It opens on the field's date, or today.
    SYSTEMTIME today;
    GetLocalTime(&today);
    const SYSTEMTIME opened = Selected(calendar);
    if (c.shown[0]) {
      EXPECT_EQ(std::string(c.shown).substr(0, 10),
                (opened.wDay < 10 ? "0" : "") + std::to_string(opened.wDay) + "/" +
                    (opened.wMonth < 10 ? "0" : "") + std::to_string(opened.wMonth) + "/" +
                    std::to_string(opened.wYear));
    } else {
      EXPECT_EQ(opened.wYear, today.wYear);
      EXPECT_EQ(opened.wMonth, today.wMonth);
      EXPECT_EQ(opened.wDay, today.wDay);
    }

    std::string expected = c.after;
    if (c.close == Close::kClickDay) {
      POINT day;
      ASSERT_TRUE(DayPoint(calendar, c.day, day));
      Click(day);
      if (expected == "*") {
        expected = std::to_string(c.day) + "/" + (opened.wMonth < 10 ? "0" : "") +
                   std::to_string(opened.wMonth) + "/" + std::to_string(opened.wYear) + " 00:00";
      }
    } else if (c.close == Close::kReturn) {
      test::TypeInLoop({VK_RETURN}, field);
    } else if (c.close == Close::kEscape) {
      test::TypeInLoop({VK_ESCAPE}, field);
    } else {
      RECT other;
      GetWindowRect(Control("other"), &other);
      Click({other.left + 10, other.top + 10});
    }
    EXPECT_EQ(OpenCalendarOf(field), nullptr) << "closed";
    EXPECT_FALSE(IsWindowVisible(GetParent(calendar)));
    EXPECT_EQ(FX_FormItemGet("dates", "due", fx::key::VALUE), expected);
    const bool changed = !events.empty() && events[0] == "due:ITEMCHG";
    EXPECT_EQ(changed, c.changed) << (events.empty() ? "no event" : events[0]);
    EXPECT_TRUE(IsWindow(dialog)) << "the form stays open";
    EXPECT_EQ(FX_FormCloseReason("dates"), "");
  }
  FX_ThemeSet("LIGHT");
  EXPECT_TRUE(test::Reports().empty());
}

TEST_F(DateCalendarGui, ProgressTakesItsValueFromZeroToAHundredOrBusy) {
  const HWND bar = Control("bar");
  ASSERT_EQ(SendMessageA(bar, PBM_GETPOS, 0, 0), 25);
  EXPECT_TRUE(GetWindowLongA(Control("busy"), GWL_STYLE) & PBS_MARQUEE) << "declared busy";
  const struct {
    const char* value;
    ErrorCode code;
    int position;  // PBM_GETPOS afterwards
    bool busy;
    const char* readBack;
  } cases[] = {
      {"60", 0, 60, false, "60"},      {"-1", 0, 60, true, "-1"},
      {"100", 0, 100, false, "100"},   {"101", 1083, 100, false, "100"},
      {"-2", 1083, 100, false, "100"}, {"half", 1083, 100, false, "100"},
      {"0", 0, 0, false, "0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(FX_FormItemSet("dates", "bar", fx::key::VALUE, c.value), c.code);
    EXPECT_EQ(SendMessageA(bar, PBM_GETPOS, 0, 0), c.position);
    EXPECT_EQ((GetWindowLongA(bar, GWL_STYLE) & PBS_MARQUEE) != 0, c.busy);
    EXPECT_EQ(FX_FormItemGet("dates", "bar", fx::key::VALUE), c.readBack);
  }
  char className[32] = "";
  GetClassNameA(bar, className, sizeof className);
  EXPECT_STREQ(className, "msctls_progress32");
  // A declared value out of range is refused with the same code.
  EXPECT_EQ(FX_FormItemAdd("other", "bad", fx::item::PROGRESS, 1, 0, 0, 10, 10, "value=150"), 1083);
}

}  // namespace
