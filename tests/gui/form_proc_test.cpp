// The form procedure against real dialogs: the "BEFORE" offer of every message, the
// controls made in sequence order, the status bar, the background brush, and the close.
#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "fenwix/error/error_context.h"
#include "fenwix/formproc/form_proc.h"
#include "tests/gui/gui_test_helpers.h"

namespace {

struct Offer {
  std::string form, item, event;
  HWND dialog;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  std::string contextFunction;
};
std::vector<Offer> offers;
UINT refusedMessage = 0;  // "BEFORE" answers refusedAnswer for it
std::intptr_t refusedAnswer = 77;
UINT throwingMessage = 0;
// Declared by the callback when the form's first control is made, as an application may
// declare items while its form starts.
std::vector<std::pair<std::string, int>> lateItems;

std::intptr_t Watch(std::string form, std::string item, std::string event, HWND dialog,
                    UINT message, WPARAM wParam, LPARAM lParam) {
  offers.push_back({form, item, event, dialog, message, wParam, lParam,
                    CurrentErrorContext().functionName});
  if (message == throwingMessage) throw std::runtime_error("application failure");
  if (message == WM_PARENTNOTIFY && LOWORD(wParam) == WM_CREATE) {
    for (const auto& late : lateItems)
      FX_FormItemAdd(form, late.first, fx::item::BUTTON, late.second, 0, 0, 9, 9, "");
    lateItems.clear();
  }
  return message == refusedMessage ? refusedAnswer : 0;
}

// Bits in both halves of a 64-bit word: a pass through a 32-bit int, LONG or DWORD would
// cut them in a 64-bit program.
const WPARAM kWideWParam = static_cast<WPARAM>(0xFEDCBA9876543210ull);
const LPARAM kWideLParam = static_cast<LPARAM>(0x8123456789ABCDEFull);
const std::intptr_t kWideAnswer = static_cast<std::intptr_t>(0x7654321089ABCDEFull);

class FormProcTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    test::RestartLibrary();
    main_ = test::NewName("ProcMain");
    ASSERT_EQ(FX_WindowMainCreate(main_, SW_SHOWNORMAL, test::MainWindowProc, "", 0, 0, 600, 500), 0);
  }
  void SetUp() override {
    test::PumpMessages();
    test::RecordedMessageBoxes().clear();
    offers.clear();
    refusedMessage = 0;
    refusedAnswer = 77;
    throwingMessage = 0;
    form_ = test::NewName("proc");
  }
  void TearDown() override {
    refusedMessage = 0;
    throwingMessage = 0;
    const HWND dialog = FindWindowDef(form_).handle;
    if (dialog && IsWindow(dialog)) SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
  }

  void Add(const std::string& item, const char* type, int sequence) {
    ASSERT_EQ(FX_FormItemAdd(form_, item, type, sequence, 10 * sequence, 10, 30, 30, ""), 0);
  }
  HWND Open(const std::string& properties = "edge=false;stbar=false") {
    EXPECT_EQ(FX_FormCreate(form_, properties, 0, 0, 300, 200, Watch), 0);
    return FindWindowDef(form_).handle;
  }
  std::vector<Offer> OffersOf(UINT message) {
    std::vector<Offer> found;
    for (const Offer& o : offers)
      if (o.message == message) found.push_back(o);
    return found;
  }
  HWND ControlOf(const std::string& item) { return FindItemDef(form_, item).control; }

  // The procedure's context names no window, so its reports show the main window's.
  static std::string Head(int code) { return test::ReportHead(code, "FX_FormProcIntl", main_); }

  std::string form_;
  static std::string main_;
};
std::string FormProcTest::main_;

TEST_F(FormProcTest, WithoutARegisteredFormEveryMessageGetsFour) {
  TheRegistry().CurrentFormName = "never declared";
  EXPECT_EQ(FX_FormProcIntl(nullptr, WM_APP, 0, 0), 4);
  TheRegistry().CurrentFormName.clear();
  EXPECT_EQ(FX_FormProcIntl(nullptr, WM_SYSCOMMAND, SC_CLOSE, 0), 4);
}

