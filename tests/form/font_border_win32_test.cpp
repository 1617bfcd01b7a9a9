// Item fonts and borders drawn with the real GDI into a memory bitmap and read back pixel
// by pixel; platform failures reached through the seam.
#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "fenwix/error/error_context.h"
#include "fenwix/form/font_border.h"
#include "tests/support/dib_canvas.h"
#include "tests/support/strict_delete.h"
#include "tests/support/win32_support.h"

namespace {

constexpr COLORREF kBackground = RGB(255, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

class FontBorderTest : public ::testing::Test {
 protected:
  void SetUp() override { test::RecordedMessageBoxes().clear(); }
  void TearDown() override { test::RecordedMessageBoxes().clear(); }
};

// ---- fonts ----

struct FontRequest {
  int height, weight;
  DWORD italic, underline, strikeOut, charSet, pitchAndFamily;
  std::string face;
};
FontRequest lastFont;
int fontsMade = 0;

HFONT WINAPI RecordFont(int height, int width, int escapement, int orientation, int weight,
                        DWORD italic, DWORD underline, DWORD strikeOut, DWORD charSet,
                        DWORD outPrecision, DWORD clipPrecision, DWORD quality,
                        DWORD pitchAndFamily, LPCSTR face) {
  lastFont = {height, weight, italic, underline, strikeOut, charSet, pitchAndFamily, face};
  ++fontsMade;
  return os::real().CreateFontA(height, width, escapement, orientation, weight, italic,
                                underline, strikeOut, charSet, outPrecision, clipPrecision,
                                quality, pitchAndFamily, face);
}

int pixelsPerInch = 96;
int WINAPI FixedDpi(HDC dc, int index) {
  return index == LOGPIXELSY ? pixelsPerInch : os::real().GetDeviceCaps(dc, index);
}

TEST_F(FontBorderTest, FontRequestFollowsTheDeclaration) {
  struct Case {
    const char* face;
    int size, dpi;
    bool bold, italic, underline;
    int height, weight;
  };
  const Case cases[] = {
      {"Courier New", 16, 96, true, false, false, -21, 700},  // the calculator's display
      {"Arial", 8, 96, false, false, false, -11, 400},        // its title
      {"Arial", 10, 96, false, true, true, -13, 400},
      {"Arial", 8, 120, false, false, false, -13, 400},
      {"Arial", 10, 120, true, false, true, -17, 700},
      {"", 16, 120, false, true, false, -27, 400},
  };
  os::Override<decltype(&::CreateFontA)> record(&os::Table::CreateFontA, RecordFont);
  os::Override<decltype(&::GetDeviceCaps)> dpi(&os::Table::GetDeviceCaps, FixedDpi);
  test::DibCanvas canvas(10, 10, kBackground);
  for (const Case& c : cases) {
    pixelsPerInch = c.dpi;
    ItemFont font;
    EXPECT_EQ(FX_FormItemFontSet(canvas.dc(), c.face, c.size, c.bold, c.italic, c.underline, font), 0);
    EXPECT_EQ(lastFont.height, c.height) << c.face << " " << c.size << " at " << c.dpi;
    EXPECT_EQ(lastFont.weight, c.weight) << c.face << " " << c.size;
    EXPECT_EQ(lastFont.italic, c.italic ? 1u : 0u);
    EXPECT_EQ(lastFont.underline, c.underline ? 1u : 0u);
    EXPECT_EQ(lastFont.strikeOut, 0u);
    EXPECT_EQ(lastFont.charSet, static_cast<DWORD>(ANSI_CHARSET));
    EXPECT_EQ(lastFont.pitchAndFamily, static_cast<DWORD>(DEFAULT_PITCH | FF_SWISS));
    EXPECT_EQ(lastFont.face, c.face);
  }
  EXPECT_TRUE(test::TakeReportedCodes().empty());
}

int WINAPI LowestMulDiv(int, int, int) { return INT_MIN; }

TEST_F(FontBorderTest, HeightOfTheLowestPixelCountWrapsAround) {
  os::Override<decltype(&::CreateFontA)> record(&os::Table::CreateFontA, RecordFont);
  os::Override<decltype(&::MulDiv)> lowest(&os::Table::MulDiv, LowestMulDiv);
  test::DibCanvas canvas(10, 10, kBackground);
  ItemFont font;
  EXPECT_EQ(FX_FormItemFontSet(canvas.dc(), "Arial", INT_MIN, false, false, false, font), 0);
  EXPECT_EQ(lastFont.height, INT_MIN);
}

TEST_F(FontBorderTest, FontStaysSelectedUntilReleasedThenIsDeletedAfterTheOldOneIsBack) {
  test::DibCanvas canvas(10, 10, kBackground);
  test::GdiCounter counter;
  test::StrictDelete strict(canvas.dc());
  HGDIOBJ original = GetCurrentObject(canvas.dc(), OBJ_FONT);
  {
    ItemFont font;
    ASSERT_EQ(FX_FormItemFontSet(canvas.dc(), "Arial", 10, false, false, false, font), 0);
    HGDIOBJ current = GetCurrentObject(canvas.dc(), OBJ_FONT);
    EXPECT_NE(current, original) << "the item font is not selected for the text";
    EXPECT_EQ(counter.live(), 1);

    // A second call replaces the first font; neither leaks.
    ASSERT_EQ(FX_FormItemFontSet(canvas.dc(), "Courier New", 16, true, false, false, font), 0);
    EXPECT_EQ(counter.live(), 1);
    EXPECT_EQ(font.Release(), 0);
    EXPECT_EQ(font.Release(), 0) << "a second release must do nothing";
  }
  {
    ItemFont font;  // released by the end of its scope
    ASSERT_EQ(FX_FormItemFontSet(canvas.dc(), "Arial", 8, false, false, false, font), 0);
  }
  EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_FONT), original);
  EXPECT_EQ(counter.live(), 0) << "fonts were made and not deleted";
  EXPECT_EQ(strict.refusals(), 0) << "a font was deleted while still selected";
  EXPECT_TRUE(test::TakeReportedCodes().empty());
  EXPECT_EQ(CurrentErrorContext().functionName, "FX_FormItemFontSet");
  EXPECT_EQ(CurrentErrorContext().windowName, "");
}

