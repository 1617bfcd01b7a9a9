// Item controls read back from the real controls: class, text, id, styles, size and
// place per item type; the text limit, check state and list entries; the codes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fenwix/error/error_context.h"
#include "fenwix/form/item_controls.h"
#include "tests/gui/gui_test_helpers.h"

namespace {

class ItemControlsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    test::RestartLibrary();
    ASSERT_EQ(FX_WindowMainCreate(test::NewName("ItemsMain"), SW_SHOWNORMAL, test::MainWindowProc,
                                  "", 0, 0, 600, 500),
              0);
  }
  void SetUp() override {
    test::RecordedMessageBoxes().clear();
    form_ = test::NewName("items");
  }
  void TearDown() override {
    const HWND dialog = FindWindowDef(form_).handle;
    if (dialog) SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
  }

  void Add(const std::string& item, const char* type, int sequence, int x, int y, int width,
           int height, const std::string& properties) {
    ASSERT_EQ(FX_FormItemAdd(form_, item, type, sequence, x, y, width, height, properties), 0)
        << item;
  }
  HWND Open() {
    EXPECT_EQ(FX_FormCreate(form_, "edge=false;stbar=false", 0, 0, 550, 450, nullptr), 0);
    return FindWindowDef(form_).handle;
  }
  HWND ControlOf(const std::string& item) { return FindItemDef(form_, item).control; }

  std::string form_;
};