TEST_F(FormProcTest, BeforeIsOfferedWithTheItemOfTheControl) {
  Add("grid", fx::item::DATAGRID, 1);  // an item without a control
  Add("key", fx::item::BUTTON, 2);
  const HWND dialog = Open();
  ASSERT_TRUE(IsWindow(dialog));

  // The initialisation's lParam is 0: no control, so no item, although the data grid
  // records a null control.
  const std::vector<Offer> init = OffersOf(WM_INITDIALOG);
  ASSERT_EQ(init.size(), 1u);
  EXPECT_EQ(init[0].form, form_);
  EXPECT_EQ(init[0].item, "");
  EXPECT_EQ(init[0].event, fx::event::BEFORE);
  EXPECT_EQ(init[0].dialog, dialog);
  EXPECT_EQ(init[0].contextFunction, "FX_FormProcIntl");

  offers.clear();
  const HWND key = ControlOf("key");
  FX_FormProcIntl(dialog, WM_APP, 5, reinterpret_cast<LPARAM>(key));
  ASSERT_EQ(offers.size(), 1u);
  EXPECT_EQ(offers[0].item, "key");
  EXPECT_EQ(offers[0].event, fx::event::BEFORE);
  EXPECT_EQ(offers[0].message, static_cast<UINT>(WM_APP));
  EXPECT_EQ(offers[0].wParam, 5u);
  EXPECT_EQ(offers[0].lParam, reinterpret_cast<LPARAM>(key));

  offers.clear();
  FX_FormProcIntl(dialog, WM_APP, kWideWParam, kWideLParam);
  ASSERT_EQ(offers.size(), 1u);
  EXPECT_EQ(offers[0].wParam, kWideWParam) << "every bit of wParam";
  EXPECT_EQ(offers[0].lParam, kWideLParam) << "every bit of lParam";
}

TEST_F(FormProcTest, ANonZeroBeforeEndsTheHandling) {
  Add("key", fx::item::BUTTON, 1);
  refusedMessage = WM_INITDIALOG;
  const HWND dialog = Open();
  ASSERT_TRUE(IsWindow(dialog));
  EXPECT_EQ(GetWindow(dialog, GW_CHILD), nullptr) << "no controls after a refused start";
  EXPECT_EQ(ControlOf("key"), nullptr);

  refusedMessage = WM_APP;
  EXPECT_EQ(FX_FormProcIntl(dialog, WM_APP, 0, 0), 77);
  refusedAnswer = kWideAnswer;
  EXPECT_EQ(FX_FormProcIntl(dialog, WM_APP, 0, 0), kWideAnswer) << "every bit of the answer";

  refusedMessage = WM_SYSCOMMAND;
  SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(IsWindow(dialog)) << "the form stays open";
  EXPECT_EQ(TheRegistry().CurrentFormName, form_);
  EXPECT_TRUE(FindWindowDef(form_).closeReason.empty());
}

TEST_F(FormProcTest, AnExceptionOfTheApplicationNeverLeavesTheProcedure) {
  const HWND dialog = Open();
  throwingMessage = WM_APP;
  EXPECT_EQ(FX_FormProcIntl(dialog, WM_APP, 0, 0), 0);
  // Counted as 0: the close goes on.
  throwingMessage = WM_SYSCOMMAND;
  EXPECT_EQ(FX_FormProcIntl(dialog, WM_SYSCOMMAND, SC_CLOSE, 0), 1);
  EXPECT_FALSE(IsWindow(dialog));
}

std::vector<std::string> createdTexts;
HWND WINAPI RecordCreate(DWORD exStyle, LPCSTR className, LPCSTR text, DWORD style, int x, int y,
                         int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                         LPVOID data) {
  createdTexts.push_back(text ? text : "(none)");
  return os::real().CreateWindowExA(exStyle, className, text, style, x, y, width, height, parent,
                                    menu, instance, data);
}

