// Edit-field colours and owner-drawn painting from item records, drawn with the real GDI
// into a memory bitmap; the calls that matter are watched through the platform seam.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fenwix/formproc/form_paint.h"
#include "tests/support/dib_canvas.h"
#include "tests/support/strict_delete.h"
#include "tests/support/win32_support.h"

namespace {

constexpr COLORREF kBackground = RGB(255, 0, 255);
constexpr ColorValue kLightGrey = 0xDFDFDF;
HWND const kControl = reinterpret_cast<HWND>(0x4321);

// What the painting asked of the platform, recorded by the watchers below.
struct TextCall {
  std::string text;
  RECT rect;
  UINT flags;
  HGDIOBJ font;     // the font selected while the text was drawn
  LOGFONTA described;  // and what it is
};
struct Log {
  std::vector<COLORREF> textColors, backColors;
  std::vector<TextCall> texts;
  std::vector<RECT> focusRects;
  std::vector<std::string> statusTexts;
  std::vector<HWND> statusWindows;
};
Log logged;

COLORREF WINAPI WatchTextColor(HDC dc, COLORREF c) {
  logged.textColors.push_back(c);
  return os::real().SetTextColor(dc, c);
}
COLORREF WINAPI WatchBkColor(HDC dc, COLORREF c) {
  logged.backColors.push_back(c);
  return os::real().SetBkColor(dc, c);
}
int WINAPI WatchText(HDC dc, LPCSTR text, int length, LPRECT rect, UINT flags) {
  TextCall call = {std::string(text, length), *rect, flags, GetCurrentObject(dc, OBJ_FONT), {}};
  GetObjectA(call.font, sizeof call.described, &call.described);
  logged.texts.push_back(call);
  return os::real().DrawTextA(dc, text, length, rect, flags);
}
BOOL WINAPI WatchFocus(HDC dc, const RECT* rect) {
  logged.focusRects.push_back(*rect);
  return os::real().DrawFocusRect(dc, rect);
}
LRESULT WINAPI WatchSend(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_SETTEXT) return os::real().SendMessageA(window, message, wParam, lParam);
  logged.statusWindows.push_back(window);
  logged.statusTexts.push_back(reinterpret_cast<const char*>(lParam));
  return TRUE;
}

class FormPaintTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetRegistry();
    logged = Log();
    dpi = 96;
    test::RecordedMessageBoxes().clear();
    form.name = "f";
    form.backColor = kLightGrey;
  }
  void TearDown() override {
    ResetRegistry();
    test::RecordedMessageBoxes().clear();
  }

  // An item as FX_FormItemAdd stores one without properties, shown by kControl.
  static ItemDef Item(const char* type, int width, int height) {
    ItemDef item;
    item.type = type;
    item.control = kControl;
    item.width = width;
    item.height = height;
    item.backColor = kNoColor;
    item.textColor = kNoColor;
    item.hAlign = -1;
    item.vAlign = -1;
    item.fontSize = 10;
    item.borderStyle = fx::word::SOLID;
    return item;
  }

  INT_PTR Paint(const std::string& name, const ItemDef& item, HDC dc, UINT action = ODA_DRAWENTIRE,
                UINT state = 0, RECT rcItem = {0, 0, 0, 0}) {
    ResetRegistry();  // kControl shows this item only
    StoreItemDef(ItemKey("f", name), item);
    DRAWITEMSTRUCT draw = {};
    draw.CtlType = item.type == fx::item::BUTTON ? ODT_BUTTON : ODT_STATIC;
    draw.itemAction = action;
    draw.itemState = state;
    draw.hwndItem = kControl;
    draw.hDC = dc;
    draw.rcItem = rcItem.right ? rcItem : RECT{0, 0, item.width, item.height};
    return FormDrawItem("f", form, draw);
  }

  static UINT WINAPI Dpi(HWND) { return dpi; }

  static inline UINT dpi = 96;
  FormDef form;
  os::Override<decltype(&::GetDpiForWindow)> fixedDpi{&os::Table::GetDpiForWindow, Dpi};
  os::Override<decltype(&::SetTextColor)> watchTextColor{&os::Table::SetTextColor, WatchTextColor};
  os::Override<decltype(&::SetBkColor)> watchBkColor{&os::Table::SetBkColor, WatchBkColor};
  os::Override<decltype(&::DrawTextA)> watchText{&os::Table::DrawTextA, WatchText};
  os::Override<decltype(&::DrawFocusRect)> watchFocus{&os::Table::DrawFocusRect, WatchFocus};
  os::Override<decltype(&::SendMessageA)> watchSend{&os::Table::SendMessageA, WatchSend};
};

