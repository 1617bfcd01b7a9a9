// Owner-drawn items and edit fields painted on a real form: the colours, fonts, text
// flags and rectangles each item is drawn with, watched at DrawTextA, the pixels on the
// screen, the focus rectangle and the status bar, and all of it in high contrast.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "fenwix/fenwix.h"
#include "fenwix/registry/registry.h"
#include "tests/gui/gui_test_helpers.h"
#include "tests/support/strict_delete.h"
#include "tests/support/window_capture.h"
#include "tests/support/win32_support.h"

namespace {

constexpr COLORREF kLightGrey = RGB(0xDF, 0xDF, 0xDF);
constexpr COLORREF kGrey = RGB(0xBF, 0xBF, 0xBF);

// How one text was drawn.
struct DrawnText {
  UINT flags;
  RECT rect;
  COLORREF text, back;
  LOGFONTA font;
};
std::map<std::string, DrawnText> drawn;
std::vector<RECT> focusRects;

int WINAPI WatchText(HDC dc, LPCSTR text, int length, LPRECT rect, UINT flags) {
  DrawnText d = {flags, *rect, GetTextColor(dc), GetBkColor(dc), {}};
  GetObjectA(GetCurrentObject(dc, OBJ_FONT), sizeof d.font, &d.font);
  drawn[std::string(text, length)] = d;
  return os::real().DrawTextA(dc, text, length, rect, flags);
}
BOOL WINAPI WatchFocus(HDC dc, const RECT* rect) {
  focusRects.push_back(*rect);
  return os::real().DrawFocusRect(dc, rect);
}

using Declared = test::DeclaredItem;
const Declared kItems[] = {
    {"plain", fx::item::STATIC, 10, 10, 120, 30, "value=plain"},
    {"label", fx::item::STATIC, 10, 50, 120, 30,
     "value=label;txcol=blue;bkcol=white;txhpos=center;txvpos=center"},
    {"low", fx::item::STATIC, 10, 90, 120, 40, "value=low;txhpos=right;txvpos=bottom;brdstyle=3DIN"},
    {"framed", fx::item::STATIC, 10, 140, 120, 30, "value=framed;brdsize=3;brdcol=red"},
    {"box", fx::item::RECT, 140, 10, 60, 60, "value=box;bkcol=yellow;brdstyle=3DOUT"},
    {"key", fx::item::BUTTON, 140, 80, 80, 35, "remark=Press me"},
    {"off", fx::item::BUTTON, 140, 120, 80, 35, "value=Off;enable=false"},
    {"red", fx::item::BUTTON, 140, 160, 80, 35, "bkcol=red;txcol=white;remark=Stop"},
    {"field", fx::item::EDIT, 10, 180, 120, 24, ""},
    {"tinted", fx::item::EDIT, 10, 210, 120, 24, "txcol=red;bkcol=yellow"},
    {"font", fx::item::STATIC, 10, 240, 200, 30, "value=font;ftname=Arial;ftsize=12;ftitalic=true"},
};

class FormPaintGui : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_EQ(FX_WindowMainCreate("Main", SW_SHOWNORMAL, test::MainWindowProc, "name=Painting", 0, 0, 400, 400), 0);
    int sequence = 0;
    for (const Declared& d : kItems) {
      ASSERT_EQ(FX_FormItemAdd("paint", d.name, d.type, ++sequence, d.x, d.y, d.width, d.height,
                               d.properties), 0) << d.name;
    }
    ASSERT_EQ(FX_FormCreate("paint", "bkcol=lightgrey;edge=false;stbar=true", 0, 0, 300, 320, nullptr), 0);
    test::PumpMessages();
  }

  void SetUp() override {
    drawn.clear();
    focusRects.clear();
    test::RecordedMessageBoxes().clear();
  }
  void TearDown() override {
    EXPECT_TRUE(test::RecordedMessageBoxes().empty())
        << "unexpected report: " << test::RecordedMessageBoxes()[0].text;
  }

  static HWND Dialog() { return FindWindowDef("paint").handle; }
  static HWND Control(const char* name) { return FindItemDef("paint", name).control; }

  static void RepaintAll() {
    RedrawWindow(Dialog(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    test::PumpMessages();
  }

  os::Override<decltype(&::DrawTextA)> watchText{&os::Table::DrawTextA, WatchText};
  os::Override<decltype(&::DrawFocusRect)> watchFocus{&os::Table::DrawFocusRect, WatchFocus};
};

TEST_F(FormPaintGui, EachItemIsDrawnWithItsColoursFlagsAndRectangle) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  struct Expected {
    const char* text;
    COLORREF textColor, backColor;
    UINT flags;
    RECT rect;
  };
  const UINT centred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  const Expected cases[] = {
      {"plain", 0x000000, kLightGrey, DT_LEFT | DT_WORDBREAK, {0, 0, 120, 30}},
      {"label", RGB(0, 0, 255), RGB(255, 255, 255), centred, {0, 0, 120, 30}},
      {"low", 0x000000, kLightGrey, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE | DT_WORDBREAK, {2, 2, 118, 38}},
      {"framed", 0x000000, kLightGrey, DT_WORDBREAK, {3, 3, 117, 27}},
      {"key", 0x000000, face, centred, {0, 0, 80, 35}},
      {"Off", kGrey, face, centred, {0, 0, 80, 35}},
      {"red", RGB(255, 255, 255), RGB(255, 0, 0), centred, {0, 0, 80, 35}},
  };
  RepaintAll();
  for (const Expected& e : cases) {
    const auto found = drawn.find(e.text);
    ASSERT_NE(found, drawn.end()) << "\"" << e.text << "\" was not drawn";
    const DrawnText& d = found->second;
    EXPECT_EQ(d.text, e.textColor) << e.text << ": expected text colour 0x" << std::hex
                                   << e.textColor << ", got 0x" << d.text;
    EXPECT_EQ(d.back, e.backColor) << e.text << ": expected background 0x" << std::hex
                                   << e.backColor << ", got 0x" << d.back;
    EXPECT_EQ(d.flags, e.flags) << e.text << ": expected flags 0x" << std::hex << e.flags
                                << ", got 0x" << d.flags;
    EXPECT_EQ(test::Describe(d.rect), test::Describe(e.rect)) << e.text;
  }
  EXPECT_EQ(drawn.count("box"), 0u) << "a RECT item draws no text";

  ASSERT_EQ(drawn.count("font"), 1u);
  const LOGFONTA& font = drawn["font"].font;
  EXPECT_STREQ(font.lfFaceName, "Arial");
  EXPECT_EQ(font.lfHeight, -16) << "12 points at 96 pixels per inch";
  EXPECT_EQ(font.lfItalic, 1);
  EXPECT_EQ(font.lfWeight, FW_NORMAL);
}