TEST_F(FormProcTest, ControlsAreMadeInSequenceOrderUpToTheFirstGap) {
  typedef std::vector<std::pair<std::string, int>> Items;
  struct Case {
    const char* what;
    Items declared, late;
    std::vector<std::string> created;
  };
  const Case cases[] = {
      // "e" is declared for another form: it fills no gap.
      {"unsorted, a gap at 4", {{"a", 3}, {"b", 1}, {"c", 2}, {"d", 5}}, {}, {"b", "c", "a"}},
      {"no item 1", {{"a", 2}, {"b", 3}}, {}, {}},
      {"same number twice: the first name", {{"y", 1}, {"x", 1}, {"z", 2}}, {}, {"x", "z"}},
      {"declared while starting", {{"a", 1}, {"z", 3}}, {{"m", 2}, {"n", 4}}, {"a", "m", "z", "n"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    form_ = test::NewName("order");
    for (const auto& item : c.declared) Add(item.first, fx::item::BUTTON, item.second);
    ASSERT_EQ(FX_FormItemAdd(form_ + "x", "e", fx::item::BUTTON, 4, 0, 0, 9, 9, ""), 0);
    lateItems = c.late;
    createdTexts.clear();
    HWND dialog;
    {
      os::Override<decltype(&::CreateWindowExA)> record(&os::Table::CreateWindowExA, RecordCreate);
      dialog = Open();
    }
    EXPECT_EQ(createdTexts, c.created);
    // Every control made names its item, those declared late among them.
    for (const std::string& item : c.created) {
      offers.clear();
      FX_FormProcIntl(dialog, WM_APP, 0, reinterpret_cast<LPARAM>(ControlOf(item)));
      ASSERT_EQ(offers.size(), 1u);
      EXPECT_EQ(offers[0].item, item);
    }
    SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
  }
}

TEST_F(FormProcTest, AKeyWithoutAFormPartEndsTheCreation) {
  Add("late", fx::item::BUTTON, 1);
  ItemDef stray;
  stray.type = fx::item::BUTTON;
  stray.sequence = 1;
  StoreItemDef("0stray", stray);  // sorts before every form's keys
  Open();
  EXPECT_EQ(ControlOf("late"), nullptr);
  TheRegistry().items.erase("0stray");
}

struct StatusBarCall {
  std::string className;
  bool hasText;
  DWORD style;
  int x, y, width, height;
  HWND parent;
  INT_PTR id;
};
std::vector<StatusBarCall> statusBarCalls;
bool refuseStatusBar = false;
HWND WINAPI RecordStatusBar(DWORD exStyle, LPCSTR className, LPCSTR text, DWORD style, int x,
                            int y, int width, int height, HWND parent, HMENU menu,
                            HINSTANCE instance, LPVOID data) {
  if (lstrcmpiA(className, STATUSCLASSNAMEA) == 0) {
    statusBarCalls.push_back({className, text != nullptr, style, x, y, width, height, parent,
                              reinterpret_cast<INT_PTR>(menu)});
    if (refuseStatusBar) return nullptr;
  }
  return os::real().CreateWindowExA(exStyle, className, text, style, x, y, width, height, parent,
                                    menu, instance, data);
}

TEST_F(FormProcTest, StatusBarIsMadeAfterTheItemsAndFollowsTheSize) {
  Add("key", fx::item::BUTTON, 1);
  statusBarCalls.clear();
  refuseStatusBar = false;
  HWND dialog = nullptr;
  {
    os::Override<decltype(&::CreateWindowExA)> record(&os::Table::CreateWindowExA, RecordStatusBar);
    dialog = Open("edge=false");
  }
  ASSERT_EQ(statusBarCalls.size(), 1u);
  const StatusBarCall& call = statusBarCalls[0];
  EXPECT_FALSE(call.hasText);
  EXPECT_EQ(call.style, 0x50000100u);
  EXPECT_EQ(call.x | call.y | call.width | call.height, 0);
  EXPECT_EQ(call.parent, dialog);
  EXPECT_EQ(call.id, 100);

  const HWND statusBar = FindWindowDef(form_).statusBar;
  ASSERT_TRUE(IsWindow(statusBar));
  EXPECT_EQ(GetDlgCtrlID(statusBar), 100);
  EXPECT_EQ(GetWindow(dialog, GW_CHILD), ControlOf("key")) << "the items come first";

  MoveWindow(dialog, 0, 0, 260, 180, TRUE);
  EXPECT_EQ(FX_FormProcIntl(dialog, WM_SIZE, 0, MAKELPARAM(260, 180)), 1);
  RECT bar, client;
  GetWindowRect(statusBar, &bar);
  GetClientRect(dialog, &client);
  EXPECT_EQ(bar.right - bar.left, client.right) << "the status bar spans the new width";
}

// CLIENT declares a form's inside: the frame, the caption and the status bar are added
// around it, so that the bar covers no item; without it the size given is the outside.
TEST_F(FormProcTest, ClientIsTheInsideAndTheStatusBarGoesBelowIt) {
  const struct {
    const char* properties;
    int width, height;
    bool inside;
  } cases[] = {
      {"edge=false;client=250,120", 250, 120, true},
      {"client=250,120", 250, 120, true},
      {"stbar=false;client=250,120", 250, 120, true},
      {"", 300, 200, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.properties);
    SetUp();
    ASSERT_EQ(FX_FormItemAdd(form_, "foot", fx::item::BUTTON, 1, 10, 96, 80, 24, "anchor=bottom"), 0);
    const HWND dialog = Open(c.properties);
    test::PumpMessages();
    RECT client, window, bar = {}, foot;
    GetClientRect(dialog, &client);
    GetWindowRect(dialog, &window);
    if (FindWindowDef(form_).statusBar) GetWindowRect(FindWindowDef(form_).statusBar, &bar);
    GetWindowRect(ControlOf("foot"), &foot);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&foot), 2);
    if (c.inside) {
      EXPECT_EQ(client.right, c.width);
      EXPECT_EQ(client.bottom - (bar.bottom - bar.top), c.height);
      EXPECT_EQ(foot.bottom, 120) << "the item at the inside's foot stays above the bar";
    } else {
      EXPECT_EQ(window.right - window.left, c.width);
      EXPECT_EQ(window.bottom - window.top, c.height);
    }
    TearDown();
  }
}