TEST_F(FormPaintTest, ColoursPerTypeAndTheirDefaults) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  struct Case {
    const char* what;
    const char* type;
    ColorValue textColor, backColor;
    bool enable;
    COLORREF expectedText, expectedBack;
  };
  const Case cases[] = {
      {"static, no colours", "STATIC", kNoColor, kNoColor, true, 0x000000, kLightGrey},
      {"static, own colours", "STATIC", 0xFF0000, 0xFFFFFF, true, 0xFF0000, 0xFFFFFF},
      {"disabled static keeps its colour", "STATIC", 0xFF0000, kNoColor, false, 0xFF0000, kLightGrey},
      {"rect, no colours", "RECT", kNoColor, kNoColor, true, 0x000000, kLightGrey},
      {"button, no colours", "BUTTON", kNoColor, kNoColor, true, 0x000000, face},
      {"button, own colours", "BUTTON", 0xFFFFFF, 0x0000FF, true, 0xFFFFFF, 0x0000FF},
      {"disabled button", "BUTTON", 0xFFFFFF, 0x0000FF, false, 0xBFBFBF, 0x0000FF},
      {"disabled button, no colours", "BUTTON", kNoColor, kNoColor, false, 0xBFBFBF, face},
  };
  test::DibCanvas canvas(40, 20, kBackground);
  for (const Case& c : cases) {
    logged = Log();
    ItemDef item = Item(c.type, 40, 20);
    item.textColor = c.textColor;
    item.backColor = c.backColor;
    item.enable = c.enable;
    item.value = "x";
    EXPECT_EQ(Paint("i", item, canvas.dc()), 1) << c.what;
    ASSERT_EQ(logged.textColors.size(), 1u) << c.what;
    ASSERT_EQ(logged.backColors.size(), 1u) << c.what;
    EXPECT_EQ(logged.textColors[0], c.expectedText)
        << c.what << ": expected text colour " << std::hex << c.expectedText << ", got " << logged.textColors[0];
    EXPECT_EQ(logged.backColors[0], c.expectedBack)
        << c.what << ": expected background " << std::hex << c.expectedBack << ", got " << logged.backColors[0];
  }
  EXPECT_TRUE(test::TakeReportedCodes().empty());
}

