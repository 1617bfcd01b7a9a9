// Title and placement of registered windows: the main window within the work area, the
// others within the main window's client area; the codes and the error context.
#include <gtest/gtest.h>

#include <string>

#include "fenwix/error/error_context.h"
#include "tests/gui/gui_test_helpers.h"

namespace {

class WindowPlaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::RestartLibrary();
    main_ = test::NewName("PlaceMain");
    ASSERT_EQ(FX_WindowMainCreate(main_, SW_SHOWNORMAL, test::MainWindowProc, "", 0, 0, 500, 400), 0);
    mainHandle_ = FindWindowDef(main_).handle;
    // Any other registered window: a child of the main window.
    child_ = CreateWindowExA(0, "STATIC", "", WS_CHILD, 5, 6, 50, 40, mainHandle_, nullptr,
                             nullptr, nullptr);
    WindowDef record;
    record.handle = child_;
    record.x = 5;
    record.y = 6;
    StoreWindowDef("child", record);
    GetClientRect(mainHandle_, &client_);
    test::RecordedMessageBoxes().clear();
  }
  void TearDown() override { test::RestartLibrary(); }

  RECT ChildRect() {
    RECT r;
    GetWindowRect(child_, &r);
    MapWindowPoints(nullptr, mainHandle_, reinterpret_cast<POINT*>(&r), 2);
    return r;
  }

  std::string main_;
  HWND mainHandle_ = nullptr;
  HWND child_ = nullptr;
  RECT client_ = {};
};

TEST_F(WindowPlaceTest, TitleIsSetAndRecorded) {
  EXPECT_EQ(FX_WindowTitleSet(main_, "New title"), 0);
  char title[64] = "";
  GetWindowTextA(mainHandle_, title, sizeof title);
  EXPECT_STREQ(title, "New title");
  EXPECT_EQ(FindWindowDef(main_).name, "New title");
  EXPECT_TRUE(test::Reports().empty());
}

BOOL WINAPI NoText(HWND, LPCSTR) { return FALSE; }

TEST_F(WindowPlaceTest, TitleCodes) {
  EXPECT_EQ(FX_WindowTitleSet("", "x"), 1);
  EXPECT_EQ(FX_WindowTitleSet("unknown", "x"), 4);
  EXPECT_TRUE(test::Reports().empty()) << "1 and 4 are returned without a report";
  {
    os::Override<decltype(&::SetWindowTextA)> fail(&os::Table::SetWindowTextA, NoText);
    EXPECT_EQ(FX_WindowTitleSet(main_, "x"), 1003);
  }
  EXPECT_EQ(test::OneReportStartingWith(test::ReportHead(1003, "FX_WindowTitleSet", main_)), "");
  EXPECT_TRUE(FindWindowDef(main_).name.empty());
}

TEST_F(WindowPlaceTest, MainWindowKeepsItsPositionAndIsShown) {
  ShowWindow(mainHandle_, SW_HIDE);
  EXPECT_EQ(FX_WindowMove(main_, -10, -20, 300, 200), 0);
  RECT r;
  GetWindowRect(mainHandle_, &r);
  EXPECT_EQ(r.left, -10);
  EXPECT_EQ(r.top, -20);
  EXPECT_EQ(r.right - r.left, 300);
  EXPECT_EQ(r.bottom - r.top, 200);
  EXPECT_TRUE(IsWindowVisible(mainHandle_)) << "shown after every successful move";
  const WindowDef record = FindWindowDef(main_);
  EXPECT_EQ(record.x, -10);
  EXPECT_EQ(record.y, -20);
  EXPECT_EQ(record.width, 300);
  EXPECT_EQ(record.height, 200);
}

TEST_F(WindowPlaceTest, OtherWindowsStayInsideTheClientArea) {
  struct Case {
    int x, y, width, height;
    LONG left, top, right, bottom;
  };
  const LONG w = client_.right, h = client_.bottom;
  const Case cases[] = {
      {10, 20, 30, 40, 10, 20, 40, 60},
      {0, 0, 30, 40, 0, 0, 30, 40},  // 0 is inside
      // A position at the client's width or height (or beyond, or negative) keeps the
      // window's previous one.
      {w, h, 30, 40, 0, 0, 30, 40},
      {-1, 7, 30, 40, 0, 7, 30, 47},
      {3, h + 5, 30, 40, 3, 7, 33, 47},
      // Sizes below 1 or above the client area take the client area.
      {0, 0, 0, -1, 0, 0, w, h},
      {0, 0, w + 1, h, 0, 0, w, h},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(FX_WindowMove("child", c.x, c.y, c.width, c.height), 0);
    const RECT r = ChildRect();
    EXPECT_EQ(r.left, c.left) << "move to " << c.x << ", " << c.y;
    EXPECT_EQ(r.top, c.top) << "move to " << c.x << ", " << c.y;
    EXPECT_EQ(r.right, c.right) << "size " << c.width << " x " << c.height;
    EXPECT_EQ(r.bottom, c.bottom) << "size " << c.width << " x " << c.height;
    EXPECT_TRUE(IsWindowVisible(child_));
  }
}