std::string ClassOf(HWND window) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}
std::string TextOf(HWND window) {
  char text[256] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

// What the library asked the platform for, before the platform adjusts it (a child
// window loses WS_EX_WINDOWEDGE, a combo box hands WS_VSCROLL to its list).
struct CreateCall {
  DWORD exStyle;
  std::string className;
  bool hasText;
  std::string text;
  DWORD style;
  int x, y, width, height;
  HWND parent;
  INT_PTR id;
};
std::vector<CreateCall> created;
HWND WINAPI RecordCreate(DWORD exStyle, LPCSTR className, LPCSTR text, DWORD style, int x, int y,
                         int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                         LPVOID data) {
  created.push_back({exStyle, className, text != nullptr, text ? text : "", style, x, y, width,
                     height, parent, reinterpret_cast<INT_PTR>(menu)});
  return os::real().CreateWindowExA(exStyle, className, text, style, x, y, width, height, parent,
                                    menu, instance, data);
}

TEST_F(ItemControlsTest, EachTypeBecomesItsControl) {
  struct Case {
    const char* item;
    const char* type;
    const char* properties;
    const char* className;
    const char* createText;  // nullptr: no text at all
    const char* shownText;
    bool hasId;
    DWORD style;
    DWORD exStyle;
    int width, height;  // as created; the declared size is 100 x 30 for a check box
  };
  const Case cases[] = {
      {"label", fx::item::STATIC, "value=shown by painting", "STATIC", "label", "label", false,
       0x5000000D, 0, 120, 20},
      {"area", fx::item::RECT, "", "STATIC", "area", "area", false, 0x5000000D, 0, 60, 30},
      // An edit field is created empty and then given its VALUE.
      {"name", fx::item::EDIT, "value=hello", "EDIT", "", "hello", true, 0x50010080, 0x300, 100,
       24},
      {"amount", fx::item::EDIT, "type=currency;format=999.99;value=1.50", "EDIT", "", "1.50",
       true, 0x50010082, 0x300, 100, 24},
      {"day", fx::item::EDIT, "type=Date;format=dd/mm/yyyy", "EDIT", "", "", true, 0x50010082,
       0x300, 100, 24},
      {"system", fx::item::BUTTONSYS, "value=not the caption", "BUTTON", "system", "system", true,
       0x50014000, 0, 80, 25},
      {"key", fx::item::BUTTON, "", "BUTTON", "key", "key", true, 0x5001000B, 0, 35, 35},
      {"tick", fx::item::CHECKSYS, "", "BUTTON", "tick", "tick", true, 0x50014003, 0, 14, 14},
      {"pick", fx::item::COMBOSYS, "value1=A;VALUE2=B;Value4=D", "ComboBox", nullptr, "A", true,
       0x50210043, 0, 120, 150},
      {"typed", fx::item::COMBOSYS, "edit=yes", "ComboBox", nullptr, "", true, 0x50210042, 0, 120,
       150},
      // A grid is the platform's list view, in report mode with owner data.
      {"grid", fx::item::DATAGRID, "", "SysListView32", nullptr, "", true, 0x50011009, 0x200, 160,
       80},
      // Declared invisible: created hidden and disabled.
      {"hiddenLabel", fx::item::STATIC, "visible=no", "STATIC", "hiddenLabel", "hiddenLabel",
       false, 0x4800000D, 0, 50, 20},
      {"hiddenName", fx::item::EDIT, "visible=f", "EDIT", "", "", true, 0x48010080, 0x300, 50, 20},
      {"hiddenKey", fx::item::BUTTON, "visible=false", "BUTTON", "hiddenKey", "hiddenKey", true,
       0x4801000B, 0, 50, 20},
      {"hiddenPick", fx::item::COMBOSYS, "visible=N", "ComboBox", nullptr, "", true, 0x48210043, 0,
       50, 150},
  };
  const std::size_t count = sizeof cases / sizeof cases[0];
  for (std::size_t i = 0; i < count; ++i) {
    const Case& c = cases[i];
    const bool checkBox = c.type == std::string(fx::item::CHECKSYS);
    Add(c.item, c.type, static_cast<int>(i + 1), 10, 30 * static_cast<int>(i + 1),
        checkBox ? 100 : c.width, checkBox ? 30 : c.height, c.properties);
  }
  created.clear();
  HWND dialog = nullptr;
  {
    os::Override<decltype(&::CreateWindowExA)> record(&os::Table::CreateWindowExA, RecordCreate);
    dialog = Open();
  }
  ASSERT_TRUE(IsWindow(dialog));
  ASSERT_EQ(created.size(), count);

  for (std::size_t i = 0; i < count; ++i) {
    const Case& c = cases[i];
    SCOPED_TRACE(c.item);
    const int sequence = static_cast<int>(i + 1);
    const int id = sequence + kItemIdBase;

    const CreateCall& asked = created[i];
    EXPECT_EQ(asked.className, c.className);
    EXPECT_EQ(asked.hasText, c.createText != nullptr);
    EXPECT_EQ(asked.text, c.createText ? c.createText : "");
    EXPECT_EQ(asked.style, c.style) << std::hex << "expected style 0x" << c.style << ", got 0x"
                                    << asked.style;
    EXPECT_EQ(asked.exStyle, c.exStyle);
    EXPECT_EQ(asked.x, 10);
    EXPECT_EQ(asked.y, 30 * sequence);
    EXPECT_EQ(asked.width, c.width);
    EXPECT_EQ(asked.height, c.height);
    EXPECT_EQ(asked.parent, dialog);
    EXPECT_EQ(asked.id, c.hasId ? id : 0);

    // What the real control kept.
    const HWND control = ControlOf(c.item);
    ASSERT_TRUE(IsWindow(control));
    EXPECT_EQ(GetParent(control), dialog);
    EXPECT_EQ(lstrcmpiA(ClassOf(control).c_str(), c.className), 0)
        << "expected class " << c.className << ", got " << ClassOf(control);
    EXPECT_EQ(TextOf(control), c.shownText);
    EXPECT_EQ(GetDlgCtrlID(control), c.hasId ? id : 0);
    EXPECT_EQ(FindItemDef(form_, c.item).controlId, id) << "recorded for every type";
    const DWORD style = static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE));
    EXPECT_EQ(style | (c.style & WS_VSCROLL), c.style)
        << std::hex << "expected style 0x" << c.style << ", got 0x" << style;
    EXPECT_EQ(GetWindowLongA(control, GWL_EXSTYLE) & WS_EX_CLIENTEDGE,
              static_cast<LONG>(c.exStyle & WS_EX_CLIENTEDGE));
    EXPECT_EQ(IsWindowVisible(control) != FALSE, (c.style & WS_VISIBLE) != 0);

    RECT r;
    GetWindowRect(control, &r);
    RECT placed = r;
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_EQ(placed.left, 10);
    EXPECT_EQ(placed.top, 30 * sequence);
    EXPECT_EQ(placed.right - placed.left, c.width);
    if (lstrcmpiA(c.className, "ComboBox") == 0) {
      // Closed, a combo box is as tall as its edit part; the declared height (asked for
      // above) is the platform's to share between it and the list.
      RECT dropped = {};
      SendMessageA(control, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
      EXPECT_LT(placed.bottom - placed.top, c.height);
      EXPECT_GT(dropped.bottom - r.top, placed.bottom - placed.top) << "room for the list";
    } else {
      EXPECT_EQ(placed.bottom - placed.top, c.height);
    }
  }
  EXPECT_TRUE(test::Reports().empty());
}