TEST_F(FormPaintTest, TextFlagsRectangleAndCaption) {
  struct Case {
    const char* what;
    const char* type;
    const char* value;
    HAlign h;
    VAlign v;
    const char* style;
    int size;
    const char* text;  // nullptr: no text drawn
    UINT flags;
    RECT rect;
    UINT dpi = 96;
  };
  const UINT buttonFlags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  const Case cases[] = {
      {"button caption defaults to its name", "BUTTON", "", -1, -1, "SOLID", 0, "key", buttonFlags, {0, 0, 80, 35}},
      {"button value", "BUTTON", "Go", 1, 1, "SOLID", 3, "Go", buttonFlags, {3, 3, 77, 32}},
      {"left, top", "STATIC", "v", -1, -1, "SOLID", 0, "v", DT_LEFT | DT_WORDBREAK, {0, 0, 80, 35}},
      {"centre", "STATIC", "v", 0, 0, "SOLID", 0, "v", DT_CENTER | DT_VCENTER | DT_SINGLELINE, {0, 0, 80, 35}},
      {"right, bottom", "STATIC", "v", 1, 1, "SOLID", 1, "v",
       DT_RIGHT | DT_BOTTOM | DT_SINGLELINE | DT_WORDBREAK, {1, 1, 79, 34}},
      {"3DIN size 0 insets by 2", "STATIC", "v", 1, 0, "3DIN", 0, "v", DT_RIGHT | DT_VCENTER | DT_SINGLELINE, {2, 2, 78, 33}},
      {"3DOUT size 7 insets by 2", "STATIC", "v", -1, -1, "3DOUT", 7, "v", DT_WORDBREAK, {2, 2, 78, 33}},
      {"SOLID size 4 insets by 4", "STATIC", "v", -1, -1, "SOLID", 4, "v", DT_WORDBREAK, {4, 4, 76, 31}},
      {"SOLID size 4 at 144 DPI insets by 6", "STATIC", "v", -1, -1, "SOLID", 4, "v", DT_WORDBREAK,
       {6, 6, 74, 29}, 144},
      {"3DIN at 192 DPI insets by 2", "STATIC", "v", -1, -1, "3DIN", 4, "v", DT_WORDBREAK,
       {2, 2, 78, 33}, 192},
      {"rect draws no text", "RECT", "v", -1, -1, "SOLID", 0, nullptr, 0, {}},
      {"empty static value", "STATIC", "", -1, -1, "SOLID", 0, nullptr, 0, {}},
  };
  test::DibCanvas canvas(80, 35, kBackground);
  for (const Case& c : cases) {
    logged = Log();
    dpi = c.dpi;
    ItemDef item = Item(c.type, 40, 20);
    item.value = c.value;
    item.hAlign = c.h;
    item.vAlign = c.v;
    item.borderStyle = c.style;
    item.borderSize = c.size;
    // The control's size is the draw record's, as placed at its DPI and by its anchors,
    // not the item's declared one.
    EXPECT_EQ(Paint("key", item, canvas.dc(), ODA_DRAWENTIRE, 0, RECT{0, 0, 80, 35}), 1) << c.what;
    if (!c.text) {
      EXPECT_TRUE(logged.texts.empty()) << c.what;
      continue;
    }
    ASSERT_EQ(logged.texts.size(), 1u) << c.what;
    EXPECT_EQ(logged.texts[0].text, c.text) << c.what;
    EXPECT_EQ(logged.texts[0].flags, c.flags)
        << c.what << ": expected flags 0x" << std::hex << c.flags << ", got 0x" << logged.texts[0].flags;
    EXPECT_EQ(test::Describe(logged.texts[0].rect), test::Describe(c.rect)) << c.what;
  }
  EXPECT_TRUE(test::TakeReportedCodes().empty());
}

TEST_F(FormPaintTest, TextOfAnItemTooSmallForItsBorderIsNotDrawnNorReported) {
  test::DibCanvas canvas(80, 4, kBackground);
  ItemDef item = Item("STATIC", 80, 4);
  item.value = "v";
  item.vAlign = 1;
  item.borderStyle = "3DIN";
  EXPECT_EQ(Paint("s", item, canvas.dc()), 1);
  EXPECT_TRUE(logged.texts.empty());
  EXPECT_TRUE(test::TakeReportedCodes().empty());
}

TEST_F(FormPaintTest, DeclaredFontIsUsedForTheTextThenReleased) {
  test::DibCanvas canvas(230, 30, kBackground);
  test::GdiCounter counter;
  test::StrictDelete strict(canvas.dc());
  const HGDIOBJ original = GetCurrentObject(canvas.dc(), OBJ_FONT);
  ItemDef display = Item("STATIC", 230, 30);
  display.value = "0";
  display.fontName = "Courier New";
  display.fontSize = 16;
  display.fontBold = true;
  display.borderStyle = "3DIN";
  display.backColor = 0xFFFFFF;
  for (int i = 0; i < 1000; ++i) ASSERT_EQ(Paint("display", display, canvas.dc()), 1);

  ASSERT_EQ(logged.texts.size(), 1000u);
  EXPECT_NE(logged.texts[0].font, original) << "the text was not drawn in the item's font";
  const LOGFONTA& used = logged.texts[999].described;
  EXPECT_EQ(used.lfHeight, -21) << "at 96 pixels per inch";
  EXPECT_EQ(used.lfWeight, FW_BOLD);
  EXPECT_STREQ(used.lfFaceName, "Courier New");
  EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_FONT), original);
  EXPECT_EQ(counter.live(), 0) << "fonts, pens or brushes of the paints were not released";
  EXPECT_EQ(strict.refusals(), 0) << "an object was deleted while still selected";

  logged = Log();
  ItemDef plain = Item("STATIC", 230, 30);
  plain.value = "0";
  ASSERT_EQ(Paint("title", plain, canvas.dc()), 1);
  ASSERT_EQ(logged.texts.size(), 1u);
  EXPECT_EQ(logged.texts[0].font, original) << "no FTNAME: the device context's font";
  EXPECT_TRUE(test::TakeReportedCodes().empty());
}