TEST_F(FormPaintGui, PixelsOnTheScreen) {
  RepaintAll();
  const auto shot = test::CaptureClient(Dialog());
  struct Probe {
    const char* what;
    int x, y;
    COLORREF expected;
  };
  const Probe probes[] = {
      {"form background", 250, 250, kLightGrey},
      {"label filled with its colour, no border", 12, 52, RGB(255, 255, 255)},
      {"plain label on the form's colour", 125, 35, kLightGrey},
      {"3DOUT rect: light outer top-left", 140, 40, GetSysColor(COLOR_3DLIGHT)},
      {"3DOUT rect: dark outer bottom-right", 199, 40, GetSysColor(COLOR_3DDKSHADOW)},
      {"rect filled", 170, 20, RGB(255, 255, 0)},
      {"3DIN label: shadow outer top-left", 10, 110, GetSysColor(COLOR_BTNSHADOW)},
      {"3DIN label without colour is not filled", 20, 95, kLightGrey},
      {"SOLID border of 3", 12, 155, RGB(255, 0, 0)},
      {"inside the SOLID border", 13, 155, kLightGrey},
      {"red button face", 145, 165, RGB(255, 0, 0)},
      {"button raised", 140, 97, GetSysColor(COLOR_3DLIGHT)},
      {"plain button on the button face", 143, 100, GetSysColor(COLOR_BTNFACE)},
      {"edit field white by default", 115, 190, RGB(255, 255, 255)},
      {"edit field with its own colour", 115, 220, RGB(255, 255, 0)},
  };
  for (const Probe& p : probes) {
    EXPECT_EQ(shot->Pixel(p.x, p.y), p.expected)
        << p.what << " at (" << p.x << ", " << p.y << "): expected 0x" << std::hex << p.expected
        << ", got 0x" << shot->Pixel(p.x, p.y);
  }
}

// The number of pixels in the button's column x = 5 that are not its face colour.
int FocusDots(const test::DibCanvas& shot, int left, int top, COLORREF face) {
  int dots = 0;
  for (int y = top + 6; y < top + 30; ++y) dots += shot.Pixel(left + 5, y) != face;
  return dots;
}

TEST_F(FormPaintGui, FocusRectangleAndStatusBarFollowTheFocus) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const HWND statusBar = FindWindowDef("paint").statusBar;
  ASSERT_NE(statusBar, nullptr);
  char text[64] = "";

  // The dialog may have given the key the focus already; take it away first.
  SetFocus(Control("red"));
  test::PumpMessages();
  focusRects.clear();
  SetFocus(Control("key"));
  test::PumpMessages();
  ASSERT_FALSE(focusRects.empty()) << "no focus rectangle on the focused key";
  EXPECT_EQ(test::Describe(focusRects.back()), test::Describe(RECT{5, 5, 76, 31}));
  SendMessageA(statusBar, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, "Press me") << "the key's remark";
  EXPECT_GT(FocusDots(*test::CaptureClient(Dialog()), 140, 80, face), 5);

  SetFocus(Control("red"));
  test::PumpMessages();
  SendMessageA(statusBar, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, "Stop");
  const auto shot = test::CaptureClient(Dialog());
  EXPECT_EQ(FocusDots(*shot, 140, 80, face), 0) << "the key that lost the focus keeps its rectangle";
  EXPECT_GT(FocusDots(*shot, 140, 160, RGB(255, 0, 0)), 5) << "no rectangle on the focused key";
}

