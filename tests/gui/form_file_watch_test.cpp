// A form loaded from a file and watched while the user works in it: real keys type into
// its fields and grid, then the file is saved again and again. After each save the test
// checks the controls (same handles where nothing forced a new one), the values and the
// focus kept, the status bar and the events of old and new items.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "fenwix/fenwix.h"
#include "fenwix/registry/registry.h"
#include "tests/gui/gui_test_helpers.h"

namespace {

constexpr char kPath[] = "watched_form.forms";

std::vector<std::string> events;
std::intptr_t Record(std::string, std::string item, std::string event, HWND, UINT, WPARAM,
                     LPARAM) {
  if (event != fx::event::BEFORE) events.push_back(item + " " + event);
  return 0;
}

std::vector<std::string> handled;
bool Handle(ErrorCode code, const std::string& report) {
  handled.push_back(std::to_string(code) + "\n" + report);
  return false;
}

void Save(const std::string& text) {
  FILE* file = std::fopen(kPath, "wb");
  ASSERT_NE(file, nullptr);
  std::fputs(text.c_str(), file);
  std::fclose(file);
}

// Runs the library's message loop until the condition holds or three seconds pass.
std::function<bool()> until;
int ticks = 0;
void CALLBACK Check(HWND, UINT, UINT_PTR timer, DWORD) {
  if (until() || ++ticks > 150) {
    KillTimer(nullptr, timer);
    PostQuitMessage(0);
  }
}
bool RunUntil(std::function<bool()> condition, int limit = 0) {
  until = std::move(condition);
  ticks = limit ? 150 - limit : 0;
  SetTimer(nullptr, 0, 20, Check);
  FX_MessageLoop();
  return until();
}

void Type(std::initializer_list<WORD> keys) { test::SendKeyPresses(keys); }

HWND Control(const char* item) { return FindItemDef("wf", item).control; }
std::string Text(HWND window) {
  char text[256] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}
std::string Status() { return Text(FindWindowDef("wf").statusBar); }
RECT Place(HWND control) {
  RECT r = {};
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  return r;
}
bool Saw(const std::string& event) {
  for (const std::string& e : events) {
    if (e == event) return true;
  }
  return false;
}

// The file as the test edits it, one line per item.
struct FormText {
  std::string form = "form wf 10 10 420 320 name=Watched;bkcol=white";
  std::vector<std::string> items = {
      "item name EDIT 10 10 150 22 remark=Name",
      "item amount EDIT 10 40 150 22 type=currency;format=9999.88",
      "item agree CHECKSYS 10 70 20 20",
      "item lines DATAGRID 10 100 300 120",
      "column lines a title=First;width=90",
      "item ok BUTTON 300 250 80 24 value=OK;button=OK",
      "item gone STATIC 200 10 100 20 value=Bye",
  };
  std::string Text() const {
    std::string text = "# written by the test\n" + form + "\n";
    for (const std::string& item : items) text += item + "\n";
    return text;
  }
};

int moves = 0, destroys = 0, redraws = 0;
BOOL WINAPI CountMove(HWND w, int x, int y, int cx, int cy, BOOL paint) {
  ++moves;
  return os::real().MoveWindow(w, x, y, cx, cy, paint);
}
BOOL WINAPI CountRedraw(HWND w, const RECT* r, HRGN region, UINT flags) {
  ++redraws;
  return os::real().RedrawWindow(w, r, region, flags);
}
BOOL WINAPI CountDestroy(HWND w) {
  ++destroys;
  return os::real().DestroyWindow(w);
}

TEST(FormFileWatchGui, SavedChangesReachTheOpenFormAndKeepWhatTheUserDid) {
  ASSERT_EQ(test::StartWithMainWindow("watch", 600, 500), 0);
  FX_LanguageSet("US");
  FX_ErrorHandlerSet(Handle);
  FormText file;
  Save(file.Text());
  ASSERT_EQ(FX_FormFileLoad(kPath), 0);
  ASSERT_EQ(FX_FormFileWatch(kPath, true), 0);
  ASSERT_EQ(FX_FormOpen("wf", Record), 0);
  ASSERT_EQ(FX_GridRowCountSet("wf", "lines", 3), 0);
  for (int row = 0; row < 3; ++row)
    FX_GridCellSet("wf", "lines", row, "a", "row " + std::to_string(row));
  ASSERT_EQ(FX_FormItemSet("wf", "lines", fx::key::ROW, "1"), 0);

  // The user types a name, an amount (left with Tab, so written back), and ticks the box.
  const HWND name = Control("name"), amount = Control("amount"), agree = Control("agree");
  const HWND lines = Control("lines"), ok = Control("ok"), gone = Control("gone");
  SetFocus(amount);
  Type({'1', '2', VK_TAB, VK_SPACE});
  ASSERT_TRUE(RunUntil([&] { return SendMessageA(agree, BM_GETCHECK, 0, 0) == BST_CHECKED; }));
  SetFocus(name);
  Type({'A', 'B'});
  ASSERT_TRUE(RunUntil([&] { return Text(name) == "ab"; })) << Text(name);
  EXPECT_EQ(Text(amount), "12.00");
  EXPECT_TRUE(Saw("name ITEMKEY"));
  const ColorValue white = FindWindowDef("wf").backColor;
  const auto expectKept = [&](const char* after) {
    EXPECT_EQ(Text(Control("amount")).substr(0, 2), "12") << after;
    EXPECT_EQ(FX_FormItemGet("wf", "agree", fx::key::CHECK), "TRUE") << after;
    EXPECT_EQ(FX_FormItemGet("wf", "lines", fx::key::ROWS), "3") << after;
    EXPECT_EQ(FX_FormItemGet("wf", "lines", fx::key::ROW), "1") << after;
    EXPECT_EQ(FX_GridCellGet("wf", "lines", 2, "a"), "row 2") << after;
    EXPECT_EQ(Control("lines"), lines) << after;
    EXPECT_EQ(Control("agree"), agree) << after;
  };

  // 1. A move, a caption and a colour: the same controls, moved and repainted in place.
  file.items[0] = "item name EDIT 30 12 150 22 remark=Name";
  file.items[5] = "item ok BUTTON 300 250 80 24 value=Go;button=OK";
  file.form = "form wf 10 10 420 320 name=Watched again;bkcol=lightgrey";
  Save(file.Text());
  ASSERT_TRUE(RunUntil([&] { return Place(name).left == 30; })) << Place(name).left;
  EXPECT_EQ(Control("name"), name);
  EXPECT_EQ(Control("ok"), ok);
  EXPECT_EQ(GetDlgCtrlID(name), 102) << "the id stays";
  EXPECT_EQ(FX_FormItemGet("wf", "ok", fx::key::VALUE), "Go");
  EXPECT_EQ(Text(FindWindowDef("wf").handle), "Watched again");
  EXPECT_NE(FindWindowDef("wf").backColor, white);
  test::PumpMessages();
  const HDC screen = GetDC(FindWindowDef("wf").handle);
  EXPECT_EQ(GetPixel(screen, 405, 5), static_cast<COLORREF>(FindWindowDef("wf").backColor))
      << "expected the form painted in its new colour";
  ReleaseDC(FindWindowDef("wf").handle, screen);
  EXPECT_EQ(Text(name), "ab");
  EXPECT_EQ(GetFocus(), name);
  EXPECT_EQ(Status(), "2 items changed") << Status();
  expectKept("the move");

  // 2. A new FORMAT: the kept amount is read again and written in its new normal form. A
  // label without a colour of its own loses its text: the form shows through it again.
  file.items[1] = "item amount EDIT 10 40 150 22 type=currency;format=9999.888";
  file.items[6] = "item gone STATIC 200 10 100 20 value=";
  Save(file.Text());
  ASSERT_TRUE(RunUntil([&] { return Text(amount) == "12.000"; })) << Text(amount);
  EXPECT_EQ(Control("amount"), amount);
  test::PumpMessages();
  const HDC form = GetDC(FindWindowDef("wf").handle);
  int stray = 0;
  for (int x = 200; x < 300; ++x)
    for (int y = 10; y < 30; ++y)
      stray += GetPixel(form, x, y) != static_cast<COLORREF>(FindWindowDef("wf").backColor);
  ReleaseDC(FindWindowDef("wf").handle, form);
  EXPECT_EQ(stray, 0) << "expected the old caption of a see-through label wiped";
  expectKept("the format");

  // 3. An item added and one removed; the new one raises its events by name, and the
  // keyboard reaches it in its place among the others.
  file.items[4] = "column lines a title=Renamed;width=120";
  file.items.erase(file.items.begin() + 6);
  file.items.insert(file.items.begin() + 2, "item extra EDIT 200 40 100 22 remark=Extra");
  Save(file.Text());
  ASSERT_TRUE(RunUntil([&] { return Control("extra") != nullptr; }));
  const HWND dialog = FindWindowDef("wf").handle;
  EXPECT_EQ(GetNextDlgTabItem(dialog, amount, FALSE), Control("extra"));
  EXPECT_EQ(GetNextDlgTabItem(dialog, Control("extra"), FALSE), agree);
  EXPECT_FALSE(IsWindow(gone)) << "the removed item's control is destroyed";
  EXPECT_TRUE(FindItemDef("wf", "gone").type.empty());
  EXPECT_EQ(Status(), "1 item changed, 1 added, 1 removed") << Status();
  char title[32] = "";
  LVCOLUMNA column = {};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.pszText = title;
  column.cchTextMax = sizeof title;
  SendMessageA(lines, LVM_GETCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
  EXPECT_STREQ(title, "Renamed");
  EXPECT_EQ(column.cx, 120);
  events.clear();
  SetFocus(Control("extra"));
  Type({'X', VK_TAB});
  ASSERT_TRUE(RunUntil([&] { return Saw("extra ITEMEXIT"); }));
  EXPECT_TRUE(Saw("extra ITEMKEY"));
  EXPECT_EQ(Text(Control("extra")), "x");
  expectKept("the added item");

  // 4. The focused field changes type: one new control, with the text and the keyboard.
  SetFocus(name);
  file.items[0] = "item name COMBOSYS 30 12 150 120 edit=true;value1=ab;value2=cd";
  Save(file.Text());
  ASSERT_TRUE(RunUntil([&] { return Control("name") != name; }));
  EXPECT_FALSE(IsWindow(name));
  EXPECT_EQ(Text(Control("name")), "ab");
  EXPECT_TRUE(GetFocus() == Control("name") || IsChild(Control("name"), GetFocus()));
  EXPECT_EQ(Status(), "1 item re-created") << Status();
  expectKept("the type change");

  // 5. A bad line changes nothing; the handler and the status bar hear of it, no box does.
  handled.clear();
  std::vector<std::string> good = file.items;
  file.items.push_back("itme late EDIT 0 0 1 1");
  file.items[1] = "item amount EDIT 10 90 150 22 type=currency;format=9999.888";
  Save(file.Text());
  ASSERT_TRUE(RunUntil([&] { return !handled.empty(); }));
  EXPECT_EQ(handled[0].substr(0, 5), "1061\n") << handled[0];
  EXPECT_NE(handled[0].find(std::string(kPath) + ":10: ITME"), std::string::npos) << handled[0];
  EXPECT_NE(Status().find(std::string(kPath) + ":10: ITME"), std::string::npos) << Status();
  EXPECT_TRUE(test::RecordedMessageBoxes().empty());
  EXPECT_EQ(Place(amount).top, 40) << "nothing of a bad file is applied";

  // 6. The same file saved good again applies.
  file.items = good;
  file.items[1] = "item amount EDIT 10 90 150 22 type=currency;format=9999.888";
  Save(file.Text());
  ASSERT_TRUE(RunUntil([&] { return Place(amount).top == 90; })) << Place(amount).top;
  EXPECT_EQ(Control("amount"), amount);
  expectKept("the good save");

  // 7. A save that changes nothing moves, destroys and repaints nothing.
  const std::string status = Status();
  {
    os::Override move(&os::Table::MoveWindow, CountMove);
    os::Override destroy(&os::Table::DestroyWindow, CountDestroy);
    os::Override redraw(&os::Table::RedrawWindow, CountRedraw);
    Save(file.Text());
    RunUntil([] { return false; }, 40);  // several looks at the file
  }
  EXPECT_EQ(moves, 0);
  EXPECT_EQ(destroys, 0);
  EXPECT_EQ(redraws, 0);
  EXPECT_EQ(Status(), status);
  EXPECT_TRUE(test::RecordedMessageBoxes().empty()) << test::Reports()[0];

  // 8. A file deleted leaves the form as it is, without a report.
  handled.clear();
  std::remove(kPath);
  RunUntil([] { return false; }, 20);
  EXPECT_TRUE(handled.empty()) << handled[0];
  EXPECT_EQ(Control("amount"), amount);
  EXPECT_EQ(Status(), status);

  FX_FormFileWatch(kPath, false);
  FX_ErrorHandlerSet(nullptr);
}

}  // namespace
