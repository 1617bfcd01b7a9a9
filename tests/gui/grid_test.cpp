// A DATAGRID item as a program and its user meet it: the platform's list view with owner
// data, stored cells kept in their column's type, a virtual grid asked only for what it
// shows, editing, sorting and copying with real keys and clicks.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "fenwix/fenwix.h"
#include "fenwix/grid/grid_editor.h"
#include "tests/gui/gui_test_helpers.h"

namespace {

class MainWindow : public ::testing::Environment {
 public:
  void SetUp() override { ASSERT_EQ(test::StartWithMainWindow("GridMain", 640, 480), 0); }
};
const auto* const kMainWindow = ::testing::AddGlobalTestEnvironment(new MainWindow);

std::vector<std::string> events;  // "EVENT wParam lParam"
// What the program does when it hears "CELLCHG", and its answer.
std::function<std::intptr_t(const std::string& form)> onCellChange;

std::intptr_t Record(std::string form, std::string item, std::string event, HWND, UINT,
                     WPARAM wParam, LPARAM lParam) {
  if (item == "grid" && event != fx::event::BEFORE && event != fx::event::ITEMKEY)
    events.push_back(event + " " + std::to_string(static_cast<int>(wParam)) + " " +
                     std::to_string(static_cast<int>(lParam)));
  if (event == fx::event::CELLCHG && onCellChange) return onCellChange(form);
  return 0;
}

int sourceCalls = 0;
std::string Source(std::string, std::string, int row, std::string column) {
  ++sourceCalls;
  if (row == 3) throw std::runtime_error("no such row");
  if (row == 4) return std::string(100000, 'w');
  return column + std::to_string(row);
}

void Pump(int rounds = 10) {
  for (int i = 0; i < rounds; ++i) {
    test::PumpMessages();
    Sleep(10);
  }
}

void Keys(std::initializer_list<WORD> keys, WORD modifier = 0) {
  std::vector<INPUT> inputs;
  auto key = [&](WORD vk, DWORD flags) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = flags;
    inputs.push_back(input);
  };
  if (modifier) key(modifier, 0);
  for (WORD k : keys) {
    key(k, 0);
    key(k, KEYEVENTF_KEYUP);
  }
  if (modifier) key(modifier, KEYEVENTF_KEYUP);
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  Pump();
}

void ClickAt(int x, int y) {
  SetCursorPos(x, y);
  INPUT click[2] = {};
  click[0].type = click[1].type = INPUT_MOUSE;
  click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, click, sizeof(INPUT));
  Pump();
}

class Grid : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = test::NewName("orders");
    events.clear();
    onCellChange = nullptr;
    sourceCalls = 0;
    ASSERT_EQ(FX_FormItemAdd(form_, "grid", fx::item::DATAGRID, 1, 10, 10, 420, 200,
                             "remark=Pick an order"), 0);
    ASSERT_EQ(FX_FormItemAdd(form_, "note", fx::item::EDIT, 2, 10, 220, 100, 22, ""), 0);
  }
  void TearDown() override {
    if (dialog_) DestroyWindow(dialog_);
    test::PumpMessages();
    test::RecordedMessageBoxes().clear();
  }
  void Columns() {
    ASSERT_EQ(FX_GridColumnAdd(form_, "grid", "when", "title=Date;type=DATE;format=dd/mm/yyyy;edit=true"), 0);
    ASSERT_EQ(FX_GridColumnAdd(form_, "grid", "amount", "type=CURRENCY;format=99999.88;edit=true;notnull=true"), 0);
    ASSERT_EQ(FX_GridColumnAdd(form_, "grid", "who", "title=Customer;width=150"), 0);
  }
  void Create() {
    ASSERT_EQ(FX_FormCreate(form_, "stbar=true", 0, 0, 460, 300, Record), 0);
    dialog_ = FindWindowDef(form_).handle;
    list_ = FindItemDef(form_, "grid").control;
    ASSERT_TRUE(list_);
    Pump(3);
  }
  void Fill(const std::vector<std::vector<const char*>>& rows) {
    ASSERT_EQ(FX_GridRowCountSet(form_, "grid", static_cast<int>(rows.size())), 0);
    for (std::size_t r = 0; r < rows.size(); ++r) {
      const char* names[] = {"when", "amount", "who"};
      for (int c = 0; c < 3; ++c)
        ASSERT_EQ(FX_GridCellSet(form_, "grid", static_cast<int>(r), names[c], rows[r][c]), 0)
            << rows[r][c];
    }
  }
  std::vector<std::string> Column(const char* name) {
    std::vector<std::string> cells;
    const int rows = std::stoi(FX_FormItemGet(form_, "grid", fx::key::ROWS));
    for (int r = 0; r < rows; ++r) cells.push_back(FX_GridCellGet(form_, "grid", r, name));
    return cells;
  }
  std::string Shown(int row, int column) {
    char text[300] = {0};
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(list_, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return text;
  }
  std::string Status() {
    char text[200] = {0};
    GetWindowTextA(FindWindowDef(form_).statusBar, text, sizeof text);
    return text;
  }
  HWND Editor() { return FindWindowExA(list_, nullptr, "Edit", nullptr); }
  // What the list view shows in one column, row after row.
  std::vector<std::string> ShownColumn(int column) {
    std::vector<std::string> cells;
    for (int r = 0; r < SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0); ++r) cells.push_back(Shown(r, column));
    return cells;
  }
  std::string Clipboard() {
    if (!OpenClipboard(nullptr)) return "(no clipboard)";
    const HANDLE data = GetClipboardData(CF_TEXT);
    const std::string text = data ? static_cast<const char*>(GlobalLock(data)) : "";
    if (data) GlobalUnlock(data);
    CloseClipboard();
    return text;
  }
  // Names in an editable text column, one a row.
  void Names(const std::vector<const char*>& names) {
    ASSERT_EQ(FX_GridColumnAdd(form_, "grid", "name", "edit=true"), 0);
    ASSERT_EQ(FX_GridRowCountSet(form_, "grid", static_cast<int>(names.size())), 0);
    for (std::size_t r = 0; r < names.size(); ++r)
      ASSERT_EQ(FX_GridCellSet(form_, "grid", static_cast<int>(r), "name", names[r]), 0);
  }
  // The header's sort arrows: "^" up, "v" down, "-" none, one a column.
  std::string SortArrows() {
    const HWND header = reinterpret_cast<HWND>(SendMessageA(list_, LVM_GETHEADER, 0, 0));
    std::string arrows;
    for (int i = 0; i < SendMessageA(header, HDM_GETITEMCOUNT, 0, 0); ++i) {
      HDITEMA item = {};
      item.mask = HDI_FORMAT;
      SendMessageA(header, HDM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
      arrows += item.fmt & HDF_SORTUP ? '^' : item.fmt & HDF_SORTDOWN ? 'v' : '-';
    }
    return arrows;
  }
  void ClickHeader(int column) {
    const HWND header = reinterpret_cast<HWND>(SendMessageA(list_, LVM_GETHEADER, 0, 0));
    RECT r;
    SendMessageA(header, HDM_GETITEMRECT, column, reinterpret_cast<LPARAM>(&r));
    MapWindowPoints(header, nullptr, reinterpret_cast<POINT*>(&r), 2);
    // Two clicks on one header, as far apart as a person makes them, not a double click.
    Sleep(GetDoubleClickTime());
    ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  }

  std::string form_;
  HWND dialog_ = nullptr;
  HWND list_ = nullptr;
};