// A framed form made larger from code: each item keeps its distances to the edges it is
// anchored to; an item that stretches or moves into the uncovered area paints whole again,
// one that only moves keeps its picture, and the others are left alone; MINSIZE is the least client size the frame may
// be dragged to.
TEST_F(FormProcTest, AnchoredItemsFollowTheFormAndMinSizeHoldsTheFrame) {
  const struct {
    const char* item;
    const char* type;
    const char* anchor;
    int dx, dy, dw, dh;  // moved and grown by the form's growth, 0 or 1 times
    bool repainted;      // the whole control is to paint again, else none of it
  } cases[] = {
      {"fixed", fx::item::BUTTON, "", 0, 0, 0, 0, false},
      {"wide", fx::item::EDIT, "left,right", 0, 0, 1, 0, true},
      {"right", fx::item::BUTTON, "right", 1, 0, 0, 0, false},
      {"tall", fx::item::BUTTON, "top,bottom", 0, 0, 0, 1, true},
      {"corner", fx::item::CHECKSYS, "right,bottom", 1, 1, 0, 0, true},  // into the new strip
  };
  int sequence = 0;
  for (const auto& c : cases) {
    ++sequence;
    ASSERT_EQ(FX_FormItemAdd(form_, c.item, c.type, sequence, 10, 30 * sequence, 100, 24,
                             std::string("anchor=") + c.anchor),
              0);
  }
  const HWND dialog = Open("stbar=false;minsize=200,150");
  auto clientRect = [&](const char* item) {
    RECT r;
    GetWindowRect(ControlOf(item), &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
  };
  std::vector<RECT> before;
  for (const auto& c : cases) before.push_back(clientRect(c.item));
  RECT client;
  GetClientRect(dialog, &client);
  RECT frame;
  GetWindowRect(dialog, &frame);
  test::PumpMessages();
  ASSERT_EQ(FX_WindowMove(form_, 0, 0, frame.right - frame.left + 80, frame.bottom - frame.top + 50), 0);
  std::vector<std::string> toPaint;  // what each control has to paint again, before it does
  for (const auto& c : cases) {
    RECT update = {}, whole;
    GetClientRect(ControlOf(c.item), &whole);
    const bool any = GetUpdateRect(ControlOf(c.item), &update, FALSE);
    toPaint.push_back(!any ? "none" : EqualRect(&update, &whole) ? "whole" : test::Describe(update));
  }
  test::PumpMessages();
  RECT grown;
  GetClientRect(dialog, &grown);
  const int gx = grown.right - client.right, gy = grown.bottom - client.bottom;
  ASSERT_EQ(gx, 80);
  ASSERT_EQ(gy, 50);
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const auto& c = cases[i];
    const RECT was = before[i], now = clientRect(c.item);
    EXPECT_EQ(now.left - was.left, c.dx * gx) << c.item;
    EXPECT_EQ(now.top - was.top, c.dy * gy) << c.item;
    EXPECT_EQ((now.right - now.left) - (was.right - was.left), c.dw * gx) << c.item;
    EXPECT_EQ((now.bottom - now.top) - (was.bottom - was.top), c.dh * gy) << c.item;
    EXPECT_EQ(toPaint[i], c.repainted ? "whole" : "none") << c.item;
  }

  MINMAXINFO limits = {};
  EXPECT_EQ(FX_FormProcIntl(dialog, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits)), 1);
  GetWindowRect(dialog, &frame);
  EXPECT_EQ(limits.ptMinTrackSize.x, 200 + (frame.right - frame.left) - grown.right);
  EXPECT_EQ(limits.ptMinTrackSize.y, 150 + (frame.bottom - frame.top) - grown.bottom);
}

