// The main window's messages and the message loop: the quit message on destroy, the
// scroll bar hidden when the content fits, scrolling by lines, the repaint, the loop's
// exit code and its dialog navigation.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fenwix/window/window_messages.h"
#include "tests/gui/gui_test_helpers.h"

namespace {

struct ScrollInfoCall {
  HWND window;
  int bar;
  SCROLLINFO info;
  BOOL redraw;
};
std::vector<ScrollInfoCall> scrollInfoCalls;
int WINAPI RecordScrollInfo(HWND window, int bar, LPCSCROLLINFO info, BOOL redraw) {
  scrollInfoCalls.push_back({window, bar, *info, redraw});
  return os::real().SetScrollInfo(window, bar, info, redraw);
}

std::vector<HWND> hiddenBars;
BOOL WINAPI RecordShowScrollBar(HWND window, int bar, BOOL show) {
  if (bar == SB_VERT && !show) hiddenBars.push_back(window);
  return os::real().ShowScrollBar(window, bar, show);
}

class MainWindowMessagesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    test::RestartLibrary();
    name_ = test::NewName("Messages");
    ASSERT_EQ(FX_WindowMainCreate(name_, SW_SHOWNORMAL, test::MainWindowProc, "", 0, 0, 300, 300), 0);
    window_ = FindWindowDef(name_).handle;
  }
  void SetUp() override {
    test::PumpMessages();
    test::TakeQuitMessage();
    test::RecordedMessageBoxes().clear();
    scrollInfoCalls.clear();
    hiddenBars.clear();
    TheRegistry().CurrentWindowName = name_;
    TheRegistry().CurrentFormName.clear();
  }

  // The main window's record with the given scroll state.
  void SetScrollState(std::int32_t contentHeight, std::int32_t lineCount, std::int32_t first,
                      std::int32_t last) {
    WindowDef record = FindWindowDef(name_);
    record.contentHeight = contentHeight;
    record.lineCount = lineCount;
    record.firstLine = first;
    record.lastLine = last;
    StoreWindowDef(name_, record);
  }

  static std::string name_;
  static HWND window_;
};
std::string MainWindowMessagesTest::name_;
HWND MainWindowMessagesTest::window_ = nullptr;

TEST_F(MainWindowMessagesTest, ScrollingMovesTheViewAndTheScrollBar) {
  os::Override<decltype(&::SetScrollInfo)> record(&os::Table::SetScrollInfo, RecordScrollInfo);
  struct Case {
    const char* what;
    std::int32_t first, last;
    WPARAM wParam;
    std::int32_t expectedFirst, expectedLast;
  };
  const Case cases[] = {
      {"line down", 10, 19, MAKEWPARAM(SB_LINEDOWN, 0), 11, 20},
      {"page up", 30, 39, MAKEWPARAM(SB_PAGEUP, 0), 21, 30},
      {"page down at the end", 85, 94, MAKEWPARAM(SB_PAGEDOWN, 0), 90, 99},
      {"thumb track (thumb in the high word)", 10, 19, MAKEWPARAM(SB_THUMBTRACK, 40), 40, 49},
  };
  for (const Case& c : cases) {
    scrollInfoCalls.clear();
    SetScrollState(0, 100, c.first, c.last);
    EXPECT_EQ(FX_WindowMessageAuto(WM_VSCROLL, c.wParam), 0) << c.what;
    const WindowDef after = FindWindowDef(name_);
    EXPECT_EQ(after.firstLine, c.expectedFirst) << c.what;
    EXPECT_EQ(after.lastLine, c.expectedLast) << c.what;
    ASSERT_EQ(scrollInfoCalls.size(), 1u) << c.what;
    const ScrollInfoCall& call = scrollInfoCalls[0];
    EXPECT_EQ(call.window, window_);
    EXPECT_EQ(call.bar, SB_VERT);
    EXPECT_TRUE(call.redraw);
    EXPECT_EQ(call.info.fMask, static_cast<UINT>(SIF_RANGE | SIF_PAGE | SIF_POS));
    EXPECT_EQ(call.info.nMin, 0);
    EXPECT_EQ(call.info.nMax, 99);
    EXPECT_EQ(call.info.nPage, static_cast<UINT>(c.expectedLast - c.expectedFirst + 1)) << c.what;
    EXPECT_EQ(call.info.nPos, c.expectedFirst) << c.what;
  }
  EXPECT_TRUE(test::Reports().empty());
}

