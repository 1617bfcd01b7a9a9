// The calculator as it appears on the screen, judged from the pixels of its form read
// back from the window: the title, the display, every key's colours and edges, a key held
// down by the mouse or typed, the focus, and the GDI objects over many repaints.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/calc_callback.h"
#include "app/calc_form.h"
#include "app/calc_layout.h"
#include "tests/gui/gui_test_helpers.h"
#include "tests/support/strict_delete.h"
#include "tests/support/window_capture.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kCyan = RGB(0, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);

// A pixel's kind, tolerant of the shades that font smoothing leaves around glyphs.
bool IsDark(COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c) < 240; }
bool IsBlue(COLORREF c) { return GetBValue(c) > 160 && GetRValue(c) < 110 && GetGValue(c) < 110; }
bool IsBlack(COLORREF c) { return GetRValue(c) < 80 && GetGValue(c) < 80 && GetBValue(c) < 80; }
bool IsWhite(COLORREF c) { return GetRValue(c) > 235 && GetGValue(c) > 235 && GetBValue(c) > 235; }

// The bounding box of the pixels of a kind within a region; empty when there are none.
struct Box {
  int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
  int count = 0;
};
Box Find(const test::DibCanvas& shot, RECT region, bool (*kind)(COLORREF)) {
  Box box;
  for (int y = region.top; y < region.bottom; ++y) {
    for (int x = region.left; x < region.right; ++x) {
      if (!kind(shot.Pixel(x, y))) continue;
      ++box.count;
      box.left = std::min(box.left, x);
      box.top = std::min(box.top, y);
      box.right = std::max(box.right, x);
      box.bottom = std::max(box.bottom, y);
    }
  }
  return box;
}

std::string Hex(COLORREF c) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%06lX", static_cast<unsigned long>(c));
  return text;
}

class CalcScreen : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ResetCalculator();
    ASSERT_EQ(FX_WindowMainCreate(kMainWindowName, SW_SHOWNORMAL, test::MainWindowProc,
                                  "name=Numlet v1.0", 0, 0, 250, 350), 0);
    BuildCalcForm();
    test::PumpMessages();
  }

  void SetUp() override { test::RecordedMessageBoxes().clear(); }
  void TearDown() override { EXPECT_TRUE(test::Reports().empty()); }

  static HWND Form() { return FindWindowDef(kCalcFormName).handle; }
  static const CalcItemRow& Row(const char* name) {
    for (const CalcItemRow& row : kCalcItems) {
      if (std::string(row.name) == name) return row;
    }
    ADD_FAILURE() << "no item " << name;
    return kCalcItems[0];
  }
  static std::unique_ptr<test::DibCanvas> Shot() {
    test::PumpMessages();
    return test::CaptureClient(Form());
  }

  // Moves the mouse to the middle of a key and presses or releases the left button.
  static void Mouse(const char* key, DWORD button) {
    const CalcItemRow& row = Row(key);
    POINT p = {row.x + row.width / 2, row.y + row.height / 2};
    ClientToScreen(Form(), &p);
    INPUT input[2] = {};
    input[0].type = INPUT_MOUSE;
    input[0].mi.dx = MulDiv(p.x, 65536, GetSystemMetrics(SM_CXSCREEN));
    input[0].mi.dy = MulDiv(p.y, 65536, GetSystemMetrics(SM_CYSCREEN));
    input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input[1].type = INPUT_MOUSE;
    input[1].mi.dwFlags = button;
    SendInput(2, input, sizeof(INPUT));
    // Input arrives through the window system; wait until the key has seen it.
    for (int i = 0; i < 50; ++i) {
      test::PumpMessages();
      Sleep(10);
    }
  }
  static void Click(const char* key) {
    Mouse(key, MOUSEEVENTF_LEFTDOWN);
    Mouse(key, MOUSEEVENTF_LEFTUP);
  }

  // True when the key shows a raised edge; false when sunken. Outer and inner lines of
  // the left and right sides, half-way down.
  static void ExpectEdge(const test::DibCanvas& shot, const char* key, bool raised) {
    const CalcItemRow& row = Row(key);
    const int y = row.y + row.height / 2;
    struct Probe {
      int x, raisedColor, sunkenColor;
    };
    const Probe probes[] = {
        {row.x, COLOR_3DLIGHT, COLOR_BTNSHADOW},
        {row.x + 1, COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW},
        {row.x + row.width - 1, COLOR_3DDKSHADOW, COLOR_BTNHIGHLIGHT},
        {row.x + row.width - 2, COLOR_BTNSHADOW, COLOR_3DLIGHT},
    };
    for (const Probe& p : probes) {
      const COLORREF expected = GetSysColor(raised ? p.raisedColor : p.sunkenColor);
      EXPECT_EQ(shot.Pixel(p.x, y), expected)
          << "key \"" << key << "\" " << (raised ? "raised" : "sunken") << " at (" << p.x << ", "
          << y << "): expected " << Hex(expected) << ", got " << Hex(shot.Pixel(p.x, y));
    }
  }

  // Pixels of the key's column 5 (its focus rectangle's left side) off its face colour.
  static int FocusDots(const test::DibCanvas& shot, const char* key, COLORREF face) {
    const CalcItemRow& row = Row(key);
    int dots = 0;
    for (int y = row.y + 6; y < row.y + row.height - 5; ++y) dots += shot.Pixel(row.x + 5, y) != face;
    return dots;
  }
};