HFONT WINAPI NoFont(int, int, int, int, int, DWORD, DWORD, DWORD, DWORD, DWORD, DWORD, DWORD,
                    DWORD, LPCSTR) {
  return nullptr;
}
HGDIOBJ WINAPI SelectNoFont(HDC dc, HGDIOBJ object) {
  return GetObjectType(object) == OBJ_FONT ? nullptr : os::real().SelectObject(dc, object);
}
BOOL WINAPI RefuseDelete(HGDIOBJ) { return FALSE; }

TEST_F(FontBorderTest, FontFailuresAreReportedAndLeakNothing) {
  test::DibCanvas canvas(10, 10, kBackground);
  HGDIOBJ original = GetCurrentObject(canvas.dc(), OBJ_FONT);
  {
    test::GdiCounter counter;
    os::Override<decltype(&::CreateFontA)> fail(&os::Table::CreateFontA, NoFont);
    ItemFont font;
    EXPECT_EQ(FX_FormItemFontSet(canvas.dc(), "Arial", 8, false, false, false, font), 1006);
    EXPECT_EQ(test::TakeReportedCodes(), std::vector<int>{1006});
    EXPECT_EQ(font.Release(), 0);
  }
  {
    test::GdiCounter counter;
    os::Override<decltype(&::SelectObject)> fail(&os::Table::SelectObject, SelectNoFont);
    ItemFont font;
    EXPECT_EQ(FX_FormItemFontSet(canvas.dc(), "Arial", 8, false, false, false, font), 1011);
    EXPECT_EQ(test::TakeReportedCodes(), std::vector<int>{1011});
    EXPECT_EQ(counter.live(), 0) << "the font that could not be selected leaked";
    EXPECT_EQ(font.Release(), 0);
  }
  {
    ItemFont font;
    ASSERT_EQ(FX_FormItemFontSet(canvas.dc(), "Arial", 8, false, false, false, font), 0);
    SetErrorContext("calc.display", "FX_FormProcIntl");
    os::Override<decltype(&::DeleteObject)> fail(&os::Table::DeleteObject, RefuseDelete);
    EXPECT_EQ(font.Release(), 1011);
    EXPECT_EQ(test::TakeReportedCodes(), std::vector<int>{1011});
    EXPECT_EQ(CurrentErrorContext().functionName, "FX_FormItemFontSet");
  }
  EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_FONT), original);
  EXPECT_EQ(CurrentErrorContext().functionName, "FX_FormItemFontSet");
  EXPECT_EQ(CurrentErrorContext().windowName, "");
}