TEST_F(MainWindowMessagesTest, AViewThatDoesNotMoveLeavesTheScrollBarAlone) {
  os::Override<decltype(&::SetScrollInfo)> record(&os::Table::SetScrollInfo, RecordScrollInfo);
  struct Case {
    const char* what;
    std::int32_t lineCount, first, last;
    WPARAM wParam;
  };
  const Case cases[] = {
      {"line up at the top", 100, 0, 9, MAKEWPARAM(SB_LINEUP, 0)},
      {"thumb position", 100, 10, 19, MAKEWPARAM(SB_THUMBPOSITION, 50)},
      {"line down at the end", 100, 90, 99, MAKEWPARAM(SB_LINEDOWN, 0)},
      // No lines at all: the first line stays 0, never -1.
      {"no lines, line down", 0, 0, 0, MAKEWPARAM(SB_LINEDOWN, 0)},
      {"no lines, page down", 0, 0, 0, MAKEWPARAM(SB_PAGEDOWN, 0)},
      {"no lines, thumb track", 0, 0, 0, MAKEWPARAM(SB_THUMBTRACK, 3)},
  };
  for (const Case& c : cases) {
    SetScrollState(0, c.lineCount, c.first, c.last);
    EXPECT_EQ(FX_WindowMessageAuto(WM_VSCROLL, c.wParam), 0) << c.what;
    const WindowDef after = FindWindowDef(name_);
    EXPECT_EQ(after.firstLine, c.first) << c.what << ": expected first line " << c.first
                                         << ", got " << after.firstLine;
    EXPECT_EQ(after.lastLine, c.last) << c.what;
  }
  EXPECT_TRUE(scrollInfoCalls.empty()) << scrollInfoCalls.size() << " SetScrollInfo calls";
}

TEST_F(MainWindowMessagesTest, ScrollBarIsHiddenOnlyWhenTheContentFitsAtTheTop) {
  os::Override<decltype(&::ShowScrollBar)> record(&os::Table::ShowScrollBar, RecordShowScrollBar);
  RECT client;
  GetClientRect(window_, &client);
  struct Case {
    const char* what;
    std::int32_t contentHeight, first;
    bool hidden;
  };
  const Case cases[] = {
      {"content fits", client.bottom - 1, 0, true},
      {"content as tall as the client area", client.bottom, 0, false},
      {"content taller", client.bottom + 100, 0, false},
      {"content fits but scrolled down", 10, 3, false},
  };
  for (const Case& c : cases) {
    hiddenBars.clear();
    SetScrollState(c.contentHeight, 50, c.first, c.first + 5);
    EXPECT_EQ(FX_WindowMessageAuto(WM_SIZE, SIZE_RESTORED), 0) << c.what;
    // Hiding the bar resizes the client area, and the nested WM_SIZE may hide it again.
    EXPECT_EQ(!hiddenBars.empty(), c.hidden) << c.what;
  }
}

BOOL WINAPI NoClientRect(HWND, LPRECT) { return FALSE; }
BOOL WINAPI NoScrollBar(HWND, int, BOOL) { return FALSE; }
BOOL WINAPI NoInvalidate(HWND, const RECT*, BOOL) { return FALSE; }
BOOL WINAPI NoUpdate(HWND) { return FALSE; }

TEST_F(MainWindowMessagesTest, FailuresAreReportedUnderItsName) {
  const std::string head1005 = test::ReportHead(1005, "FX_WindowMessageAuto", name_);
  {
    os::Override<decltype(&::GetClientRect)> fail(&os::Table::GetClientRect, NoClientRect);
    EXPECT_EQ(FX_WindowMessageAuto(WM_SIZE, 0), 1005);
  }
  EXPECT_EQ(test::OneReportStartingWith(head1005), "");
  test::RecordedMessageBoxes().clear();

  SetScrollState(0, 50, 0, 5);
  {
    os::Override<decltype(&::ShowScrollBar)> fail(&os::Table::ShowScrollBar, NoScrollBar);
    EXPECT_EQ(FX_WindowMessageAuto(WM_SIZE, 0), 1017);
  }
  EXPECT_EQ(test::OneReportStartingWith(test::ReportHead(1017, "FX_WindowMessageAuto", name_)), "");
  test::RecordedMessageBoxes().clear();

  // The repaint after a scroll reports under the running call's name.
  SetScrollState(0, 50, 0, 5);
  {
    os::Override<decltype(&::InvalidateRect)> fail(&os::Table::InvalidateRect, NoInvalidate);
    EXPECT_EQ(FX_WindowMessageAuto(WM_VSCROLL, SB_LINEDOWN), 1019);
  }
  EXPECT_EQ(test::OneReportStartingWith(test::ReportHead(1019, "FX_WindowMessageAuto", name_)), "");
  test::RecordedMessageBoxes().clear();
  {
    os::Override<decltype(&::UpdateWindow)> fail(&os::Table::UpdateWindow, NoUpdate);
    EXPECT_EQ(FX_WindowMessageAuto(WM_VSCROLL, SB_LINEDOWN), 1018);
  }
  EXPECT_EQ(test::OneReportStartingWith(test::ReportHead(1018, "FX_WindowMessageAuto", name_)), "");
  test::RecordedMessageBoxes().clear();

  TheRegistry().CurrentWindowName = "nowhere";
  EXPECT_EQ(FX_WindowRedrawIntl(), 4);
  EXPECT_EQ(test::Reports().size(), 1u);
  TheRegistry().CurrentWindowName = name_;
  EXPECT_EQ(FX_WindowRedrawIntl(), 0);
}

