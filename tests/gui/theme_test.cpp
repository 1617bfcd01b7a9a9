// The light, dark and system themes on a real form: every part without a colour of its own
// read back from the screen's pixels, the contrast of its text, the declared colours kept,
// the user's Windows choice followed live, high contrast over the theme, the platform's
// dark frame and control themes asked for, and a refused name.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "fenwix/fenwix.h"
#include "fenwix/formproc/form_proc.h"
#include "fenwix/registry/registry.h"
#include "tests/gui/gui_test_helpers.h"
#include "tests/support/window_capture.h"
#include "tests/support/win32_support.h"

namespace {

constexpr COLORREF kWindow = RGB(32, 32, 32);
constexpr COLORREF kField = RGB(45, 45, 45);
constexpr COLORREF kFace = RGB(58, 58, 58);
constexpr COLORREF kBorder = RGB(128, 128, 128);
constexpr COLORREF kList = RGB(37, 37, 37);
constexpr COLORREF kSelection = RGB(38, 79, 120);
constexpr COLORREF kHeader = RGB(51, 51, 51);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

constexpr char kPersonalize[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";

using Declared = test::DeclaredItem;
const Declared kItems[] = {
    {"label", fx::item::STATIC, 10, 10, 120, 24, "value=Label"},
    {"framed", fx::item::STATIC, 10, 40, 120, 24, "value=Framed;brdsize=2"},
    {"declared", fx::item::STATIC, 10, 70, 120, 24, "value=Declared;txcol=blue;bkcol=yellow"},
    {"key", fx::item::BUTTON, 140, 10, 90, 30, "value=Key"},
    {"off", fx::item::BUTTON, 140, 45, 90, 30, "value=Off;enable=false"},
    {"red", fx::item::BUTTON, 140, 80, 90, 30, "value=Red;bkcol=red;txcol=white"},
    {"field", fx::item::EDIT, 10, 100, 120, 24, "value=Field"},
    {"tinted", fx::item::EDIT, 10, 130, 120, 24, "value=Tinted;txcol=red;bkcol=yellow"},
    {"check", fx::item::CHECKSYS, 240, 10, 120, 24, "value=Check"},
    {"combo", fx::item::COMBOSYS, 240, 40, 120, 100, "value1=Alpha;value2=Beta"},
    {"city", fx::item::COMBOSYS, 240, 75, 120, 100, "edit=true;value1=Paris;value2=Lyon"},
    {"blue", fx::item::STATIC, 240, 110, 120, 24, "value=Blue;txcol=blue"},
    {"grid", fx::item::DATAGRID, 10, 165, 300, 100, "remark=Pick a row"},
};

// WCAG's relative luminance and contrast ratio.
double Luminance(COLORREF color) {
  const auto channel = [](int value) {
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(GetRValue(color)) + 0.7152 * channel(GetGValue(color)) +
         0.0722 * channel(GetBValue(color));
}
double Contrast(COLORREF a, COLORREF b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The strongest contrast of a pixel of the rectangle against the background: the text's
// own colour, where the rectangle holds a text.
double TextContrast(const test::DibCanvas& shot, const RECT& area, COLORREF background) {
  double best = 1.0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      best = std::max(best, Contrast(shot.Pixel(x, y), background));
  return best;
}

std::string Hex(COLORREF color) {
  char text[16];
  snprintf(text, sizeof text, "0x%06lX", static_cast<unsigned long>(color));
  return text;
}

// The platform's calls for the dark frame and the controls' theme, recorded.
struct FrameCall {
  HWND window;
  DWORD attribute;
  BOOL value;
};
std::vector<FrameCall> frameCalls;
std::vector<std::pair<HWND, std::wstring>> themeCalls;
HRESULT WINAPI RecordFrame(HWND window, DWORD attribute, LPCVOID value, DWORD size) {
  frameCalls.push_back({window, attribute, size == sizeof(BOOL) ? *static_cast<const BOOL*>(value) : -1});
  return os::real().DwmSetWindowAttribute(window, attribute, value, size);
}
HRESULT WINAPI RecordTheme(HWND window, LPCWSTR application, LPCWSTR classes) {
  themeCalls.push_back({window, application ? application : L"(null)"});
  return os::real().SetWindowTheme(window, application, classes);
}

BOOL WINAPI HighContrastOn(UINT action, UINT size, PVOID parameter, UINT flags) {
  if (action != SPI_GETHIGHCONTRAST)
    return os::real().SystemParametersInfoA(action, size, parameter, flags);
  static_cast<HIGHCONTRASTA*>(parameter)->dwFlags = HCF_HIGHCONTRASTON;
  return TRUE;
}

class ThemeGui : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_EQ(FX_WindowMainCreate("Main", SW_SHOWNORMAL, test::MainWindowProc, "name=Theme", 0,
                                  0, 600, 600), 0);
    int sequence = 0;
    for (const Declared& d : kItems)
      ASSERT_EQ(FX_FormItemAdd("dark", d.name, d.type, ++sequence, d.x, d.y, d.width, d.height,
                               d.properties), 0) << d.name;
    ASSERT_EQ(FX_GridColumnAdd("dark", "grid", "name", "title=Name;width=120"), 0);
    ASSERT_EQ(FX_GridColumnAdd("dark", "grid", "city", "title=City;width=120"), 0);
    ASSERT_EQ(FX_GridRowCountSet("dark", "grid", 3), 0);
    const char* cells[3][2] = {{"Ada", "Paris"}, {"Bob", "Lyon"}, {"Cy", "Nice"}};
    for (int r = 0; r < 3; ++r) {
      ASSERT_EQ(FX_GridCellSet("dark", "grid", r, "name", cells[r][0]), 0);
      ASSERT_EQ(FX_GridCellSet("dark", "grid", r, "city", cells[r][1]), 0);
    }
    ASSERT_EQ(FX_FormCreate("dark", "edge=false;stbar=true", 0, 0, 460, 330, nullptr), 0);
    ASSERT_EQ(FX_FormItemAdd("kept", "note", fx::item::STATIC, 1, 5, 5, 80, 20, "value=Kept"), 0);
    ASSERT_EQ(FX_FormCreate("kept", "edge=false;bkcol=yellow", 470, 0, 100, 60, nullptr), 0);
    ASSERT_EQ(FX_FormItemSet("dark", "grid", fx::key::ROW, "1"), 0);
    ASSERT_EQ(FX_FormStatusSet("dark", "Status"), 0);
    test::PumpMessages();
  }
  static void TearDownTestSuite() { FX_ThemeSet("LIGHT"); }

  void SetUp() override { test::RecordedMessageBoxes().clear(); }
  void TearDown() override {
    EXPECT_EQ(FX_ThemeSet("light"), 0);
    test::PumpMessages();
  }

  static HWND Dialog() { return FindWindowDef("dark").handle; }
  static HWND Control(const char* name) { return FindItemDef("dark", name).control; }
  static std::unique_ptr<test::DibCanvas> Shot() {
    test::PumpMessages();
    return test::CaptureClient(Dialog());
  }
  // A point of a control's client area, in the form's.
  static POINT In(const char* name, int x, int y) {
    POINT point = {x, y};
    MapWindowPoints(Control(name), Dialog(), &point, 1);
    return point;
  }
  static COLORREF MainPixel(int x, int y) {
    return test::CaptureClient(FindWindowDef("Main").handle)->Pixel(x, y);
  }
};

TEST_F(ThemeGui, EveryDefaultPartIsDarkAndItsTextReadable) {
  ASSERT_EQ(FX_ThemeSet("Dark"), 0);
  SetFocus(Control("grid"));
  const auto shot = Shot();
  const HWND header = reinterpret_cast<HWND>(SendMessageA(Control("grid"), LVM_GETHEADER, 0, 0));
  RECT headerRect = {}, row = {LVIR_BOUNDS, 0, 0, 0}, selected = {LVIR_BOUNDS, 0, 0, 0};
  GetClientRect(header, &headerRect);
  SendMessageA(Control("grid"), LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
  SendMessageA(Control("grid"), LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&selected));
  const POINT grid = In("grid", 0, 0);
  RECT bar = {};
  GetWindowRect(FindWindowDef("dark").statusBar, &bar);
  MapWindowPoints(nullptr, Dialog(), reinterpret_cast<POINT*>(&bar), 2);

  struct Part {
    const char* what;
    int x, y;            // a pixel of its background
    COLORREF back;
    RECT text;           // where its text is, or empty
  };
  const LONG rowMid = grid.y + (row.top + row.bottom) / 2;
  const LONG selMid = grid.y + (selected.top + selected.bottom) / 2;
  const Part parts[] = {
      {"form", 440, 20, kWindow, {}},
      {"label", 125, 30, kWindow, {10, 10, 60, 34}},
      {"label's solid border", 10, 50, kBorder, {}},
      {"inside the border", 100, 50, kWindow, {12, 42, 60, 62}},
      {"button face", 143, 35, kFace, {160, 15, 210, 35}},
      {"disabled button face", 143, 70, kFace, {160, 50, 210, 70}},
      {"edit field", 120, 112, kField, {12, 102, 60, 122}},
      {"check box", 350, 22, kWindow, {}},
      {"combo box", 300, 46, kField, {243, 43, 290, 60}},
      {"editable combo box's field", 300, 82, kField, {243, 78, 290, 95}},
      {"label with TXCOL alone keeps the light background", 350, 122, kWhite, {240, 110, 290, 134}},
      {"grid row", grid.x + 100, rowMid, kList, {grid.x + 4, rowMid - 6, grid.x + 60, rowMid + 6}},
      {"grid selection", grid.x + 100, selMid, kSelection,
       {grid.x + 4, selMid - 6, grid.x + 60, selMid + 6}},
      {"grid header", grid.x + 100, grid.y + 3, kHeader,
       {grid.x + 2, grid.y + 2, grid.x + 60, grid.y + headerRect.bottom - 3}},
      {"grid header beyond the columns", grid.x + 280, grid.y + 3, kHeader, {}},
      {"grid below the rows", grid.x + 100, grid.y + 92, kList, {}},
      {"status bar", 300, (bar.top + bar.bottom) / 2, kHeader,
       {bar.left + 2, bar.top + 3, bar.left + 60, bar.bottom - 3}},
  };
  for (const Part& p : parts) {
    EXPECT_EQ(Hex(shot->Pixel(p.x, p.y)), Hex(p.back)) << p.what << " at (" << p.x << ", " << p.y << ")";
    if (p.text.right > p.text.left) {
      const double contrast = TextContrast(*shot, p.text, p.back);
      EXPECT_GE(contrast, 4.5) << p.what << ": text contrast " << contrast << " : 1";
    }
  }
  EXPECT_EQ(Hex(MainPixel(590, 300)), Hex(kWindow)) << "the main window's background";

  // Below the rows only the grid lines, drawn again dark over the list view's light ones.
  const LONG rowsEnd = grid.y + selected.bottom + (selected.bottom - selected.top);
  int light = 0;
  for (LONG y = rowsEnd; y < grid.y + 95; ++y)
    for (LONG x = grid.x; x < grid.x + 290; ++x) light += Luminance(shot->Pixel(x, y)) > 0.2;
  EXPECT_EQ(light, 0) << "light pixels among the empty rows";

  // Wine draws no caption on a check box: its colours are read from the device context
  // the form's answer prepares.
  HDC dc = CreateCompatibleDC(nullptr);
  const INT_PTR brush = FX_FormProcIntl(Dialog(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                        reinterpret_cast<LPARAM>(Control("check")));
  EXPECT_NE(brush, 0);
  EXPECT_EQ(Hex(GetBkColor(dc)), Hex(kWindow)) << "check box background";
  EXPECT_GE(Contrast(GetTextColor(dc), GetBkColor(dc)), 4.5) << "check box text";
  DeleteDC(dc);
}

TEST_F(ThemeGui, DeclaredColoursStayAsDeclared) {
  ASSERT_EQ(FX_ThemeSet("DARK"), 0);
  const auto shot = Shot();
  const struct {
    const char* what;
    int x, y;
    COLORREF expected;
  } probes[] = {
      {"label with BKCOL", 125, 72, kYellow},
      {"button with BKCOL", 143, 105, RGB(255, 0, 0)},
      {"edit field with BKCOL", 120, 142, kYellow},
  };
  for (const auto& p : probes)
    EXPECT_EQ(Hex(shot->Pixel(p.x, p.y)), Hex(p.expected)) << p.what;
  EXPECT_EQ(Hex(test::CaptureClient(FindWindowDef("kept").handle)->Pixel(40, 30)), Hex(kYellow))
      << "a form with BKCOL";
}

TEST_F(ThemeGui, LightIsTheLookItAlwaysWas) {
  const auto shot = Shot();
  EXPECT_EQ(Hex(shot->Pixel(440, 20)), Hex(kWhite)) << "form";
  EXPECT_EQ(Hex(shot->Pixel(143, 35)), Hex(GetSysColor(COLOR_BTNFACE))) << "button face";
  EXPECT_EQ(Hex(shot->Pixel(120, 112)), Hex(kWhite)) << "edit field";
  EXPECT_EQ(Hex(MainPixel(590, 300)), Hex(kWhite)) << "main window";
}

TEST_F(ThemeGui, FocusRectangleShowsOnADarkButton) {
  ASSERT_EQ(FX_ThemeSet("dark"), 0);
  SetFocus(Control("key"));
  const auto shot = Shot();
  EXPECT_EQ(Hex(shot->Pixel(143, 35)), Hex(kFace));
  int dots = 0;
  for (int y = 16; y < 34; ++y) dots += Luminance(shot->Pixel(145, y)) > 0.3;
  EXPECT_GT(dots, 4) << "light dots of the focus rectangle on the dark face";
}

TEST_F(ThemeGui, SystemFollowsTheUsersChoiceLive) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kPersonalize, 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &key, nullptr), ERROR_SUCCESS);
  const auto choose = [key](DWORD light) {
    RegSetValueExA(key, "AppsUseLightTheme", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&light),
                   sizeof light);
  };
  const auto announce = [](const char* what) {
    SendMessageA(FindWindowDef("Main").handle, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(what));
  };
  choose(1);
  ASSERT_EQ(FX_ThemeSet("system"), 0);
  EXPECT_EQ(Hex(Shot()->Pixel(440, 20)), Hex(kWhite)) << "light applications";

  choose(0);
  announce("Policy");
  EXPECT_EQ(Hex(Shot()->Pixel(440, 20)), Hex(kWhite)) << "another setting changed";
  announce("ImmersiveColorSet");
  EXPECT_EQ(Hex(Shot()->Pixel(440, 20)), Hex(kWindow)) << "dark applications, live";
  EXPECT_EQ(Hex(MainPixel(590, 300)), Hex(kWindow)) << "the main window, live";

  choose(1);
  announce("ImmersiveColorSet");
  EXPECT_EQ(Hex(Shot()->Pixel(440, 20)), Hex(kWhite)) << "back to light, live";

  ASSERT_EQ(FX_ThemeSet("DARK"), 0);
  announce("ImmersiveColorSet");
  EXPECT_EQ(Hex(Shot()->Pixel(440, 20)), Hex(kWindow)) << "a chosen theme ignores the system";
  RegDeleteValueA(key, "AppsUseLightTheme");
  RegCloseKey(key);
}