TEST_F(Grid, IsTheListViewWithOwnerData) {
  Columns();
  Fill({{"1/2/2024", "12.5", "Ada"}});
  Create();
  char name[64];
  GetClassNameA(list_, name, sizeof name);
  EXPECT_STREQ(name, "SysListView32");
  const LONG style = GetWindowLongA(list_, GWL_STYLE);
  EXPECT_EQ(style & (LVS_REPORT | LVS_OWNERDATA | WS_TABSTOP | WS_VISIBLE),
            LVS_REPORT | LVS_OWNERDATA | WS_TABSTOP | WS_VISIBLE);
  const LRESULT extended = SendMessageA(list_, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
  EXPECT_EQ(extended & (LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES), LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  const HWND header = reinterpret_cast<HWND>(SendMessageA(list_, LVM_GETHEADER, 0, 0));
  EXPECT_EQ(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageA(list_, LVM_GETCOLUMNWIDTH, 2, 0), 150);
  char title[32] = {0};
  LVCOLUMNA column = {};
  column.mask = LVCF_TEXT | LVCF_FMT;
  column.pszText = title;
  column.cchTextMax = sizeof title;
  SendMessageA(list_, LVM_GETCOLUMNA, 2, reinterpret_cast<LPARAM>(&column));
  EXPECT_STREQ(title, "Customer");
  SendMessageA(list_, LVM_GETCOLUMNA, 1, reinterpret_cast<LPARAM>(&column));
  EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_RIGHT) << "an amount column is right-aligned";
  EXPECT_EQ(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0), 1);
  // Cells are kept in their type's normal form, and shown so.
  EXPECT_EQ(Shown(0, 0) + "|" + Shown(0, 1) + "|" + Shown(0, 2), "01/02/2024|12.50|Ada");
}