TEST_F(FormProcTest, WithoutStatusBarSizeIsNotHandled) {
  const HWND dialog = Open("edge=false;stbar=no");
  EXPECT_EQ(FindWindowDef(form_).statusBar, nullptr);
  EXPECT_EQ(FX_FormProcIntl(dialog, WM_SIZE, 0, 0), 0);
}

TEST_F(FormProcTest, AStatusBarThatCannotBeMadeIsNoFailure) {
  statusBarCalls.clear();
  refuseStatusBar = true;
  HWND dialog = nullptr;
  {
    os::Override<decltype(&::CreateWindowExA)> refuse(&os::Table::CreateWindowExA, RecordStatusBar);
    dialog = Open("edge=false");
  }
  refuseStatusBar = false;
  EXPECT_EQ(statusBarCalls.size(), 1u);
  EXPECT_EQ(FindWindowDef(form_).statusBar, nullptr);
  SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_TRUE(test::Reports().empty()) << "nothing to report, at creation or at the close";
}

COLORREF BrushColor(INT_PTR brush) {
  LOGBRUSH logical = {};
  GetObjectA(reinterpret_cast<HBRUSH>(brush), sizeof logical, &logical);
  return logical.lbColor;
}

TEST_F(FormProcTest, OneBackgroundBrushPerFormReleasedAtTheClose) {
  test::GdiCounter gdi;
  const HWND dialog = Open("edge=false;stbar=false;bkcol=cyan");
  const INT_PTR first = FX_FormProcIntl(dialog, WM_CTLCOLORDLG, 0, reinterpret_cast<LPARAM>(dialog));
  ASSERT_NE(first, 0);
  EXPECT_EQ(BrushColor(first), RGB(0, 255, 255));
  for (int i = 0; i < 1000; ++i)
    ASSERT_EQ(FX_FormProcIntl(dialog, WM_CTLCOLORDLG, 0, 0), first) << "message " << i;
  for (int i = 0; i < 50; ++i)
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_EQ(gdi.live(), 1);

  // A new colour makes a new brush; the old one goes.
  FormDef record = FindWindowDef(form_);
  record.backColor = RGB(255, 0, 0);
  StoreWindowDef(form_, record);
  const INT_PTR second = FX_FormProcIntl(dialog, WM_CTLCOLORDLG, 0, 0);
  EXPECT_EQ(BrushColor(second), RGB(255, 0, 0));
  EXPECT_EQ(gdi.live(), 1);

  SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(gdi.live(), 0) << "released at the close";
}