TEST_F(CalcScreen, TitleIsBlueAndRightAligned) {
  const auto shot = Shot();
  // The title's own strip, above the display that overlaps its lower half.
  const Box blue = Find(*shot, RECT{5, 5, 235, 20}, IsBlue);
  ASSERT_GT(blue.count, 30) << "no blue text in the title";
  EXPECT_GT(blue.left, 5 + 230 / 2) << "the title text starts in the left half";
  EXPECT_GE(blue.right, 235 - 4) << "the title text does not end at the right edge";
  EXPECT_LE(blue.top, 8) << "the title text is not at the top";
  EXPECT_EQ(Find(*shot, RECT{5, 5, 235, 20}, IsBlack).count, 0) << "the title has black text";
}

TEST_F(CalcScreen, DisplayIsWhiteSunkenWithZeroRightAlignedAndCentred) {
  const auto shot = Shot();
  const CalcItemRow& d = Row(kDisplayItemName);
  const int midX = d.x + d.width / 2, midY = d.y + d.height / 2;
  struct Probe {
    const char* what;
    int x, y;
    COLORREF expected;
  };
  const Probe probes[] = {
      {"outer left, shadow", d.x, midY, GetSysColor(COLOR_BTNSHADOW)},
      {"inner left, dark shadow", d.x + 1, midY, GetSysColor(COLOR_3DDKSHADOW)},
      {"outer top, shadow", midX, d.y, GetSysColor(COLOR_BTNSHADOW)},
      {"outer right, highlight", d.x + d.width - 1, midY, GetSysColor(COLOR_BTNHIGHLIGHT)},
      {"outer bottom, highlight", midX, d.y + d.height - 1, GetSysColor(COLOR_BTNHIGHLIGHT)},
      {"inner right, light", d.x + d.width - 2, midY, GetSysColor(COLOR_3DLIGHT)},
      {"inside, white", d.x + 3, d.y + 3, kWhite},
      {"middle, white", midX, midY, kWhite},
  };
  for (const Probe& p : probes) {
    EXPECT_EQ(shot->Pixel(p.x, p.y), p.expected)
        << p.what << " at (" << p.x << ", " << p.y << "): expected " << Hex(p.expected) << ", got "
        << Hex(shot->Pixel(p.x, p.y));
  }
  const Box zero = Find(*shot, RECT{d.x + 2, d.y + 2, d.x + d.width - 2, d.y + d.height - 2}, IsDark);
  ASSERT_GT(zero.count, 20) << "no \"0\" in the display";
  EXPECT_GE(zero.right, d.x + d.width - 2 - 4) << "\"0\" is not at the right";
  EXPECT_GT(zero.left, d.x + d.width - 2 - 20) << "more than one character, or not right-aligned";
  const int centre2 = zero.top + zero.bottom;  // twice the glyph's vertical centre
  EXPECT_LE(std::abs(centre2 - 2 * midY), 4)
      << "\"0\" spans rows " << zero.top << " to " << zero.bottom << ", not centred on " << midY;
  EXPECT_GE(zero.bottom - zero.top + 1, 13) << "a 16-point bold character is taller";
}

