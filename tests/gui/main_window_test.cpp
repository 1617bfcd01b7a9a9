// The main window against the real window manager: its class, style, title, background
// and placement, the library's start-up, and every failure code with its report.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fenwix/error/error_context.h"
#include "fenwix/window/library_state.h"
#include "tests/gui/gui_test_helpers.h"

namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { test::RestartLibrary(); }
  void TearDown() override { test::RestartLibrary(); }

  // A new main window shown minimised by request, 250 x 350 at the origin.
  ErrorCode Create(const std::string& name, const std::string& properties, int width = 250,
                   int height = 350, int x = 0, int y = 0) {
    return FX_WindowMainCreate(name, SW_SHOWMINIMIZED, test::MainWindowProc, properties, x, y,
                               width, height);
  }
  HWND MainHandle() { return FindWindowDef(TheRegistry().MainWindowName).handle; }
};

COLORREF BackgroundOf(HWND window) {
  LOGBRUSH brush = {};
  GetObjectA(reinterpret_cast<HBRUSH>(GetClassLongPtrA(window, GCLP_HBRBACKGROUND)),
             sizeof brush, &brush);
  return brush.lbColor;
}

TEST_F(MainWindowTest, IsCreatedAsDeclared) {
  struct Case {
    const char* properties;
    const char* title;  // nullptr: the window's name
    COLORREF background;
  };
  const Case cases[] = {
      {"", nullptr, RGB(255, 255, 255)},
      {"bkcol=", nullptr, RGB(255, 255, 255)},
      {"name=Numlet v1.0", "Numlet v1.0", RGB(255, 255, 255)},
      {"bkcol=red;name=Red one", "Red one", RGB(255, 0, 0)},
      {"ftname=x;bkcol=lightgrey", nullptr, RGB(223, 223, 223)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.properties);
    test::RestartLibrary();
    const std::string name = test::NewName("Main");
    ASSERT_EQ(Create(name, c.properties), 0);
    const HWND window = MainHandle();
    ASSERT_TRUE(IsWindow(window));

    EXPECT_EQ(GetClassLongA(window, GCL_STYLE), static_cast<DWORD>(CS_HREDRAW | CS_VREDRAW));
    EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrA(window, GCLP_HCURSOR)),
              LoadCursorA(nullptr, IDC_ARROW));
    const DWORD style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
    EXPECT_EQ(style & 0x00FF0000u, 0x00CF0000u) << std::hex << "style 0x" << style;
    EXPECT_EQ(style & (WS_CHILD | WS_POPUP), 0u) << std::hex << "style 0x" << style;
    EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0);

    char title[256] = "";
    GetWindowTextA(window, title, sizeof title);
    EXPECT_EQ(std::string(title), c.title ? c.title : name);
    EXPECT_EQ(FindWindowDef(name).name, c.title ? c.title : "");

    EXPECT_EQ(BackgroundOf(window), c.background)
        << std::hex << "expected 0x" << c.background << ", got 0x" << BackgroundOf(window);
    EXPECT_EQ(FindWindowDef(name).backColor, static_cast<ColorValue>(c.background));

    // Shown normally although the show command asked for minimised.
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_FALSE(IsIconic(window));
    EXPECT_FALSE(IsZoomed(window));
    RECT outer;
    GetWindowRect(window, &outer);
    EXPECT_EQ(outer.left, 0);
    EXPECT_EQ(outer.top, 0);
    EXPECT_EQ(outer.right - outer.left, 250);
    EXPECT_EQ(outer.bottom - outer.top, 350);

    EXPECT_EQ(TheRegistry().MainWindowName, name);
    EXPECT_EQ(TheRegistry().CurrentWindowName, name);
    EXPECT_TRUE(TheLibrary().initialised);
    EXPECT_TRUE(test::Reports().empty());
  }
}

// What the library asked the platform for, before the platform adds bits of its own.
WNDCLASSEXA askedClass = {};
std::string askedClassName;
ATOM WINAPI RecordClass(const WNDCLASSEXA* windowClass) {
  askedClass = *windowClass;
  askedClassName = windowClass->lpszClassName;
  return os::real().RegisterClassExA(windowClass);
}
struct WindowCall {
  DWORD exStyle;
  std::string className, title;
  DWORD style;
  int x, y, width, height;
  HWND parent;
  HMENU menu;
  HINSTANCE instance;
  LPVOID data;
};
WindowCall askedWindow = {};
HWND WINAPI RecordWindow(DWORD exStyle, LPCSTR className, LPCSTR title, DWORD style, int x, int y,
                         int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                         LPVOID data) {
  askedWindow = {exStyle, className, title, style, x, y, width, height, parent, menu, instance, data};
  return os::real().CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent,
                                    menu, instance, data);
}
std::vector<int> askedMetrics;
int WINAPI RecordMetric(int index) {
  askedMetrics.push_back(index);
  return os::real().GetSystemMetrics(index);
}