TEST_F(Grid, CallsCheckTheirArguments) {
  Columns();
  ASSERT_EQ(FX_GridRowCountSet(form_, "grid", 2), 0);
  const struct {
    const char* what;
    ErrorCode result;
    ErrorCode expected;
    bool reported;
  } cases[] = {
      {"unknown form", FX_GridRowCountSet("nowhere", "grid", 1), 18, false},
      {"unknown item", FX_GridCellSet(form_, "nothing", 0, "who", "x"), 18, false},
      {"not a grid", FX_GridColumnAdd(form_, "note", "c", ""), 19, false},
      {"unknown column", FX_GridCellSet(form_, "grid", 0, "nobody", "x"), 19, false},
      {"row past the end", FX_GridCellSet(form_, "grid", 2, "who", "x"), 19, false},
      {"negative row", FX_GridCellSet(form_, "grid", -1, "who", "x"), 19, false},
      {"negative row count", FX_GridRowCountSet(form_, "grid", -1), 19, false},
      {"negative virtual rows", FX_GridSourceSet(form_, "grid", -5, Source), 19, false},
      {"column twice", FX_GridColumnAdd(form_, "grid", "who", ""), 2, true},
      {"unknown type", FX_GridColumnAdd(form_, "grid", "x", "type=NUMBER"), 21, true},
      {"date without format", FX_GridColumnAdd(form_, "grid", "y", "type=DATE"), 24, true},
      {"amount too long", FX_GridColumnAdd(form_, "grid", "z", "type=CURRENCY;format=9999999999999999.888"), 24, true},
      {"impossible date", FX_GridCellSet(form_, "grid", 0, "when", "31/13/2024"), 31, false},
      {"day the month lacks", FX_GridCellSet(form_, "grid", 0, "when", "31/02/2024"), 31, false},
      {"amount not a number", FX_GridCellSet(form_, "grid", 0, "amount", "twelve"), 31, false},
      {"required amount empty", FX_GridCellSet(form_, "grid", 0, "amount", ""), 31, false},
      {"ROWS is read only", FX_FormItemSet(form_, "grid", "rows", "4"), 19, false},
      {"ROW past the end", FX_FormItemSet(form_, "grid", "row", "2"), 19, false},
      {"SHOWN is read only", FX_FormItemSet(form_, "grid", "shown", "1"), 19, false},
      {"SORT of no column", FX_FormItemSet(form_, "grid", "sort", "nobody,UP"), 1088, false},
      {"SORT without a direction", FX_FormItemSet(form_, "grid", "sort", "who"), 1088, false},
      {"SORT in no direction", FX_FormItemSet(form_, "grid", "sort", "who,SIDEWAYS"), 1088, false},
  };
  std::vector<int> expectedReports;
  for (const auto& c : cases) {
    EXPECT_EQ(c.result, c.expected) << c.what;
    if (c.reported) expectedReports.push_back(c.expected);
  }
  EXPECT_EQ(test::TakeReportedCodes(), expectedReports);
  EXPECT_EQ(Column("when"), (std::vector<std::string>{"", ""})) << "a refused value changes nothing";
  EXPECT_EQ(FX_FormItemGet(form_, "grid", "rows"), "2");
  Create();
  EXPECT_EQ(FX_GridColumnAdd(form_, "grid", "late", ""), 2) << "added while the form is open";
  EXPECT_EQ(test::TakeReportedCodes(), (std::vector<int>{2}));
}

TEST_F(Grid, VirtualRowsAskOnlyForTheCellsShown) {
  Columns();
  ASSERT_EQ(FX_GridSourceSet(form_, "grid", 1000000, Source), 0);
  Create();
  UpdateWindow(list_);
  EXPECT_EQ(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0), 1000000);
  const int perScreen = 3 * static_cast<int>(SendMessageA(list_, LVM_GETCOUNTPERPAGE, 0, 0) + 1);
  EXPECT_GT(sourceCalls, 0);
  EXPECT_LE(sourceCalls, 3 * perScreen) << "creating and painting the first page";
  // A source that throws shows an empty cell, one that answers a huge text shows its start.
  EXPECT_EQ(Shown(3, 2), "");
  EXPECT_EQ(Shown(4, 2), std::string(299, 'w'));
  EXPECT_EQ(FX_GridCellGet(form_, "grid", 999999, "who"), "who999999");
  SetFocus(list_);
  ASSERT_EQ(FX_FormItemSet(form_, "grid", "row", "0"), 0);
  sourceCalls = 0;
  Keys({VK_NEXT, VK_END});
  UpdateWindow(list_);
  EXPECT_LE(sourceCalls, 3 * perScreen) << "a page down and the end";
  EXPECT_EQ(FX_FormItemGet(form_, "grid", "row"), "999999");
  EXPECT_EQ(events.back(), "ROWSEL 999999 0");
  // A double click on a divider fits its column to the rows in view, not to every row.
  const HWND header = reinterpret_cast<HWND>(SendMessageA(list_, LVM_GETHEADER, 0, 0));
  RECT first;
  SendMessageA(header, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
  MapWindowPoints(header, nullptr, reinterpret_cast<POINT*>(&first), 2);
  const LRESULT declaredWidth = SendMessageA(list_, LVM_GETCOLUMNWIDTH, 0, 0);
  sourceCalls = 0;
  Sleep(GetDoubleClickTime());
  ClickAt(first.right - 1, (first.top + first.bottom) / 2);
  ClickAt(first.right - 1, (first.top + first.bottom) / 2);
  EXPECT_NE(SendMessageA(list_, LVM_GETCOLUMNWIDTH, 0, 0), declaredWidth);
  EXPECT_LE(sourceCalls, 3 * perScreen) << "fitting a column";
  ASSERT_EQ(FX_GridSourceSet(form_, "grid", 100000000, Source), 0);
  EXPECT_EQ(FX_FormItemGet(form_, "grid", "rows"), "100000000");
  ASSERT_EQ(FX_FormItemSet(form_, "grid", "row", "99999999"), 0);
  UpdateWindow(list_);
  EXPECT_EQ(FX_FormItemGet(form_, "grid", "row"), "99999999");
  EXPECT_EQ(Shown(99999999, 2), "who99999999");
}