HBRUSH WINAPI NoBrush(COLORREF) { return nullptr; }

TEST_F(FormProcTest, BackgroundBrushFailureIsReported) {
  const HWND dialog = Open();
  // A colour without a brush yet: the shown form has one of its own colour already.
  FormDef record = FindWindowDef(form_);
  record.backColor = RGB(1, 2, 3);
  StoreWindowDef(form_, record);
  {
    os::Override<decltype(&::CreateSolidBrush)> fail(&os::Table::CreateSolidBrush, NoBrush);
    EXPECT_EQ(FX_FormProcIntl(dialog, WM_CTLCOLORDLG, 0, 0), 0);
  }
  EXPECT_EQ(test::OneReportStartingWith(Head(1028)), "");
}

TEST_F(FormProcTest, ButtonsAndLabelsGetTheWindowsDefaultColours) {
  const HWND dialog = Open("edge=false;stbar=false;bkcol=cyan");
  const HDC dc = CreateCompatibleDC(nullptr);
  for (const UINT message : {WM_CTLCOLORBTN, WM_CTLCOLORSTATIC}) {
    SetTextColor(dc, RGB(1, 2, 3));
    SetBkColor(dc, RGB(4, 5, 6));
    EXPECT_EQ(FX_FormProcIntl(dialog, message, reinterpret_cast<WPARAM>(dc), 0),
              reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE)))
        << "message " << message;
    EXPECT_EQ(GetTextColor(dc), GetSysColor(COLOR_WINDOWTEXT)) << "message " << message;
    EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_BTNFACE)) << "message " << message;
  }
  DeleteDC(dc);
}