TEST_F(FormPaintTest, BordersAndFills) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  struct Case {
    const char* what;
    const char* type;
    const char* style;
    int size;
    ColorValue backColor;
    UINT state;
    int topLeftShade;       // system colour of the outer top-left pixel, or -1: the background
    COLORREF inside;        // the pixel at (10, 10)
  };
  const Case cases[] = {
      {"button raised, face filled", "BUTTON", "SOLID", 0, kNoColor, 0, COLOR_3DLIGHT, face},
      {"button raised whatever its style", "BUTTON", "3DIN", 0, 0x00FF00, 0, COLOR_3DLIGHT, 0x00FF00},
      {"pressed button sunken", "BUTTON", "SOLID", 0, 0x0000FF, ODS_SELECTED, COLOR_BTNSHADOW, 0x0000FF},
      {"static 3DIN", "STATIC", "3DIN", 0, 0xFFFFFF, 0, COLOR_BTNSHADOW, 0xFFFFFF},
      {"static 3DIN without colour: no fill", "STATIC", "3DIN", 0, kNoColor, 0, COLOR_BTNSHADOW, kBackground},
      {"static SOLID 0 without colour: nothing", "STATIC", "SOLID", 0, kNoColor, 0, -1, kBackground},
      {"rect SOLID 0 with a colour is filled", "RECT", "SOLID", 0, 0x00FFFF, 0, -2, 0x00FFFF},
  };
  test::DibCanvas canvas(40, 30, kBackground);
  for (const Case& c : cases) {
    canvas.Clear(kBackground);
    ItemDef item = Item(c.type, 40, 30);
    item.borderStyle = c.style;
    item.borderSize = c.size;
    item.backColor = c.backColor;
    ASSERT_EQ(Paint("k", item, canvas.dc(), ODA_DRAWENTIRE, c.state), 1) << c.what;
    const COLORREF corner = canvas.Pixel(0, 15);
    if (c.topLeftShade >= 0) {
      EXPECT_EQ(corner, GetSysColor(c.topLeftShade)) << c.what;
    } else {
      EXPECT_EQ(corner, c.topLeftShade == -1 ? kBackground : c.inside) << c.what;
    }
    EXPECT_EQ(canvas.Pixel(10, 10), static_cast<COLORREF>(c.inside))
        << c.what << ": expected 0x" << std::hex << c.inside << ", got 0x" << canvas.Pixel(10, 10);
  }
  EXPECT_TRUE(test::TakeReportedCodes().empty());
}

TEST_F(FormPaintTest, FocusRectangleFollowsTheFocusState) {
  struct Case {
    const char* what;
    const char* type;
    UINT action, state;
    RECT rcItem;
    bool drawn;
    RECT expected;
  };
  const Case cases[] = {
      {"focus gained", "BUTTON", ODA_FOCUS, ODS_FOCUS, {0, 0, 80, 35}, true, {5, 5, 76, 31}},
      {"pressed with focus", "BUTTON", ODA_SELECT, ODS_FOCUS | ODS_SELECTED, {0, 0, 80, 35}, true, {5, 5, 76, 31}},
      {"repaint with focus", "BUTTON", ODA_DRAWENTIRE, ODS_FOCUS, {0, 0, 80, 35}, true, {5, 5, 76, 31}},
      {"focus lost", "BUTTON", ODA_FOCUS, 0, {0, 0, 80, 35}, false, {}},
      {"repaint without focus", "BUTTON", ODA_DRAWENTIRE, 0, {0, 0, 80, 35}, false, {}},
      {"left and top kept at 1", "BUTTON", ODA_FOCUS, ODS_FOCUS, {-9, -6, 80, 35}, true, {1, 1, 76, 31}},
      {"right and bottom below 1", "BUTTON", ODA_FOCUS, ODS_FOCUS, {0, 0, 3, 4}, true, {5, 5, 3, 4}},
      {"statics have none", "STATIC", ODA_FOCUS, ODS_FOCUS, {0, 0, 80, 35}, false, {}},
  };
  test::DibCanvas canvas(80, 35, kBackground);
  for (const Case& c : cases) {
    logged = Log();
    ASSERT_EQ(Paint("k", Item(c.type, 80, 35), canvas.dc(), c.action, c.state, c.rcItem), 1) << c.what;
    ASSERT_EQ(logged.focusRects.size(), c.drawn ? 1u : 0u) << c.what;
    if (c.drawn) {
      EXPECT_EQ(test::Describe(logged.focusRects[0]), test::Describe(c.expected)) << c.what;
    }
  }
}