TEST_F(Grid, SelectionFollowsTheProgramAndTheRows) {
  Columns();
  Fill({{"", "1", "a"}, {"", "2", "b"}, {"", "3", "c"}, {"", "4", "d"}});
  Create();
  EXPECT_EQ(FX_FormItemGet(form_, "grid", "row"), "-1");
  ASSERT_EQ(FX_FormItemSet(form_, "grid", "row", "3"), 0);
  EXPECT_EQ(FX_FormItemGet(form_, "grid", "row"), "3");
  EXPECT_TRUE(events.empty()) << "the program's own choice is not reported";
  // A click clears the selection and selects the row clicked: the program hears of the row.
  RECT row = {};
  row.left = LVIR_BOUNDS;
  SendMessageA(list_, LVM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row));
  MapWindowPoints(list_, nullptr, reinterpret_cast<POINT*>(&row), 2);
  ClickAt(row.left + 20, (row.top + row.bottom) / 2);
  EXPECT_EQ(events, (std::vector<std::string>{"ROWSEL 2 0"}));
  ASSERT_EQ(FX_FormItemSet(form_, "grid", "row", "3"), 0);
  events.clear();
  ASSERT_EQ(FX_GridRowCountSet(form_, "grid", 2), 0);
  EXPECT_EQ(FX_FormItemGet(form_, "grid", "row"), "1") << "moved to the last row left";
  Pump(3);
  EXPECT_EQ(events, (std::vector<std::string>{"ROWSEL 1 0"}));
  EXPECT_EQ(Column("who"), (std::vector<std::string>{"a", "b"}));
  ASSERT_EQ(FX_GridRowCountSet(form_, "grid", 0), 0);
  EXPECT_EQ(FX_FormItemGet(form_, "grid", "row"), "-1");
}

TEST_F(Grid, EditsWithRealKeys) {
  Columns();
  Fill({{"05/03/2024", "10", "Ada"}, {"06/03/2024", "20", "Bob"}});
  Create();
  SetFocus(list_);
  EXPECT_EQ(Status(), "Pick an order") << "the grid's help, as a field's";
  ASSERT_EQ(FX_FormItemSet(form_, "grid", "row", "0"), 0);
  // F2 on the first cell, typed over, Return commits in the column's normal form.
  Keys({VK_F2});
  ASSERT_TRUE(Editor());
  Keys({'7', VK_DIVIDE, '4', VK_DIVIDE, '2', '0', '2', '5', VK_RETURN});
  EXPECT_FALSE(Editor());
  EXPECT_EQ(FX_GridCellGet(form_, "grid", 0, "when"), "07/04/2025");
  EXPECT_EQ(FX_FormItemGet(form_, "grid", "value"), "07/04/2025");
  EXPECT_EQ(events.back(), "CELLCHG 0 0");
  // An impossible date keeps the edit open and says why.
  Keys({VK_F2});
  Keys({'9', '9', VK_DIVIDE, '9', '9', VK_RETURN});
  EXPECT_TRUE(Editor());
  EXPECT_EQ(Status(), "Saisie incorrecte");
  Keys({VK_ESCAPE});
  EXPECT_FALSE(Editor());
  EXPECT_EQ(FX_GridCellGet(form_, "grid", 0, "when"), "07/04/2025") << "Escape cancels";
  EXPECT_EQ(Status(), "Pick an order") << "and takes back what the refusal said";
  // Typing on the amount cell starts its edit; Tab commits and goes to the next row's
  // first editable cell.
  Keys({VK_RIGHT, '3', VK_DECIMAL, '5', VK_TAB});
  EXPECT_EQ(FX_GridCellGet(form_, "grid", 0, "amount"), "3.50");
  EXPECT_EQ(FX_FormItemGet(form_, "grid", "row"), "1");
  ASSERT_TRUE(Editor());
  Keys({VK_ESCAPE});
  // Return on a row that is not being edited activates it.
  Keys({VK_RETURN});
  EXPECT_EQ(events.back(), "ITEMCLIC 1 0");
}

// What a form's OK, its check and the program's own commit do with an open edit: a taken
// value is stored and raises "CELLCHG"; a refused one gives its code and keeps the edit,
// with the keyboard, saying why.
TEST_F(Grid, CommitTakesOrRefusesTheOpenEdit) {
  Columns();
  Fill({{"05/03/2024", "10", "Ada"}});
  Create();
  SetFocus(list_);
  ASSERT_EQ(FX_FormItemSet(form_, "grid", "row", "0"), 0);
  const struct {
    const char* what;
    std::initializer_list<WORD> keys;  // typed on the selected row's current cell
    ErrorCode code;
    std::string status, when, amount, event;
  } cases[] = {
      {"an impossible date", {'3', '2', VK_DIVIDE, '1', VK_DIVIDE, '2', '0', '2', '4'}, 1, "Saisie incorrecte", "05/03/2024", "10.00", ""},
      {"a date", {'7', VK_DIVIDE, '4', VK_DIVIDE, '2', '0', '2', '5'}, 0, "Pick an order", "07/04/2025", "10.00", "CELLCHG 0 0"},
      {"a required amount left empty", {VK_RIGHT, VK_F2, VK_BACK}, 8, "Saisie obligatoire", "07/04/2025", "10.00", ""},
      {"an amount", {'4', '2'}, 0, "Pick an order", "07/04/2025", "42.00", "CELLCHG 0 1"},
  };
  for (const auto& c : cases) {
    events.clear();
    Keys(c.keys);
    ASSERT_TRUE(Editor()) << c.what;
    EXPECT_EQ(CommitGridEdits(form_), c.code) << c.what;
    Pump(3);
    EXPECT_EQ(Editor() != nullptr, c.code != 0) << c.what << ": the edit stays open only when refused";
    if (c.code) {
      EXPECT_EQ(GetFocus(), Editor()) << c.what;
    }
    EXPECT_EQ(Status(), c.status) << c.what;
    EXPECT_EQ(FX_GridCellGet(form_, "grid", 0, "when"), c.when) << c.what;
    EXPECT_EQ(FX_GridCellGet(form_, "grid", 0, "amount"), c.amount) << c.what;
    EXPECT_EQ(events.empty() ? "" : events.back(), c.event) << c.what;
    if (c.code) Keys({VK_ESCAPE});
  }
  EXPECT_EQ(CommitGridEdits(form_), 0) << "no edit open";
  EXPECT_EQ(CommitGridEdits("nowhere"), 0) << "no such form";
}