TEST_F(MainWindowMessagesTest, OtherMessagesChangeNothing) {
  SetScrollState(7, 50, 3, 8);
  for (UINT message : {WM_PAINT, WM_CLOSE, WM_HSCROLL, WM_USER}) {
    EXPECT_EQ(FX_WindowMessageAuto(message, SB_LINEDOWN), 0);
    EXPECT_EQ(test::TakeQuitMessage(), -1) << "message 0x" << std::hex << message;
  }
  EXPECT_EQ(FindWindowDef(name_).firstLine, 3);
}

int WINAPI GetMessageFails(LPMSG, HWND, UINT, UINT) { return -1; }

TEST_F(MainWindowMessagesTest, LoopReturnsTheQuitCodeAfterThePostedMessages) {
  static int seen = 0;
  seen = 0;
  // A window of the test's own that counts what the loop dispatches to it.
  struct Counter {
    static LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
      if (m == WM_APP) ++seen;
      return DefWindowProcA(w, m, wp, lp);
    }
  };
  WNDCLASSA counterClass = {};
  counterClass.lpfnWndProc = Counter::Proc;
  counterClass.lpszClassName = "LoopCounter";
  RegisterClassA(&counterClass);
  const HWND counter = CreateWindowA("LoopCounter", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                     nullptr, nullptr);
  PostMessageA(counter, WM_APP, 0, 0);
  PostMessageA(counter, WM_APP, 0, 0);
  PostQuitMessage(42);
  EXPECT_EQ(FX_MessageLoop(), 42);
  EXPECT_EQ(seen, 2);
  DestroyWindow(counter);

  // A queue that cannot be read ends the loop instead of spinning on garbage.
  os::Override<decltype(&::GetMessageA)> fail(&os::Table::GetMessageA, GetMessageFails);
  EXPECT_EQ(FX_MessageLoop(), -1);
}

std::vector<HWND> navigated;
BOOL WINAPI RecordDialogMessage(HWND window, LPMSG) {
  navigated.push_back(window);
  return FALSE;
}

TEST_F(MainWindowMessagesTest, NavigationUsesTheFormOrTheMainWindowWhileAFormIsCurrent) {
  os::Override<decltype(&::IsDialogMessageA)> record(&os::Table::IsDialogMessageA,
                                                     RecordDialogMessage);
  const HWND formWindow = CreateWindowA("STATIC", "", WS_CHILD, 0, 0, 10, 10, window_, nullptr,
                                        nullptr, nullptr);
  WindowDef shown;
  shown.name = "shown";
  shown.handle = formWindow;
  shown.state = FormState::kOpen;
  StoreWindowDef("shown", shown);
  struct Case {
    const char* what;
    const char* currentForm;
    const char* currentWindow;
    HWND offered;
  };
  const Case cases[] = {
      {"no current form", "", nullptr, nullptr},
      {"a current form without a dialog", "f", nullptr, window_},
      {"a current form with its dialog", "shown", nullptr, formWindow},
      {"no window of that name", "f", "nowhere", nullptr},
  };
  for (const Case& c : cases) {
    navigated.clear();
    TheRegistry().CurrentFormName = c.currentForm;
    TheRegistry().CurrentWindowName = c.currentWindow ? c.currentWindow : name_;
    PostMessageA(window_, WM_APP, 0, 0);
    PostQuitMessage(0);
    EXPECT_EQ(FX_MessageLoop(), 0) << c.what;
    ASSERT_EQ(navigated.size(), c.offered ? 1u : 0u) << c.what;
    if (c.offered) {
      EXPECT_EQ(navigated[0], c.offered) << c.what;
    }
  }
  TheRegistry().CurrentWindowName = name_;
  DestroyWindow(formWindow);
}

TEST_F(MainWindowMessagesTest, ZDestroyingTheMainWindowEndsTheLoopWithZero) {
  // Runs last: the main window is gone afterwards.
  DestroyWindow(window_);
  EXPECT_EQ(FX_MessageLoop(), 0);
  EXPECT_EQ(test::TakeQuitMessage(), -1) << "the quit message is posted once";
}

}  // namespace