TEST_F(MainWindowTest, AsksThePlatformForTheDeclaredClassAndWindow) {
  os::Override<decltype(&::RegisterClassExA)> recordClass(&os::Table::RegisterClassExA, RecordClass);
  os::Override<decltype(&::CreateWindowExA)> recordWindow(&os::Table::CreateWindowExA, RecordWindow);
  os::Override<decltype(&::GetSystemMetrics)> recordMetrics(&os::Table::GetSystemMetrics,
                                                            RecordMetric);
  askedMetrics.clear();
  TheLibrary().initialised = false;
  const std::string name = test::NewName("Asked");
  ASSERT_EQ(Create(name, "name=Shown title"), 0);

  EXPECT_EQ(askedMetrics, (std::vector<int>{3, 20})) << "scroll bar height and arrow height";

  // WNDCLASSEXA's documented size: 48 bytes, 80 with 64-bit pointers and handles.
  EXPECT_EQ(askedClass.cbSize, sizeof(void*) == 8 ? 80u : 48u);
  EXPECT_EQ(askedClass.style, 3u);
  EXPECT_EQ(askedClass.lpfnWndProc, test::MainWindowProc);
  EXPECT_EQ(askedClass.cbClsExtra, 0);
  EXPECT_EQ(askedClass.cbWndExtra, 0);
  EXPECT_EQ(askedClass.hInstance, TheLibrary().instance);
  EXPECT_EQ(askedClass.hIcon, nullptr);
  EXPECT_EQ(askedClass.hIconSm, nullptr);
  EXPECT_EQ(askedClass.lpszMenuName, nullptr);
  EXPECT_EQ(askedClassName, name);

  EXPECT_EQ(askedWindow.exStyle, 0u);
  EXPECT_EQ(askedWindow.className, name);
  EXPECT_EQ(askedWindow.title, name) << "the title comes afterwards";
  EXPECT_EQ(askedWindow.style, 0x00CF0000u);
  for (int value : {askedWindow.x, askedWindow.y, askedWindow.width, askedWindow.height})
    EXPECT_EQ(value, CW_USEDEFAULT);
  EXPECT_EQ(askedWindow.parent, nullptr);
  EXPECT_EQ(askedWindow.menu, nullptr);
  EXPECT_EQ(askedWindow.instance, TheLibrary().instance);
  EXPECT_EQ(askedWindow.data, nullptr);
}

TEST_F(MainWindowTest, SizeOutsideTheWorkAreaTakesItsEdges) {
  RECT work;
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
  struct Case {
    int width, height;
    LONG expectedWidth, expectedHeight;
  };
  const Case cases[] = {
      {0, 0, work.right, work.bottom},
      {-5, 100, work.right, 100},
      {work.right + 1, work.bottom + 1, work.right, work.bottom},
      {work.right, work.bottom, work.right, work.bottom},
  };
  for (const Case& c : cases) {
    test::RestartLibrary();
    ASSERT_EQ(Create(test::NewName("Big"), "", c.width, c.height), 0);
    RECT outer;
    GetWindowRect(MainHandle(), &outer);
    EXPECT_EQ(outer.right - outer.left, c.expectedWidth) << "asked width " << c.width;
    EXPECT_EQ(outer.bottom - outer.top, c.expectedHeight) << "asked height " << c.height;
  }
}

TEST_F(MainWindowTest, NameChecksComeFirstAndAreReported) {
  EXPECT_EQ(Create("", ""), 1);
  EXPECT_EQ(test::OneReportStartingWith("Function : FX_WindowMainCreate\n"), "");
  EXPECT_NE(test::Reports()[0].find("Error number : 1\n"), std::string::npos);
  test::RecordedMessageBoxes().clear();

  EXPECT_EQ(Create("a.b", ""), 26);
  EXPECT_EQ(test::OneReportStartingWith(test::ReportHead(26, "FX_WindowMainCreate", "a.b")), "");
  test::RecordedMessageBoxes().clear();

  const std::string first = test::NewName("First");
  ASSERT_EQ(Create(first, ""), 0);
  const std::string second = test::NewName("Second");
  EXPECT_EQ(Create(second, ""), 2);
  EXPECT_EQ(test::OneReportStartingWith(test::ReportHead(2, "FX_WindowMainCreate", second)), "");
  EXPECT_EQ(TheRegistry().MainWindowName, first);
}