TEST_F(Grid, HeaderClicksSortByType) {
  Columns();
  Fill({{"02/01/2024", "100", "bob"},
        {"", "9.5", "Ada"},
        {"15/12/2023", "-3", "carl"},
        {"01/01/2024", "20", ""}});
  Create();
  ASSERT_EQ(FX_FormItemSet(form_, "grid", "row", "0"), 0);  // bob
  ClickHeader(0);
  EXPECT_EQ(Column("when"), (std::vector<std::string>{"15/12/2023", "01/01/2024", "02/01/2024", ""}));
  EXPECT_EQ(FX_FormItemGet(form_, "grid", "row"), "2") << "the selected record stays selected";
  ClickHeader(0);
  EXPECT_EQ(Column("when"), (std::vector<std::string>{"02/01/2024", "01/01/2024", "15/12/2023", ""}));
  ClickHeader(1);
  EXPECT_EQ(Column("amount"), (std::vector<std::string>{"-3.00", "9.50", "20.00", "100.00"}));
  ClickHeader(2);
  EXPECT_EQ(Column("who"), (std::vector<std::string>{"Ada", "bob", "carl", ""}));
  EXPECT_EQ(SortArrows(), "--^");
  EXPECT_EQ(std::count_if(events.begin(), events.end(),
                          [](const std::string& e) { return e.rfind("COLCLIC", 0) == 0; }),
            4);
  // The arrow shows the rows' order as long as they keep it: the form opened again still
  // has it, a source's rows have their own.
  ASSERT_EQ(FX_FormClose(form_, ""), 0);
  dialog_ = nullptr;
  Create();
  EXPECT_EQ(SortArrows(), "--^") << "the form opened again";
  ClickHeader(0);
  EXPECT_EQ(SortArrows(), "^--");
  ASSERT_EQ(FX_GridSourceSet(form_, "grid", 10, Source), 0);
  EXPECT_EQ(SortArrows(), "---") << "a source's rows";
  // A virtual grid's program sorts its own rows and shows their order with SORT.
  const struct {
    const char* sort;
    ErrorCode code;
    const char* arrows;
    const char* readBack;
  } cases[] = {
      {"who,UP", 0, "--^", "who,UP"},
      {"nobody,UP", 1088, "--^", "who,UP"},
      {",DOWN", 1088, "--^", "who,UP"},
      {"when,down", 0, "v--", "when,DOWN"},
      {"amount,Up", 0, "-^-", "amount,UP"},
      {"", 0, "---", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FX_FormItemSet(form_, "grid", "sort", c.sort), c.code) << c.sort;
    EXPECT_EQ(SortArrows(), c.arrows) << c.sort;
    EXPECT_EQ(FX_FormItemGet(form_, "grid", "sort"), c.readBack) << c.sort;
  }
  ASSERT_EQ(FX_FormItemSet(form_, "grid", "sort", "who,DOWN"), 0);
  EXPECT_EQ(FX_GridCellGet(form_, "grid", 0, "who"), "who0") << "the rows stay the program's";
  EXPECT_EQ(SortArrows(), "--v");
}

TEST_F(Grid, CtrlCCopiesTheSelectedRows) {
  Columns();
  Fill({{"02/01/2024", "100", "bob\tby"}, {"", "9.5", "Ada"}, {"", "1", "x"}});
  Create();
  SetFocus(list_);
  ASSERT_EQ(FX_FormItemSet(form_, "grid", "row", "0"), 0);
  Keys({VK_DOWN}, VK_SHIFT);
  Keys({'C'}, VK_CONTROL);
  ASSERT_TRUE(OpenClipboard(nullptr));
  const HANDLE data = GetClipboardData(CF_TEXT);
  const std::string copied = data ? static_cast<const char*>(GlobalLock(data)) : "";
  if (data) GlobalUnlock(data);
  CloseClipboard();
  EXPECT_EQ(copied, "Date\tamount\tCustomer\r\n02/01/2024\t100.00\tbob by\r\n\t9.50\tAda\r\n");
  Keys({'A'}, VK_CONTROL);
  EXPECT_EQ(SendMessageA(list_, LVM_GETSELECTEDCOUNT, 0, 0), 3);
}