TEST_F(FormPaintTest, ButtonThatLosesTheFocusShowsNoFocusRectangle) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  test::DibCanvas canvas(80, 35, kBackground);
  const ItemDef key = Item("BUTTON", 80, 35);
  ASSERT_EQ(Paint("7", key, canvas.dc(), ODA_FOCUS, ODS_FOCUS), 1);
  int dotted = 0;  // the focus rectangle is a dotted line
  for (int y = 5; y < 31; ++y) dotted += canvas.Pixel(5, y) != face;
  EXPECT_GE(dotted, 10) << "the focus rectangle of the focused key is missing";
  // A focus change arrives as ODA_FOCUS on Windows and as a full repaint under Wine.
  for (UINT action : {UINT(ODA_FOCUS), UINT(ODA_DRAWENTIRE)}) {
    ASSERT_EQ(Paint("7", key, canvas.dc(), action, ODS_FOCUS), 1);
    ASSERT_EQ(Paint("7", key, canvas.dc(), action, 0), 1);
    for (int y = 5; y < 31; ++y) {
      ASSERT_EQ(canvas.Pixel(5, y), face) << "a focus rectangle is left at (5, " << y << ")";
      ASSERT_EQ(canvas.Pixel(75, y), face) << "a focus rectangle is left at (75, " << y << ")";
    }
  }
}

TEST_F(FormPaintTest, StatusBarShowsTheMessageOrTheRemarkOnFocus) {
  HWND const statusBar = reinterpret_cast<HWND>(0x777);
  struct Case {
    const char* what;
    bool hasStatusBar;
    const char* statusText;
    const char* type;
    UINT action;
    const char* expected;  // nullptr: no text set
  };
  const Case cases[] = {
      {"remark", true, "", "BUTTON", ODA_FOCUS, "Press me"},
      {"validation message first", true, "Saisie obligatoire", "BUTTON", ODA_FOCUS, "Saisie obligatoire"},
      {"no status bar", false, "", "BUTTON", ODA_FOCUS, nullptr},
      {"not a focus change", true, "", "BUTTON", ODA_DRAWENTIRE, nullptr},
      {"not a button", true, "", "STATIC", ODA_FOCUS, nullptr},
  };
  test::DibCanvas canvas(80, 35, kBackground);
  for (const Case& c : cases) {
    logged = Log();
    form.hasStatusBar = c.hasStatusBar;
    form.statusBar = statusBar;
    form.statusText = c.statusText;
    ItemDef item = Item(c.type, 40, 20);
    item.remark = "Press me";
    ASSERT_EQ(Paint("k", item, canvas.dc(), c.action, ODS_FOCUS), 1) << c.what;
    if (!c.expected) {
      EXPECT_TRUE(logged.statusTexts.empty()) << c.what;
      continue;
    }
    ASSERT_EQ(logged.statusTexts.size(), 1u) << c.what;
    EXPECT_EQ(logged.statusTexts[0], c.expected) << c.what;
    EXPECT_EQ(logged.statusWindows[0], statusBar) << c.what;
  }
}

