// The C++ layer against real forms: handlers that capture, driven by real clicks and
// typing; typed values read back; exceptions stopped at every boundary and reported;
// posts from another thread; handlers kept across a re-opening.
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "fenwix/fenwix.hpp"
#include "fenwix/platform/platform.h"
#include "fenwix/registry/registry.h"
#include "fenwix/window/library_state.h"
#include "tests/gui/gui_test_helpers.h"

namespace {

const std::string& MainName() {
  static const std::string name = "CxxMain";
  return name;
}

fx::MainWindow*& Main() {
  static fx::MainWindow* window = nullptr;
  return window;
}

class LayerMainWindow : public ::testing::Environment {
 public:
  void SetUp() override {
    Main() = new fx::MainWindow(fx::MainWindow::create(MainName(), "", 0, 0, 520, 420));
  }
};
const auto* const kMainWindow = ::testing::AddGlobalTestEnvironment(new LayerMainWindow);

HWND Control(const fx::Form& form, const std::string& item) {
  return FindItemDef(form.name(), item).control;
}

void Settle() {
  for (int i = 0; i < 10; ++i) {
    test::PumpMessages();
    Sleep(10);
  }
}

// A press and release of the left button in the middle of the control, as a person
// makes it.
void Click(HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  INPUT press[2] = {};
  press[0].type = press[1].type = INPUT_MOUSE;
  press[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  press[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, press, sizeof(INPUT));
  Settle();
}

// Real key presses that type the text (UTF-8) into the control.
void Type(HWND control, const std::string& text) {
  SetFocus(control);
  wchar_t wide[64] = {};
  const int length = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, wide, 64) - 1;
  std::vector<INPUT> keys;
  for (int i = 0; i < length; ++i) {
    INPUT key = {};
    key.type = INPUT_KEYBOARD;
    key.ki.wScan = static_cast<WORD>(wide[i]);
    key.ki.dwFlags = KEYEVENTF_UNICODE;
    keys.push_back(key);
    key.ki.dwFlags |= KEYEVENTF_KEYUP;
    keys.push_back(key);
  }
  if (!keys.empty()) SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
  Settle();
}

std::string Codes(const std::vector<int>& codes) {
  std::string text;
  for (int code : codes) text += std::to_string(code) + " ";
  return text;
}

// "" when the reports shown since the last look are exactly these codes, and the last
// one says detail.
std::string ReportsAre(const std::vector<int>& expected, const std::string& detail = "") {
  const std::vector<std::string> texts = test::Reports();
  const std::vector<int> codes = test::TakeReportedCodes();
  test::RecordedMessageBoxes().clear();
  if (codes != expected) return "expected reports " + Codes(expected) + ", got " + Codes(codes);
  if (!detail.empty() && texts.back().find(detail) == std::string::npos)
    return "expected a report saying \"" + detail + "\", got\n" + texts.back();
  return "";
}

std::string NewForm(const char* stem) { return test::NewName(stem); }

// ----- the cases; each gives "" or what went wrong -----

std::string LambdaCountsRealClicks() {
  fx::Form form(NewForm("clicks"));
  form.item("go", fx::item::BUTTON, 1, 10, 10, 120, 30, "button=Go");
  int clicks = 0;
  int replaced = 0;
  form.on(fx::event::ITEMCLIC, "go", [&clicks](fx::Event& event) {
    if (event.item() == "go" && event.name() == fx::event::ITEMCLIC) ++clicks;
  });
  form.create("edge=false", 0, 0, 300, 200);
  Click(Control(form, "go"));
  Click(Control(form, "go"));
  // A later handler for the same event and item replaces the first.
  form.on(fx::event::ITEMCLIC, "go", [&replaced](fx::Event&) { ++replaced; });
  Click(Control(form, "go"));
  form.close();
  if (clicks != 2 || replaced != 1)
    return "expected 2 clicks, then 1, got " + std::to_string(clicks) + " and " +
           std::to_string(replaced);
  return ReportsAre({});
}

std::string TypedValuesReadBack() {
  fx::Form form(NewForm("typed"));
  form.item("when", fx::item::EDIT, 1, 10, 10, 150, 26, "type=date;format=dd/mm/yyyy")
      .item("price", fx::item::EDIT, 2, 10, 50, 150, 26, "type=currency;format=999999.88")
      .item("empty", fx::item::EDIT, 3, 10, 90, 150, 26, "type=date;format=dd/mm/yyyy")
      .item("bad", fx::item::EDIT, 4, 10, 130, 150, 26, "type=date;format=dd/mm/yyyy")
      .item("name", fx::item::EDIT, 5, 10, 170, 150, 26, "length=20")
      .item("sure", fx::item::CHECKSYS, 6, 10, 210, 150, 26, "value=Sure");
  form.create("edge=false", 0, 0, 400, 300);
  Type(Control(form, "when"), "5/3/2024");
  Type(Control(form, "price"), "-1234.5");
  Type(Control(form, "name"), "Zoë");
  Click(Control(form, "sure"));
  // Last: the refused text keeps the focus in its field.
  Type(Control(form, "bad"), "31/02/2024");

  std::string failed;
  const std::optional<fx::Date> when = form.date("when");
  if (!when || *when != fx::Date{2024, 3, 5, 0, 0, 0}) failed += "date of 5/3/2024 wrong; ";
  if (when && !(*when < fx::Date{2024, 3, 6})) failed += "date ordering wrong; ";
  const std::optional<fx::Amount> price = form.amount("price");
  if (!price || price->units != -123450 || price->decimals != 2 || price->text() != "-1234.50")
    failed += "amount of -1234.5 read as " + (price ? price->text() : "nothing") + "; ";
  if (form.date("empty")) failed += "an empty date gave a value; ";
  // The program's encoding is the ANSI code page, where ë is one byte.
  if (form.text("name") != "Zo\xEB") failed += "name read as " + form.text("name") + "; ";
  if (!form.checked("sure")) failed += "check box not checked; ";
  try {
    form.date("bad");
    failed += "a refused date gave no error; ";
  } catch (const fx::Error& error) {
    if (error.code() != 1074 || std::string(error.what()).find("31/02/2024") == std::string::npos)
      failed += "refused date: code " + std::to_string(error.code()) + ", " + error.what() + "; ";
  }
  try {
    form.amount("when");
    failed += "an amount of a date field gave no error; ";
  } catch (const fx::Error& error) {
    if (error.code() != 1074) failed += "amount of a date: code " + std::to_string(error.code());
  }
  // A failed call throws its report instead of showing it.
  try {
    form.set("nothing", "x");
    failed += "setting an unknown item gave no error; ";
  } catch (const fx::Error& error) {
    if (error.code() != 18 || std::string(error.what()).find("Error number : 18") == std::string::npos)
      failed += "unknown item: code " + std::to_string(error.code()) + ", " + error.what() + "; ";
  }
  // The theme, as FX_ThemeSet: a known name in any case, a refused one thrown.
  fx::theme("Dark");
  fx::theme("light");
  try {
    fx::theme("night");
    failed += "an unknown theme gave no error; ";
  } catch (const fx::Error& error) {
    if (error.code() != 1080) failed += "unknown theme: code " + std::to_string(error.code()) + "; ";
  }
  form.close();
  try {
    form.check();
    failed += "checking a closed form gave no error; ";
  } catch (const fx::Error& error) {
    if (error.code() != 4) failed += "closed form: code " + std::to_string(error.code()) + "; ";
  }
  const fx::Amount tiny{-5, 3};
  if (tiny.text() != "-0.005") failed += "-5 units of 3 decimals written " + tiny.text() + "; ";
  const std::string reports = ReportsAre({});
  return failed + reports;
}

std::string HandlerExceptionIsReported() {
  fx::Form form(NewForm("throws"));
  form.item("go", fx::item::BUTTON, 1, 10, 10, 120, 30, "button=Go");
  int after = 0;
  form.on(fx::event::ITEMCLIC, "go", [](fx::Event&) -> std::intptr_t {
    throw std::runtime_error("handler gave up");
  });
  form.on(fx::event::ITEMCLIC, [&after](fx::Event&) { ++after; });
  form.create("edge=false", 0, 0, 300, 200);
  Click(Control(form, "go"));
  const std::string first = ReportsAre({1070}, "handler gave up");
  // The form lives on, and a handler that stops throwing is heard again.
  form.off(fx::event::ITEMCLIC, "go");
  Click(Control(form, "go"));
  const bool alive = IsWindow(FindWindowDef(form.name()).handle);
  form.close();
  if (!alive || after != 1) return "form alive " + std::to_string(alive) + ", general handler ran " +
                                    std::to_string(after) + " times; " + first;
  return first;
}

std::string GridSourceExceptionIsReportedOnce() {
  fx::Form form(NewForm("source"));
  form.item("grid", fx::item::DATAGRID, 1, 10, 10, 300, 200, "");
  fx::Grid grid = form.grid("grid");
  grid.column("n", "title=N");
  const std::vector<std::string> names{"zero", "one", "two", "three"};
  grid.source(4, [&names](int row, const std::string& column) -> std::string {
    if (row == 2) throw std::out_of_range("row two is missing");
    return column + "=" + names.at(static_cast<std::size_t>(row));
  });
  form.create("edge=false", 0, 0, 400, 300);
  Settle();
  std::string failed;
  if (grid.rows() != 4) failed += "rows " + std::to_string(grid.rows()) + "; ";
  if (grid.cell(1, "n") != "n=one") failed += "cell 1 is " + grid.cell(1, "n") + "; ";
  if (!grid.cell(2, "n").empty()) failed += "the failing cell is not empty; ";
  InvalidateRect(Control(form, "grid"), nullptr, TRUE);
  Settle();
  failed += ReportsAre({1071}, "row two is missing");
  form.close();
  return failed;
}

std::string PostsFromAWorkerArriveInOrder() {
  constexpr int kPosts = 10000;
  std::vector<int> arrived;
  arrived.reserve(kPosts);
  std::thread worker([&arrived] {
    for (int i = 0; i < kPosts; ++i) {
      fx::post([&arrived, i] { arrived.push_back(i); });
      if (i == 5000) fx::post([] { throw std::logic_error("posted work failed"); });
    }
    fx::post([] { PostQuitMessage(0); });
  });
  const int exit = fx::run();
  worker.join();
  std::string failed;
  if (exit != 0) failed += "the loop ended with " + std::to_string(exit) + "; ";
  if (arrived.size() != static_cast<std::size_t>(kPosts))
    failed += std::to_string(arrived.size()) + " posts arrived; ";
  for (std::size_t i = 0; i < arrived.size(); ++i) {
    if (arrived[i] != static_cast<int>(i)) {
      failed += "post " + std::to_string(arrived[i]) + " came " + std::to_string(i) + "th; ";
      break;
    }
  }
  return failed + ReportsAre({1072}, "posted work failed");
}

std::string HandlersSurviveReopening() {
  fx::Form form(NewForm("reopen"));
  form.item("go", fx::item::BUTTON, 1, 10, 10, 120, 30, "button=Go");
  int clicks = 0;
  form.on(fx::event::ITEMCLIC, "go", [&clicks](fx::Event&) { ++clicks; });
  form.create("edge=false", 0, 0, 300, 200);
  form.close();
  Settle();
  form.create("edge=false", 0, 0, 300, 200);
  Click(Control(form, "go"));
  form.close();
  // A form declared anew starts without the handlers of its old declaration.
  NewFormDeclaration(form.name());
  form.create("edge=false", 0, 0, 300, 200);
  Click(Control(form, "go"));
  form.close();
  if (clicks != 1) return "expected 1 click heard after re-opening, got " + std::to_string(clicks);
  return ReportsAre({});
}

// A form file's form opens through the layer with its handlers; the program's own load of
// the file again declares the form anew, without them.
std::string FileFormOpensWithHandlers() {
  const std::string text =
      "form filed 0 0 300 200 edge=false\nitem go BUTTON 10 10 120 30 button=Go\n";
  if (FX_FormTextLoad(text, "filed")) return "the form text was refused";
  fx::Form form("filed");
  int clicks = 0;
  form.on(fx::event::ITEMCLIC, "go", [&clicks](fx::Event&) { ++clicks; });
  form.open();
  Click(Control(form, "go"));
  form.close();
  Settle();
  if (FX_FormTextLoad(text, "filed")) return "the form text was refused the second time";
  form.open();
  Click(Control(form, "go"));
  form.close();
  if (clicks != 1) return "expected 1 click heard before the new load, got " + std::to_string(clicks);
  return ReportsAre({});
}

std::string MainWindowHandlers() {
  const HWND main = FindWindowDef(MainName()).handle;
  std::string failed;
  try {
    fx::MainWindow::create("Second", "", 0, 0, 100, 100);
    failed += "a second main window gave no error; ";
  } catch (const fx::Error& error) {
    if (error.code() != 2) failed += "second main window: code " + std::to_string(error.code()) + "; ";
  }
  int heard = 0;
  Main()->on(WM_APP + 7, [&heard](fx::Event& event) -> std::intptr_t {
    ++heard;
    return static_cast<std::intptr_t>(event.wParam()) * 2;
  });
  Main()->on(WM_APP + 8, [](fx::Event&) -> std::intptr_t { throw std::runtime_error("main gave up"); });
  const LRESULT answer = SendMessageA(main, WM_APP + 7, 21, 0);
  const LRESULT thrown = SendMessageA(main, WM_APP + 8, 0, 0);
  if (answer != 42 || heard != 1 || thrown != 0)
    failed += "answers " + std::to_string(answer) + " and " + std::to_string(thrown) + "; ";
  return failed + ReportsAre({1073}, "main gave up");
}

BOOL WINAPI NoCommonControls(const INITCOMMONCONTROLSEX*) { return FALSE; }

std::string ReportsOfASuccessAreShown() {
  fx::Form form(NewForm("nobar"));
  TheLibrary().commonControls = false;
  {
    os::Override<decltype(&::InitCommonControlsEx)> refuse(&os::Table::InitCommonControlsEx,
                                                           NoCommonControls);
    form.create("edge=false", 0, 0, 100, 100);
  }
  const bool made = IsWindow(FindWindowDef(form.name()).handle);
  form.close();
  return (made ? "" : "the form was not made; ") + ReportsAre({1038});
}

// Real key presses of virtual keys on the control that has the focus.
void Press(std::initializer_list<WORD> keys) {
  test::SendKeyPresses(keys);
  Settle();
}

std::string GridEventsCarryRowAndColumn() {
  fx::Form form(NewForm("gridevents"));
  form.item("grid", fx::item::DATAGRID, 1, 10, 10, 300, 150, "")
      .item("go", fx::item::BUTTON, 2, 10, 170, 80, 26, "value=Go");
  fx::Grid grid = form.grid("grid");
  grid.column("a", "width=100").column("b", "width=100").rows(3);
  for (int row = 0; row < 3; ++row) grid.cell(row, "a", std::to_string(row));
  std::vector<std::string> seen;
  const auto record = [&seen](fx::Event& event) {
    seen.push_back(event.name() + " " + std::to_string(event.row()) + " " +
                   std::to_string(event.column()));
  };
  form.on(fx::event::ROWSEL, "grid", record)
      .on(fx::event::ITEMCLIC, "grid", record)
      .on(fx::event::COLCLIC, "grid", record)
      .on(fx::event::ITEMCLIC, "go", record);
  form.create("edge=false", 0, 0, 400, 260);
  SetFocus(Control(form, "grid"));
  form.set("grid", fx::key::ROW, "0");
  Press({VK_DOWN, VK_RETURN});
  RECT r;
  GetWindowRect(Control(form, "grid"), &r);
  SetCursorPos(r.left + 150, r.top + 9);
  INPUT press[2] = {};
  press[0].type = press[1].type = INPUT_MOUSE;
  press[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  press[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, press, sizeof(INPUT));
  Settle();
  Click(Control(form, "go"));
  form.close();
  const std::vector<std::string> expected{"ROWSEL 1 -1", "ITEMCLIC 1 -1", "COLCLIC -1 1",
                                          "ITEMCLIC -1 -1"};
  if (seen == expected) return ReportsAre({});
  std::string got;
  for (const std::string& line : seen) got += "[" + line + "] ";
  return "grid events: " + got;
}

// A report the library makes while a modal form is up, outside any handler: shown then,
// not kept until the form's create returns.
std::string& ModalName() {
  static std::string name;
  return name;
}
bool& ShownAtOnce() {
  static bool shown = false;
  return shown;
}
void CALLBACK ReportWhileModal(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  ReportError(5);
  ShownAtOnce() = !test::RecordedMessageBoxes().empty();
  FX_FormClose(ModalName(), "CLOSE");
}

std::string ModalFormReportsAreShownAtOnce() {
  fx::Form form(NewForm("modal"));
  ModalName() = form.name();
  ShownAtOnce() = false;
  form.item("label", fx::item::STATIC, 1, 10, 10, 100, 20, "value=Modal");
  SetTimer(nullptr, 0, 50, ReportWhileModal);
  form.create("modal=true", 0, 0, 200, 120);
  return (ShownAtOnce() ? "" : "the report waited for the modal form to close; ") +
         ReportsAre({5});
}

struct Case {
  const char* name;
  std::function<std::string()> run;
};

TEST(CxxLayer, Guarantees) {
  const Case cases[] = {
      {"a capturing lambda counts real clicks", LambdaCountsRealClicks},
      {"typed values read back", TypedValuesReadBack},
      {"a handler's exception is reported", HandlerExceptionIsReported},
      {"a grid source's exception is reported once", GridSourceExceptionIsReportedOnce},
      {"posts from a worker arrive in order", PostsFromAWorkerArriveInOrder},
      {"handlers survive a re-opening", HandlersSurviveReopening},
      {"a form file's form opens with its handlers", FileFormOpensWithHandlers},
      {"grid events carry their row and column", GridEventsCarryRowAndColumn},
      {"the main window's handlers", MainWindowHandlers},
      {"what a call that succeeds reports is shown", ReportsOfASuccessAreShown},
      {"a modal form's reports are shown at once", ModalFormReportsAreShownAtOnce},
  };
  for (const Case& c : cases) {
    test::TakeReportedCodes();
    test::RecordedMessageBoxes().clear();
    std::string failed;
    try {
      failed = c.run();
    } catch (const fx::Error& error) {
      failed = "threw " + std::to_string(error.code()) + ":\n" + error.what();
    }
    EXPECT_EQ(failed, "") << c.name;
  }
}

}  // namespace