// ---- borders ----

// Which pixels of the canvas differ from the background: '#' for a pixel of `ink`, '?'
// for any other colour, '.' for the background; one text line per row.
std::string Picture(const test::DibCanvas& canvas, COLORREF ink) {
  std::string rows;
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      const COLORREF p = canvas.Pixel(x, y);
      rows += p == kBackground ? '.' : p == ink ? '#' : '?';
    }
    rows += '\n';
  }
  return rows;
}

// The picture of a frame of width w along the inside of (0, 0, right, bottom), exclusive,
// filled with `inside` within the frame. Where two square caps of a line wider than one
// pixel meet, rasterizers differ by the outermost corner pixel: '*' there.
std::string Frame(int width, int height, int right, int bottom, int w, char inside) {
  std::string rows;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const bool within = x < right && y < bottom;
      const bool line = within && (x < w || y < w || x >= right - w || y >= bottom - w);
      const bool corner = (x == 0 || x == right - 1) && (y == 0 || y == bottom - 1);
      rows += w > 1 && corner ? '*' : line ? '#' : within ? inside : '.';
    }
    rows += '\n';
  }
  return rows;
}

// The picture with the pixels the frame leaves open taken from the frame.
std::string Masked(std::string picture, const std::string& frame) {
  for (std::size_t i = 0; i < picture.size() && i < frame.size(); ++i) {
    if (frame[i] == '*') picture[i] = '*';
  }
  return picture;
}

TEST_F(FontBorderTest, SolidBorderRunsJustInsideTheRectangle) {
  struct Case {
    int size, drawnWidth;
  };
  // 0 to 16 are drawn as given; anything else 1 pixel wide.
  const Case cases[] = {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {7, 7}, {16, 16},
                        {17, 1}, {-1, 1}, {INT_MAX, 1}, {INT_MIN, 1}};
  test::DibCanvas canvas(100, 30, kBackground);
  const RECT rect = {0, 0, 99, 29};
  for (const Case& c : cases) {
    canvas.Clear(kBackground);
    EXPECT_EQ(FX_FormItemBorderDraw(canvas.dc(), rect, "SOLID", c.size, kRed, kNoColor), 0);
    const std::string frame = Frame(100, 30, 99, 29, c.drawnWidth, '.');
    EXPECT_EQ(Masked(Picture(canvas, kRed), frame), frame) << "SOLID border of size " << c.size;
  }
  EXPECT_TRUE(test::TakeReportedCodes().empty());
}

TEST_F(FontBorderTest, FillCoversTheRightColumnAndBottomRow) {
  test::DibCanvas canvas(100, 30, kBackground);
  const RECT rect = {0, 0, 99, 29};
  EXPECT_EQ(FX_FormItemBorderDraw(canvas.dc(), rect, "SOLID", 0, kRed, kBlue), 0);
  EXPECT_EQ(Picture(canvas, kBlue), Frame(100, 30, 99, 29, 0, '#')) << "size 0: the fill only";

  canvas.Clear(kBackground);
  EXPECT_EQ(FX_FormItemBorderDraw(canvas.dc(), rect, "SOLID", 2, kRed, kBlue), 0);
  const std::string frame = Frame(100, 30, 99, 29, 2, '?');
  EXPECT_EQ(Masked(Picture(canvas, kRed), frame), frame) << "line over the fill";
  EXPECT_EQ(canvas.Pixel(2, 2), kBlue);
  EXPECT_EQ(canvas.Pixel(96, 26), kBlue);

  canvas.Clear(kBackground);
  EXPECT_EQ(FX_FormItemBorderDraw(canvas.dc(), rect, "SOLID", 0, kRed, kNoColor), 0);
  EXPECT_EQ(Picture(canvas, kRed), Frame(100, 30, 0, 0, 0, '.')) << "no fill, no line";
  EXPECT_TRUE(test::TakeReportedCodes().empty());
}