BOOL WINAPI NoWorkArea(UINT, UINT, PVOID, UINT) { return FALSE; }
BOOL WINAPI NoClientRect(HWND, LPRECT) { return FALSE; }
BOOL WINAPI NoMove(HWND, int, int, int, int, BOOL) { return FALSE; }
// Moves the window for real, so the main window's procedure runs (WM_SIZE goes to the
// library), and then claims failure.
BOOL WINAPI MovesButFails(HWND window, int x, int y, int width, int height, BOOL repaint) {
  os::real().MoveWindow(window, x, y, width, height, repaint);
  return FALSE;
}

TEST_F(WindowPlaceTest, MoveCodesAreReportedUnderItsName) {
  EXPECT_EQ(FX_WindowMove("unknown", 0, 0, 10, 10), 4);
  EXPECT_EQ(test::OneReportStartingWith(test::ReportHead(4, "FX_WindowMove", "unknown")), "");
  test::RecordedMessageBoxes().clear();
  {
    os::Override<decltype(&::SystemParametersInfoA)> fail(&os::Table::SystemParametersInfoA,
                                                          NoWorkArea);
    EXPECT_EQ(FX_WindowMove(main_, 0, 0, 10, 10), 1004);
  }
  EXPECT_EQ(test::OneReportStartingWith(test::ReportHead(1004, "FX_WindowMove", main_)), "");
  test::RecordedMessageBoxes().clear();
  {
    os::Override<decltype(&::GetClientRect)> fail(&os::Table::GetClientRect, NoClientRect);
    EXPECT_EQ(FX_WindowMove("child", 0, 0, 10, 10), 1005);
  }
  EXPECT_EQ(test::OneReportStartingWith(test::ReportHead(1005, "FX_WindowMove", "child")), "");
  test::RecordedMessageBoxes().clear();
  {
    os::Override<decltype(&::MoveWindow)> fail(&os::Table::MoveWindow, NoMove);
    EXPECT_EQ(FX_WindowMove("child", 1, 2, 10, 10), 1012);
  }
  EXPECT_EQ(test::OneReportStartingWith(test::ReportHead(1012, "FX_WindowMove", "child")), "");
  EXPECT_EQ(FindWindowDef("child").x, 1) << "the record keeps the new geometry";
  test::RecordedMessageBoxes().clear();

  // The main window's procedure runs inside MoveWindow; the report still names the move.
  {
    os::Override<decltype(&::MoveWindow)> fail(&os::Table::MoveWindow, MovesButFails);
    EXPECT_EQ(FX_WindowMove(main_, 0, 0, 321, 222), 1012);
  }
  EXPECT_EQ(test::OneReportStartingWith(test::ReportHead(1012, "FX_WindowMove", main_)), "");
}

TEST_F(WindowPlaceTest, MoveWithoutAMainWindowGivesFour) {
  TheRegistry().MainWindowName = "gone";
  EXPECT_EQ(FX_WindowMove("child", 0, 0, 10, 10), 4);
  EXPECT_EQ(test::OneReportStartingWith(test::ReportHead(4, "FX_WindowMove", "child")), "");
  TheRegistry().MainWindowName = main_;
}

TEST_F(WindowPlaceTest, SuccessRestoresTheCallersContextFailureKeepsItsOwn) {
  SetErrorContext("outer", "OuterCall");
  ASSERT_EQ(FX_WindowMove(main_, 0, 0, 260, 300), 0);
  ASSERT_EQ(FX_WindowTitleSet(main_, "t"), 0);
  EXPECT_EQ(CurrentErrorContext().functionName, "OuterCall");
  EXPECT_EQ(CurrentErrorContext().windowName, "outer");

  EXPECT_EQ(FX_WindowMove("unknown", 0, 0, 10, 10), 4);
  EXPECT_EQ(CurrentErrorContext().functionName, "FX_WindowMove");
  EXPECT_EQ(CurrentErrorContext().windowName, "unknown");
}

}  // namespace