TEST_F(CalcScreen, KeysShowTheirColoursCaptionsAndRaisedEdges) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const auto shot = Shot();
  struct Key {
    const char* name;
    COLORREF face;
    bool (*caption)(COLORREF);
  };
  const Key keys[] = {
      {"C/CE", kGreen, IsDark}, {"7", face, IsDark}, {"8", face, IsDark}, {"9", face, IsDark},
      {"*", kCyan, IsDark},     {"4", face, IsDark}, {"5", face, IsDark}, {"6", face, IsDark},
      {"-", kCyan, IsDark},     {"1", face, IsDark}, {"2", face, IsDark}, {"3", face, IsDark},
      {"+", kCyan, IsDark},     {"0", face, IsDark}, {"=", kRed, IsWhite},
  };
  for (const Key& k : keys) {
    const CalcItemRow& row = Row(k.name);
    // Inside the two-pixel edge, outside a focus rectangle.
    EXPECT_EQ(shot->Pixel(row.x + 3, row.y + 3), k.face)
        << "key \"" << k.name << "\": expected face " << Hex(k.face) << ", got "
        << Hex(shot->Pixel(row.x + 3, row.y + 3));
    EXPECT_EQ(shot->Pixel(row.x + row.width - 4, row.y + row.height - 4), k.face) << k.name;
    const Box caption = Find(*shot, RECT{row.x + 6, row.y + 6, row.x + row.width - 6, row.y + row.height - 6},
                             k.caption);
    EXPECT_GT(caption.count, 3) << "key \"" << k.name << "\" shows no caption in its text colour";
    if (caption.count) {
      EXPECT_LE(std::abs(caption.left + caption.right - (2 * row.x + row.width - 1)), 4)
          << "key \"" << k.name << "\": caption not centred";
    }
    ExpectEdge(*shot, k.name, true);
  }
}

TEST_F(CalcScreen, KeyIsSunkenWhileTheMouseHoldsItDownAndForAMomentWhenTyped) {
  Mouse("C/CE", MOUSEEVENTF_LEFTDOWN);
  ExpectEdge(*Shot(), "C/CE", false);
  ExpectEdge(*Shot(), "7", true);
  Mouse("C/CE", MOUSEEVENTF_LEFTUP);
  ExpectEdge(*Shot(), "C/CE", true);

  ASSERT_EQ(CalcCallback(kCalcFormName, "C/CE", fx::event::ITEMKEY, Form(), WM_CHAR, '7', 0), 1);
  ExpectEdge(*Shot(), "7", false);
  Sleep(150);
  ExpectEdge(*Shot(), "7", true);
  ASSERT_EQ(CalcCallback(kCalcFormName, "C/CE", fx::event::ITEMKEY, Form(), WM_KEYDOWN, VK_ESCAPE, 0), 1);
}

TEST_F(CalcScreen, KeyThatLosesTheFocusShowsNoFocusRectangle) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  Click("7");
  EXPECT_GT(FocusDots(*Shot(), "7", face), 5) << "the clicked key shows no focus rectangle";
  Click("8");
  const auto shot = Shot();
  EXPECT_EQ(FocusDots(*shot, "7", face), 0) << "\"7\" keeps its focus rectangle";
  EXPECT_GT(FocusDots(*shot, "8", face), 5) << "\"8\" shows no focus rectangle";
  // The clicks reached the calculator, and the display was drawn again at once.
  const CalcItemRow& d = Row(kDisplayItemName);
  const Box digits = Find(*shot, RECT{d.x + 2, d.y + 2, d.x + d.width - 2, d.y + d.height - 2}, IsDark);
  EXPECT_EQ(FindItemDef(kCalcFormName, kDisplayItemName).value, "78");
  EXPECT_GE(digits.right - digits.left, 16) << "the display does not show two characters";
  EXPECT_GE(digits.right, d.x + d.width - 2 - 4) << "\"78\" is not at the right";
  Click("C/CE");
  EXPECT_EQ(FocusDots(*Shot(), "8", face), 0) << "\"8\" keeps its focus rectangle";
}

TEST_F(CalcScreen, GdiObjectsStayFlatOverAThousandRepaints) {
  const UINT flags = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN;
  test::GdiCounter counter;
  test::StrictDelete strict;  // objects still selected are not deleted, as on Windows
  RedrawWindow(Form(), nullptr, nullptr, flags);
  test::PumpMessages();
  const long afterOne = counter.live();
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 1000; ++i) RedrawWindow(Form(), nullptr, nullptr, flags);
  test::PumpMessages();
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_EQ(counter.live(), afterOne) << "GDI objects made and not released grew";
  EXPECT_EQ(strict.refusals(), 0) << "objects were deleted while still selected";
  std::printf("GDI objects live after 1 repaint: %ld, after 1001: %ld (%.1f s for 1000)\n",
              afterOne, counter.live(), seconds);
  // The screen still shows the calculator.
  ExpectEdge(*Shot(), "=", true);
}

}  // namespace