TEST_F(FormPaintTest, OnlyOwnerDrawnItemsOfTheFormArePainted) {
  test::DibCanvas canvas(80, 35, kBackground);
  for (const char* type : {"EDIT", "BUTTONSYS", "CHECKSYS", "COMBOSYS", "DATAGRID"}) {
    logged = Log();
    EXPECT_EQ(Paint("k", Item(type, 80, 35), canvas.dc()), 0) << type;
    EXPECT_TRUE(logged.textColors.empty() && logged.texts.empty()) << type;
  }
  ResetRegistry();
  DRAWITEMSTRUCT draw = {};
  draw.hwndItem = kControl;
  draw.hDC = canvas.dc();
  EXPECT_EQ(FormDrawItem("f", form, draw), 0) << "a control that is no item";
  StoreItemDef(ItemKey("other", "k"), Item("BUTTON", 80, 35));
  EXPECT_EQ(FormDrawItem("f", form, draw), 0) << "an item of another form";
  EXPECT_EQ(canvas.Pixel(10, 10), kBackground);
}

COLORREF WINAPI InvalidColor(HDC, COLORREF) { return CLR_INVALID; }
int WINAPI NoText(HDC, LPCSTR, int, LPRECT, UINT) { return 0; }
BOOL WINAPI NoFocusRect(HDC, const RECT*) { return FALSE; }
BOOL WINAPI NoEdge(HDC, LPRECT, UINT, UINT) { return FALSE; }

TEST_F(FormPaintTest, PaintingFailuresAreReportedAndPaintingGoesOn) {
  test::DibCanvas canvas(80, 35, kBackground);
  ItemDef key = Item("BUTTON", 80, 35);
  {
    os::Override<decltype(&::SetTextColor)> fail(&os::Table::SetTextColor, InvalidColor);
    EXPECT_EQ(Paint("k", key, canvas.dc()), 1);
    EXPECT_EQ(test::TakeReportedCodes(), std::vector<int>{1026});
  }
  {
    os::Override<decltype(&::SetBkColor)> fail(&os::Table::SetBkColor, InvalidColor);
    EXPECT_EQ(Paint("k", key, canvas.dc()), 1);
    EXPECT_EQ(test::TakeReportedCodes(), std::vector<int>{1029});
  }
  {
    os::Override<decltype(&::DrawTextA)> fail(&os::Table::DrawTextA, NoText);
    EXPECT_EQ(Paint("k", key, canvas.dc(), ODA_FOCUS, ODS_FOCUS), 1);
    EXPECT_EQ(test::TakeReportedCodes(), std::vector<int>{1045});
  }
  {
    os::Override<decltype(&::DrawFocusRect)> fail(&os::Table::DrawFocusRect, NoFocusRect);
    EXPECT_EQ(Paint("k", key, canvas.dc(), ODA_FOCUS, ODS_FOCUS), 1);
    EXPECT_EQ(test::TakeReportedCodes(), std::vector<int>{1041});
  }
  {
    logged = Log();
    os::Override<decltype(&::DrawEdge)> fail(&os::Table::DrawEdge, NoEdge);
    EXPECT_EQ(Paint("k", key, canvas.dc()), 1);
    EXPECT_EQ(test::TakeReportedCodes(), std::vector<int>{1040}) << "returned by the border, reported here";
    EXPECT_EQ(logged.texts.size(), 1u) << "the caption is drawn after a failed border";
  }
  ItemDef label = Item("STATIC", 80, 35);
  label.value = "v";
  label.borderStyle = "3din";  // stored as given at run time: no known style
  label.backColor = 0xFFFFFF;
  EXPECT_EQ(Paint("s", label, canvas.dc()), 1);
  EXPECT_EQ(test::TakeReportedCodes(), std::vector<int>{25});
  EXPECT_EQ(canvas.Pixel(40, 30), 0xFFFFFFu) << "the fill is drawn before the unknown style";
}

// ---- edit fields ----

LOGBRUSH BrushOf(INT_PTR handle) {
  LOGBRUSH brush = {};
  GetObjectA(reinterpret_cast<HBRUSH>(handle), sizeof brush, &brush);
  return brush;
}