TEST_F(FontBorderTest, ThreeDimensionalEdgesUseTheSystemColours) {
  // Each edge is two pixels: outer and inner line. Sunken: dark above and to the left,
  // light below and to the right; raised: the reverse.
  struct Probe {
    int x, y, sysColor;
  };
  struct Case {
    const char* style;
    std::vector<Probe> probes;
  };
  const Case cases[] = {
      {"3DIN",
       {{0, 10, COLOR_BTNSHADOW}, {10, 0, COLOR_BTNSHADOW}, {1, 10, COLOR_3DDKSHADOW},
        {10, 1, COLOR_3DDKSHADOW}, {98, 10, COLOR_BTNHIGHLIGHT}, {10, 28, COLOR_BTNHIGHLIGHT},
        {97, 10, COLOR_3DLIGHT}, {10, 27, COLOR_3DLIGHT}}},
      {"3DOUT",
       {{0, 10, COLOR_3DLIGHT}, {10, 0, COLOR_3DLIGHT}, {1, 10, COLOR_BTNHIGHLIGHT},
        {10, 1, COLOR_BTNHIGHLIGHT}, {98, 10, COLOR_3DDKSHADOW}, {10, 28, COLOR_3DDKSHADOW},
        {97, 10, COLOR_BTNSHADOW}, {10, 27, COLOR_BTNSHADOW}}},
  };
  test::DibCanvas canvas(100, 30, kBackground);
  const RECT rect = {0, 0, 99, 29};
  for (const Case& c : cases) {
    canvas.Clear(kBackground);
    // Size and colour are not used by the 3D styles.
    EXPECT_EQ(FX_FormItemBorderDraw(canvas.dc(), rect, c.style, 6, kRed, kBlue), 0);
    for (const Probe& p : c.probes) {
      EXPECT_EQ(canvas.Pixel(p.x, p.y), GetSysColor(p.sysColor))
          << c.style << " at (" << p.x << ", " << p.y << ")";
    }
    EXPECT_EQ(canvas.Pixel(2, 10), kBlue) << c.style << ": the edge is two pixels wide";
    EXPECT_EQ(canvas.Pixel(96, 26), kBlue) << c.style;
    EXPECT_EQ(canvas.Pixel(99, 10), kBackground) << c.style << ": right is exclusive";
    EXPECT_EQ(canvas.Pixel(10, 29), kBackground) << c.style << ": bottom is exclusive";
  }
  EXPECT_TRUE(test::TakeReportedCodes().empty());
}

TEST_F(FontBorderTest, UnknownStyleReturns25AfterTheFill) {
  test::DibCanvas canvas(100, 30, kBackground);
  const RECT rect = {0, 0, 99, 29};
  for (const char* style : {"3din", "", "DOTTED", "SOLID "}) {
    canvas.Clear(kBackground);
    EXPECT_EQ(FX_FormItemBorderDraw(canvas.dc(), rect, style, 1, kRed, kBlue), 25)
        << "style \"" << style << "\"";
    EXPECT_EQ(Picture(canvas, kBlue), Frame(100, 30, 99, 29, 0, '#')) << "style " << style;
  }
  EXPECT_TRUE(test::TakeReportedCodes().empty()) << "25 is returned, not reported";
}

HPEN WINAPI NoPen(int, int, COLORREF) { return nullptr; }
HPEN WINAPI NoExtPen(DWORD, DWORD, const LOGBRUSH*, DWORD, const DWORD*) { return nullptr; }
HBRUSH WINAPI NoBrush(COLORREF) { return nullptr; }
BOOL WINAPI NoRectangle(HDC, int, int, int, int) { return FALSE; }
BOOL WINAPI NoMove(HDC, int, int, LPPOINT) { return FALSE; }
int lineCalls = 0;
BOOL WINAPI ThirdLineFails(HDC dc, int x, int y) {
  return ++lineCalls == 3 ? FALSE : os::real().LineTo(dc, x, y);
}
BOOL WINAPI NoEdge(HDC, LPRECT, UINT, UINT) { return FALSE; }