// Replacements that make one platform call fail.
HBRUSH WINAPI NoBrush(COLORREF) { return nullptr; }
ATOM WINAPI NoClass(const WNDCLASSEXA*) { return 0; }
HWND WINAPI NoWindow(DWORD, LPCSTR, LPCSTR, DWORD, int, int, int, int, HWND, HMENU, HINSTANCE,
                     LPVOID) {
  return nullptr;
}
HMODULE WINAPI NoModule(LPCSTR) { return nullptr; }
int metricThatFails = -1;
int WINAPI MetricFails(int index) {
  return index == metricThatFails ? 0 : os::real().GetSystemMetrics(index);
}
TEST_F(MainWindowTest, PlatformFailuresOfCreationAreReported) {
  const std::string name = test::NewName("Failing");
  {
    os::Override<decltype(&::CreateSolidBrush)> fail(&os::Table::CreateSolidBrush, NoBrush);
    EXPECT_EQ(Create(name, ""), 1028);
  }
  EXPECT_EQ(test::OneReportStartingWith(test::ReportHead(1028, "FX_WindowMainCreate", name)), "");
  test::RecordedMessageBoxes().clear();
  {
    os::Override<decltype(&::RegisterClassExA)> fail(&os::Table::RegisterClassExA, NoClass);
    EXPECT_EQ(Create(name, ""), 1000);
  }
  EXPECT_EQ(test::OneReportStartingWith(test::ReportHead(1000, "FX_WindowMainCreate", name)), "");
  test::RecordedMessageBoxes().clear();
  {
    os::Override<decltype(&::CreateWindowExA)> fail(&os::Table::CreateWindowExA, NoWindow);
    EXPECT_EQ(Create(name, ""), 1001);
  }
  EXPECT_EQ(test::OneReportStartingWith(test::ReportHead(1001, "FX_WindowMainCreate", name)), "");
  EXPECT_TRUE(TheRegistry().MainWindowName.empty());
  EXPECT_EQ(FindWindowDef(name).handle, nullptr);
}

TEST_F(MainWindowTest, StartUpFailuresAreReportedAndLeaveTheLibraryUnstarted) {
  // The report's window name is empty in the context, so it shows CurrentWindowName,
  // which the start-up has just emptied.
  {
    os::Override<decltype(&::GetModuleHandleA)> fail(&os::Table::GetModuleHandleA, NoModule);
    EXPECT_EQ(FX_ResetFenwixIntl(), 1018);
  }
  EXPECT_EQ(test::OneReportStartingWith(test::ReportHead(1018, "FX_ResetFenwixIntl", "")), "");
  EXPECT_FALSE(TheLibrary().initialised);

  for (int index : {SM_CYHSCROLL, SM_CYVSCROLL}) {
    test::RecordedMessageBoxes().clear();
    metricThatFails = index;
    os::Override<decltype(&::GetSystemMetrics)> fail(&os::Table::GetSystemMetrics, MetricFails);
    EXPECT_EQ(FX_ResetFenwixIntl(), 1002) << "metric " << index;
    EXPECT_EQ(test::OneReportStartingWith(test::ReportHead(1002, "FX_ResetFenwixIntl", "")), "");
    EXPECT_FALSE(TheLibrary().initialised);
  }
}

TEST_F(MainWindowTest, CreationStartsTheLibraryAndGoesOnAfterAFailedStart) {
  StoreWindowDef("stale", WindowDef());
  TheLibrary().initialised = false;
  const std::string name = test::NewName("AfterFailure");
  {
    metricThatFails = SM_CYVSCROLL;
    os::Override<decltype(&::GetSystemMetrics)> fail(&os::Table::GetSystemMetrics, MetricFails);
    EXPECT_EQ(Create(name, ""), 0);
  }
  // The start-up emptied the registry, reported, and named itself only while it ran.
  EXPECT_EQ(test::OneReportStartingWith(test::ReportHead(1002, "FX_ResetFenwixIntl", "")), "");
  EXPECT_TRUE(FindWindowDef("stale").name.empty() && TheRegistry().windows.count("stale") == 0);
  EXPECT_TRUE(IsWindow(MainHandle()));
  EXPECT_FALSE(TheLibrary().initialised);
}

TEST_F(MainWindowTest, StartUpKeepsTheCallersErrorContext) {
  SetErrorContext("outer window", "OuterCall");
  EXPECT_EQ(FX_ResetFenwixIntl(), 0);
  EXPECT_EQ(CurrentErrorContext().functionName, "OuterCall");
  EXPECT_EQ(CurrentErrorContext().windowName, "outer window");
  EXPECT_TRUE(TheLibrary().initialised);
  EXPECT_NE(TheLibrary().instance, nullptr);
}

}  // namespace