TEST_F(FormPaintTest, EditFieldColoursAndDefaults) {
  struct Case {
    const char* what;
    ColorValue textColor, backColor;
    COLORREF expectedText, expectedBack;
  };
  const Case cases[] = {
      {"black on white by default", kNoColor, kNoColor, 0x000000, 0xFFFFFF},
      {"own colours", 0xFF0000, 0x00FFFF, 0xFF0000, 0x00FFFF},
  };
  test::DibCanvas canvas(10, 10, kBackground);
  for (const Case& c : cases) {
    logged = Log();
    ItemDef field = Item("EDIT", 80, 20);
    field.textColor = c.textColor;
    field.backColor = c.backColor;
    StoreItemDef(ItemKey("f", "name"), field);
    const INT_PTR brush = FormColorEdit("f", "name", canvas.dc());
    ASSERT_NE(brush, 0) << c.what;
    EXPECT_EQ(BrushOf(brush).lbColor, c.expectedBack) << c.what;
    EXPECT_EQ(logged.textColors, std::vector<COLORREF>{c.expectedText}) << c.what;
    EXPECT_EQ(logged.backColors, std::vector<COLORREF>{c.expectedBack}) << c.what;
    const ItemDef stored = FindItemDef("f", "name");
    EXPECT_EQ(reinterpret_cast<INT_PTR>(stored.backBrush), brush) << c.what;
    EXPECT_EQ(BrushOf(reinterpret_cast<INT_PTR>(stored.textBrush)).lbColor, c.expectedText) << c.what;
    DeleteObject(stored.backBrush);
    DeleteObject(stored.textBrush);
  }
  EXPECT_EQ(FormColorEdit("f", "", canvas.dc()), 0) << "a control that is no item";
  EXPECT_EQ(FormColorEdit("f", "missing", canvas.dc()), 0);
  EXPECT_TRUE(test::TakeReportedCodes().empty());
}

TEST_F(FormPaintTest, EditFieldBrushesStayFlatAndTheLastOnesAreRecorded) {
  test::DibCanvas canvas(10, 10, kBackground);
  test::GdiCounter counter;
  StoreItemDef(ItemKey("f", "name"), Item("EDIT", 80, 20));
  INT_PTR previous = 0;
  for (int i = 0; i < 10000; ++i) {
    const INT_PTR brush = FormColorEdit("f", "name", canvas.dc());
    ASSERT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(brush)), static_cast<DWORD>(OBJ_BRUSH))
        << "the returned brush is not valid, message " << i;
    if (previous) {
      ASSERT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(previous)), 0u)
          << "the brush of the previous message was kept, message " << i;
    }
    previous = brush;
  }
  EXPECT_EQ(counter.live(), 2) << "expected the recorded pair only";
  const ItemDef stored = FindItemDef("f", "name");
  EXPECT_EQ(reinterpret_cast<INT_PTR>(stored.backBrush), previous);
  // The form's close releases the recorded pair.
  DeleteObject(stored.backBrush);
  DeleteObject(stored.textBrush);
}

HBRUSH WINAPI NoBrush(COLORREF) { return nullptr; }

TEST_F(FormPaintTest, EditFieldFailuresAreReported) {
  test::DibCanvas canvas(10, 10, kBackground);
  StoreItemDef(ItemKey("f", "name"), Item("EDIT", 80, 20));
  {
    test::GdiCounter counter;
    ASSERT_NE(FormColorEdit("f", "name", canvas.dc()), 0);
    os::Override<decltype(&::CreateSolidBrush)> fail(&os::Table::CreateSolidBrush, NoBrush);
    EXPECT_EQ(FormColorEdit("f", "name", canvas.dc()), 0);
    EXPECT_EQ(test::TakeReportedCodes(), (std::vector<int>{1028, 1028}));
    EXPECT_EQ(counter.live(), 0) << "the brushes of the previous message leaked";
    EXPECT_EQ(FindItemDef("f", "name").backBrush, nullptr);
  }
  {
    os::Override<decltype(&::SetTextColor)> fail(&os::Table::SetTextColor, InvalidColor);
    EXPECT_NE(FormColorEdit("f", "name", canvas.dc()), 0);
    EXPECT_EQ(test::TakeReportedCodes(), std::vector<int>{1029});
  }
  {
    os::Override<decltype(&::SetBkColor)> fail(&os::Table::SetBkColor, InvalidColor);
    EXPECT_NE(FormColorEdit("f", "name", canvas.dc()), 0);
    EXPECT_EQ(test::TakeReportedCodes(), std::vector<int>{1029});
  }
  const ItemDef stored = FindItemDef("f", "name");
  DeleteObject(stored.backBrush);
  DeleteObject(stored.textBrush);
}

}  // namespace