TEST_F(FontBorderTest, PlatformFailuresGiveTheirCodesAndReleaseWhatWasMade) {
  // Each case installs its failure for the length of one drawing.
  auto run = [](const char* style, ColorValue fill, auto override) {
    test::DibCanvas canvas(100, 30, kBackground);
    test::GdiCounter counter;
    test::StrictDelete strict(canvas.dc());
    const HGDIOBJ pen = GetCurrentObject(canvas.dc(), OBJ_PEN);
    const HGDIOBJ brush = GetCurrentObject(canvas.dc(), OBJ_BRUSH);
    ErrorCode result;
    {
      auto failure = override();
      lineCalls = 0;
      result = FX_FormItemBorderDraw(canvas.dc(), RECT{0, 0, 99, 29}, style, 3, kRed, fill);
    }
    EXPECT_EQ(counter.live(), 0) << style << ": a pen or brush leaked";
    EXPECT_EQ(strict.refusals(), 0) << style << ": deleted while still selected";
    EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_PEN), pen) << style << ": pen not restored";
    EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_BRUSH), brush) << style << ": brush not restored";
    return result;
  };
  using Pen = os::Override<decltype(&::CreatePen)>;
  using ExtPen = os::Override<decltype(&::ExtCreatePen)>;
  using Brush = os::Override<decltype(&::CreateSolidBrush)>;
  using Rect = os::Override<decltype(&::Rectangle)>;
  using Move = os::Override<decltype(&::MoveToEx)>;
  using Line = os::Override<decltype(&::LineTo)>;
  using Edge = os::Override<decltype(&::DrawEdge)>;

  EXPECT_EQ(run("SOLID", kBlue, [] { return std::make_unique<Pen>(&os::Table::CreatePen, NoPen); }), 0);
  EXPECT_EQ(test::TakeReportedCodes(), std::vector<int>{1044}) << "fill pen";
  EXPECT_EQ(run("SOLID", kBlue, [] { return std::make_unique<Brush>(&os::Table::CreateSolidBrush, NoBrush); }), 0);
  EXPECT_EQ(test::TakeReportedCodes(), std::vector<int>{1046}) << "fill brush";
  EXPECT_EQ(run("SOLID", kBlue, [] { return std::make_unique<Rect>(&os::Table::Rectangle, NoRectangle); }), 0);
  EXPECT_EQ(test::TakeReportedCodes(), std::vector<int>{1046}) << "fill rectangle";
  EXPECT_EQ(run("SOLID", kNoColor, [] { return std::make_unique<ExtPen>(&os::Table::ExtCreatePen, NoExtPen); }), 0);
  EXPECT_EQ(test::TakeReportedCodes(), std::vector<int>{1044}) << "line pen";
  EXPECT_EQ(run("SOLID", kBlue, [] { return std::make_unique<Move>(&os::Table::MoveToEx, NoMove); }), 1042);
  EXPECT_EQ(test::TakeReportedCodes(), std::vector<int>{}) << "1042 is returned only";
  EXPECT_EQ(run("SOLID", kBlue, [] { return std::make_unique<Line>(&os::Table::LineTo, ThirdLineFails); }), 1043);
  EXPECT_EQ(test::TakeReportedCodes(), std::vector<int>{}) << "1043 is returned only";
  EXPECT_EQ(lineCalls, 3) << "drawing stops at the failed segment";
  for (const char* style : {"3DIN", "3DOUT"}) {
    EXPECT_EQ(run(style, kBlue, [] { return std::make_unique<Edge>(&os::Table::DrawEdge, NoEdge); }), 1040);
    EXPECT_EQ(test::TakeReportedCodes(), std::vector<int>{}) << "1040 is returned only";
  }
}

TEST_F(FontBorderTest, ReportsKeepTheCallersContext) {
  SetErrorContext("calc.display", "FX_FormProcIntl");
  test::DibCanvas canvas(100, 30, kBackground);
  os::Override<decltype(&::CreatePen)> fail(&os::Table::CreatePen, NoPen);
  EXPECT_EQ(FX_FormItemBorderDraw(canvas.dc(), RECT{0, 0, 99, 29}, "3DIN", 0, kRed, kBlue), 0);
  ASSERT_EQ(test::RecordedMessageBoxes().size(), 1u);
  EXPECT_NE(test::RecordedMessageBoxes()[0].text.find("Function : FX_FormProcIntl"), std::string::npos)
      << test::RecordedMessageBoxes()[0].text;
  EXPECT_EQ(CurrentErrorContext().functionName, "FX_FormProcIntl");
  EXPECT_EQ(CurrentErrorContext().windowName, "calc.display");
}

}  // namespace