TEST_F(ThemeGui, HighContrastWinsOverTheDarkTheme) {
  ASSERT_EQ(FX_ThemeSet("dark"), 0);
  os::Override<decltype(&::SystemParametersInfoA)> contrast(&os::Table::SystemParametersInfoA,
                                                            HighContrastOn);
  RedrawWindow(Dialog(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  const auto shot = Shot();
  EXPECT_EQ(Hex(shot->Pixel(440, 20)), Hex(GetSysColor(COLOR_WINDOW))) << "form";
  EXPECT_EQ(Hex(shot->Pixel(120, 112)), Hex(GetSysColor(COLOR_WINDOW))) << "edit field";
  EXPECT_EQ(Hex(shot->Pixel(143, 35)), Hex(GetSysColor(COLOR_BTNFACE))) << "button face";
  RECT bar = {};
  GetWindowRect(FindWindowDef("dark").statusBar, &bar);
  MapWindowPoints(nullptr, Dialog(), reinterpret_cast<POINT*>(&bar), 2);
  EXPECT_NE(Hex(shot->Pixel(300, (bar.top + bar.bottom) / 2)), Hex(kHeader)) << "status bar";
  const POINT grid = In("grid", 0, 0);
  EXPECT_NE(Hex(shot->Pixel(grid.x + 100, grid.y + 3)), Hex(kHeader)) << "grid header";
}

TEST_F(ThemeGui, DarkFrameAndControlThemesAreAskedFor) {
  frameCalls.clear();
  themeCalls.clear();
  {
    os::Override<decltype(&::DwmSetWindowAttribute)> frame(&os::Table::DwmSetWindowAttribute, RecordFrame);
    os::Override<decltype(&::SetWindowTheme)> theme(&os::Table::SetWindowTheme, RecordTheme);
    ASSERT_EQ(FX_ThemeSet("dark"), 0);
  }
  const HWND main = FindWindowDef("Main").handle;
  ASSERT_FALSE(frameCalls.empty());
  EXPECT_EQ(frameCalls[0].window, main);
  EXPECT_EQ(frameCalls[0].attribute, 20u) << "the immersive dark mode attribute";
  EXPECT_EQ(frameCalls[0].value, TRUE);
  const auto asked = [](HWND control) {
    for (const auto& call : themeCalls)
      if (call.first == control) return call.second;
    return std::wstring(L"(not asked)");
  };
  for (const char* name : {"field", "combo", "check", "grid"})
    EXPECT_TRUE(asked(Control(name)) == L"DarkMode_Explorer") << name;
  EXPECT_TRUE(asked(Control("label")) == L"(not asked)") << "the library paints its labels itself";

  // Wine has neither look: its own calls answer, and the form is painted as the library paints it.
  EXPECT_EQ(Hex(Shot()->Pixel(440, 20)), Hex(kWindow));
  EXPECT_TRUE(test::RecordedMessageBoxes().empty());
}

TEST_F(ThemeGui, AnUnknownThemeIsRefusedAndChangesNothing) {
  ASSERT_EQ(FX_ThemeSet("dark"), 0);
  for (const char* bad : {"", "night", "DARKER", "light "}) {
    test::RecordedMessageBoxes().clear();
    EXPECT_EQ(FX_ThemeSet(bad), 1080) << "\"" << bad << "\"";
    // The report names the refused word; an empty one leaves the window's name.
    if (*bad) {
      EXPECT_EQ(test::OneReportStartingWith(test::ReportHead(1080, "FX_ThemeSet", bad)), "");
    }
  }
  test::RecordedMessageBoxes().clear();
  EXPECT_EQ(Hex(Shot()->Pixel(440, 20)), Hex(kWindow)) << "still dark";
}

}  // namespace