TEST_F(FormProcTest, CloseRecordsTheReasonAndForgetsTheForm) {
  const HWND dialog = Open();
  EXPECT_EQ(FX_FormProcIntl(dialog, WM_SYSCOMMAND, SC_MINIMIZE, 0), 0) << "other commands";
  EXPECT_TRUE(IsWindow(dialog));
  EXPECT_EQ(FX_FormProcIntl(dialog, WM_SYSCOMMAND, SC_CLOSE, 0), 1);
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_EQ(FindWindowDef(form_).closeReason, "CLOSE");
  EXPECT_TRUE(TheRegistry().CurrentFormName.empty());

  // Later messages are answered 4 and reach no callback.
  offers.clear();
  EXPECT_EQ(FX_FormProcIntl(dialog, WM_APP, 0, 0), 4);
  EXPECT_TRUE(offers.empty());

  // A reason recorded before the close (an OK button) is kept.
  const HWND again = Open();
  FormDef record = FindWindowDef(form_);
  record.closeReason = "OK";
  StoreWindowDef(form_, record);
  SendMessageA(again, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(FindWindowDef(form_).closeReason, "OK");
  EXPECT_TRUE(test::Reports().empty());
}

TEST_F(FormProcTest, CloseReleasesAndForgetsTheItemBrushes) {
  Add("name", fx::item::EDIT, 1);
  Add("other", fx::item::EDIT, 2);
  ASSERT_EQ(FX_FormItemAdd(form_ + "x", "name", fx::item::EDIT, 1, 0, 0, 9, 9, ""), 0);
  const HWND dialog = Open();
  test::GdiCounter gdi;
  for (const std::string& key : {ItemKey(form_, "name"), ItemKey(form_ + "x", "name")}) {
    ItemDef item = TheRegistry().items.at(key);
    item.backBrush = os::CreateSolidBrush(RGB(1, 2, 3));
    item.textBrush = os::CreateSolidBrush(RGB(4, 5, 6));
    StoreItemDef(key, item);
  }
  ASSERT_EQ(gdi.live(), 4);
  SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(gdi.live(), 2) << "only the closed form's brushes are released";
  EXPECT_EQ(FindItemDef(form_, "name").backBrush, nullptr);
  EXPECT_EQ(FindItemDef(form_, "name").textBrush, nullptr);
  const ItemDef otherForm = FindItemDef(form_ + "x", "name");
  EXPECT_NE(otherForm.backBrush, nullptr);
  DeleteObject(otherForm.backBrush);
  DeleteObject(otherForm.textBrush);
}

HWND failingWindow = nullptr;
BOOL WINAPI DestroyFails(HWND window) {
  if (window == failingWindow) return FALSE;
  return os::real().DestroyWindow(window);
}

TEST_F(FormProcTest, CloseReportsAFailedDestructionAndGoesOn) {
  struct Case {
    const char* what;
    bool refuseStatusBar;  // else the dialog is refused
  };
  for (const Case& c : {Case{"status bar", true}, Case{"dialog", false}}) {
    SCOPED_TRACE(c.what);
    test::RecordedMessageBoxes().clear();
    const HWND dialog = Open("edge=false");
    failingWindow = c.refuseStatusBar ? FindWindowDef(form_).statusBar : dialog;
    {
      os::Override<decltype(&::DestroyWindow)> fail(&os::Table::DestroyWindow, DestroyFails);
      EXPECT_EQ(FX_FormProcIntl(dialog, WM_SYSCOMMAND, SC_CLOSE, 0), 1);
    }
    EXPECT_EQ(test::OneReportStartingWith(Head(1037)), "");
    EXPECT_TRUE(TheRegistry().CurrentFormName.empty());
    EXPECT_EQ(IsWindow(dialog) != FALSE, !c.refuseStatusBar);
    if (IsWindow(dialog)) DestroyWindow(dialog);
  }
}

BOOL WINAPI EndsButFails(HWND dialog, INT_PTR result) {
  os::real().EndDialog(dialog, result);
  return FALSE;
}
std::intptr_t CloseAtStart(std::string, std::string, std::string, HWND dialog, UINT message,
                           WPARAM, LPARAM) {
  if (message == WM_INITDIALOG) PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
  return 0;
}

TEST_F(FormProcTest, ModalCloseReportsAFailedEnd) {
  os::Override<decltype(&::EndDialog)> fail(&os::Table::EndDialog, EndsButFails);
  EXPECT_EQ(FX_FormCreate(form_, "modal=yes;edge=false;stbar=false", 0, 0, 100, 100, CloseAtStart), 0);
  EXPECT_EQ(test::OneReportStartingWith(Head(1025)), "");
  EXPECT_TRUE(TheRegistry().CurrentFormName.empty());
}

TEST_F(FormProcTest, TheInterruptedCallsContextComesBack) {
  const HWND dialog = Open();
  SetErrorContext("outer", "OuterCall");
  offers.clear();
  SendMessageA(dialog, WM_APP, 0, 0);
  ASSERT_EQ(offers.size(), 1u);
  EXPECT_EQ(offers[0].contextFunction, "FX_FormProcIntl") << "its own while it runs";
  EXPECT_EQ(CurrentErrorContext().functionName, "OuterCall");
  EXPECT_EQ(CurrentErrorContext().windowName, "outer");
}

}  // namespace
