// Forms on screens of 96, 120, 144 and 192 DPI, the DPI answered through the seam: the
// calculator's window, keys and display font at each scale, and a form placed again when
// its DPI changes, with what the user typed, the focus and the selection kept.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "app/calc_callback.h"
#include "app/calc_form.h"
#include "app/calc_layout.h"
#include "fenwix/form/font_border.h"
#include "fenwix/grid/grid_editor.h"
#include "fenwix/grid/grid_record.h"
#include "tests/gui/gui_test_helpers.h"

namespace {

UINT screenDpi = 96;
UINT WINAPI ScreenDpi(HWND) { return screenDpi; }

// A length at 96 DPI as the screen shows it, exactly, before any rounding.
double AtDpi(int length) { return length * static_cast<double>(screenDpi) / 96.0; }

// The control's rectangle in its parent's client coordinates.
RECT PlaceOf(HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// Each edge within a pixel of its exact scaled place.
void ExpectScaled(HWND control, int x, int y, int width, int height, const std::string& what) {
  const RECT r = PlaceOf(control);
  EXPECT_LE(std::abs(r.left - AtDpi(x)), 1.0) << what << " at " << screenDpi;
  EXPECT_LE(std::abs(r.top - AtDpi(y)), 1.0) << what << " at " << screenDpi;
  EXPECT_LE(std::abs(r.right - AtDpi(x + width)), 1.0) << what << " at " << screenDpi;
  EXPECT_LE(std::abs(r.bottom - AtDpi(y + height)), 1.0) << what << " at " << screenDpi;
}

class ScaleTest : public ::testing::Test {
 protected:
  void TearDown() override { screenDpi = 96; }
  os::Override<decltype(&::GetDpiForWindow)> dpi_{&os::Table::GetDpiForWindow, ScreenDpi};
};

TEST_F(ScaleTest, NumletsWindowKeysAndDisplayGrowWithTheScreen) {
  for (const UINT dpi : {96u, 120u, 144u, 192u}) {
    screenDpi = dpi;
    ASSERT_EQ(test::StartWithMainWindow("NumletAt", 250, 350), 0);
    ResetCalculator();
    BuildCalcForm();
    test::PumpMessages();
    RECT window;
    GetWindowRect(FindWindowDef(TheRegistry().MainWindowName).handle, &window);
    EXPECT_LE(std::abs(window.right - window.left - AtDpi(250)), 1.0) << dpi;
    EXPECT_LE(std::abs(window.bottom - window.top - AtDpi(350)), 1.0) << dpi;
    for (const CalcItemRow& row : kCalcItems)
      ExpectScaled(FindItemDef(kCalcFormName, row.name).control, row.x, row.y, row.width,
                   row.height, row.name);

    // The display's font is made for the screen, and its longest text fits inside the
    // display's sunken edge.
    const HWND display = FindItemDef(kCalcFormName, kDisplayItemName).control;
    const HDC dc = GetDC(display);
    ItemFont font;
    ASSERT_EQ(FX_FormItemFontSet(dc, "Courier New", 16, true, false, false, font), 0);
    LOGFONTA made = {};
    GetObjectA(GetCurrentObject(dc, OBJ_FONT), sizeof made, &made);
    EXPECT_EQ(made.lfHeight, -MulDiv(16, static_cast<int>(dpi), 72)) << dpi;
    SIZE text;
    GetTextExtentPoint32A(dc, "-2147483648", 11, &text);
    RECT inside;
    GetClientRect(display, &inside);
    EXPECT_LE(text.cx, inside.right - 4) << dpi;
    EXPECT_LE(text.cy, inside.bottom - 4) << dpi;
    font.Release();
    ReleaseDC(display, dc);
    FX_FormClose(kCalcFormName, "CLOSE");
    test::PumpMessages();
  }
}

TEST_F(ScaleTest, ADpiChangePlacesTheFormAgainAndKeepsWhatTheUserTyped) {
  ASSERT_EQ(test::StartWithMainWindow("ChangingMain", 600, 500), 0);
  const std::string inside = test::NewName("inside"), framed = test::NewName("framed");
  for (const std::string& form : {inside, framed}) {
    ASSERT_EQ(FX_FormItemAdd(form, "label", "STATIC", 1, 10, 10, 60, 20, "value=Name"), 0);
    ASSERT_EQ(FX_FormItemAdd(form, "name", "EDIT", 2, 80, 10, 150, 22, "anchor=left,right"), 0);
    ASSERT_EQ(FX_FormItemAdd(form, "paid", "CHECKSYS", 3, 10, 40, 80, 20, ""), 0);
    ASSERT_EQ(FX_FormItemAdd(form, "lines", "DATAGRID", 4, 10, 70, 220, 100,
                             "ftname=Arial;ftsize=9"), 0);
    ASSERT_EQ(FX_GridColumnAdd(form, "lines", "what", "title=What;width=100;edit=true"), 0);
  }
  ASSERT_EQ(FX_FormCreate(inside, "edge=false;stbar=false", 10, 20, 260, 200, nullptr), 0);
  ASSERT_EQ(FX_FormCreate(framed, "stbar=false", 10, 20, 300, 260, nullptr), 0);
  test::PumpMessages();

  const HWND field = FindItemDef(framed, "name").control;
  SetWindowTextA(field, "typed by the user");
  SetFocus(field);
  SendMessageA(field, EM_SETSEL, 3, 8);
  const HWND grid = FindItemDef(framed, "lines").control;
  const auto gridFont = SendMessageA(grid, WM_GETFONT, 0, 0);

  // The framed form hears of its new DPI with the platform's rectangle for it.
  screenDpi = 144;
  const HWND dialog = FindWindowDef(framed).handle;
  RECT suggested;
  GetWindowRect(dialog, &suggested);
  suggested.right = suggested.left + 450;
  suggested.bottom = suggested.top + 390;
  SendMessageA(dialog, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  RECT now;
  GetWindowRect(dialog, &now);
  EXPECT_EQ(now.right - now.left, 450);
  EXPECT_EQ(now.bottom - now.top, 390);
  ExpectScaled(FindItemDef(framed, "label").control, 10, 10, 60, 20, "label");
  ExpectScaled(FindItemDef(framed, "paid").control, 10, 40, 14, 14, "check box");
  ExpectScaled(grid, 10, 70, 220, 100, "grid");
  // The anchored field keeps its distance to the right edge of the form's client area.
  RECT client, place = PlaceOf(field);
  GetClientRect(dialog, &client);
  EXPECT_LE(std::abs(place.left - AtDpi(80)), 1.0);
  EXPECT_GE(place.right, AtDpi(230) - 1);
  char text[64] = "";
  GetWindowTextA(field, text, sizeof text);
  EXPECT_STREQ(text, "typed by the user");
  EXPECT_EQ(GetFocus(), field);
  DWORD from = 0, to = 0;
  SendMessageA(field, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
  EXPECT_EQ(from, 3u);
  EXPECT_EQ(to, 8u);
  EXPECT_EQ(SendMessageA(grid, LVM_GETCOLUMNWIDTH, 0, 0), 150);
  EXPECT_NE(SendMessageA(grid, WM_GETFONT, 0, 0), gridFont) << "the grid's font is made again";

  // The main window's change places it and the form inside it, with a cell being edited
  // there; the program still speaks 96-DPI pixels.
  ASSERT_EQ(FX_GridRowCountSet(inside, "lines", 3), 0);
  ASSERT_TRUE(OpenGridEditor(inside, "lines", 2, 0, 0));
  const HWND editor = FindGrid(inside, "lines")->editor;
  SetWindowTextA(editor, "half typed");
  const HWND mainWindow = FindWindowDef(TheRegistry().MainWindowName).handle;
  RECT platforms = {40, 30, 940, 790};
  SendMessageA(mainWindow, WM_DPICHANGED, MAKEWPARAM(144, 144),
               reinterpret_cast<LPARAM>(&platforms));
  RECT cell = {LVIR_LABEL, 0, 0, 0}, edited;
  SendMessageA(FindItemDef(inside, "lines").control, LVM_GETSUBITEMRECT, 2,
               reinterpret_cast<LPARAM>(&cell));
  GetWindowRect(editor, &edited);
  MapWindowPoints(nullptr, GetParent(editor), reinterpret_cast<POINT*>(&edited), 2);
  EXPECT_EQ(test::Describe(edited), test::Describe(cell)) << "the edit stays over its cell";
  GetWindowTextA(editor, text, sizeof text);
  EXPECT_STREQ(text, "half typed");
  RECT main;
  GetWindowRect(mainWindow, &main);
  EXPECT_EQ(test::Describe(main), test::Describe(platforms)) << "the platform's rectangle";
  ExpectScaled(FindWindowDef(inside).handle, 20, 10, 260, 200, "form inside the main window");
  ExpectScaled(FindItemDef(inside, "label").control, 10, 10, 60, 20, "label inside");
  // A place outside the main window keeps the form's own, the one it was created at.
  ASSERT_EQ(FX_WindowMove(inside, -1, -1, 260, 200), 0);
  ExpectScaled(FindWindowDef(inside).handle, 20, 10, 260, 200, "form kept at its place");
  ASSERT_EQ(FX_WindowMove(inside, 30, 40, 200, 150), 0);
  ExpectScaled(FindWindowDef(inside).handle, 30, 40, 200, 150, "form moved");
  EXPECT_TRUE(test::Reports().empty());
}

}  // namespace