// The keyboard cues the window is told to hide, as Windows tells them until a key is
// pressed; Wine keeps none and always answers 0.
LRESULT WINAPI HideFocusCues(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_QUERYUISTATE) return UISF_HIDEFOCUS;
  return os::real().SendMessageA(window, message, wParam, lParam);
}

TEST_F(FormPaintGui, TabShowsTheFocusRectangleUnlessTheCuesAreHidden) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  SetFocus(Control("key"));
  test::PumpMessages();
  test::TypeInLoop({VK_TAB}, Control("red"));
  ASSERT_EQ(GetFocus(), Control("red")) << "Tab passes over the disabled key";
  auto shot = test::CaptureClient(Dialog());
  EXPECT_GT(FocusDots(*shot, 140, 160, RGB(255, 0, 0)), 5) << "no rectangle after Tab";
  EXPECT_EQ(FocusDots(*shot, 140, 80, face), 0);

  os::Override<decltype(&::SendMessageA)> hide(&os::Table::SendMessageA, HideFocusCues);
  RepaintAll();
  EXPECT_EQ(FocusDots(*test::CaptureClient(Dialog()), 140, 160, RGB(255, 0, 0)), 0)
      << "a rectangle while the cues are hidden";
}

// High contrast as the user turns it on, with colours no program would declare.
BOOL WINAPI HighContrastOn(UINT action, UINT size, PVOID parameter, UINT flags) {
  if (action != SPI_GETHIGHCONTRAST)
    return os::real().SystemParametersInfoA(action, size, parameter, flags);
  static_cast<HIGHCONTRASTA*>(parameter)->dwFlags = HCF_HIGHCONTRASTON;
  return TRUE;
}
const std::map<int, COLORREF> kScheme = {
    {COLOR_WINDOW, RGB(0, 0, 0)},       {COLOR_WINDOWTEXT, RGB(255, 255, 0)},
    {COLOR_BTNFACE, RGB(0, 0, 128)},    {COLOR_BTNTEXT, RGB(255, 255, 255)},
    {COLOR_GRAYTEXT, RGB(0, 255, 0)},
};
DWORD WINAPI SchemeColor(int index) {
  const auto found = kScheme.find(index);
  return found != kScheme.end() ? found->second : os::real().GetSysColor(index);
}

TEST_F(FormPaintGui, HighContrastPaintsInTheSystemsColours) {
  struct Expected {
    const char* text;
    int textColor, backColor;
  };
  const Expected cases[] = {
      {"plain", COLOR_WINDOWTEXT, COLOR_WINDOW}, {"label", COLOR_WINDOWTEXT, COLOR_WINDOW},
      {"key", COLOR_BTNTEXT, COLOR_BTNFACE},     {"red", COLOR_BTNTEXT, COLOR_BTNFACE},
      {"Off", COLOR_GRAYTEXT, COLOR_BTNFACE},
  };
  const struct {
    const char* what;
    int x, y, color;
  } probes[] = {
      {"form background", 250, 250, COLOR_WINDOW},
      {"label's own fill", 12, 52, COLOR_WINDOW},
      {"solid border", 12, 155, COLOR_WINDOWTEXT},
      {"red button's face", 143, 175, COLOR_BTNFACE},
      {"edit field with its own colour", 115, 220, COLOR_WINDOW},
  };
  {
    os::Override<decltype(&::SystemParametersInfoA)> contrast(&os::Table::SystemParametersInfoA,
                                                              HighContrastOn);
    os::Override<decltype(&::GetSysColor)> scheme(&os::Table::GetSysColor, SchemeColor);
    RepaintAll();
    for (const Expected& e : cases) {
      EXPECT_EQ(drawn.count(e.text), 1u) << "\"" << e.text << "\" was not drawn";
      EXPECT_EQ(drawn[e.text].text, kScheme.at(e.textColor)) << e.text << ": text colour";
      EXPECT_EQ(drawn[e.text].back, kScheme.at(e.backColor)) << e.text << ": background";
    }
    const auto shot = test::CaptureClient(Dialog());
    for (const auto& p : probes) {
      EXPECT_EQ(shot->Pixel(p.x, p.y), kScheme.at(p.color))
          << p.what << " at (" << p.x << ", " << p.y << "): got 0x" << std::hex
          << shot->Pixel(p.x, p.y);
    }
  }
  RepaintAll();  // the form's own colours again, for the tests after this one
}

TEST_F(FormPaintGui, RepaintsKeepTheGdiObjectsFlat) {
  test::GdiCounter counter;
  test::StrictDelete strict;
  RepaintAll();
  const long afterOne = counter.live();
  for (int i = 0; i < 500; ++i) RepaintAll();
  EXPECT_EQ(counter.live(), afterOne) << "GDI objects grew over 500 repaints of the form";
  EXPECT_LE(afterOne, 4) << "expected at most the two edit fields' brush pairs";
  EXPECT_EQ(strict.refusals(), 0) << "objects were deleted while still selected";
}

}  // namespace