// FILTER shows the rows some cell of which shows the text, case ignored; the program
// still sees every row under its stored number, through a selection, a sort, an edit and
// a copy, and an edited row stays until the filter is set again.
TEST_F(Grid, FilterShowsMatchingRowsUnderTheirStoredNumbers) {
  Columns();
  Fill({{"02/01/2024", "100", "\xD6lund"},
        {"", "9.5", "Ada"},
        {"15/12/2023", "-3", "carl"},
        {"01/01/2024", "20", "adam"},
        {"", "1", "Bob"}});
  Create();
  const struct {
    const char* filter;
    std::vector<std::string> shown;
  } filters[] = {
      {"AD", {"Ada", "adam"}},
      {"2024", {"\xD6lund", "adam"}},  // a date as shown
      {"9.5", {"Ada"}},                 // an amount as shown, "9.50"
      {"\xF6L", {"\xD6lund"}},          // an accented letter's case
      {"zzz", {}},
      {"", {"\xD6lund", "Ada", "carl", "adam", "Bob"}},
  };
  for (const auto& f : filters) {
    ASSERT_EQ(FX_FormItemSet(form_, "grid", "filter", f.filter), 0) << f.filter;
    EXPECT_EQ(ShownColumn(2), f.shown) << f.filter;
    EXPECT_EQ(FX_FormItemGet(form_, "grid", "shown"), std::to_string(f.shown.size())) << f.filter;
    EXPECT_EQ(FX_FormItemGet(form_, "grid", "filter"), f.filter);
  }

  ASSERT_EQ(FX_FormItemSet(form_, "grid", "filter", "a"), 0);
  ASSERT_EQ(ShownColumn(2), (std::vector<std::string>{"Ada", "carl", "adam"}));
  EXPECT_EQ(FX_FormItemSet(form_, "grid", "row", "0"), 1089) << "a hidden row";
  ASSERT_EQ(FX_FormItemSet(form_, "grid", "row", "3"), 0);
  EXPECT_EQ(SendMessageA(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 2);
  EXPECT_EQ(FX_FormItemGet(form_, "grid", "row"), "3");
  // The user clicks the second row shown, extends to the third and copies both.
  RECT row = {};
  row.left = LVIR_BOUNDS;
  SendMessageA(list_, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
  MapWindowPoints(list_, nullptr, reinterpret_cast<POINT*>(&row), 2);
  ClickAt(row.left + 20, (row.top + row.bottom) / 2);
  EXPECT_EQ(events, (std::vector<std::string>{"ROWSEL 2 0"}));
  Keys({VK_DOWN}, VK_SHIFT);
  Keys({'C'}, VK_CONTROL);
  EXPECT_EQ(Clipboard(), "Date\tamount\tCustomer\r\n15/12/2023\t-3.00\tcarl\r\n01/01/2024\t20.00\tadam\r\n");
  // A sort keeps the filter, and the selected record, under its new number.
  ClickHeader(2);
  EXPECT_EQ(Column("who"), (std::vector<std::string>{"Ada", "adam", "Bob", "carl", "\xD6lund"}));
  EXPECT_EQ(ShownColumn(2), (std::vector<std::string>{"Ada", "adam", "carl"}));
  EXPECT_EQ(FX_FormItemGet(form_, "grid", "row"), "1");
  EXPECT_EQ(FX_FormItemGet(form_, "grid", "sort"), "who,UP");
  ASSERT_EQ(FX_FormItemSet(form_, "grid", "sort", "who,DOWN"), 0);
  EXPECT_EQ(ShownColumn(2), (std::vector<std::string>{"carl", "adam", "Ada"}));
  EXPECT_EQ(FX_FormItemGet(form_, "grid", "row"), "3");
  EXPECT_EQ(SortArrows(), "--v");
  // An edited amount that no longer matches stays shown until the filter is set again.
  ASSERT_EQ(FX_FormItemSet(form_, "grid", "filter", "0.0"), 0);  // 100.00 and 20.00
  ASSERT_EQ(ShownColumn(2), (std::vector<std::string>{"\xD6lund", "adam"}));
  SetFocus(list_);
  ASSERT_EQ(FX_FormItemSet(form_, "grid", "row", "3"), 0);
  events.clear();
  Keys({VK_RIGHT, '7', VK_RETURN});
  EXPECT_EQ(events, (std::vector<std::string>{"CELLCHG 3 1"}));
  EXPECT_EQ(FX_GridCellGet(form_, "grid", 3, "amount"), "7.00");
  EXPECT_EQ(ShownColumn(1), (std::vector<std::string>{"100.00", "7.00"}));
  ASSERT_EQ(FX_GridCellSet(form_, "grid", 2, "amount", "8"), 0);  // Bob's, hidden
  EXPECT_EQ(ShownColumn(1), (std::vector<std::string>{"100.00", "7.00"})) << "a hidden row set";
  ASSERT_EQ(FX_FormItemSet(form_, "grid", "filter", "0.0"), 0);
  EXPECT_EQ(ShownColumn(1), (std::vector<std::string>{"100.00"}));
  // New rows are shown; a source's rows are never filtered.
  ASSERT_EQ(FX_GridRowCountSet(form_, "grid", 6), 0);
  EXPECT_EQ(FX_FormItemGet(form_, "grid", "shown"), "2");
  ASSERT_EQ(FX_GridSourceSet(form_, "grid", 10, Source), 0);
  EXPECT_EQ(FX_FormItemSet(form_, "grid", "filter", "who"), 1087);
  EXPECT_EQ(FX_FormItemGet(form_, "grid", "filter") + "/" + FX_FormItemGet(form_, "grid", "shown"), "/10");
}

// Characters typed on a cell start its edit, and characters that arrive together go into
// that one edit: an input method's result and a dead key's pair are queued for the list
// view before the first of them opens the edit. AltGr is Ctrl+Alt to the program.
TEST_F(Grid, TypedCharactersGoIntoOneEdit) {
  Names({"Ada"});
  Create();
  const struct {
    const char* what;
    std::vector<std::pair<UINT, wchar_t>> posted;
    std::vector<BYTE> held;  // keys down while the characters arrive
    std::string stored;
  } cases[] = {
      {"Ctrl+Space, not a character", {{WM_CHAR, L' '}}, {VK_CONTROL, VK_LCONTROL}, "Ada"},
      {"an input method's result", {{WM_IME_CHAR, L'\u00E9'}, {WM_IME_CHAR, L'\u00FC'}}, {}, "\xE9\xFC"},
      {"a dead key and a letter it does not take", {{WM_CHAR, L'^'}, {WM_CHAR, L'x'}}, {}, "^x"},
      {"AltGr's at sign", {{WM_CHAR, L'@'}}, {VK_CONTROL, VK_LCONTROL, VK_MENU, VK_RMENU}, "@"},
      {"AltGr's euro sign", {{WM_CHAR, L'\u20AC'}}, {VK_CONTROL, VK_LCONTROL, VK_MENU, VK_RMENU}, "\x80"},
  };
  for (const auto& c : cases) {
    events.clear();
    SetFocus(list_);
    ASSERT_EQ(FX_FormItemSet(form_, "grid", "row", "0"), 0);
    BYTE before[256], held[256];
    GetKeyboardState(before);
    std::copy(before, before + 256, held);
    for (BYTE key : c.held) held[key] = 0x80;
    SetKeyboardState(held);
    for (const auto& message : c.posted) PostMessageW(list_, message.first, message.second, 1);
    Pump(3);
    SetKeyboardState(before);
    if (Editor()) Keys({VK_RETURN});
    EXPECT_FALSE(Editor()) << c.what;
    EXPECT_EQ(FX_GridCellGet(form_, "grid", 0, "name"), c.stored) << c.what;
    EXPECT_EQ(std::count(events.begin(), events.end(), "CELLCHG 0 0"), c.stored == "Ada" ? 0 : 1)
        << c.what << ": one edit";
  }
}

// A refused "CELLCHG" gives the cell its old value back only while the row still holds
// the record that was edited: a program that moved or reloaded the rows, or wrote the
// cell itself, keeps what it wrote.
TEST_F(Grid, ARefusedCellOverwritesNoOtherRecord) {
  const auto reload = [](const std::string& form) {
    FX_GridRowCountSet(form, "grid", 0);
    FX_GridRowCountSet(form, "grid", 3);
    const char* names[] = {"Cy", "Bob", "Ada"};
    for (int r = 0; r < 3; ++r) FX_GridCellSet(form, "grid", r, "name", names[r]);
  };
  const auto rewrite = [](const std::string& form) {
    const char* names[] = {"Cy", "Bob", "Ada"};
    for (int r = 0; r < 3; ++r) FX_GridCellSet(form, "grid", r, "name", names[r]);
  };
  const struct {
    const char* what;
    std::function<void(const std::string&)> program;
    std::intptr_t answer;
    std::vector<std::string> names;
  } cases[] = {
      {"accepted", nullptr, 0, {"ava", "Bob", "Cy"}},
      {"refused", nullptr, 1, {"Ada", "Bob", "Cy"}},
      {"refused after a reload in another order", reload, 1, {"Cy", "Bob", "Ada"}},
      {"refused after the rows were rewritten in another order", rewrite, 1, {"Cy", "Bob", "Ada"}},
      {"refused after the program wrote the cell",
       [](const std::string& form) { FX_GridCellSet(form, "grid", 0, "name", "Ann"); }, 1,
       {"Ann", "Bob", "Cy"}},
  };
  Names({"Ada", "Bob", "Cy"});
  Create();
  for (const auto& c : cases) {
    const char* names[] = {"Ada", "Bob", "Cy"};
    ASSERT_EQ(FX_GridRowCountSet(form_, "grid", 3), 0);
    for (int r = 0; r < 3; ++r) ASSERT_EQ(FX_GridCellSet(form_, "grid", r, "name", names[r]), 0);
    onCellChange = [&c](const std::string& form) {
      if (c.program) c.program(form);
      return c.answer;
    };
    SetFocus(list_);
    ASSERT_EQ(FX_FormItemSet(form_, "grid", "row", "0"), 0);
    Keys({'A', 'V', 'A', VK_RETURN});
    onCellChange = nullptr;
    EXPECT_EQ(Column("name"), c.names) << c.what;
  }
}

// The current cell and the edit field over it are where the user can see them, however
// the grid was scrolled or its columns resized.
TEST_F(Grid, TheEditedCellIsInView) {
  // Wider together than the view: the first two columns fit in it, the last one only alone.
  ASSERT_EQ(FX_GridColumnAdd(form_, "grid", "first", "edit=true;width=150"), 0);
  ASSERT_EQ(FX_GridColumnAdd(form_, "grid", "second", "edit=true;width=150"), 0);
  ASSERT_EQ(FX_GridColumnAdd(form_, "grid", "third", "edit=true;width=300"), 0);
  ASSERT_EQ(FX_GridRowCountSet(form_, "grid", 2), 0);
  Create();
  SetFocus(list_);
  ASSERT_EQ(FX_FormItemSet(form_, "grid", "row", "0"), 0);
  const auto dragDivider = [this](int column, int dx) {
    const HWND header = reinterpret_cast<HWND>(SendMessageA(list_, LVM_GETHEADER, 0, 0));
    RECT r;
    SendMessageA(header, HDM_GETITEMRECT, column, reinterpret_cast<LPARAM>(&r));
    MapWindowPoints(header, nullptr, reinterpret_cast<POINT*>(&r), 2);
    const auto at = [](int x, int y, DWORD flags) {
      INPUT input = {};
      input.type = INPUT_MOUSE;
      input.mi.dx = x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
      input.mi.dy = y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
      input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags;
      SendInput(1, &input, sizeof input);
      Pump(2);
    };
    const int x = r.right - 1, y = (r.top + r.bottom) / 2;
    at(x, y, 0);
    at(x, y, MOUSEEVENTF_LEFTDOWN);
    at(x + dx / 2, y, 0);
    at(x + dx, y, 0);
    at(x + dx, y, MOUSEEVENTF_LEFTUP);
  };
  const struct {
    const char* what;
    std::function<void()> act;
    int column;   // the current cell's
    bool editing;
  } cases[] = {
      {"Right onto a column in view", [] { Keys({VK_RIGHT}); }, 1, false},
      {"Left onto the first column", [] { Keys({VK_LEFT}); }, 0, false},
      {"Right onto the last column", [] { Keys({VK_RIGHT, VK_RIGHT}); }, 2, false},
      {"F2 after the view was scrolled away",
       [this] {
         SendMessageA(list_, LVM_SCROLL, static_cast<WPARAM>(-2000), 0);
         Keys({VK_F2});
       }, 2, true},
      {"F2 on the first column scrolled away",
       [this] {
         Keys({VK_ESCAPE, VK_LEFT, VK_LEFT});
         SendMessageA(list_, LVM_SCROLL, 2000, 0);
         Keys({VK_F2});
       }, 0, true},
      {"the divider before the edited column dragged",
       [&] {
         Keys({VK_ESCAPE, VK_RIGHT, VK_F2});
         dragDivider(0, -60);
       }, 1, true},
      {"the edited column's own divider dragged", [&] { dragDivider(1, 40); }, 1, true},
  };
  for (const auto& c : cases) {
    c.act();
    RECT client, cell = {};
    GetClientRect(list_, &client);
    cell.top = c.column;
    cell.left = c.column == 0 ? LVIR_LABEL : LVIR_BOUNDS;
    ASSERT_TRUE(SendMessageA(list_, LVM_GETSUBITEMRECT, 0, reinterpret_cast<LPARAM>(&cell)));
    EXPECT_TRUE(cell.left >= 0 && cell.right <= client.right)
        << c.what << ": cell from " << cell.left << " to " << cell.right << ", view to " << client.right;
    if (c.column == 0) {
      RECT row = {LVIR_BOUNDS, 0, 0, 0};
      SendMessageA(list_, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
      EXPECT_EQ(row.left, 0) << c.what << ": the first column from its start";
    }
    ASSERT_EQ(Editor() != nullptr, c.editing) << c.what;
    if (!c.editing) continue;
    RECT editor;
    GetWindowRect(Editor(), &editor);
    MapWindowPoints(nullptr, list_, reinterpret_cast<POINT*>(&editor), 2);
    EXPECT_EQ(std::to_string(editor.left) + ".." + std::to_string(editor.right),
              std::to_string(cell.left) + ".." + std::to_string(cell.right))
        << c.what << ": the edit field over its cell";
  }
}

// A new row count, or a source's rows, end the open edit first, as a sort or a scroll
// does, whether or not the edited row survives: its value is committed into the row it
// was typed in.
TEST_F(Grid, NewRowsEndTheEdit) {
  Names({"Ada", "Bob"});
  Create();
  const struct {
    const char* what;
    const char* row;
    WORD key;
    std::function<void()> change;
    std::vector<std::string> names;
  } cases[] = {
      {"a larger count", "0", 'Z', [this] { FX_GridRowCountSet(form_, "grid", 3); }, {"z", "Bob", ""}},
      {"the same count", "1", 'Y', [this] { FX_GridRowCountSet(form_, "grid", 3); }, {"z", "y", ""}},
      {"a count without the edited row", "2", 'X', [this] { FX_GridRowCountSet(form_, "grid", 2); }, {"z", "y"}},
      {"a source's rows",
       "0", 'W',
       [this] {
         FX_GridSourceSet(form_, "grid", 5, Source);
         FX_GridSourceSet(form_, "grid", 2, nullptr);
       },
       {"w", "y"}},
  };
  for (const auto& c : cases) {
    SetFocus(list_);
    ASSERT_EQ(FX_FormItemSet(form_, "grid", "row", c.row), 0);
    Keys({c.key});
    ASSERT_TRUE(Editor()) << c.what;
    c.change();
    Pump(3);
    EXPECT_FALSE(Editor()) << c.what;
    EXPECT_EQ(Column("name"), c.names) << c.what;
  }
}

}  // namespace