struct SentMessage {
  HWND window;
  UINT message;
  WPARAM wParam;
  std::string text;  // for CB_ADDSTRING
};
std::vector<SentMessage> sent;
LRESULT WINAPI RecordSend(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  sent.push_back({window, message, wParam,
                  message == CB_ADDSTRING ? reinterpret_cast<const char*>(lParam) : ""});
  return os::real().SendMessageA(window, message, wParam, lParam);
}

TEST_F(ItemControlsTest, ListRunsFromValue1ToTheFirstGapWithTheFirstSelected) {
  Add("pick", fx::item::COMBOSYS, 1, 10, 10, 100, 120, "length=12;value1=A;VALUE2=B;Value4=D");
  Add("empty", fx::item::COMBOSYS, 2, 10, 40, 100, 120, "value2=B");
  std::string fifty;
  for (int i = 1; i <= 51; ++i) fifty += "value" + std::to_string(i) + "=e" + std::to_string(i) + ";";
  Add("full", fx::item::COMBOSYS, 3, 10, 70, 100, 120, fifty);
  sent.clear();
  {
    os::Override<decltype(&::SendMessageA)> record(&os::Table::SendMessageA, RecordSend);
    Open();
  }
  const HWND pick = ControlOf("pick");
  std::vector<std::string> calls;
  for (const SentMessage& m : sent) {
    if (m.window != pick) continue;
    if (m.message == CB_LIMITTEXT) calls.push_back("limit " + std::to_string(m.wParam));
    if (m.message == CB_ADDSTRING) calls.push_back("add " + m.text);
    if (m.message == CB_SETCURSEL) calls.push_back("select " + std::to_string(m.wParam));
  }
  EXPECT_EQ(calls, (std::vector<std::string>{"limit 12", "add A", "add B", "select 0"}));
  EXPECT_EQ(SendMessageA(pick, CB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageA(pick, CB_GETCURSEL, 0, 0), 0);
  char entry[16] = "";
  SendMessageA(pick, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(entry));
  EXPECT_STREQ(entry, "B");

  EXPECT_EQ(SendMessageA(ControlOf("empty"), CB_GETCOUNT, 0, 0), 0) << "no VALUE1: no entries";
  EXPECT_EQ(SendMessageA(ControlOf("full"), CB_GETCOUNT, 0, 0), 50) << "at most 50 entries";
}

TEST_F(ItemControlsTest, EditLimitCheckStateAndDisabledItems) {
  Add("short", fx::item::EDIT, 1, 10, 10, 100, 24, "length=5;value=abcdefgh");
  Add("long", fx::item::EDIT, 2, 10, 40, 100, 24, "");
  Add("ticked", fx::item::CHECKSYS, 3, 10, 70, 20, 20, "check=yes");
  Add("unticked", fx::item::CHECKSYS, 4, 40, 70, 20, 20, "check=1");
  const char* disabledTypes[] = {fx::item::EDIT,     fx::item::BUTTONSYS, fx::item::BUTTON,
                                 fx::item::CHECKSYS, fx::item::COMBOSYS,  fx::item::STATIC,
                                 fx::item::RECT};
  int sequence = 4;
  for (const char* type : disabledTypes) {
    ++sequence;
    Add(std::string("off") + type, type, sequence, 150, 30 * sequence, 60, 20, "enable=no");
  }
  Open();

  const HWND shortEdit = ControlOf("short");
  EXPECT_EQ(SendMessageA(shortEdit, EM_GETLIMITTEXT, 0, 0), 5);
  EXPECT_EQ(TextOf(shortEdit), "abcdefgh") << "the limit holds typing only";
  EXPECT_GT(SendMessageA(ControlOf("long"), EM_GETLIMITTEXT, 0, 0), 30000)
      << "no LENGTH: the platform's maximum";
  EXPECT_EQ(SendMessageA(ControlOf("ticked"), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(ControlOf("unticked"), BM_GETCHECK, 0, 0), BST_UNCHECKED);

  for (const char* type : disabledTypes) {
    const bool label = type == std::string(fx::item::STATIC) || type == std::string(fx::item::RECT);
    EXPECT_EQ(IsWindowEnabled(ControlOf(std::string("off") + type)) != FALSE, label)
        << type << (label ? " labels are never disabled" : " items are disabled");
  }
}

int ChildCount(HWND dialog) {
  int children = 0;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    ++children;
  return children;
}

TEST_F(ItemControlsTest, SequencesOneTwoFourMakeTwoControls) {
  Add("one", fx::item::BUTTON, 1, 10, 10, 40, 40, "");
  Add("two", fx::item::BUTTON, 2, 60, 10, 40, 40, "");
  Add("four", fx::item::BUTTON, 4, 110, 10, 40, 40, "");
  const HWND dialog = Open();
  EXPECT_TRUE(IsWindow(ControlOf("one")));
  EXPECT_TRUE(IsWindow(ControlOf("two")));
  EXPECT_EQ(ControlOf("four"), nullptr) << "after the gap at 3";
  EXPECT_EQ(ChildCount(dialog), 2);
  EXPECT_TRUE(test::Reports().empty());
}

HWND WINAPI NoWindow(DWORD, LPCSTR, LPCSTR, DWORD, int, int, int, int, HWND, HMENU, HINSTANCE,
                     LPVOID) {
  return nullptr;
}
BOOL WINAPI NoText(HWND, LPCSTR) { return FALSE; }

TEST_F(ItemControlsTest, FailuresAreReportedUnderTheItemsKey) {
  Add("a.b", fx::item::BUTTON, 1, 10, 10, 40, 40, "");
  Add("field", fx::item::EDIT, 2, 60, 10, 40, 40, "");
  const HWND dialog = Open();
  EXPECT_EQ(ControlOf("a.b"), nullptr);
  EXPECT_EQ(test::OneReportStartingWith(test::ReportHead(26, "FX_FormCreateItem", form_ + ".a.b")),
            "");
  EXPECT_TRUE(IsWindow(ControlOf("field"))) << "one item's failure is its own";
  test::RecordedMessageBoxes().clear();

  EXPECT_EQ(FX_FormCreateItem(dialog, form_, "missing"), 18);
  EXPECT_EQ(test::OneReportStartingWith(test::ReportHead(18, "FX_FormCreateItem", form_ + ".missing")),
            "");
  test::RecordedMessageBoxes().clear();

  const HWND before = ControlOf("field");
  {
    os::Override<decltype(&::CreateWindowExA)> fail(&os::Table::CreateWindowExA, NoWindow);
    EXPECT_EQ(FX_FormCreateItem(dialog, form_, "field"), 1001);
  }
  EXPECT_EQ(test::OneReportStartingWith(test::ReportHead(1001, "FX_FormCreateItem", form_ + ".field")),
            "");
  EXPECT_EQ(ControlOf("field"), before) << "the record is unchanged";
  test::RecordedMessageBoxes().clear();

  // The control exists, but an edit field whose text cannot be set is not recorded.
  ItemDef unrecorded = FindItemDef(form_, "field");
  unrecorded.control = nullptr;
  StoreItemDef(ItemKey(form_, "field"), unrecorded);
  {
    os::Override<decltype(&::SetWindowTextA)> fail(&os::Table::SetWindowTextA, NoText);
    EXPECT_EQ(FX_FormCreateItem(dialog, form_, "field"), 1003);
  }
  EXPECT_EQ(test::OneReportStartingWith(test::ReportHead(1003, "FX_FormCreateItem", form_ + ".field")),
            "");
  EXPECT_EQ(ControlOf("field"), nullptr);
}

TEST_F(ItemControlsTest, SuccessRestoresTheCallersContextFailureKeepsItsOwn) {
  Add("grid", fx::item::DATAGRID, 1, 0, 0, 10, 10, "");
  Add("key", fx::item::BUTTON, 2, 0, 0, 10, 10, "");
  const HWND dialog = Open();
  SetErrorContext("outer", "OuterCall");
  EXPECT_EQ(FX_FormCreateItem(dialog, form_, "grid"), 0);
  EXPECT_EQ(CurrentErrorContext().functionName, "OuterCall");
  EXPECT_EQ(FX_FormCreateItem(dialog, form_, "key"), 0);
  EXPECT_EQ(CurrentErrorContext().functionName, "OuterCall");
  EXPECT_EQ(CurrentErrorContext().windowName, "outer");
  EXPECT_EQ(FX_FormCreateItem(dialog, form_, "none"), 18);
  EXPECT_EQ(CurrentErrorContext().functionName, "FX_FormCreateItem");
  EXPECT_EQ(CurrentErrorContext().windowName, form_ + ".none");
}

}  // namespace
